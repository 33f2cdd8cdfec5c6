#include "ui/help_window/frmHelp.h"

#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QPixmap>
#include <QTest>
#include <gtest/gtest.h>

namespace addrell {
namespace {

TEST(frmHelp, ShowsTheSevenPiecesJoinedInOneParagraph)
{
    const frmHelp help;
    EXPECT_EQ(help.lblHelp()->text().toStdString(),
              "This program is designed to Print Business Envelopes on the HP LaserJet Center Fed "
              "printer or the HP DeskJet series with a Right Fed Addrell Option.  The 'Use "
              "Contact' option selects the currently selected Contact from OutLook 2000 and "
              "Places it in the Address Text Box.  The return Address text box may be selected "
              "by using the tab dialog and selection and option.  If Outlook 2000 is not open and "
              "a contact is not selected the 'Use Contact' option with ask you to select a "
              "contact folder.  You may then select a contact from the displayed list by "
              "clicking on the contact of your choice.  Alternately, you can type directly into "
              "the Address box to set your address.");
}

TEST(frmHelp, WindowHasItsTitleSizeAndNoIconAndTheTextFitsTheLabel)
{
    QWidget parent;
    QPixmap icon(16, 16);
    icon.fill(Qt::red);
    parent.setWindowIcon(icon);
    frmHelp help(&parent);
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    EXPECT_EQ(help.windowTitle(), "Addrell Help");
    EXPECT_EQ(help.size(), QSize(532, 365)); // 7980 x 5475 twips
    EXPECT_TRUE(help.windowIcon().isNull());

    const QLabel* label = help.lblHelp();
    EXPECT_EQ(label->geometry(), QRect(22, 12, 503, 337)); // 330, 180, 7545, 5055 twips
    EXPECT_EQ(QFontInfo(label->font()).family(), "Liberation Serif");
    EXPECT_EQ(label->font().pointSizeF(), 12.0);
    EXPECT_LE(label->heightForWidth(label->width()), label->height()); // the whole text fits
    QDir().mkpath(QStringLiteral(ADDRELL_SCREENSHOT_DIR));
    EXPECT_TRUE(help.grab().save(QStringLiteral(ADDRELL_SCREENSHOT_DIR "/help.png")));
}

} // namespace
} // namespace addrell
