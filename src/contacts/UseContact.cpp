#include "contacts/UseContact.h"

#include "automation/Dialogs.h"
#include "automation/RequireObject.h"
#include "automation/ServerFactories.h"
#include "automation/outlook/OutlookApplication.h"
#include "contacts/ContactFolderLoader.h"
#include "contacts/ContactGrid.h"
#include "contacts/ContactsState.h"
#include "contacts/ContactsView.h"

#include <cstdint>

namespace addrell {

UseContact::UseContact(ContactsState& state, const ServerFactories& factories,
                       ContactFolderLoader& loader, ContactsView& view, Dialogs& dialogs)
    : m_state(state), m_factories(factories), m_loader(loader), m_view(view), m_dialogs(dialogs)
{
}

void UseContact::cmdPreview_Click()
{
    try {
        if (!takeSelectedContact()) {
            return;
        }
    } catch (...) {
        handleError(AutomationError::fromCurrentException());
    }
    release();
}

bool UseContact::takeSelectedContact()
{
    m_state.objOutlook = CreateObject(m_factories.outlookApplication);
    m_state.objNameSpace = RequireObject(m_state.objOutlook).GetNamespace(QStringLiteral("MAPI"));
    m_state.objExplorer = RequireObject(m_state.objOutlook).ActiveExplorer();
    m_state.objSelection = RequireObject(m_state.objExplorer).Selection();
    m_state.objContact = RequireObject(m_state.objSelection).Item(Variant(std::int16_t{1}));

    outlook::Item& contact = RequireObject(m_state.objContact);
    if (contact.Class() != outlook::olContact) {
        m_loader.PickContactFolder();
        return false;
    }

    const QString crlf = QStringLiteral("\r\n");
    QString text;
    if (!contact.FullName().isEmpty()) {
        text = contact.FullName() + crlf + contact.MailingAddress();
    } else if (!contact.CompanyName().isEmpty()) {
        text = contact.CompanyName() + crlf + contact.MailingAddress();
    } else {
        MessageBoxRequest request;
        request.text = QStringLiteral("Improper Name or Company Name");
        request.icon = MessageIcon::Information;
        m_dialogs.messageBox(request);
        return false;
    }
    m_state.strAddress = text;
    m_view.setAddressText(m_state.strAddress);
    // The recipient comes from no row of the grid, so no rows selected there are printed instead.
    m_view.grid().selectOnly(0);
    return true;
}

void UseContact::handleError(const AutomationError& error) noexcept
{
    // A failure while handling the first is reported the same way, and the operation ends.
    try {
        if (error.number() == RuntimeError::ObjectNotSet) {
            m_loader.PickContactFolder();
        } else {
            reportError(error);
        }
    } catch (...) {
        try {
            reportError(AutomationError::fromCurrentException());
        } catch (...) {
            // Not even the report could be shown; the references are still released.
        }
    }
}

void UseContact::reportError(const AutomationError& error)
{
    MessageBoxRequest request;
    request.text = QStringLiteral("Error No: %1\r\nDescription: %2")
                       .arg(QString::number(error.number()), error.description());
    m_dialogs.messageBox(request);
}

void UseContact::release()
{
    m_state.objContact.reset();
    m_state.objSelection.reset();
    m_state.objExplorer.reset();
    m_state.objNameSpace.reset();
    m_state.objOutlook.reset();
}

} // namespace addrell
