#pragma once

#include <QString>

namespace addrell {

class ContactsView;
class Dialogs;
struct ContactsState;
struct ServerFactories;

namespace outlook {
class Items;
}

// Lets the user pick a contacts folder and lists its contacts in the grid. Failures pass to the
// caller.
class ContactFolderLoader {
public:
    static inline const QString kFormatString =
        QStringLiteral("<    |<Name                               |<Address"
                       "                                                                     ");

    ContactFolderLoader(ContactsState& state, const ServerFactories& factories, ContactsView& view,
                        Dialogs& dialogs);

    void PickContactFolder();

    // True when the collection held any item at all, whether or not one made a row.
    [[nodiscard]] bool FillGrid(outlook::Items& items);

private:
    ContactsState& m_state;
    const ServerFactories& m_factories;
    ContactsView& m_view;
    Dialogs& m_dialogs;
};

} // namespace addrell
