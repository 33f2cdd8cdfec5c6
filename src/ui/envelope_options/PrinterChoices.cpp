#include "ui/envelope_options/PrinterChoices.h"

#include "printing/EnvelopeOptions.h"

#include <QStringList>

#include <algorithm>

namespace addrell {

namespace {

QString label(const AvailablePrinter& printer)
{
    QStringList marks;
    if (printer.isDefault()) {
        marks << QStringLiteral("default");
    }
    if (!printer.acceptingJobs()) {
        marks << QStringLiteral("not accepting jobs");
    }
    return marks.isEmpty() ? printer.name()
                           : QStringLiteral("%1 (%2)").arg(printer.name(), marks.join(u", "));
}

} // namespace

PrinterChoices::PrinterChoices(const std::vector<AvailablePrinter>& printers)
{
    for (const AvailablePrinter& printer : printers) {
        m_choices.push_back({label(printer), printer.isDefault() ? QString() : printer.name()});
    }
    m_choices.push_back({EnvelopeOptions::kSaveAsPdf, EnvelopeOptions::kSaveAsPdf});
}

int PrinterChoices::indexOf(const QString& printer) const
{
    const auto at = [this](const QString& value) {
        const auto found = std::find_if(m_choices.begin(), m_choices.end(),
                                        [&value](const Choice& c) { return c.printer == value; });
        return found == m_choices.end() ? -1 : static_cast<int>(found - m_choices.begin());
    };
    const int found = at(printer);
    return found < 0 && printer.isEmpty() ? at(EnvelopeOptions::kSaveAsPdf) : found;
}

} // namespace addrell
