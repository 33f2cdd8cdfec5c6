#include "ui/main_window/adapters/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace addrell {
namespace {

TEST(QtDialogs, TurnsDescriptionPatternPairsIntoQtFilters)
{
    EXPECT_EQ(QtDialogs::qtFilter("Text (*.txt)|*.txt"), "Text (*.txt)");
    EXPECT_EQ(QtDialogs::qtFilter("Text|*.txt|All|*.*"), "Text (*.txt);;All (*.*)");
    EXPECT_EQ(QtDialogs::qtFilter("Pictures|*.bmp;*.ico"), "Pictures (*.bmp *.ico)");
    EXPECT_EQ(QtDialogs::qtFilter(QString()), QString());
}

// A box shows the request's text as it is, its icon, title and buttons; Return presses the
// default button, Escape the No or OK button.
TEST(QtDialogs, MessageBoxesShowWhatTheRequestAsks)
{
    using enum MessageResult;
    using Box = QMessageBox;
    const auto yesNo = MessageButtons::YesNo;
    const auto ok = MessageButtons::Ok;
    const std::tuple<MessageIcon, MessageButtons, MessageResult, Qt::Key, MessageResult, Box::Icon,
                     const char*>
        cases[] = {
            {MessageIcon::Question, yesNo, No, Qt::Key_Return, No, Box::Question, "Addrell"},
            {MessageIcon::None, yesNo, Yes, Qt::Key_Escape, No, Box::NoIcon, "Addrell"},
            {MessageIcon::Exclamation, ok, Ok, Qt::Key_Return, Ok, Box::Warning, "Addrell"},
            {MessageIcon::Information, ok, Ok, Qt::Key_Escape, Ok, Box::Information, "Own"},
            {MessageIcon::Critical, ok, Ok, Qt::Key_Return, Ok, Box::Critical, "Addrell"},
        };
    for (const auto& [icon, buttons, preset, key, pressed, qtIcon, title] : cases) {
        SCOPED_TRACE(qtIcon);
        MessageBoxRequest request{"Line 1\r\n<b>2</b>", icon, buttons, preset};
        request.title = title == QStringLiteral("Own") ? title : request.title;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                ADD_FAILURE() << "no message box";
                return QApplication::closeAllWindows();
            }
            EXPECT_EQ(box->text(), request.text);
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            EXPECT_EQ(box->icon(), qtIcon);
            EXPECT_EQ(box->windowTitle(), title);
            EXPECT_EQ(box->standardButtons(),
                      buttons == ok ? Box::StandardButtons(Box::Ok) : Box::Yes | Box::No);
            QTest::keyClick(box, key);
        });
        EXPECT_EQ(QtDialogs().messageBox(request), pressed);
    }
}

} // namespace
} // namespace addrell
