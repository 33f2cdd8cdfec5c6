#include "vcard/VCardReader.h"
#include "vcard/VCardPropertyParser.h"

#include "QtPrinters.h"

#include <QBuffer>
#include <QFile>
#include <gtest/gtest.h>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;

// Hands out its bytes at most `chunk` at a time, and fails from byte `failAt` on like a disk
// that gives out.
class ChunkedDevice : public QBuffer {
public:
    ChunkedDevice(QByteArray data, qint64 chunk, qint64 failAt)
        : m_data(std::move(data)), m_chunk(chunk), m_failAt(failAt < 0 ? m_data.size() + 1 : failAt)
    {
        setBuffer(&m_data);
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        return pos() < m_failAt
                   ? QBuffer::readData(data, std::min({maxSize, m_chunk, m_failAt - pos()}))
                   : -1;
    }

private:
    QByteArray m_data;
    qint64 m_chunk;
    qint64 m_failAt;
};

// "FN: NOTE" of every card read, and whether reading stopped on an error.
std::pair<QStringList, bool> readCards(QByteArray data, qint64 chunk = 16384, qint64 failAt = -1)
{
    ChunkedDevice device(std::move(data), chunk, failAt);
    VCardReader reader(device);
    QStringList cards;
    reader.readAll(
        [&](const VCard& card) { cards << card.value(u"FN") + u": "_s + card.value(u"NOTE"); });
    return {cards, reader.hasReadError()};
}

