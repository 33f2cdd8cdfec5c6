#include "servers/address_book/AddressBookApplication.h"
#include "servers/address_book/AddressBookFolder.h"
#include "servers/address_book/books/ContactsServerBooks.h"
#include "servers/address_book/books/GLibObjects.h"
#include "servers/address_book/books/ThunderbirdBooks.h"
#include "servers/address_book/chooser/AddressBookChooser.h"
#include "servers/address_book/chooser/FolderChooser.h"
#include "servers/address_book/chooser/VCardFolderDialog.h"
#include "ui/main_window/TextBox.h"
#include "ui/main_window/frmEnvelope.h"

#include "contacts/ContactFolderLoader.h"
#include "contacts/UseContact.h"

#include "ErrorNumber.h"
#include "FakeOutlook.h"
#include "ScriptedDialogs.h"
#include "TempFiles.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <gtest/gtest.h>
#include <libebook/libebook.h>
#include <sqlite3.h>

#include <iostream>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;

const QByteArray kCard = "BEGIN:VCARD\r\nFN:Harbour Lights Bakery\r\n"
                         "ADR;TYPE=WORK:;;12 Pier Road;Portland;ME;04101;\r\nEND:VCARD\r\n";

// tools/contacts-test-server tells whether the bus has a contacts server; CI never skips.
#define REQUIRE_SERVER(state)                                                                      \
    if (qgetenv("ADDRELL_CONTACTS_SERVER") != (state)) {                                           \
        if (qEnvironmentVariableIsSet("CI")) {                                                     \
            FAIL() << "run through tools/contacts-test-server";                                    \
        }                                                                                          \
        GTEST_SKIP() << "run through tools/contacts-test-server";                                  \
    }

// A local address book on the contacts server holding `cards`.
void createServerBook(const char* name, const QList<QByteArray>& cards)
{
    glib::ErrorSlot error;
    const glib::Object<ESourceRegistry> registry(e_source_registry_new_sync(nullptr, error.out()));
    ASSERT_TRUE(registry) << error.message();
    const glib::Object<ESource> source(e_source_new(nullptr, nullptr, error.out()));
    e_source_set_parent(source.get(), "local-stub");
    e_source_set_display_name(source.get(), name);
    e_source_backend_set_backend_name(
        E_SOURCE_BACKEND(e_source_get_extension(source.get(), E_SOURCE_EXTENSION_ADDRESS_BOOK)),
        "local");
    ASSERT_TRUE(
        e_source_registry_commit_source_sync(registry.get(), source.get(), nullptr, error.out()))
        << error.message();
    const glib::Object<EClient> client(
        e_book_client_connect_sync(source.get(), static_cast<guint32>(-1), nullptr, error.out()));
    ASSERT_TRUE(client) << error.message();
    GSList* contacts = nullptr;
    for (const QByteArray& card : cards) {
        contacts =
            g_slist_append(contacts, e_contact_new_from_vcard("BEGIN:VCARD\r\nVERSION:3.0\r\n" +
                                                              card + "END:VCARD"));
    }
    const glib::ObjectSList owned(contacts);
    ASSERT_TRUE(e_book_client_add_contacts_sync(E_BOOK_CLIENT(client.get()), owned.get(),
                                                E_BOOK_OPERATION_FLAG_NONE, nullptr, nullptr,
                                                error.out()))
        << error.message();
}

// A Thunderbird address book file with Thunderbird's tables, `rows` inserted.
void writeThunderbirdBook(const QString& path, const char* rows = "")
{
    const QByteArray sql = "BEGIN; CREATE TABLE cards (uid TEXT PRIMARY KEY, localId INTEGER);"
                           "CREATE TABLE properties (card TEXT, name TEXT, value TEXT);"
                           "CREATE TABLE lists (uid TEXT PRIMARY KEY, localId INTEGER, name TEXT,"
                           " nickName TEXT, description TEXT);"
                           "CREATE TABLE list_cards (list TEXT, card TEXT);" +
                           QByteArray(rows) + "COMMIT;";
    sqlite3* database = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &database), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(database, sql.constData(), {}, {}, {}), SQLITE_OK);
    sqlite3_close(database);
}

