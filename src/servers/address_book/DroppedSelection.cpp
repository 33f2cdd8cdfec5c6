#include "servers/address_book/DroppedSelection.h"

#include "automation/AutomationError.h"
#include "servers/address_book/ClipboardContents.h"

namespace addrell {

namespace {

// Drops arrive on the GUI thread only, one handler at a time.
const QMimeData* g_dropped = nullptr;

} // namespace

DroppedSelection::DroppedSelection(const QMimeData& data) : m_previous(g_dropped)
{
    g_dropped = &data;
}

DroppedSelection::~DroppedSelection()
{
    g_dropped = m_previous;
}

const QMimeData* DroppedSelection::current() noexcept
{
    return g_dropped;
}

bool DroppedSelection::holdsCards(const QMimeData& data, QLocale::Territory home)
{
    try {
        return ClipboardContents::read(&data, home).kind() == ClipboardContents::Kind::Cards;
    } catch (const AutomationError&) {
        return true;
    }
}

} // namespace addrell
