#include "ui/help_window/frmHelp.h"

#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QPixmap>
#include <QTest>
#include <gtest/gtest.h>

namespace addrell {
namespace {

TEST(frmHelp, WindowHasItsSizeAndNoIconAndTheTextFitsTheLabel)
{
    QWidget parent;
    QPixmap icon(16, 16);
    icon.fill(Qt::red);
    parent.setWindowIcon(icon);
    frmHelp help(&parent);
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
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
