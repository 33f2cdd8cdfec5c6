#pragma once

#include "printing/PrintView.h"

class QRadioButton;

namespace addrell {

class ControlSet;
class TextBox;

// The controls the print job reads.
class QtPrintView : public PrintView {
public:
    explicit QtPrintView(const ControlSet& controls);

    [[nodiscard]] bool printCenterSelected() const override;
    [[nodiscard]] QString addressText() const override;
    [[nodiscard]] QString returnText() const override;

private:
    QRadioButton* m_printCenter;
    TextBox* m_txtAddress;
    TextBox* m_txtReturn;
};

} // namespace addrell
