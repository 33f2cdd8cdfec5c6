#include "AddressBooksFixture.h"

#include "servers/address_book/AddressBookApplication.h"
#include "servers/address_book/books/ContactsServerBooks.h"
#include "servers/address_book/books/GLibObjects.h"
#include "servers/address_book/chooser/VCardFolderDialog.h"
#include "ui/main_window/controls/TextBox.h"
#include "ui/main_window/frmEnvelope.h"

#include "QtPrinters.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <gtest/gtest.h>
#include <libebook/libebook.h>

#include <csignal>
#include <iostream>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;

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
    // Thunderbird's data folder after it quit, and a book whose file is gone.
    copyThunderbirdFiles(u"closed"_s, home.path() + u"/.thunderbird"_s);
    QFile prefs(home.path() + u"/.thunderbird/u1ckzp86.default-default/prefs.js"_s);
    ASSERT_TRUE(prefs.open(QIODevice::Append));
    prefs.write(R"(user_pref("ldap_2.servers.Gone.description", "Gone");
user_pref("ldap_2.servers.Gone.filename", "abook-9.sqlite");
)");
    prefs.close();
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

    // The profile holding no book is no level of its own.
    EXPECT_EQ(listed,
              (QStringList{u"Contacts server|"_s, u"  Addrell Test|"_s, u"  Personal|"_s,
                           u"Thunderbird|"_s, u"  Personal Address Book|6"_s, u"  Club Members|3"_s,
                           u"  Team (CardDAV)|2"_s, u"  Collected Addresses|0"_s, u"Folders|"_s,
                           u"  Work|"_s, u"  .contacts|"_s, u"Other file or folder\u2026|"_s}));
    EXPECT_EQ(other->timesShown, 1);
    // File-as order; the contact without a name and the list are no rows.
    EXPECT_EQ(grid(),
              (QStringList{
                  u"Maarten van der Berg|Keizersgracht 12\r\n1015 CX  Amsterdam\r\nNETHERLANDS"_s,
                  u"Colm Fairweather|2 Quay St\r\nBoston, MA  02110"_s,
                  u"Aiko Nakamura|400 Research Pkwy\r\nAnn Arbor, MI  48105"_s}));
    EXPECT_EQ(view.status, u"3 Contacts from Addrell Test"_s);
    EXPECT_TRUE(dialogs.messages().empty());
}

// The process that owns `name` on the session bus; 0 when none does.
pid_t ownerOf(const char* name)
{
    glib::ErrorSlot error;
    const glib::Object<GDBusConnection> bus(
        g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, error.out()));
    GVariant* reply = g_dbus_connection_call_sync(
        bus.get(), "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "GetConnectionUnixProcessID", g_variant_new("(s)", name), G_VARIANT_TYPE("(u)"),
        G_DBUS_CALL_FLAGS_NONE, -1, nullptr, error.out());
    guint32 pid = 0;
    if (reply != nullptr) {
        g_variant_get(reply, "(u)", &pid);
        g_variant_unref(reply);
    }
    return static_cast<pid_t>(pid);
}

TEST_F(AddressBooks, ABookServerThatStopsAnsweringFailsTheLoadInSecondsAndTheProgramGoesOn)
{
    REQUIRE_SERVER("running");
    createServerBook("Addrell Stopped",
                     {"FN:Colm Fairweather\r\nADR;TYPE=HOME:;;2 Quay St;Boston;MA;02110;\r\n"});
    const pid_t factory = ownerOf("org.gnome.evolution.dataserver.AddressBook10");
    ASSERT_GT(factory, 0);
    const auto resume = qScopeGuard([factory] { kill(factory, SIGCONT); }); // for the teardown
    QElapsedTimer timer;
    timer.start();
    const QStringList messages =
        load(u"Addrell Stopped"_s, [factory] { ASSERT_EQ(kill(factory, SIGSTOP), 0); });
    // Loosely: a load without a deadline waits out two D-Bus timeouts, 50 s.
    EXPECT_LT(timer.elapsed(), 20'000);
    EXPECT_EQ(messages,
              QStringList{u"Error No: -2147352567\r\nDescription: The contacts server could "
                          "not read the address book \"Addrell Stopped\": it did not answer "
                          "within 5 seconds."_s});
    kill(factory, SIGCONT);
    EXPECT_EQ(load(u"Addrell Stopped"_s), QStringList());
    EXPECT_EQ(grid(), QStringList{u"Colm Fairweather|2 Quay St\r\nBoston, MA  02110"_s});
}

TEST(AddressBooksAbsent, ContactsServerGroupIsLeftOut)
{
    REQUIRE_SERVER("absent");
    EXPECT_TRUE(ContactsServerBooks::find().empty());
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
    frmEnvelope window(files.path(), files.path() + u"/config"_s, dialogs, factories,
                       [] { return std::vector<AvailablePrinter>(); });
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
