#pragma once

#include "automation/outlook/OutlookApplication.h"
#include "servers/address_book/AddressBookNameSpace.h"

#include <QLocale>

#include <memory>

namespace addrell {

class FolderChooser;

// The contacts program's application object over the user's address books: folders come from
// the folder picker, the selection of its "window" from the desktop clipboard or a drop.
class AddressBookApplication : public outlook::Application {
public:
    // `home` is the country whose addresses go without a country line.
    explicit AddressBookApplication(AddressBookNameSpace::BookChooser chooser,
                                    QLocale::Territory home = QLocale().territory());
    // Folders are `.vcf` files or folders of them, whatever `chooser` names.
    explicit AddressBookApplication(std::shared_ptr<FolderChooser> chooser,
                                    QLocale::Territory home = QLocale().territory());

    // The server the program uses: folders are chosen among the desktop's address books.
    [[nodiscard]] static std::shared_ptr<outlook::Application> create();

    // "MAPI" (any case); any other name is error 5.
    [[nodiscard]] std::shared_ptr<outlook::NameSpace> GetNamespace(const QString& Type) override;
    // Nothing when the clipboard is empty; a selection of its cards when it holds vCard data;
    // else a selection whose only item is a note. During a drop, the dropped data stands in
    // for the clipboard.
    [[nodiscard]] std::shared_ptr<outlook::Explorer> ActiveExplorer() override;

private:
    QLocale::Territory m_home;
    std::shared_ptr<outlook::NameSpace> m_nameSpace;
};

} // namespace addrell
