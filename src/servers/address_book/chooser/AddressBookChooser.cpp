#include "servers/address_book/chooser/AddressBookChooser.h"

#include "servers/address_book/chooser/AddressBookChooserDialog.h"
#include "servers/address_book/chooser/FolderChooser.h"

#include <QApplication>

#include <utility>

namespace addrell {

AddressBookChooser::AddressBookChooser(DesktopAddressBooks::Places places,
                                       std::shared_ptr<FolderChooser> other)
    : m_places(std::move(places)), m_other(std::move(other))
{
}

std::optional<AddressBook> AddressBookChooser::choose()
{
    QApplication::setOverrideCursor(Qt::WaitCursor); // the contacts server may take a moment
    std::vector<AddressBookGroup> groups;
    try {
        groups = DesktopAddressBooks::find(m_places);
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    AddressBookChooserDialog dialog(QApplication::activeWindow(), groups, *m_other);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosen();
}

} // namespace addrell
