#include "contacts/ContactBrowser.h"

#include "contacts/ContactGrid.h"
#include "contacts/ContactsState.h"
#include "contacts/ContactsView.h"

#include <algorithm>

namespace addrell {

ContactBrowser::ContactBrowser(ContactsState& state, ContactsView& view)
    : m_state(state), m_view(view)
{
}

std::optional<std::int32_t> ContactBrowser::currentRow() const
{
    const std::int32_t lastRow = m_view.grid().Rows() - 1;
    if (lastRow < 1) {
        return std::nullopt;
    }
    // A smaller folder may have been loaded since the row was stored.
    return std::clamp(m_state.varCurRow.toLong(), std::int32_t{1}, lastRow);
}

void ContactBrowser::cmdNext_Click()
{
    if (m_state.blnNoContacts) {
        return;
    }
    if (const auto current = currentRow()) {
        const std::int32_t row = *current + 1;
        show(row <= m_view.grid().Rows() - 1 ? row : 1);
    }
}

void ContactBrowser::cmdPrevious_Click()
{
    if (m_state.blnNoContacts) {
        return;
    }
    if (const auto current = currentRow()) {
        const std::int32_t row = *current - 1;
        show(row >= 1 ? row : m_view.grid().Rows() - 1);
    }
}

void ContactBrowser::MSFG1_MouseUp()
{
    if (m_state.blnNoContacts) {
        return;
    }
    const std::int32_t row = m_view.grid().RowSel();
    if (row < 1 || row > m_view.grid().Rows() - 1) {
        return;
    }
    show(row);
    m_view.setCurrentPage(0);
}

void ContactBrowser::Form_MouseDown(MouseButton button)
{
    if (button == MouseButton::Left) {
        cmdPrevious_Click();
    }
    if (button == MouseButton::Right) {
        cmdNext_Click();
    }
}

void ContactBrowser::txtAddress_Edited()
{
    m_view.grid().selectOnly(0);
}

QString ContactBrowser::addressText(const ContactGrid& grid, std::int32_t row)
{
    return grid.TextMatrix(row, 1) + QStringLiteral("\r\n") + grid.TextMatrix(row, 2);
}

void ContactBrowser::show(std::int32_t row)
{
    m_view.grid().selectOnly(row);
    m_view.setAddressText(addressText(m_view.grid(), row));
    m_state.varCurRow = Variant(row);
}

} // namespace addrell
