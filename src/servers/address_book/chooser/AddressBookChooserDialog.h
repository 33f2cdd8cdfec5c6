#pragma once

#include "servers/address_book/books/AddressBook.h"
#include "servers/address_book/books/AddressBookGroup.h"

#include <QDialog>

#include <optional>
#include <vector>

class QDialogButtonBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace addrell {

class FolderChooser;

// The address book chooser: the books found on this desktop in a tree grouped by where they
// live, with their numbers of contacts where known, and "Other file or folder…" for anything
// else. OK, Enter or a double click chooses; Cancel or Escape chooses nothing.
class AddressBookChooserDialog : public QDialog {
    Q_OBJECT
public:
    // `other` is asked for a file or folder when the user chooses "Other file or folder…".
    AddressBookChooserDialog(QWidget* parent, const std::vector<AddressBookGroup>& groups,
                             FolderChooser& other);

    // The book chosen when the dialog was accepted.
    [[nodiscard]] const std::optional<AddressBook>& chosen() const noexcept { return m_chosen; }

public:
    // Takes the current book; on "Other file or folder…" asks for one first and stays open when
    // that is cancelled; on a group does nothing.
    void accept() override;

private:
    void add(QTreeWidgetItem* parent, const AddressBookGroup& group);
    void updateButtons();

    QTreeWidget* m_tree;
    QDialogButtonBox* m_buttons;
    FolderChooser& m_other;
    std::vector<AddressBook> m_books; // by the number each book's row holds
    std::optional<AddressBook> m_chosen;
};

} // namespace addrell
