#include "ui/main_window/QtDialogs.h"

#include <gtest/gtest.h>

namespace addrell {
namespace {

TEST(QtDialogs, TurnsDescriptionPatternPairsIntoQtFilters)
{
    EXPECT_EQ(QtDialogs::qtFilter(QStringLiteral("Text (*.txt)|*.txt")),
              QStringLiteral("Text (*.txt)"));
    EXPECT_EQ(QtDialogs::qtFilter(QStringLiteral("Text|*.txt|All|*.*")),
              QStringLiteral("Text (*.txt);;All (*.*)"));
    EXPECT_EQ(QtDialogs::qtFilter(QStringLiteral("Pictures|*.bmp;*.ico")),
              QStringLiteral("Pictures (*.bmp *.ico)"));
    EXPECT_EQ(QtDialogs::qtFilter(QString()), QString());
}

} // namespace
} // namespace addrell
