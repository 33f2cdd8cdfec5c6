#pragma once

#include "printing/EnvelopeOptions.h"
#include "ui/envelope_options/MeasurementUnit.h"
#include "ui/envelope_options/PrinterChoices.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QDialogButtonBox;

namespace addrell {

class PreviewPane;
class FontButton;
class FontChooser;
class LengthField;
class PositionFields;

// "Envelope Options": the printer, the envelope size, the fonts and places of the two addresses
// and the printer's shift, with a preview of the envelope as it will print. The options change
// as the fields do; the caller keeps them only when the dialog is accepted.
class EnvelopeOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // The two address texts as the window holds them; an empty one previews as sample text.
    struct Addresses {
        QString returnAddress;
        QString delivery;
    };

    EnvelopeOptionsDialog(const EnvelopeOptions& options,
                          const std::vector<AvailablePrinter>& printers, FontChooser& fonts,
                          Addresses addresses, MeasurementUnit unit, QWidget* parent = nullptr);

    [[nodiscard]] const EnvelopeOptions& options() const noexcept { return m_options; }
    [[nodiscard]] const PreviewPane& preview() const noexcept { return *m_preview; }

private:
    [[nodiscard]] QWidget* printerSection();
    [[nodiscard]] QWidget* sizeSection();
    [[nodiscard]] QWidget* fontSection();
    [[nodiscard]] QWidget* positionSection();

    void showOptions(const EnvelopeOptions& options);
    void showSize();
    void printerChosen(int index);
    void sizeChosen(int index);
    void customSizeChanged();
    void fieldsChanged();
    void restoreDefaults();
    void redraw();

    EnvelopeOptions m_options;
    PrinterChoices m_printers;
    FontChooser& m_fonts;
    Addresses m_addresses;
    MeasurementUnit m_unit;

    QComboBox* m_printer = nullptr;
    QComboBox* m_size = nullptr;
    LengthField* m_width = nullptr;
    LengthField* m_height = nullptr;
    FontButton* m_deliveryFont = nullptr;
    FontButton* m_returnFont = nullptr;
    PositionFields* m_deliveryPosition = nullptr;
    PositionFields* m_returnPosition = nullptr;
    LengthField* m_shiftRight = nullptr;
    LengthField* m_shiftDown = nullptr;
    PreviewPane* m_preview = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

} // namespace addrell
