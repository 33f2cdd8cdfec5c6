#include "printing/EnvelopePrintJob.h"

#include "automation/Dialogs.h"
#include "automation/RequireObject.h"
#include "automation/ServerFactories.h"
#include "automation/word/WordApplication.h"
#include "printing/PrintView.h"
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
                                   Dialogs& dialogs)
    : m_state(state), m_instance(instance), m_factories(factories), m_view(view), m_dialogs(dialogs)
{
}

void EnvelopePrintJob::cmdPrint_Click()
{
    PrintEnvelope(GetPrintOption());
}

std::int16_t EnvelopePrintJob::GetPrintOption() const
{
    return m_view.printCenterSelected() ? 1 : 0;
}

void EnvelopePrintJob::PrintEnvelope(std::int16_t option)
{
    try {
        if (!m_instance.blnMSWord()) {
            MessageBoxRequest declined;
            declined.text = QStringLiteral("MSWord did not get opened");
            declined.icon = MessageIcon::Information;
            m_dialogs.messageBox(declined);
            return;
        }
        printOut(option);
    } catch (...) {
        // Every failure, whatever raised it, ends here and goes no further.
        const AutomationError error = AutomationError::fromCurrentException();
        MessageBoxRequest report;
        report.text =
            QStringLiteral("%1\r\n%2\r\n%3")
                .arg(QString::number(error.number()), error.description(), error.source());
        m_dialogs.messageBox(report);
    }
}

void EnvelopePrintJob::printOut(std::int16_t option)
{
    const bool center = option == 1;
    const QString address = m_view.addressText();
    const QString returnAddress = m_view.returnText();
    const Variant height = global().InchesToPoints(Variant(kHeightInches));
    const Variant width = global().InchesToPoints(Variant(kWidthInches));

    const Variant missing = Variant::missing();
    const Variant no(false);
    const Variant zero(std::int32_t{0});
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
    arguments[12] = zero;                                                // AddressFromLeft
    arguments[13] = zero;                                                // AddressFromTop
    arguments[14] = zero;                                                // ReturnAddressFromLeft
    arguments[15] = zero;                                                // ReturnAddressFromTop
    arguments[16] = Variant(center);                                     // DefaultFaceUp
    arguments[17] = Variant(center ? kCenterLandscape : kLeftClockwise); // DefaultOrientation

    const auto envelope = RequireObject(m_state.objDoc).Envelope();
    RequireObject(envelope).PrintOut(arguments);
}

word::Global& EnvelopePrintJob::global()
{
    if (!m_global) {
        m_global = CreateObject(m_factories.wordGlobal);
    }
    return *m_global;
}

} // namespace addrell
