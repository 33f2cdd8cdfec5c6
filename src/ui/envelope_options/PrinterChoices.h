#pragma once

#include "servers/envelope_printer/destinations/AvailablePrinter.h"

#include <QString>

#include <vector>

namespace addrell {

// The options dialog's list of printers: each print queue by name, the desktop's default and a
// queue refusing jobs marked as such, then "Save as PDF". The default's entry stands for the
// desktop's default printer, so choosing it follows the desktop when its default changes.
class PrinterChoices {
public:
    struct Choice {
        QString label;   // "Office (default)"
        QString printer; // as EnvelopeOptions::printer() holds it
    };

    explicit PrinterChoices(const std::vector<AvailablePrinter>& printers);

    [[nodiscard]] const std::vector<Choice>& choices() const noexcept { return m_choices; }
    // The entry showing `printer`: the default's for an empty name, or "Save as PDF" when there
    // is no default, as printing then asks for a file. -1 for a queue the list does not have.
    [[nodiscard]] int indexOf(const QString& printer) const;

private:
    std::vector<Choice> m_choices;
};

} // namespace addrell
