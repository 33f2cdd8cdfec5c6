#pragma once

#include "FakeOutlook.h"
#include "FakeWord.h"
#include "ScriptedDialogs.h"
#include "TempFiles.h"
#include "ui/main_window/controls/TabControl.h"
#include "ui/main_window/controls/TextBox.h"
#include "ui/main_window/frmEnvelope.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>

namespace addrell::testing {

// The main window, shown and active, over fake servers and scripted dialogs.
class WindowTest : public ::testing::Test {
protected:
    // `file` becomes the default return address file; without one there is none.
    std::unique_ptr<frmEnvelope> open(const std::optional<QByteArray>& file)
    {
        QFile::remove(files.path() + "/ReturnAddress.txt");
        if (file) {
            files.write("ReturnAddress.txt", *file);
        }
        ServerFactories servers;
        servers.wordApplication = [this] { return std::make_shared<FakeWordApplication>(word); };
        servers.wordGlobal = [this] { return std::make_shared<FakeWordGlobal>(word); };
        servers.outlookApplication = [this] {
            return std::make_shared<FakeOutlookApplication>(outlook);
        };
        auto window = std::make_unique<frmEnvelope>(files.path(), configFolder(), dialogs, servers,
                                                    [this] { return printers; });
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }
    // The user's configuration folder: it outlives the windows a test opens, as the user's does.
    [[nodiscard]] QString configFolder() const { return files.path() + "/config"; }
    template <typename T = QWidget> static T* get(const frmEnvelope& window, const char* key)
    {
        return window.control<T>(QString::fromLatin1(key));
    }
    // A text box's text as the program reads it, with CR LF.
    static QString text(const frmEnvelope& window, const char* key)
    {
        return get<TextBox>(window, key)->addressText();
    }
    static QString caption(const frmEnvelope& window, const char* key)
    {
        return get<QLabel>(window, key)->text();
    }
    static void click(const frmEnvelope& window, const char* key)
    {
        QTest::mouseClick(get<QPushButton>(window, key), Qt::LeftButton);
    }
    static TabControl* tabs(const frmEnvelope& window) { return get<TabControl>(window, "SSTab1"); }
    // Use Contact with no contact selected, the folder `folder` of `people` ("name|address")
    // picked: the grid filled with them.
    void pickFolder(const frmEnvelope& window, const QStringList& people,
                    const char* folder = "Friends")
    {
        std::vector<FakeContact> contacts;
        for (const QString& person : people) {
            const QString name = person.section(u'|', 0, 0);
            contacts.push_back({outlook::olContact, name, name, {}, person.section(u'|', 1)});
        }
        outlook->picks.push_back(
            std::make_shared<FakeFolder>(outlook, folder, outlook::olContactItem, contacts));
        click(window, "cmdPreview");
        QCoreApplication::processEvents(); // the grid lays its rows out
    }

    TempFiles files;
    ScriptedDialogs dialogs;
    std::shared_ptr<WordLog> word = std::make_shared<WordLog>();
    std::shared_ptr<OutlookWorld> outlook = std::make_shared<OutlookWorld>();
    std::vector<AvailablePrinter> printers; // the print server's queues
};

} // namespace addrell::testing
