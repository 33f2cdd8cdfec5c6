#include "AddressBooksFixture.h"

#include "servers/address_book/AddressBookApplication.h"
#include "servers/address_book/books/ContactsServerBooks.h"
#include "servers/address_book/chooser/AddressBookChooser.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <utility>

namespace addrell {

using namespace Qt::Literals::StringLiterals;

void copyThunderbirdFiles(const QString& name, const QString& to)
{
    const QDir from(u"" ADDRELL_TEST_DATA "/thunderbird/"_s + name);
    QDirIterator files(from.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString target = to + u'/' + from.relativeFilePath(files.next());
        QDir().mkpath(QFileInfo(target).path());
        ASSERT_TRUE(QFile::copy(files.filePath(), target)) << target.toStdString();
    }
}

std::optional<QString> ScriptedFolderChooser::choose()
{
    ++timesShown;
    return std::exchange(answer, std::nullopt);
}

AddressBooks::AddressBooks()
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

QStringList AddressBooks::load(const QString& name, const std::function<void()>& listed)
{
    QTimer::singleShot(0, [name, listed] {
        auto* tree = QApplication::activeModalWidget()->findChild<QTreeWidget*>();
        const auto found = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        if (found.size() != 1) {
            ADD_FAILURE() << "the chooser lists no one " << name.toStdString();
            QTest::keyClick(tree, Qt::Key_Escape);
            return;
        }
        if (listed) {
            listed();
        }
        tree->setCurrentItem(found.front());
        QTest::keyClick(tree, Qt::Key_Return);
    });
    dialogs.clear();
    QGuiApplication::clipboard()->clear(); // no selection: Use Contact goes to the chooser
    useContact.cmdPreview_Click();
    return dialogs.messageTexts();
}

QStringList AddressBooks::grid() const
{
    QStringList rows;
    for (int row = 1; row < view.table.Rows(); ++row) {
        rows << view.table.TextMatrix(row, 1) + u'|' + view.table.TextMatrix(row, 2);
    }
    return rows;
}

} // namespace addrell
