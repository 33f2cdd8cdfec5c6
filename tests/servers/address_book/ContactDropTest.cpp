#include "servers/address_book/AddressBookApplication.h"
#include "ui/main_window/TextBoxText.h"
#include "ui/main_window/frmEnvelope.h"

#include "ScriptedDialogs.h"
#include "TempFiles.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <gtest/gtest.h>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;

// Sends a whole drop of `data` to `target`; whether the drag was accepted.
bool drop(QWidget* target, const QMimeData& data)
{
    const QPointF at(5, 5);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    QApplication::processEvents();
    return enter.isAccepted();
}

TEST(ContactDrop, CardsDroppedAnywhereBecomeTheRecipientAsIfCopied)
{
    testing::TempFiles files;
    const QByteArray card = "BEGIN:VCARD\r\nFN:Harbour Lights Bakery\r\n"
                            "ADR;TYPE=WORK:;;12 Pier Road;Portland;ME;04101;\r\nEND:VCARD\r\n";
    const QUrl file = QUrl::fromLocalFile(files.write(u"bakery.vcf"_s, card));
    int pickerShown = 0;
    ServerFactories factories;
    factories.outlookApplication = [&pickerShown] {
        return std::make_shared<AddressBookApplication>(
            [&pickerShown] { return ++pickerShown, std::optional<AddressBook>(); },
            QLocale::UnitedStates);
    };
    testing::ScriptedDialogs dialogs;
    frmEnvelope window(files.path(), dialogs, factories);
    const std::size_t startMessages = dialogs.messages().size(); // no return address file
    auto* address = window.control<QPlainTextEdit>(u"txtAddress"_s);
    QWidget* const targets[] = {&window, address->viewport(),
                                window.control<QPushButton>(u"cmdPrint"_s)};
    const std::pair<QString, QByteArray> drags[] = {
        {u"text/vcard"_s, card}, {u"text/x-vcard"_s, card}, {u"text/uri-list"_s, file.toEncoded()}};
    for (std::size_t row = 0; row < std::size(drags); ++row) {
        address->clear();
        QMimeData data;
        data.setData(drags[row].first, drags[row].second);
        if (row == 1) { // as some address book programs offer a card: as text besides
            data.setText(QString::fromUtf8(card));
        }
        EXPECT_TRUE(drop(targets[row], data)) << "row " << row;
        EXPECT_EQ(TextBoxText::get(address),
                  u"Harbour Lights Bakery\r\n12 Pier Road\r\nPortland, ME  04101"_s)
            << "row " << row;
    }
    // Plain text is the text box's own to take.
    QMimeData text;
    text.setText(u"Dear Aiko"_s);
    drop(address->viewport(), text);
    EXPECT_TRUE(TextBoxText::get(address).contains(u"Dear Aiko"_s));
    EXPECT_EQ(pickerShown, 0);
    EXPECT_EQ(dialogs.messages().size(), startMessages);
}

} // namespace
} // namespace addrell
