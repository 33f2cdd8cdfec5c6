#include "ErrorNumber.h"
#include "util/AddBackSlash.h"
#include "util/KeyedCollection.h"
#include "util/LineEnds.h"

#include <gtest/gtest.h>

namespace addrell {
namespace {

using testing::errorNumber;

TEST(AddBackSlash, AppendsOnlyWhenMissingAndChangesTheArgument)
{
    const std::tuple<QString, QChar, QString> cases[] = {
        {"C:\\Tools", u'\\', "C:\\Tools\\"},
        {"C:\\", u'\\', "C:\\"},
        {"", u'\\', "\\"},
        {"/opt/", u'\\', "/opt/\\"},
        {"/opt/addrell", u'/', "/opt/addrell/"},
        {"/", u'/', "/"},
    };
    for (auto [path, separator, expected] : cases) {
        EXPECT_EQ(AddBackSlash(path, separator), expected);
        EXPECT_EQ(path, expected);
    }
}

TEST(KeyedCollection, KeepsOrderReadsByPositionOrCaselessKeyAndFailsLikeTheRuntime)
{
    KeyedCollection<QString> collection;
    collection.add(QStringLiteral("Name"), QStringLiteral("Pat"));
    collection.add(QStringLiteral("2"), QStringLiteral("two"));
    EXPECT_EQ(collection.item(1), QStringLiteral("Pat"));
    EXPECT_EQ(collection.item(QStringLiteral("NAME")), QStringLiteral("Pat"));
    // A key that looks like a number is still a key, not a position.
    EXPECT_EQ(collection.item(QStringLiteral("2")), QStringLiteral("two"));

    EXPECT_EQ(errorNumber([&] { collection.add(QStringLiteral("name"), {}); }), 457);
    EXPECT_EQ(collection.count(), 2);
    for (const long long position : {0, 3, -1}) {
        EXPECT_EQ(errorNumber([&] { static_cast<void>(collection.item(position)); }), 9);
    }
    EXPECT_EQ(errorNumber([&] { static_cast<void>(collection.item(QStringLiteral("x"))); }), 5);
}

TEST(LineEnds, ConvertsEveryKindOfLineEnd)
{
    const QString mixed = QStringLiteral("a\r\nb\rc\nd") + QChar::LineSeparator + "e" +
                          QChar::ParagraphSeparator + "\r\n";
    EXPECT_EQ(LineEnds::toCrLf(mixed), QStringLiteral("a\r\nb\r\nc\r\nd\r\ne\r\n\r\n"));
    EXPECT_EQ(LineEnds::toLf(mixed), QStringLiteral("a\nb\nc\nd\ne\n\n"));
}

} // namespace
} // namespace addrell
