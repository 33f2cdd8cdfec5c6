#include "printing/EnvelopePrintJob.h"

#include "automation/Dialogs.h"
#include "automation/RequireObject.h"
#include "automation/ServerFactories.h"
#include "automation/word/WordApplication.h"
#include "printing/PrintView.h"
#include "printing/SelectionView.h"
#include "printing/WordInstance.h"
#include "printing/WordState.h"

namespace addrell {

namespace {

// The word processor's envelope orientations used for the two feeds.
constexpr std::int32_t kLeftClockwise = 6;
constexpr std::int32_t kCenterLandscape = 4;

} // namespace

EnvelopePrintJob::EnvelopePrintJob(WordState& state, WordInstance& instance,
                                   const ServerFactories& factories, PrintView& view,
                                   SelectionView& selection, Dialogs& dialogs)
    : m_state(state), m_instance(instance), m_factories(factories), m_view(view),
      m_selection(selection), m_dialogs(dialogs)
{
}

void EnvelopePrintJob::cmdPrint_Click()
{
    const std::vector<std::int32_t> rows = m_selection.selectedRows();
    if (rows.size() < 2) {
        PrintEnvelope(GetPrintOption());
        return;
    }
    PrintEnvelopes(GetPrintOption(), rows);
}

std::int16_t EnvelopePrintJob::GetPrintOption() const
{
    return m_view.printCenterSelected() ? 1 : 0;
}

void EnvelopePrintJob::PrintEnvelope(std::int16_t option)
{
    try {
        if (wordStarted()) {
            printOut(option);
        }
    } catch (...) {
        reportFailure();
    }
}

void EnvelopePrintJob::PrintEnvelopes(std::int16_t option, const std::vector<std::int32_t>& rows)
{
    const QString status = m_selection.status();
    try {
        if (!wordStarted() || !confirm(QStringLiteral("Print %1 envelopes?").arg(rows.size()))) {
            return;
        }
        const std::vector<std::int32_t> chosen = rowsToPrint(rows);
        if (!chosen.empty()) {
            printBatch(option, chosen);
        }
    } catch (...) {
        // The window is left as it was before the click.
        m_selection.setProgress(0, -1);
        m_selection.setStatus(status);
        reportFailure();
    }
}

bool EnvelopePrintJob::wordStarted()
{
    if (m_instance.blnMSWord()) {
        return true;
    }
    MessageBoxRequest declined;
    declined.text = QStringLiteral("MSWord did not get opened");
    declined.icon = MessageIcon::Information;
    m_dialogs.messageBox(declined);
    return false;
}

bool EnvelopePrintJob::confirm(const QString& question)
{
    MessageBoxRequest request;
    request.text = question;
    request.icon = MessageIcon::Question;
    request.buttons = MessageButtons::YesNo;
    request.defaultButton = MessageResult::No;
    return m_dialogs.messageBox(request) == MessageResult::Yes;
}

std::vector<std::int32_t> EnvelopePrintJob::rowsToPrint(const std::vector<std::int32_t>& rows)
{
    std::vector<std::int32_t> withAddress;
    for (const std::int32_t row : rows) {
        if (m_selection.hasAddress(row)) {
            withAddress.push_back(row);
        }
    }
    const std::size_t without = rows.size() - withAddress.size();
    if (without == 0 ||
        confirm(QStringLiteral("%1 of the selected contacts have no address. Print their "
                               "envelopes anyway?")
                    .arg(without))) {
        return rows;
    }
    return withAddress;
}

void EnvelopePrintJob::reportFailure()
{
    // Every failure, whatever raised it, ends here and goes no further.
    const AutomationError error = AutomationError::fromCurrentException();
    MessageBoxRequest report;
    report.text = QStringLiteral("%1\r\n%2\r\n%3")
                      .arg(QString::number(error.number()), error.description(), error.source());
    m_dialogs.messageBox(report);
}

void EnvelopePrintJob::printOut(std::int16_t option)
{
    const QString address = m_view.addressText();
    const QString returnAddress = m_view.returnText();
    const word::PrintOutArguments printOutArguments = arguments(option, address, returnAddress);
    const auto envelope = RequireObject(m_state.objDoc).Envelope();
    sendSettings(RequireObject(envelope));
    RequireObject(envelope).PrintOut(printOutArguments);
}

void EnvelopePrintJob::printBatch(std::int16_t option, const std::vector<std::int32_t>& rows)
{
    const QString returnAddress = m_view.returnText();
    const auto envelope = RequireObject(m_state.objDoc).Envelope();
    sendSettings(RequireObject(envelope));
    const int total = static_cast<int>(rows.size());
    for (int done = 0; done < total; ++done) {
        m_selection.setProgress(done, total);
        m_selection.setStatus(
            QStringLiteral("Printing envelope %1 of %2").arg(done + 1).arg(total));
        const QString address = m_selection.recipient(rows[done]);
        RequireObject(envelope).AddToBatch(arguments(option, address, returnAddress));
    }
    m_selection.setProgress(total, total);
    const word::BatchDestination destination = RequireObject(envelope).PrintBatch();
    m_selection.setProgress(0, -1);
    // Leaving out the rows without an address may leave a single envelope.
    m_selection.setStatus(
        QStringLiteral("%1 %2 %3 %4")
            .arg(total)
            .arg(total == 1 ? QStringLiteral("envelope") : QStringLiteral("envelopes"),
                 destination.savedAsFile ? QStringLiteral("saved to") : QStringLiteral("sent to"),
                 destination.name));
}

word::PrintOutArguments EnvelopePrintJob::arguments(std::int16_t option, const QString& address,
                                                    const QString& returnAddress)
{
    const bool center = option == 1;
    const Variant height = global().InchesToPoints(Variant(m_options.heightInches()));
    const Variant width = global().InchesToPoints(Variant(m_options.widthInches()));

    const Variant missing = Variant::missing();
    const Variant no(false);
    const Variant zero(std::int32_t{0});
    // In points; 0, the automatic position, where the user chose none.
    const auto fromLeft = [&zero](const std::optional<QPointF>& position) {
        return position ? Variant(static_cast<float>(position->x())) : zero;
    };
    const auto fromTop = [&zero](const std::optional<QPointF>& position) {
        return position ? Variant(static_cast<float>(position->y())) : zero;
    };
    word::PrintOutArguments arguments;
    arguments.fill(missing);
    arguments[0] = no;                                                   // ExtractAddress
    arguments[1] = Variant(address);                                     // Address
    arguments[3] = no;                                                   // OmitReturnAddress
    arguments[4] = Variant(returnAddress);                               // ReturnAddress
    arguments[6] = no;                                                   // PrintBarCode
    arguments[7] = no;                                                   // PrintFIMA
    arguments[9] = height;                                               // Height
    arguments[10] = width;                                               // Width
    arguments[12] = fromLeft(m_options.deliveryPosition());              // AddressFromLeft
    arguments[13] = fromTop(m_options.deliveryPosition());               // AddressFromTop
    arguments[14] = fromLeft(m_options.returnPosition());                // ReturnAddressFromLeft
    arguments[15] = fromTop(m_options.returnPosition());                 // ReturnAddressFromTop
    arguments[16] = Variant(center);                                     // DefaultFaceUp
    arguments[17] = Variant(center ? kCenterLandscape : kLeftClockwise); // DefaultOrientation
    return arguments;
}

void EnvelopePrintJob::sendSettings(word::Envelope& envelope)
{
    m_settings.send(m_options, RequireObject(m_state.objWord), m_state.objDoc, envelope);
}

word::Global& EnvelopePrintJob::global()
{
    if (!m_global) {
        m_global = CreateObject(m_factories.wordGlobal);
    }
    return *m_global;
}

} // namespace addrell
