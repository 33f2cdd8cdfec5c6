#include "contacts/ContactFolderLoader.h"

#include "automation/Dialogs.h"
#include "automation/RequireObject.h"
#include "automation/ServerFactories.h"
#include "automation/outlook/OutlookApplication.h"
#include "contacts/ContactGrid.h"
#include "contacts/ContactsState.h"
#include "contacts/ContactsView.h"

#include <cstdint>
#include <limits>

namespace addrell {

namespace {

void showMessage(Dialogs& dialogs, const QString& text)
{
    MessageBoxRequest request;
    request.text = text;
    dialogs.messageBox(request);
}

std::int32_t increment(std::int32_t value)
{
    if (value == std::numeric_limits<std::int32_t>::max()) {
        throw AutomationError::runtime(RuntimeError::Overflow);
    }
    return value + 1;
}

} // namespace

ContactFolderLoader::ContactFolderLoader(ContactsState& state, const ServerFactories& factories,
                                         ContactsView& view, Dialogs& dialogs)
    : m_state(state), m_factories(factories), m_view(view), m_dialogs(dialogs)
{
}

void ContactFolderLoader::PickContactFolder()
{
    // Locals, released whatever the way out.
    std::shared_ptr<outlook::Application> application;
    std::shared_ptr<outlook::NameSpace> nameSpace;
    std::shared_ptr<outlook::MAPIFolder> folder;
    std::shared_ptr<outlook::Items> items;

    for (;;) {
        if (!application) {
            application = CreateObject(m_factories.outlookApplication);
        }
        nameSpace = RequireObject(application).GetNamespace(QStringLiteral("MAPI"));
        folder = RequireObject(nameSpace).PickFolder();
        if (!folder) {
            return;
        }
        if (folder->DefaultItemType() == outlook::olContactItem) {
            break;
        }
        showMessage(m_dialogs, QStringLiteral("Please select a Contacts folder"));
    }

    items = folder->Items();
    if (FillGrid(RequireObject(items))) {
        m_view.setCurrentPage(1);
        m_state.blnNoContacts = false;
    }
}

bool ContactFolderLoader::FillGrid(outlook::Items& items)
{
    m_view.setNextVisible(false);
    m_view.setPreviousVisible(false);
    m_view.setStatus(QStringLiteral("Loading Contacts "));
    items.Sort(QStringLiteral("[FileAs]"), Variant(false));
    const std::int32_t count = items.Count();
    const QString folderName = RequireObject(items.Parent()).Name();

    if (count == 0) {
        showMessage(m_dialogs, QStringLiteral("No contacts found in selected folder"));
        m_view.setStatus(QStringLiteral("No Contacts Loaded"));
        return false;
    }

    m_view.setProgressRange(0.0F, static_cast<float>(count));
    m_view.setProgressVisible(true);
    std::int32_t rows = 0;
    ContactGrid& grid = m_view.grid();
    grid.setRows(increment(count));
    grid.setCols(3);
    grid.setFormatString(kFormatString);

    items.ForEach([&](outlook::Item& item) {
        if (item.Class() != outlook::olContact) {
            return;
        }
        if (item.FullName().isEmpty() || item.MailingAddress().isEmpty()) {
            return;
        }
        const std::int32_t row = increment(rows);
        grid.setTextMatrix(row, 1, item.FullName());
        grid.setTextMatrix(row, 2, item.MailingAddress());
        m_view.setProgressValue(static_cast<float>(rows));
        rows = row;
    });

    grid.setRows(increment(rows));
    m_view.setNextVisible(true);
    m_view.setPreviousVisible(true);
    m_view.setProgressVisible(false);
    m_view.setStatus(QStringLiteral("%1 Contacts from %2").arg(rows).arg(folderName));
    return true;
}

} // namespace addrell
