#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace addrell {

class ContactGrid;
class ContactsView;
struct ContactsState;

// Moves through the loaded contact rows and puts one into the recipient box. Nothing happens
// before a folder has been loaded, nor while the grid holds no contact row. The grid selects the
// row shown, so no rows selected before are printed in its place.
class ContactBrowser {
public:
    enum class MouseButton { Left, Right, Middle };

    ContactBrowser(ContactsState& state, ContactsView& view);

    void cmdNext_Click();
    void cmdPrevious_Click();
    void MSFG1_MouseUp();
    void Form_MouseDown(MouseButton button);
    // The user changed the recipient by hand: it comes from no row any more.
    void txtAddress_Edited();

    // The recipient a row gives: the name, CR LF, the mailing address.
    [[nodiscard]] static QString addressText(const ContactGrid& grid, std::int32_t row);

private:
    // The current row, brought back within the data rows; nothing when there are none.
    [[nodiscard]] std::optional<std::int32_t> currentRow() const;
    void show(std::int32_t row);

    ContactsState& m_state;
    ContactsView& m_view;
};

} // namespace addrell