QByteArray fixture(const QString& name)
{
    QFile file(QStringLiteral(ADDRELL_TEST_DATA "/vcard/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

// Every fixture in one read and a byte at a time, so no line end, byte-order mark or UTF-16
// character split across reads changes a card.
TEST(VCardReader, ReadsEveryFixture)
{
    const std::pair<QString, QStringList> rows[] = {
        {u"broken.vcf"_s,
         {u"Never Closed: "_s, u"Ingrid Solberg: "_s, u"Tariq Haddad: "_s, u"Cut Off At End: "_s}},
        {u"reader/qp-soft-break.vcf"_s,
         {u"Hannelore Voss: Hof über die Einfahrt"_s, u"Ilse Krämer: Bitte bei Krämer klingeln"_s}},
        {u"reader/joined-bom.vcf"_s,
         {u"Ada One: "_s, u"Ben Two: no line end after END"_s, u"Cy Three: "_s}},
        {u"reader/cr-only.vcf"_s, {u"Cora Mac: written on a Mac, folded once"_s, u"Dirk Mac: "_s}},
        {u"reader/utf16le.vcf"_s, {u"Zoë Ångström: € 5 for 𝄞"_s, u"Émile Roux: "_s}},
        {u"reader/utf16be.vcf"_s, {u"Zoë Ångström: € 5 for 𝄞"_s, u"Émile Roux: "_s}},
        {u"reader/latin1.vcf"_s, {u"René Müller: “Café” € 12"_s, u"Søren „Bo“ Lund: "_s}},
        {u"reader/missing-end.vcf"_s,
         {u"Una Open: no end line"_s, u"Vic Agent: after the agent"_s,
          u"Xia Last: cut off at the end"_s}},
    };
    for (const auto& [name, expected] : rows) {
        EXPECT_EQ(readCards(fixture(name)), std::pair(expected, false)) << name.toStdString();
        EXPECT_EQ(readCards(fixture(name), 1).first, expected) << name.toStdString() << " bytewise";
    }
    // A read error ends the input, and the card it cut short is no card.
    const QByteArray data = fixture(u"vdir/a-1.VCF"_s);
    EXPECT_EQ(readCards(data, 10, data.indexOf("FN:Xenia")),
              std::pair(QStringList{u"Yusuf Demir: "_s}, true));
}

TEST(VCardReader, DropsWhatIsTooLargeAndKeepsTheRest)
{
    const QByteArray huge(VCardLineReader::kMaxLineBytes + 1000, 'x');
    const QByteArray folded =
        QByteArray(" 0123456789012345678901234567890123456789\r\n").repeated(40000);
    EXPECT_EQ(readCards("BEGIN:VCARD\r\nFN:First\r\nNOTE:" + huge +
                        "\r\nPHOTO;VALUE=uri:data:image/png\r\n" + folded +
                        "NOTE:kept\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:Second\r\nEND:VCARD\r\n")
                  .first,
              (QStringList{u"First: kept"_s, u"Second: "_s}));
    // Garbage and cards with nothing in them give no card.
    EXPECT_EQ(readCards(QByteArray("BEGIN:VCARD\n\0\xFF\xFE\x80\r:\n", 19).repeated(9) +
                        "BEGIN:VCARD\nFN:After\nEND:VCARD")
                  .first,
              QStringList{u"After: "_s});

    // At the limits a card still takes a late property; one past them it does not.
    for (const qsizetype over : {0, 1}) {
        QByteArray tels;
        for (qsizetype i = 1; i < VCardReader::kMaxPropertiesPerCard + over; ++i) {
            tels += "TEL:" + QByteArray::number(i) + "\n";
        }
        // Five notes that fill the card's value budget to four characters short of it, or three.
        const QByteArray note = "NOTE:" + QByteArray(838860, 'n') + "\n";
        const QByteArray notes = "NOTE:" + QByteArray(838860 + over, 'n') + "\n" + note.repeated(4);
        const QString late = over == 0 ? u"Late: "_s : u": "_s;
        EXPECT_EQ(readCards("BEGIN:VCARD\n" + tels + "FN:Late\nEND:VCARD\n").first,
                  QStringList{late});
        EXPECT_TRUE(readCards("BEGIN:VCARD\n" + notes + "FN:Late\nEND:VCARD\n")
                        .first.front()
                        .startsWith(late + u'n'));
    }
}

VCardProperty parsed(QByteArrayView line)
{
    return VCardPropertyParser::parse(line).value();
}

TEST(VCardPropertyParser, ReadsGroupsAndBareQuotedAndCaretEncodedParameters)
{
    const VCardProperty adr =
        parsed(R"(item1.adr;HOME;type="x,pref";LABEL="Flat 2; Rose: ^'rear^' ^^^nUp":;;1 Rd)");
    EXPECT_EQ(adr.group() + u'.' + adr.name(), u"item1.ADR"_s);
    EXPECT_TRUE(adr.hasType(u"home") && adr.hasType(u"PREF"));
    EXPECT_EQ(adr.parameterValues(u"label"), QStringList{u"Flat 2; Rose: \"rear\" ^\nUp"_s});
    EXPECT_EQ(adr.components(), (QStringList{u""_s, u""_s, u"1 Rd"_s}));
    EXPECT_FALSE(parsed("TEL;QUOTED-PRINTABLE:1").hasType(u"QUOTED-PRINTABLE"));
}

// Escapes resolve per component; transfer encodings and charsets are undone; binary values
// are not kept.
TEST(VCardPropertyParser, DecodesValues)
{
    const std::pair<const char*, QStringList> rows[] = {
        {R"(N:a\;b;c\,d;e\\f;g\nh;C:\temp\)",
         {u"a;b"_s, u"c,d"_s, u"e\\f"_s, u"g\nh"_s, u"C:\\temp\\"_s}},
        {"NOTE;CHARSET=windows-1252;ENCODING=QUOTED-PRINTABLE:=80=93x=94", {u"€“x”"_s}},
        {"TEL;HOME;QUOTED-PRINTABLE:+1 555=2D0100", {u"+1 555-0100"_s}},
        {"NOTE;ENCODING=QUOTED-PRINTABLE:=93Hi=94 =E9t=E9", {u"“Hi” été"_s}},
        {"NOTE;CHARSET=x-unknown:caf\xC3\xA9", {u"café"_s}},
        {"NOTE;CHARSET=US-ASCII:\x93ok\x94", {u"“ok”"_s}},
        {"NOTE;ENCODING=QUOTED-PRINTABLE:a=zz=4=", {u"a=zz=4="_s}},
        {"PHOTO;TYPE=JPEG;BASE64:/9j/4AAQSkZJRg", {u""_s}},
        {"KEY;ENCODING=b:AAAA", {u""_s}},
    };
    for (const auto& [line, components] : rows) {
        EXPECT_EQ(parsed(line).components(), components) << line;
    }
    // Structured values: only an unescaped comma parts the values of a component.
    EXPECT_EQ(parsed(R"(ADR:;;a\,b,c\\,d;e\;f,;g\nh)").componentValues(),
              (std::vector<VCardProperty::Values>{
                  {u""_s}, {u""_s}, {u"a,b"_s, u"c\\"_s, u"d"_s}, {u"e;f"_s, u""_s}, {u"g\nh"_s}}));
}

} // namespace
} // namespace addrell