// Two profiles: the first with four books named in its prefs.js, one of them no database.
QString writeThunderbirdHome(const testing::TempFiles& home)
{
    const QString ini = u"[Profile0]\nName=%1\nIsRelative=1\nPath=%1\n"_s;
    home.write(u".thunderbird/profiles.ini"_s, ini.arg(u"x1"_s).toUtf8());
    const QString flatpak = u".var/app/org.mozilla.Thunderbird/.thunderbird"_s;
    home.write(flatpak + u"/profiles.ini"_s, ini.arg(u"work"_s).toUtf8());
    writeThunderbirdBook(home.write(flatpak + u"/work/abook.sqlite"_s, {}),
                         "INSERT INTO cards VALUES ('a', 1);");
    const QString profile = QFileInfo(home.write(u".thunderbird/x1/prefs.js"_s, R"(
user_pref("ldap_2.servers.Clients.description", "Clients \"A\u00e9\"");
user_pref("ldap_2.servers.Clients.filename", "abook-1.sqlite");
user_pref("ldap_2.servers.Old.description", "Old");
user_pref("ldap_2.servers.Old.filename", "abook-2.sqlite");
user_pref("ldap_2.servers.history.description", "chrome://messenger/locale/ab.properties");)"))
                                .path();
    writeThunderbirdBook(profile + u"/abook.sqlite"_s, R"(
INSERT INTO cards VALUES ('a', 1); INSERT INTO lists VALUES ('l', 1, 'Choir', '', '');
INSERT INTO properties VALUES ('a', 'DisplayName', 'Old Name'), ('a', '_vCard', 'BEGIN:VCARD
VERSION:4.0
FN:Ines Duarte
N:Duarte;Ines;;;
ADR;TYPE=work:;;Rua Augusta 10;Lisboa;;1100-053;Portugal
END:VCARD');)");
    writeThunderbirdBook(profile + u"/abook-1.sqlite"_s, R"(
INSERT INTO cards VALUES ('j', 1), ('a', 2); INSERT INTO properties VALUES
('j', 'DisplayName', 'Jonas Weber'), ('j', 'LastName', 'Weber'),
('j', 'WorkAddress', 'Hauptstr. 5'), ('j', 'WorkAddress2', 'Hinterhaus'),
('j', 'WorkCity', 'Berlin'), ('j', 'WorkZipCode', '10115'), ('j', 'WorkCountry', 'Germany'),
('a', 'FirstName', 'Ana'), ('a', 'LastName', 'Ruiz'), ('a', 'HomeAddress', '12 Elm St'),
('a', 'HomeCity', 'Portland'), ('a', 'HomeState', 'OR'), ('a', 'HomeZipCode', '97201');)");
    home.write(u".thunderbird/x1/abook-2.sqlite"_s, kCard);
    writeThunderbirdBook(profile + u"/history.sqlite"_s);
    return profile;
}

// "class|full name|mailing address" for every item of the book, in file-as order.
QStringList itemsOf(const AddressBook& book)
{
    const auto items = AddressBookFolder::open(book, QLocale::UnitedStates)->Items();
    items->Sort(u"[FileAs]"_s, Variant(false));
    QStringList rows;
    items->ForEach([&rows](outlook::Item& item) {
        rows << (item.Class() == outlook::olContact
                     ? u"40|%1|%2"_s.arg(item.FullName(), item.MailingAddress())
                     : QString::number(item.Class()));
    });
    return rows;
}

// A picker of other files that is always cancelled.
class CancelledFolderChooser : public FolderChooser {
public:
    std::optional<QString> choose() override { return ++timesShown, std::nullopt; }
    int timesShown = 0;
};

// The contact handlers over the real servers, the chooser looking for books in `home` too.
class AddressBooks : public ::testing::Test {
protected:
    AddressBooks()
    {
        factories.outlookApplication = [this] {
            auto chooser = std::make_shared<AddressBookChooser>(
                DesktopAddressBooks::Places{home.path(), home.path() + u"/data"_s,
                                            ContactsServerBooks::kLookupTimeout},
                other);
            return std::make_shared<AddressBookApplication>([chooser] { return chooser->choose(); },
                                                            QLocale::UnitedStates);
        };
    }

    testing::TempFiles home;
    std::shared_ptr<CancelledFolderChooser> other = std::make_shared<CancelledFolderChooser>();
    ServerFactories factories;
    testing::ScriptedDialogs dialogs;
    testing::FakeContactsView view;
    ContactsState state;
    ContactFolderLoader loader{state, factories, view, dialogs};
    UseContact useContact{state, factories, loader, view, dialogs};
};

TEST_F(AddressBooks, ChooserListsBooksOfEveryKindAndTheChosenOneFillsTheGrid)
{
    REQUIRE_SERVER("running");
    createServerBook(
        "Addrell Test",
        {"FN:Aiko Nakamura\r\nN:Nakamura;Aiko;;;\r\nADR;TYPE=WORK:;;400 Research Pkwy;Ann Arbor;MI;"
         "48105;USA\r\n",
         "FN:Maarten van der Berg\r\nX-EVOLUTION-FILE-AS:Berg\\, Maarten van der\r\n"
         "ADR;TYPE=HOME:;;Keizersgracht 12;Amsterdam;;1015 CX;Netherlands\r\n",
         "FN:Colm Fairweather\r\nADR;TYPE=HOME:;;2 Quay St;Boston;MA;02110;\r\n",
         "EMAIL:nobody@example.org\r\nADR;TYPE=WORK:;;1 Main St;Springfield;IL;62701;\r\n",
         "FN:Choir\r\nX-EVOLUTION-LIST:TRUE\r\n"});
    writeThunderbirdHome(home);
    home.write(u"data/contacts/work/displayname"_s, "Work\n");
    home.write(u"data/contacts/work/a.VCF"_s, kCard);
    home.write(u"data/contacts/notes/readme.txt"_s, {});
    home.write(u".contacts/b.vcf"_s, kCard);

    QStringList listed;
    QTimer::singleShot(0, [&listed] {
        auto* tree = QApplication::activeModalWidget()->findChild<QTreeWidget*>();
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            const QString indent((*it)->parent() ? (*it)->parent()->parent() ? 4 : 2 : 0, u' ');
            listed << indent + (*it)->text(0) + u'|' + (*it)->text(1);
        }
        QTest::keyClick(tree, Qt::Key_End); // "Other file or folder…", cancelled
        QTest::keyClick(tree, Qt::Key_Return);
        QTest::keyClicks(tree, u"Addrell"_s);
        QTest::keyClick(tree, Qt::Key_Return);
    });
    QGuiApplication::clipboard()->clear(); // no selection: Use Contact goes to the chooser
    useContact.cmdPreview_Click();

    EXPECT_EQ(listed,
              (QStringList{u"Contacts server|"_s, u"  Addrell Test|"_s, u"  Personal|"_s,
                           u"Thunderbird|"_s, u"  x1|"_s, u"    Personal Address Book|1"_s,
                           u"    Clients \"A\u00e9\"|2"_s, u"    Collected Addresses|0"_s,
                           u"  work|"_s, u"    Personal Address Book|1"_s, u"Folders|"_s,
                           u"  Work|"_s, u"  .contacts|"_s, u"Other file or folder\u2026|"_s}));
    EXPECT_EQ(other->timesShown, 1);
    // File-as order; the contact without a name and the list are no rows.
    QStringList grid;
    for (int row = 1; row < view.table.Rows(); ++row) {
        grid << view.table.TextMatrix(row, 1) + u'|' + view.table.TextMatrix(row, 2);
    }
    EXPECT_EQ(grid,
              (QStringList{
                  u"Maarten van der Berg|Keizersgracht 12\r\n1015 CX  Amsterdam\r\nNetherlands"_s,
                  u"Colm Fairweather|2 Quay St\r\nBoston, MA  02110"_s,
                  u"Aiko Nakamura|400 Research Pkwy\r\nAnn Arbor, MI  48105"_s}));
    EXPECT_EQ(view.status, u"3 Contacts from Addrell Test"_s);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST(AddressBooksAbsent, ContactsServerGroupIsLeftOut)
{
    REQUIRE_SERVER("absent");
    EXPECT_TRUE(ContactsServerBooks::find().empty());
}

TEST(ThunderbirdBooks, ReadsOwnAndOldStyleCardsWhileLockedAndNoOtherFile)
{
    testing::TempFiles home;
    const QString profile = writeThunderbirdHome(home);
    // Thunderbird in the middle of a write: a plain reader would get "database is locked".
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open((profile + u"/abook.sqlite"_s).toUtf8().constData(), &writer),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE; DELETE FROM properties", {}, {}, {}),
              SQLITE_OK);
    const std::vector<AddressBook> books = ThunderbirdBooks::find(home.path())->groups.at(0).books;
    EXPECT_EQ(
        itemsOf(books.at(0)),
        (QStringList{u"69"_s, u"40|Ines Duarte|Rua Augusta 10\r\n1100-053  Lisboa\r\nPortugal"_s}));
    EXPECT_EQ(
        itemsOf(books.at(1)),
        (QStringList{u"40|Ana Ruiz|12 Elm St\r\nPortland, OR  97201"_s,
                     u"40|Jonas Weber|Hauptstr. 5\r\nHinterhaus\r\n10115  Berlin\r\nGermany"_s}));
    sqlite3_close(writer);
    // Chosen as any other file, a file that is no address book is unreadable.
    const auto folder = AddressBookFolder::open(
        AddressBook::fromPath(profile + u"/abook-2.sqlite"_s), QLocale::UnitedStates);
    EXPECT_EQ(folder->Name(), u"Old"_s);
    EXPECT_EQ(testing::errorNumber([&] { (void)folder->Items()->Count(); }),
              RuntimeError::PathFileAccessError);
}

TEST(VCardFolderDialog, ShowsFoldersButNoFilesAndTakesOneWithCards)
{
    testing::TempFiles temp;
    for (const QString& file :
         {u"cards/a.vcf"_s, u"cards/sub/x.txt"_s, u".hidden/a.vcf"_s, u"plain/readme.txt"_s}) {
        temp.write(file, {});
    }
    VCardFolderDialog dialog(nullptr, temp.path(), temp.path());
    auto* tree = dialog.findChild<QTreeView*>();
    const QAbstractItemModelTester tester(tree->model(),
                                          QAbstractItemModelTester::FailureReportingMode::Fatal);
    dialog.show();
    QTest::keyClick(tree, Qt::Key_Right); // opens the start folder
    QTest::keyClick(tree, Qt::Key_Down);
    // Neither the hidden folder nor any file.
    EXPECT_EQ(tree->model()->rowCount(tree->currentIndex().parent()), 2);
    EXPECT_EQ(tree->currentIndex().data().toString(), u"cards"_s);
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(dialog.chosenPath(), temp.path() + u"/cards"_s);
}

// Sends a whole drop of `data` to `target`; whether the drag was taken.
bool drop(QWidget* target, const QMimeData& data)
{
    QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    QApplication::processEvents();
    return enter.isAccepted();
}

TEST(ContactDrop, CardsDroppedAnywhereBecomeTheRecipientAsIfCopied)
{
    testing::TempFiles files;
    const QUrl file = QUrl::fromLocalFile(files.write(u"bakery.vcf"_s, kCard));
    int pickerShown = 0;
    ServerFactories factories;
    factories.outlookApplication = [&pickerShown] {
        return std::make_shared<AddressBookApplication>(
            [&pickerShown] { return ++pickerShown, std::optional<AddressBook>(); });
    };
    testing::ScriptedDialogs dialogs;
    frmEnvelope window(files.path(), dialogs, factories);
    const std::size_t messages = dialogs.messages().size(); // there is no return address file
    auto* address = window.control<TextBox>(u"txtAddress"_s);
    QWidget* const targets[] = {&window, address->viewport(),
                                window.control<QPushButton>(u"cmdPrint"_s)};
    const std::pair<QString, QByteArray> drags[] = {{u"text/vcard"_s, kCard},
                                                    {u"text/x-vcard"_s, kCard},
                                                    {u"text/uri-list"_s, file.toEncoded()}};
    for (std::size_t row = 0; row < std::size(drags); ++row) {
        address->clear();
        QMimeData data;
        data.setData(drags[row].first, drags[row].second);
        if (row == 1) { // as some address book programs offer a card: as text besides
            data.setText(QString::fromUtf8(kCard));
        }
        EXPECT_TRUE(drop(targets[row], data)) << "row " << row;
        EXPECT_EQ(address->addressText(),
                  u"Harbour Lights Bakery\r\n12 Pier Road\r\nPortland, ME  04101"_s)
            << "row " << row;
    }
    QMimeData text; // the text box's own to take
    text.setText(u"Dear Aiko"_s);
    drop(address->viewport(), text);
    EXPECT_TRUE(address->addressText().contains(u"Dear Aiko"_s));
    EXPECT_EQ(pickerShown, 0);
    EXPECT_EQ(dialogs.messages().size(), messages);
}

// A figure, not a check: tools/contacts-test-server <this program>
//     --gtest_also_run_disabled_tests --gtest_filter='*Thousand*'
TEST_F(AddressBooks, DISABLED_TimeFromChoosingAThousandContactsToTheFilledGrid)
{
    QList<QByteArray> cards;
    for (int n = 0; n < 1000; ++n) {
        cards << "FN:P\r\nN:" + QByteArray::number(n) +
                     ";P;;;\r\nADR;TYPE=WORK:;;1 Main St;Springfield;IL;62701;\r\n";
    }
    createServerBook("Thousand", cards);
    const AddressBook book = ContactsServerBooks::find().back(); // after "Personal"
    factories.outlookApplication = [book] {
        return std::make_shared<AddressBookApplication>([book] { return book; });
    };
    QElapsedTimer timer;
    timer.start();
    loader.PickContactFolder();
    std::cout << timer.elapsed() << " ms to " << view.table.Rows() - 1 << " rows\n";
}

} // namespace
} // namespace addrell
