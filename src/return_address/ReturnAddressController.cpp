#include "return_address/ReturnAddressController.h"

#include "automation/Dialogs.h"
#include "return_address/FileChannel.h"
#include "return_address/ListSink.h"
#include "return_address/ReturnAddressLoader.h"
#include "return_address/ReturnAddressState.h"
#include "return_address/ReturnAddressView.h"

#include <cstdint>
#include <exception>

namespace addrell {

ReturnAddressController::ReturnAddressController(ReturnAddressState& state, FileChannel& channel,
                                                 ReturnAddressView& view, Dialogs& dialogs)
    : m_state(state), m_channel(channel), m_view(view), m_dialogs(dialogs)
{
}

bool ReturnAddressController::OpenFile(const QString& sFileName)
{
    try {
        m_channel.open(sFileName);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void ReturnAddressController::FillCombo()
{
    try {
        ReturnAddressLoader::load(m_channel, m_view.fileRows(), m_view.addressItems(), m_state);
    } catch (const std::exception&) {
        // The load simply ends; a list item without an entry is reported when it is chosen.
    }
    m_channel.closeAll();
}

void ReturnAddressController::cboAddress_Click()
{
    try {
        const std::int16_t position = static_cast<std::int16_t>(m_view.addressListIndex() + 1);
        if (!m_state.colAddresses) {
            m_state.colAddresses.emplace();
        }
        m_state.colEntry = m_state.colAddresses->item(position);
        const QString text = ComposeReturnAddress(*m_state.colEntry);
        m_view.setReturnText(text);
        m_state.colEntry.reset();
        m_view.setFileRowsVisible(false);
        m_view.setCurrentPage(0);
    } catch (const std::exception&) {
        MessageBoxRequest request;
        request.text = QStringLiteral("Bad File Format");
        request.icon = MessageIcon::Exclamation;
        m_dialogs.messageBox(request);
        m_view.setFileRowsVisible(true);
    }
}

bool ReturnAddressController::cmdAddFile_Click()
{
    bool loaded = false;
    try {
        // A cancelled dialog gives no name, so the open below fails and nothing changes.
        const OpenFileRequest request{kDialogTitle, kDialogFilter, m_state.strReturnFile};
        m_state.strReturnFile = m_dialogs.openFile(request).value_or(QString());
        m_channel.open(m_state.strReturnFile);
        m_view.addressItems().clear();
        m_view.fileRows().clear();
        m_view.setReturnText(QStringLiteral(" "));
        m_state.colAddresses.emplace();
        m_view.setPathCaption(m_state.strReturnFile);
        FillCombo();
        loaded = true;
        m_view.setAddressListIndex(1);
    } catch (const std::exception&) {
        // Every failure here is silent: what was loaded stays on screen.
    }
    m_channel.closeAll();
    return loaded;
}

} // namespace addrell
