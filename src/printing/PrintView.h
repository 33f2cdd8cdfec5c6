#pragma once

#include <QString>

namespace addrell {

// What the print job reads from the window, at the moment of printing.
class PrintView {
public:
    virtual ~PrintView() = default;

    [[nodiscard]] virtual bool printCenterSelected() const = 0; // Option2(1)
    [[nodiscard]] virtual QString addressText() const = 0;      // txtAddress, lines in CR LF
    [[nodiscard]] virtual QString returnText() const = 0;       // txtReturn, lines in CR LF

protected:
    PrintView() = default;
    PrintView(const PrintView&) = default;
    PrintView& operator=(const PrintView&) = default;
};

} // namespace addrell
