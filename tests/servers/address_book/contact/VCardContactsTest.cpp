#include "servers/address_book/contact/VCardContacts.h"

#include "automation/AutomationError.h"

#include "QtPrinters.h"
#include "TempFiles.h"

#include <QDirIterator>
#include <QFile>
#include <gtest/gtest.h>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;

// Cards that test where a file may be cut and what the filter may pass over ("|" ends a line, "#"
// is the card's number): soft breaks swallowing lines, agents, BEGINs with a line folded onto
// them, missing ENDs, cards only what the mapping skips fills, and one that nothing fills.
QByteArray card(int n)
{
    const char* const cards[] = {
        "BEGIN:VCARD|VERSION:3.0|N:Doe#;Jo|ORG:Acme|ADR;TYPE=WORK:;;# Elm;Reno;NV;1;USA|END:VCARD|",
        "BEGIN:VCARD|FN:Qp #|ADR;HOME;QUOTED-PRINTABLE:;;# Rd=0D=0A=|Back;Town;;;|END:VCARD|",
        "BEGIN:VCARD|FN:#|NOTE;QUOTED-PRINTABLE:a=|ORG:no=|END:VCARD|",
        "BEGIN:VCARD|TEL:#|END:VCARD|BEGIN:VCARD|EMAIL:x|BEGIN:VCARD|FN:In|",
        "BEGIN:VCARD|FN:#|AGENT:|BEGIN:VCARD|END:VCARD|BEGIN:VCARD| X:1|N:Folded|END:VCARD|",
        "begin:vcard|PHOTO;ENCODING=b:#|| AAAA|end:vcard|",
        "BEGIN:VCARD|KIND:group|FN| :List #|NOTE;ENCODING=| QUOTED-PRINTABLE:a=|FN:no|",
        "BEGIN:VCARD|item1.ADR:;;#|item1.LABEL:Label #|X-MS-OL-DEFAULT-POSTAL-ADDRESS:3|END:VCARD|",
        "BEGIN:VCARD|FN:#|AGENT:|TEL:1|BEGIN:VCARD|FN:B|AGENT:|X\"Y\":1|",
        "BEGIN:VCARD|FN:#|AGENT:|X!;QUOTED-PRINTABLE:=|END:VCARD|BEGIN:VCARD|FN:In|END:VCARD|",
    };
    return QByteArray(cards[n % std::size(cards)])
        .replace('#', QByteArray::number(n))
        .replace('|', n / 10 % 2 == 0 ? "\r\n" : "\n");
}

// Each record as the contact handlers see it, or the error reading them gives.
QStringList describe(const std::function<std::vector<VCardContact>()>& read)
{
    QStringList records;
    try {
        for (const VCardContact& contact : read()) {
            records << u"%1|%2|%3|%4|%5"_s.arg(contact.itemClass())
                           .arg(contact.fileAs(), contact.fullName(), contact.companyName(),
                                contact.mailingAddress());
        }
    } catch (const AutomationError& error) {
        records << u"error %1: %2"_s.arg(error.number()).arg(error.description());
    }
    return records;
}

// Read every property on one thread as before, only the mapping's on one thread, and those on
// four threads cut as small as can be: the same records in the same order, the same errors.
TEST(VCardContacts, ThreadsAndThePropertyFilterChangeNothing)
{
    const testing::TempFiles temp;
    const testing::TempFiles vdir;
    QByteArray book;
    for (int n = 0; n < 10000; ++n) {
        book += card(n);
        vdir.write(u"%1.vcf"_s.arg(n, 5, 10, QLatin1Char('0')), card(n));
    }
    QStringList paths = {temp.write(u"book.vcf"_s, book), vdir.path(),
                         temp.write(u"gone.vcf"_s, book)};
    QDirIterator fixtures(u"" ADDRELL_TEST_DATA "/vcard"_s, QDirIterator::Subdirectories);
    while (fixtures.hasNext()) {
        paths << fixtures.next();
    }
    std::vector<VCardSource> sources(paths.begin(), paths.end());
    ASSERT_TRUE(QFile::remove(temp.path() + u"/gone.vcf"_s) &&
                QFile::remove(vdir.path() + u"/00007.vcf"_s));
    const auto home = QLocale::UnitedStates;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const VCardSource& source = sources[static_cast<std::size_t>(i)];
        const QStringList expected = describe([&] {
            std::vector<VCardContact> all;
            VCardContacts::readCards(source,
                                     [&](const VCard& card) { all.emplace_back(card, home); });
            return all;
        });
        for (const VCardSource::Threads threads : {VCardSource::Threads{1}, {4, 1, 1}}) {
            EXPECT_EQ(describe([&] { return VCardContacts::read(source, home, threads); }),
                      expected)
                << paths[i].toStdString() << " on threads: " << threads.count;
        }
    }
}

} // namespace
} // namespace addrell
