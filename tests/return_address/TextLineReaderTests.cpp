#include "TempFiles.h"
#include "automation/AutomationError.h"
#include "return_address/FileChannel.h"
#include "return_address/TextLineReader.h"

#include <QBuffer>
#include <QFile>
#include <gtest/gtest.h>

namespace addrell {
namespace {

QStringList readAll(const QByteArray& bytes, bool* utf8 = nullptr)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    TextLineReader reader(buffer);
    if (utf8 != nullptr) {
        *utf8 = reader.isUtf8();
    }
    QStringList result;
    while (!reader.atEnd()) {
        result << reader.readLine();
    }
    return result;
}

TEST(TextLineReader, EveryKindOfLineEndEndsOneLine)
{
    const QStringList expected{"a", "", "b ", " c"};
    EXPECT_EQ(readAll("a\r\n\r\nb \r\n c\r\n"), expected);
    EXPECT_EQ(readAll("a\r\n\r\nb \r\n c"), expected);
    EXPECT_EQ(readAll("a\n\nb \n c\n"), expected);
    EXPECT_EQ(readAll("a\r\rb \r c"), expected);
    EXPECT_EQ(readAll("a\n\r\nb \r c\n"), expected);
    // LF CR is two line ends, not one.
    EXPECT_EQ(readAll("a\n\rb"), (QStringList{"a", "", "b"}));
    EXPECT_TRUE(readAll("").isEmpty());
    EXPECT_EQ(readAll("\r\n"), QStringList{""});
}

TEST(TextLineReader, CrLfSplitAcrossReadChunksIsOneLineEnd)
{
    for (const qsizetype first : {65535, 65536, 65537}) {
        QByteArray bytes(first - 1, 'x');
        bytes += "\r\nnext";
        const QStringList result = readAll(bytes);
        ASSERT_EQ(result.size(), 2) << first;
        EXPECT_EQ(result[0].size(), first - 1);
        EXPECT_EQ(result[1], QStringLiteral("next"));
    }
}

TEST(TextLineReader, ReadingPastTheEndIsErrorSixtyTwo)
{
    QBuffer buffer;
    buffer.setData("only");
    buffer.open(QIODevice::ReadOnly);
    TextLineReader reader(buffer);
    EXPECT_EQ(reader.readLine(), QStringLiteral("only"));
    EXPECT_TRUE(reader.atEnd());
    try {
        static_cast<void>(reader.readLine());
        FAIL() << "read past the end";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.number(), 62);
    }
}

TEST(TextLineReader, DecodesUtf8OrWindows1252)
{
    bool utf8 = false;
    EXPECT_EQ(readAll("Ren\xc3\xa9\r\nZ\xc3\xbcrich", &utf8),
              (QStringList{QStringLiteral("René"), QStringLiteral("Zürich")}));
    EXPECT_TRUE(utf8);

    EXPECT_EQ(readAll("\xEF\xBB\xBFPat\r\nX", &utf8), (QStringList{"Pat", "X"}));
    EXPECT_TRUE(utf8);
    EXPECT_EQ(readAll("\xEF\xBB\xBF"), QStringList{});

    // One byte that is no UTF-8 makes the whole file Windows-1252, earlier lines included.
    EXPECT_EQ(readAll("Andr\xc3\xa9\r\nRen\xe9 \x80\x96\x9f\x81", &utf8),
              (QStringList{QStringLiteral("AndrÃ©"), QStringLiteral("René €–Ÿ") + QChar(0x81)}));
    EXPECT_FALSE(utf8);

    // Overlong forms, surrogates and a sequence cut off at the end are not UTF-8.
    for (const QByteArray& bad : {QByteArray("\xc0\xaf"), QByteArray("\xed\xa0\x80"),
                                  QByteArray("ok\xe2\x82"), QByteArray("\xf4\x90\x80\x80")}) {
        readAll(bad, &utf8);
        EXPECT_FALSE(utf8) << bad.toHex().toStdString();
    }
}

TEST(FileChannel, OpensOneRegularFileAtATime)
{
    const testing::TempFiles files;
    const QString path = files.write(QStringLiteral("a.txt"), "line\r\n");
    const auto errorOpening = [](FileChannel& channel, const QString& name) {
        try {
            channel.open(name);
        } catch (const AutomationError& error) {
            return error.number();
        }
        return 0;
    };

    FileChannel channel;
    EXPECT_EQ(errorOpening(channel, QString()), 52);
    EXPECT_EQ(errorOpening(channel, files.path() + QStringLiteral("/missing.txt")), 53);
    EXPECT_EQ(errorOpening(channel, files.path()), 75);
    EXPECT_FALSE(channel.isOpen());

    EXPECT_EQ(errorOpening(channel, path), 0);
    EXPECT_EQ(errorOpening(channel, path), 55);
    EXPECT_EQ(channel.readLine(), QStringLiteral("line"));
    EXPECT_TRUE(channel.atEnd());
    channel.closeAll();
    EXPECT_FALSE(channel.isOpen());
    EXPECT_THROW(static_cast<void>(channel.atEnd()), AutomationError);

    QFile::setPermissions(path, QFileDevice::WriteOwner);
    if (!QFile(path).open(QIODevice::ReadOnly)) { // root reads anything
        EXPECT_EQ(errorOpening(channel, path), 75);
    }
}

} // namespace
} // namespace addrell
