#pragma once

#include "servers/address_book/chooser/FolderChooser.h"

#include "automation/ServerFactories.h"
#include "contacts/ContactFolderLoader.h"
#include "contacts/ContactsState.h"
#include "contacts/UseContact.h"

#include "FakeOutlook.h"
#include "ScriptedDialogs.h"
#include "TempFiles.h"

#include <QByteArray>
#include <QStringList>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

// tools/contacts-test-server tells whether the bus has a contacts server; CI never skips.
#define REQUIRE_SERVER(state)                                                                      \
    if (qgetenv("ADDRELL_CONTACTS_SERVER") != (state)) {                                           \
        if (qEnvironmentVariableIsSet("CI")) {                                                     \
            FAIL() << "run through tools/contacts-test-server";                                    \
        }                                                                                          \
        GTEST_SKIP() << "run through tools/contacts-test-server";                                  \
    }

namespace addrell {

inline const QByteArray kCard = "BEGIN:VCARD\r\nFN:Harbour Lights Bakery\r\n"
                                "ADR;TYPE=WORK:;;12 Pier Road;Portland;ME;04101;\r\nEND:VCARD\r\n";

// A copy in `to` of a folder of files Thunderbird itself wrote (tests/data/thunderbird).
void copyThunderbirdFiles(const QString& name, const QString& to);

// A picker of other files that gives the answer set in advance, cancelled when there is none.
class ScriptedFolderChooser : public FolderChooser {
public:
    std::optional<QString> choose() override;
    std::optional<QString> answer;
    int timesShown = 0;
};

// The contact handlers over the real servers, the chooser looking for books in `home` too.
class AddressBooks : public ::testing::Test {
protected:
    AddressBooks();

    // Chooses the book named `name` in the chooser, once `listed` has run with the chooser
    // showing, as Use Contact does with nothing selected; the message boxes the load brought.
    QStringList load(const QString& name, const std::function<void()>& listed = {});
    // "name|mailing address" for each row of the grid, in its order.
    [[nodiscard]] QStringList grid() const;

    testing::TempFiles home;
    std::shared_ptr<ScriptedFolderChooser> other = std::make_shared<ScriptedFolderChooser>();
    ServerFactories factories;
    testing::ScriptedDialogs dialogs;
    testing::FakeContactsView view;
    ContactsState state;
    ContactFolderLoader loader{state, factories, view, dialogs};
    UseContact useContact{state, factories, loader, view, dialogs};
};

} // namespace addrell
