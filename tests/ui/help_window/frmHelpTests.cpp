#include "ui/help_window/frmHelp.h"

#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <climits>

namespace addrell {
namespace {

const QStringList kPieces = {
    "This program is designed to Print Business Envelopes on the HP LaserJet Center Fed printer or "
    "the ",
    "HP DeskJet series with a Right Fed Addrell Option.  The 'Use Contact' option selects the "
    "currently ",
    "selected Contact from OutLook 2000 and Places it in the Address Text Box.  The return Address "
    "text box may ",
    "be selected by using the tab dialog and selection and option.  If Outlook 2000 is not open "
    "and "
    "a contact is not ",
    "selected the 'Use Contact' option with ask you to select a contact folder.  You may then "
    "select a contact from ",
    "the displayed list by clicking on the contact of your choice.  Alternately, you can type "
    "directly into the Address ",
    "box to set your address.",
};

TEST(frmHelp, ShowsTheSevenPiecesJoinedOnOneParagraph)
{
    const frmHelp help;
    const QString text = help.lblHelp()->text();
    EXPECT_EQ(text.toStdString(), kPieces.join(QString()).toStdString());
    EXPECT_TRUE(text.startsWith(kPieces.front()));
    EXPECT_TRUE(text.endsWith(QStringLiteral("box to set your address.")));
    EXPECT_FALSE(text.contains(u'\r'));
    EXPECT_FALSE(text.contains(u'\n'));
    // Each join holds a single blank.
    EXPECT_TRUE(text.contains(QStringLiteral("or the HP DeskJet")));
    EXPECT_FALSE(text.contains(QStringLiteral("the  HP")));
    EXPECT_EQ(text, frmHelp::helpText());
}

TEST(frmHelp, WindowAndLabelHaveTheirDesignedPlaceAndFont)
{
    frmHelp help;
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Addrell Help"));
    EXPECT_EQ(help.size(), QSize(532, 365)); // 7980 x 5475 twips

    const QLabel* label = help.lblHelp();
    EXPECT_EQ(label->objectName(), QStringLiteral("lblHelp"));
    EXPECT_EQ(label->geometry(), QRect(22, 12, 503, 337)); // 330, 180, 7545, 5055 twips
    EXPECT_EQ(label->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 12.0);
    EXPECT_FALSE(label->font().bold());
    EXPECT_EQ(QFontInfo(label->font()).family(), QStringLiteral("Liberation Serif"));
    EXPECT_TRUE(label->wordWrap());
    EXPECT_EQ(label->alignment(), Qt::AlignLeft | Qt::AlignTop);

    QDir().mkpath(QStringLiteral(ADDRELL_SCREENSHOT_DIR));
    EXPECT_TRUE(help.grab().save(QStringLiteral(ADDRELL_SCREENSHOT_DIR "/help.png")));
}

TEST(frmHelp, TheWholeTextFitsTheLabel)
{
    const frmHelp help;
    const QLabel* label = help.lblHelp();
    const QRect room = label->contentsRect();
    const QRect needed =
        QFontMetrics(label->font())
            .boundingRect(QRect(0, 0, room.width(), INT_MAX),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text());
    EXPECT_LE(needed.width(), room.width());
    EXPECT_LE(needed.height(), room.height());
    // The label's own layout agrees.
    EXPECT_LE(label->heightForWidth(label->width()), label->height());
}

} // namespace
} // namespace addrell
