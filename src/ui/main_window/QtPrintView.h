#pragma once

#include "printing/PrintView.h"

class QPlainTextEdit;
class QRadioButton;

namespace addrell {

class ControlSet;

// The controls the print job reads.
class QtPrintView : public PrintView {
public:
    explicit QtPrintView(const ControlSet& controls);

    [[nodiscard]] bool printCenterSelected() const override;
    [[nodiscard]] QString addressText() const override;
    [[nodiscard]] QString returnText() const override;

private:
    QRadioButton* m_printCenter;
    QPlainTextEdit* m_txtAddress;
    QPlainTextEdit* m_txtReturn;
};

} // namespace addrell
