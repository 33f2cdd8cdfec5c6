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
    QString folder = QStringLiteral("C:\\Tools");
    EXPECT_EQ(AddBackSlash(folder), QStringLiteral("C:\\Tools\\"));
    EXPECT_EQ(folder, QStringLiteral("C:\\Tools\\"));

    QString root = QStringLiteral("C:\\");
    EXPECT_EQ(AddBackSlash(root), QStringLiteral("C:\\"));
    EXPECT_EQ(root, QStringLiteral("C:\\"));

    QString empty;
    EXPECT_EQ(AddBackSlash(empty), QStringLiteral("\\"));
    EXPECT_EQ(empty, QStringLiteral("\\"));

    // A forward slash is no backslash.
    QString unix = QStringLiteral("/opt/");
    EXPECT_EQ(AddBackSlash(unix), QStringLiteral("/opt/\\"));
}

TEST(AddBackSlash, TakesThePlatformSeparator)
{
    QString folder = QStringLiteral("/opt/addrell");
    EXPECT_EQ(AddBackSlash(folder, u'/'), QStringLiteral("/opt/addrell/"));
    QString root = QStringLiteral("/");
    EXPECT_EQ(AddBackSlash(root, u'/'), QStringLiteral("/"));
}

TEST(KeyedCollection, KeepsOrderAndReadsByPositionOrCaselessKey)
{
    KeyedCollection<QString> collection;
    collection.add(QStringLiteral("Name"), QStringLiteral("Pat"));
    collection.add(QStringLiteral("AddLine1"), QStringLiteral("1 Road"));
    collection.add(QStringLiteral("2"), QStringLiteral("two"));

    EXPECT_EQ(collection.count(), 3);
    EXPECT_EQ(collection.item(1), QStringLiteral("Pat"));
    EXPECT_EQ(collection.item(3), QStringLiteral("two"));
    EXPECT_EQ(collection.item(QStringLiteral("NAME")), QStringLiteral("Pat"));
    EXPECT_EQ(collection.item(QStringLiteral("addline1")), QStringLiteral("1 Road"));
    // A key that looks like a number is still a key, not a position.
    EXPECT_EQ(collection.item(QStringLiteral("2")), QStringLiteral("two"));
}

TEST(KeyedCollection, FailsLikeTheRuntime)
{
    KeyedCollection<int> collection;
    collection.add(QStringLiteral("Key"), 1);
    EXPECT_EQ(errorNumber([&] { collection.add(QStringLiteral("KEY"), 2); }), 457);
    EXPECT_EQ(collection.count(), 1);
    EXPECT_EQ(errorNumber([&] { static_cast<void>(collection.item(0)); }), 9);
    EXPECT_EQ(errorNumber([&] { static_cast<void>(collection.item(2)); }), 9);
    EXPECT_EQ(errorNumber([&] { static_cast<void>(collection.item(-1)); }), 9);
    EXPECT_EQ(errorNumber([&] { static_cast<void>(collection.item(QStringLiteral("x"))); }), 5);

    try {
        collection.add(QStringLiteral("key"), 3);
        FAIL() << "a duplicate key was accepted";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.source(), QStringLiteral("Addrell"));
        EXPECT_EQ(
            error.description(),
            QStringLiteral("This key is already associated with an element of this collection"));
    }
}

TEST(LineEnds, ConvertsEveryKindOfLineEnd)
{
    const QString mixed = QStringLiteral("a\r\nb\rc\nd") + QChar::LineSeparator + "e" +
                          QChar::ParagraphSeparator + "\r\n";
    EXPECT_EQ(LineEnds::toCrLf(mixed), QStringLiteral("a\r\nb\r\nc\r\nd\r\ne\r\n\r\n"));
    EXPECT_EQ(LineEnds::toLf(mixed), QStringLiteral("a\nb\nc\nd\ne\n\n"));
    EXPECT_EQ(LineEnds::toCrLf(LineEnds::toLf(QStringLiteral("x\r\n\r\ny"))),
              QStringLiteral("x\r\n\r\ny"));
}

} // namespace
} // namespace addrell
