#include "servers/address_book/AddressBookApplication.h"
#include "servers/address_book/AddressBookChooser.h"
#include "servers/address_book/ContactsServerBooks.h"
#include "servers/address_book/FileDialogFolderChooser.h"
#include "servers/address_book/GLibObjects.h"

#include "automation/ServerFactories.h"
#include "contacts/ContactFolderLoader.h"
#include "contacts/ContactsState.h"
#include "contacts/UseContact.h"

#include "BookFixtures.h"
#include "FakeOutlook.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <libebook/libebook.h>

#include <iostream>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;

// tools/contacts-test-server says whether this run has a contacts server or none; CI never
// skips.
#define REQUIRE_SERVER(state)                                                                      \
    if (qgetenv("ADDRELL_CONTACTS_SERVER") != (state)) {                                           \
        if (qEnvironmentVariableIsSet("CI")) {                                                     \
            FAIL() << "run through tools/contacts-test-server";                                    \
        }                                                                                          \
        GTEST_SKIP() << "run through tools/contacts-test-server";                                  \
    }

// Makes a local address book on the server holding `cards`.
void createBook(const char* name, const QList<QByteArray>& cards)
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

// The contact handlers over the real server; the chooser also looks for books in `home`.
class ContactsServer : public ::testing::Test {
protected:
    ContactsServer()
    {
        factories.outlookApplication = [this] {
            auto chooser = std::make_shared<AddressBookChooser>(
                DesktopAddressBooks::Places{home.path(), home.path() + u"/data"_s,
                                            ContactsServerBooks::kLookupTimeout},
                std::make_shared<FileDialogFolderChooser>());
            return std::make_shared<AddressBookApplication>([chooser] { return chooser->choose(); },
                                                            QLocale::UnitedStates);
        };
    }

    testing::TempFiles home;
    ServerFactories factories;
    testing::ScriptedDialogs dialogs;
    testing::FakeContactsView view;
    ContactsState state;
    ContactFolderLoader loader{state, factories, view, dialogs};
    UseContact useContact{state, factories, loader, view, dialogs};
};

TEST_F(ContactsServer, ChooserListsEveryKindOfBookAndLoadsTheOneChosen)
{
    REQUIRE_SERVER("running");
    createBook("Addrell Test",
               {"FN:Aiko Nakamura\r\nN:Nakamura;Aiko;;;\r\n"
                "ADR;TYPE=WORK:;;400 Research Pkwy;Ann Arbor;MI;48105;USA\r\n",
                "FN:Maarten van der Berg\r\nN:van der Berg;Maarten;;;\r\n"
                "X-EVOLUTION-FILE-AS:Berg\\, Maarten van der\r\n"
                "ADR;TYPE=HOME:;;Keizersgracht 12;Amsterdam;;1015 CX;Netherlands\r\n",
                "FN:Colm Fairweather\r\nADR;TYPE=HOME:;;2 Quay St;Boston;MA;02110;\r\n",
                "EMAIL:nobody@example.org\r\nADR;TYPE=WORK:;;1 Main St;Springfield;IL;62701;\r\n",
                "FN:Choir\r\nX-EVOLUTION-LIST:TRUE\r\n"});
    const QString profile = testing::writeThunderbirdProfile(home, u".thunderbird"_s, u"p"_s);
    testing::writeThunderbirdBook(profile + u"/abook.sqlite"_s, {{}});
    home.write(u"data/contacts/family/a.vcf"_s, "BEGIN:VCARD\r\nFN:Ann\r\nEND:VCARD\r\n");

    QStringList listed;
    QTimer::singleShot(0, [&listed] {
        auto* tree = QApplication::activeModalWidget()->findChild<QTreeWidget*>();
        listed = testing::chooserRows(*tree);
        QTest::keyClicks(tree, u"Addrell"_s);
        QTest::keyClick(tree, Qt::Key_Return);
    });
    QGuiApplication::clipboard()->clear(); // no selection: Use Contact goes to the chooser
    useContact.cmdPreview_Click();

    for (const QString& row : {u"Contacts server|"_s, u"  Addrell Test|"_s, u"Thunderbird|"_s,
                               u"  Personal Address Book|1"_s, u"Folders|"_s, u"  family|"_s}) {
        EXPECT_TRUE(listed.contains(row)) << row.toStdString();
    }
    // File-as order; the contact without a name and the list are no rows.
    const QStringList rows[] = {
        {u"Maarten van der Berg"_s, u"Keizersgracht 12\r\n1015 CX  Amsterdam\r\nNetherlands"_s},
        {u"Colm Fairweather"_s, u"2 Quay St\r\nBoston, MA  02110"_s},
        {u"Aiko Nakamura"_s, u"400 Research Pkwy\r\nAnn Arbor, MI  48105"_s}};
    ASSERT_EQ(view.table.Rows(), 4);
    for (int row = 1; row < 4; ++row) {
        EXPECT_EQ((QStringList{view.table.TextMatrix(row, 1), view.table.TextMatrix(row, 2)}),
                  rows[row - 1]);
    }
    EXPECT_EQ(view.status, u"3 Contacts from Addrell Test"_s);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST(ContactsServerAbsent, GroupIsLeftOut)
{
    REQUIRE_SERVER("absent");
    EXPECT_TRUE(ContactsServerBooks::find().empty());
}

// A figure, not a check: tools/contacts-test-server <this program>
//     --gtest_also_run_disabled_tests --gtest_filter='*Thousand*'
TEST_F(ContactsServer, DISABLED_TimeFromChoosingAThousandContactsToTheFilledGrid)
{
    REQUIRE_SERVER("running");
    QList<QByteArray> cards;
    for (int n = 0; n < 1000; ++n) {
        cards << u"FN:P %1\r\nN:%1;P;;;\r\nADR;TYPE=WORK:;;%1 Main St;Springfield;IL;62701;\r\n"_s
                     .arg(n)
                     .toUtf8();
    }
    createBook("Thousand", cards);
    for (const AddressBook& book : ContactsServerBooks::find()) {
        if (book.name() != u"Thousand"_s) {
            continue;
        }
        factories.outlookApplication = [book] {
            return std::make_shared<AddressBookApplication>([book] { return book; });
        };
        QElapsedTimer timer;
        timer.start();
        loader.PickContactFolder();
        std::cout << book.name().toStdString() << ": " << timer.elapsed() << " ms to "
                  << view.table.Rows() - 1 << " rows\n";
    }
}

} // namespace
} // namespace addrell
