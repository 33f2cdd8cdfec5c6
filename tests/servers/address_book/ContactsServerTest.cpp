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
#include "TempFiles.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
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

// How the test script started this run: on a bus with a contacts server, or with none.
bool serverIs(const char* expected)
{
    const QByteArray server = qgetenv("ADDRELL_CONTACTS_SERVER");
    return server == expected;
}

#define REQUIRE_SERVER(expected)                                                                   \
    if (!serverIs(expected)) {                                                                     \
        if (!qEnvironmentVariableIsEmpty("CI")) {                                                  \
            FAIL() << "run through tools/contacts-test-server";                                    \
        }                                                                                          \
        GTEST_SKIP() << "no private contacts server: run through tools/contacts-test-server";      \
    }

// Makes a local address book on the server holding `cards`.
void createBook(const char* name, const QList<QByteArray>& cards)
{
    glib::ErrorSlot error;
    const glib::Object<ESourceRegistry> registry(e_source_registry_new_sync(nullptr, error.out()));
    ASSERT_TRUE(registry) << error.message();
    const glib::Object<ESource> scratch(e_source_new(nullptr, nullptr, error.out()));
    e_source_set_parent(scratch.get(), "local-stub");
    e_source_set_display_name(scratch.get(), name);
    e_source_backend_set_backend_name(
        E_SOURCE_BACKEND(e_source_get_extension(scratch.get(), E_SOURCE_EXTENSION_ADDRESS_BOOK)),
        "local");
    ASSERT_TRUE(
        e_source_registry_commit_source_sync(registry.get(), scratch.get(), nullptr, error.out()))
        << error.message();
    const glib::Object<EClient> client(
        e_book_client_connect_sync(scratch.get(), static_cast<guint32>(-1), nullptr, error.out()));
    ASSERT_TRUE(client) << error.message();
    GSList* contacts = nullptr;
    for (const QByteArray& card : cards) {
        contacts = g_slist_append(contacts, e_contact_new_from_vcard(card.constData()));
    }
    const glib::ObjectSList owned(contacts);
    ASSERT_TRUE(e_book_client_add_contacts_sync(E_BOOK_CLIENT(client.get()), owned.get(),
                                                E_BOOK_OPERATION_FLAG_NONE, nullptr, nullptr,
                                                error.out()))
        << error.message();
}

QByteArray card(const QByteArray& lines)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\n" + lines + "END:VCARD\r\n";
}

// The contact handlers over the real server, its chooser looking in `home` besides.
class ContactsServer : public ::testing::Test {
protected:
    ContactsServer()
    {
        factories.outlookApplication = [this] {
            const DesktopAddressBooks::Places places{home.path(), home.path() + u"/data"_s,
                                                     ContactsServerBooks::kLookupTimeout};
            auto chooser = std::make_shared<AddressBookChooser>(
                places, std::make_shared<FileDialogFolderChooser>());
            return std::make_shared<AddressBookApplication>([chooser] { return chooser->choose(); },
                                                            QLocale::UnitedStates);
        };
        QGuiApplication::clipboard()->clear();
    }

    testing::TempFiles home;
    ServerFactories factories;
    testing::ScriptedDialogs dialogs;
    testing::FakeContactsView view;
    ContactsState state;
    ContactFolderLoader loader{state, factories, view, dialogs};
    UseContact useContact{state, factories, loader, view, dialogs};
};

// Every row of the chooser, indented by its depth.
QStringList rowsOf(const QTreeWidget& tree)
{
    QStringList rows;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it; ++it) {
        int depth = 0;
        for (const QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent()) {
            ++depth;
        }
        rows << QString(depth * 2, u' ') + (*it)->text(0) + u'|' + (*it)->text(1);
    }
    return rows;
}

