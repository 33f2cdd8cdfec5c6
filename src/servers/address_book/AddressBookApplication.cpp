#include "servers/address_book/AddressBookApplication.h"

#include "servers/address_book/AddressBookExplorer.h"
#include "servers/address_book/AddressBookItem.h"
#include "servers/address_book/AddressBookNameSpace.h"
#include "servers/address_book/ClipboardContents.h"
#include "servers/address_book/DroppedSelection.h"
#include "servers/address_book/books/AddressBookError.h"
#include "servers/address_book/chooser/AddressBookChooser.h"
#include "servers/address_book/chooser/FileDialogFolderChooser.h"
#include "servers/address_book/chooser/FolderChooser.h"

#include <QClipboard>
#include <QGuiApplication>

namespace addrell {

AddressBookApplication::AddressBookApplication(AddressBookNameSpace::BookChooser chooser,
                                               QLocale::Territory home)
    : m_home(home), m_nameSpace(std::make_shared<AddressBookNameSpace>(std::move(chooser), home))
{
}

AddressBookApplication::AddressBookApplication(std::shared_ptr<FolderChooser> chooser,
                                               QLocale::Territory home)
    : AddressBookApplication(
          [chooser = std::move(chooser)]() -> std::optional<AddressBook> {
              const std::optional<QString> path = chooser->choose();
              return path ? std::optional(AddressBook::fromPath(*path)) : std::nullopt;
          },
          home)
{
}

std::shared_ptr<outlook::Application> AddressBookApplication::create()
{
    auto chooser = std::make_shared<AddressBookChooser>(
        DesktopAddressBooks::Places::ofUser(), std::make_shared<FileDialogFolderChooser>());
    return std::make_shared<AddressBookApplication>([chooser] { return chooser->choose(); });
}

std::shared_ptr<outlook::NameSpace> AddressBookApplication::GetNamespace(const QString& Type)
{
    if (Type.compare(u"MAPI", Qt::CaseInsensitive) != 0) {
        throw AddressBookError::invalidArgument(
            QStringLiteral("There is no namespace called \"%1\"; the only one is \"MAPI\".")
                .arg(Type));
    }
    return m_nameSpace;
}

std::shared_ptr<outlook::Explorer> AddressBookApplication::ActiveExplorer()
{
    const QMimeData* data = DroppedSelection::current();
    if (data == nullptr) {
        const QClipboard* clipboard = QGuiApplication::clipboard();
        data = clipboard != nullptr ? clipboard->mimeData() : nullptr;
    }
    const ClipboardContents contents = ClipboardContents::read(data, m_home);
    std::vector<std::shared_ptr<outlook::Item>> selected;
    switch (contents.kind()) {
    case ClipboardContents::Kind::Empty:
        return nullptr;
    case ClipboardContents::Kind::Cards:
        selected.reserve(contents.cards().size());
        for (const VCardContact& card : contents.cards()) {
            selected.push_back(std::make_shared<AddressBookItem>(card));
        }
        break;
    case ClipboardContents::Kind::Other:
        selected.push_back(AddressBookItem::note());
        break;
    }
    return std::make_shared<AddressBookExplorer>(std::move(selected));
}

} // namespace addrell
