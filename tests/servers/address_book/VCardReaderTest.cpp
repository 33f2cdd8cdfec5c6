#include "servers/address_book/VCardReader.h"

#include "QtPrinters.h"

#include <QBuffer>
#include <QFile>
#include <gtest/gtest.h>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;

QList<VCard> readCards(QByteArray data)
{
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QList<VCard> cards;
    VCardReader reader(buffer);
    const qsizetype count = reader.readAll([&cards](const VCard& card) { cards.append(card); });
    EXPECT_EQ(count, cards.size());
    EXPECT_FALSE(reader.hasReadError());
    return cards;
}

QByteArray fixture(const QString& name)
{
    QFile file(QStringLiteral(ADDRELL_TEST_DATA "/vcard/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

QStringList valuesOf(const QList<VCard>& cards, QStringView name)
{
    QStringList values;
    for (const VCard& card : cards) {
        values.append(card.value(name));
    }
    return values;
}

QStringList namesOf(const VCard& card)
{
    QStringList names;
    for (const VCardProperty& property : card.properties()) {
        names.append(property.name());
    }
    return names;
}

// A random-access device whose reads fail from byte `failAt` on, like a disk that gives out.
class FailingDevice : public QIODevice {
public:
    FailingDevice(QByteArray data, qint64 failAt) : m_data(std::move(data)), m_failAt(failAt) {}
    qint64 size() const override { return m_data.size(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 count = std::min(maxSize, m_failAt - m_offset);
        if (count <= 0) {
            return -1;
        }
        std::copy_n(m_data.constData() + m_offset, count, data);
        m_offset += count;
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_data;
    qint64 m_failAt;
    qint64 m_offset = 0;
};

TEST(VCardReader, ReadsEveryVersionInFileOrder)
{
    struct Row {
        QString fixture;
        QStringList formattedNames;
        QStringList versions;
    };
    const Row rows[] = {
        {u"outlook21.vcf"_s,
         {u"Dr. Benedikt J. Okafor"_s, u"Siobhán Brennan"_s, u""_s},
         {u"2.1"_s, u"2.1"_s, u"2.1"_s}},
        {u"evolution30.vcf"_s,
         {u"Aiko Nakamura"_s, u"Colm Fairweather"_s, u"Choir Committee"_s,
          u"Maarten van der Berg"_s},
         {u"3.0"_s, u"3.0"_s, u"3.0"_s, u"3.0"_s}},
        {u"vcard40.vcf"_s,
         {u"Funmilayo A. Oyelaran-Whitfield"_s, u"Board of Trustees"_s, u""_s,
          u"Rubén Castellanos"_s},
         {u"4.0"_s, u"4.0"_s, u"4.0"_s, u"4.0"_s}},
        {u"broken.vcf"_s, {u"Ingrid Solberg"_s, u"Tariq Haddad"_s}, {u"3.0"_s, u"3.0"_s}},
    };
    for (const Row& row : rows) {
        const QList<VCard> cards = readCards(fixture(row.fixture));
        EXPECT_EQ(valuesOf(cards, u"FN"), row.formattedNames) << row.fixture.toStdString();
        QStringList versions;
        for (const VCard& card : cards) {
            versions.append(card.version());
        }
        EXPECT_EQ(versions, row.versions) << row.fixture.toStdString();
    }
}

TEST(VCardReader, JoinsSoftBreaksAndFoldedLines)
{
    const QList<VCard> outlook = readCards(fixture(u"outlook21.vcf"_s));
    ASSERT_EQ(outlook.size(), 3);
    EXPECT_EQ(outlook[1].value(u"NOTE"), u"Met at the “Harbour Fair”, paid €20 deposit."_s);
    EXPECT_EQ(outlook[0].properties(u"LABEL").front().value(),
              u"Dr. Benedikt J. Okafor\r\nGrünstraße 12\r\nHinterhaus\r\n10115 Berlin\r\n"
              u"Deutschland"_s);
    // The photo is dropped, the property after it and the agent's neighbours are kept.
    EXPECT_EQ(namesOf(outlook[0]).filter(u"PHOTO"_s), QStringList());
    EXPECT_EQ(outlook[0].value(u"REV"), u"20240105T101500Z"_s);
    EXPECT_EQ(namesOf(outlook[1]), (QStringList{u"VERSION"_s, u"N"_s, u"FN"_s, u"NOTE"_s, u"ADR"_s,
                                                u"AGENT"_s, u"TEL"_s}));

    const QList<VCard> evolution = readCards(fixture(u"evolution30.vcf"_s));
    ASSERT_EQ(evolution.size(), 4);
    EXPECT_EQ(evolution[0].value(u"NOTE"),
              u"Prefers letters to e-mail; answers within a week. Folded once here and once "
              u"more here."_s);
    EXPECT_EQ(evolution[3].property(u"ADR")->component(2), u"Keizersgracht 221"_s);
    EXPECT_TRUE(evolution[3].property(u"ADR")->hasType(u"home"));

    // A soft break keeps the next line's leading blanks; a fold drops one.
    const QList<VCard> breaks = readCards("BEGIN:VCARD\nNOTE;QUOTED-PRINTABLE:a=\n  b\n"
                                          "X-FOLD:a\n  b\nEND:VCARD\n");
    ASSERT_EQ(breaks.size(), 1);
    EXPECT_EQ(breaks[0].value(u"NOTE"), u"a  b"_s);
    EXPECT_EQ(breaks[0].value(u"X-FOLD"), u"a b"_s);
}

TEST(VCardReader, LineEndsDoNotChangeTheCards)
{
    const QByteArray lf = fixture(u"evolution30.vcf"_s);
    QByteArray crlf = lf;
    crlf.replace("\n", "\r\n");
    const QList<VCard> fromLf = readCards(lf);
    const QList<VCard> fromCrlf = readCards(crlf);
    ASSERT_EQ(fromLf.size(), fromCrlf.size());
    for (qsizetype i = 0; i < fromLf.size(); ++i) {
        EXPECT_EQ(namesOf(fromLf[i]), namesOf(fromCrlf[i]));
        EXPECT_EQ(fromLf[i].value(u"NOTE"), fromCrlf[i].value(u"NOTE"));
    }
}

TEST(VCardReader, DropsWhatIsTooLargeAndKeepsTheRest)
{
    const QByteArray huge(VCardLineReader::kMaxLineBytes + 1000, 'x');
    QByteArray folded;
    for (int i = 0; i < 20000; ++i) {
        folded += " 0123456789012345678901234567890123456789012345678901234567890123456789\r\n";
    }
    const QList<VCard> cards = readCards("BEGIN:VCARD\r\nFN:First\r\nNOTE:" + huge +
                                         "\r\nPHOTO;VALUE=uri:data:image/png\r\n" + folded +
                                         "TEL:1\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:Second\r\n"
                                         "END:VCARD\r\n");
    ASSERT_EQ(cards.size(), 2);
    EXPECT_EQ(namesOf(cards[0]), (QStringList{u"FN"_s, u"TEL"_s}));
    EXPECT_EQ(cards[1].value(u"FN"), u"Second"_s);

    EXPECT_TRUE(readCards("BEGIN:VCARD\nNOTE:" + huge + huge + huge).isEmpty());

    QByteArray many = "BEGIN:VCARD\n";
    for (qsizetype i = 0; i < VCardReader::kMaxPropertiesPerCard + 500; ++i) {
        many += "TEL:" + QByteArray::number(i) + "\n";
    }
    const QByteArray big(900 * 1024, 'n');
    for (int i = 0; i < 6; ++i) {
        many += "NOTE:" + big + "\n";
    }
    const QList<VCard> capped = readCards(many + "FN:Late\nEND:VCARD\n");
    ASSERT_EQ(capped.size(), 1);
    EXPECT_EQ(capped[0].properties().size(), VCardReader::kMaxPropertiesPerCard);
    EXPECT_TRUE(capped[0].value(u"FN").isEmpty());

    const QList<VCard> budget =
        readCards("BEGIN:VCARD\n" + many.sliced(many.indexOf("NOTE:")) + "FN:Late\nEND:VCARD\n");
    ASSERT_EQ(budget.size(), 1);
    EXPECT_EQ(budget[0].properties(u"NOTE").size(), 4);
    EXPECT_EQ(budget[0].value(u"FN"), u"Late"_s);
}

TEST(VCardReader, ReadsALineFoldedManyTimes)
{
    // Neither a colon nor a quoted-printable soft break settles before the last fold.
    QByteArray folded = "BEGIN:VCARD\nX-NOTE;ENCODING=QUOTED-PRINTABLE;X-A=\"";
    for (int i = 0; i < 300000; ++i) {
        folded += "\n x";
    }
    const QList<VCard> cards = readCards(folded + "\":a=\nb\nFN:Folded\nEND:VCARD\n");
    ASSERT_EQ(cards.size(), 1);
    EXPECT_EQ(cards[0].value(u"X-NOTE"), u"ab"_s);
    EXPECT_EQ(cards[0].value(u"FN"), u"Folded"_s);
}

TEST(VCardReader, StopsAtAReadErrorAfterTheCardsBeforeIt)
{
    const QByteArray data = fixture(u"evolution30.vcf"_s);
    FailingDevice device(data, data.indexOf("FN:Choir"));
    device.open(QIODevice::ReadOnly);
    VCardReader reader(device);
    QStringList names;
    reader.readAll([&names](const VCard& card) { names.append(card.value(u"FN")); });
    EXPECT_EQ(names, (QStringList{u"Aiko Nakamura"_s, u"Colm Fairweather"_s}));
    EXPECT_TRUE(reader.hasReadError());
}

} // namespace
} // namespace addrell