TEST_F(ContactsServer, ChooserListsEveryKindOfBookAndLoadsTheChosenOne)
{
    REQUIRE_SERVER("running");
    createBook(
        "Addrell Test",
        {card("FN:Aiko Nakamura\r\nN:Nakamura;Aiko;;;\r\n"
              "ADR;TYPE=WORK:;;400 Research Pkwy;Ann Arbor;MI;48105;USA\r\n"),
         card("FN:Maarten van der Berg\r\nN:van der Berg;Maarten;;;\r\n"
              "X-EVOLUTION-FILE-AS:Berg\\, Maarten van der\r\n"
              "ADR;TYPE=HOME:;;Keizersgracht 12;Amsterdam;;1015 CX;Netherlands\r\n"),
         card("FN:Colm Fairweather\r\nADR;TYPE=HOME:;;2 Quay St;Boston;MA;02110;\r\n"),
         card("EMAIL:nobody@example.org\r\nADR;TYPE=WORK:;;1 Main St;Springfield;IL;62701;\r\n"),
         card("FN:Choir\r\nX-EVOLUTION-LIST:TRUE\r\n")});
    const QString profile = testing::writeThunderbirdProfile(home.path() + u"/.thunderbird"_s,
                                                             u"default-release"_s, {});
    testing::writeThunderbirdBook(profile + u"/abook.sqlite"_s, {{{u"DisplayName"_s, u"Ines"_s}}});
    ASSERT_TRUE(QDir().mkpath(home.path() + u"/data/contacts/family"_s));
    home.write(u"data/contacts/family/a.vcf"_s, card("FN:Ann\r\n"));

    QStringList listed;
    QTimer::singleShot(0, [&listed] {
        auto* tree = QApplication::activeModalWidget()->findChild<QTreeWidget*>();
        listed = rowsOf(*tree);
        QTest::keyClicks(tree, u"Addrell"_s);
        QTest::keyClick(tree, Qt::Key_Return);
    });
    useContact.cmdPreview_Click();

    for (const QString& row : {u"Contacts server|"_s, u"  Addrell Test|"_s, u"Thunderbird|"_s,
                               u"  Personal Address Book|1"_s, u"Folders|"_s, u"  family|"_s,
                               u"Other file or folder\u2026|"_s}) {
        EXPECT_TRUE(listed.contains(row))
            << row.toStdString() << " not in " << listed.join(u" / "_s).toStdString();
    }
    // File-as order; the nameless contact and the list are no rows.
    ASSERT_EQ(view.table.Rows(), 4);
    const QStringList expected[] = {
        {u"Maarten van der Berg"_s, u"Keizersgracht 12\r\n1015 CX  Amsterdam\r\nNetherlands"_s},
        {u"Colm Fairweather"_s, u"2 Quay St\r\nBoston, MA  02110"_s},
        {u"Aiko Nakamura"_s, u"400 Research Pkwy\r\nAnn Arbor, MI  48105"_s}};
    for (int row = 1; row < 4; ++row) {
        EXPECT_EQ(view.table.TextMatrix(row, 1), expected[row - 1][0]) << "row " << row;
        EXPECT_EQ(view.table.TextMatrix(row, 2), expected[row - 1][1]) << "row " << row;
    }
    EXPECT_EQ(view.status, u"3 Contacts from Addrell Test"_s);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST(ContactsServerAbsent, GroupIsLeftOut)
{
    REQUIRE_SERVER("absent");
    EXPECT_TRUE(ContactsServerBooks::find().empty());
}

// By hand: tools/contacts-test-server <this program> --gtest_also_run_disabled_tests
//     --gtest_filter='*Thousand*'
TEST_F(ContactsServer, DISABLED_TimeFromChoosingAThousandContactsToTheFilledGrid)
{
    REQUIRE_SERVER("running");
    QList<QByteArray> cards;
    for (int n = 0; n < 1000; ++n) {
        cards << card(QStringLiteral("FN:Person %1\r\nN:%1;Person;;;\r\n"
                                     "ADR;TYPE=WORK:;;%1 Main St;Springfield;IL;62701;\r\n")
                          .arg(n)
                          .toUtf8());
    }
    createBook("Thousand", cards);
    std::vector<AddressBook> books = ContactsServerBooks::find();
    const auto thousand = std::find_if(
        books.begin(), books.end(), [](const AddressBook& b) { return b.name() == u"Thousand"; });
    ASSERT_NE(thousand, books.end());
    factories.outlookApplication = [book = *thousand] {
        return std::make_shared<AddressBookApplication>([book] { return book; });
    };
    QElapsedTimer timer;
    timer.start();
    loader.PickContactFolder();
    std::cout << "chosen to filled grid: " << timer.elapsed() << " ms\n";
    EXPECT_EQ(view.table.Rows(), 1001);
}

} // namespace
} // namespace addrell
