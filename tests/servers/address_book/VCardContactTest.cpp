#include "servers/address_book/VCardContact.h"
#include "servers/address_book/VCardReader.h"

#include "QtPrinters.h"

#include <QFile>
#include <gtest/gtest.h>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;

struct Expected {
    std::int32_t itemClass;
    QString fileAs;
    QString fullName;
    QString companyName;
    QString mailingAddress;
};

QList<VCardContact> contactsOf(const QString& fixture, QLocale::Territory home)
{
    QFile file(QStringLiteral(ADDRELL_TEST_DATA "/vcard/") + fixture);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << fixture.toStdString();
    QList<VCardContact> contacts;
    VCardReader(file).readAll(
        [&contacts, home](const VCard& card) { contacts.append(VCardContact(card, home)); });
    return contacts;
}

void expectContacts(const QString& fixture, QLocale::Territory home,
                    const QList<Expected>& expected)
{
    const QList<VCardContact> contacts = contactsOf(fixture, home);
    ASSERT_EQ(contacts.size(), expected.size()) << fixture.toStdString();
    for (qsizetype i = 0; i < contacts.size(); ++i) {
        SCOPED_TRACE(fixture.toStdString() + " card " + std::to_string(i + 1));
        EXPECT_EQ(contacts[i].itemClass(), expected[i].itemClass);
        EXPECT_EQ(contacts[i].fileAs(), expected[i].fileAs);
        EXPECT_EQ(contacts[i].fullName(), expected[i].fullName);
        EXPECT_EQ(contacts[i].companyName(), expected[i].companyName);
        EXPECT_EQ(contacts[i].mailingAddress(), expected[i].mailingAddress);
    }
}

constexpr std::int32_t kContact = VCardContact::kContactClass;
constexpr std::int32_t kList = VCardContact::kDistributionListClass;

// One row per fixture: every card as the contact handlers see it, posted from the US.
TEST(VCardContact, MapsEveryFixtureCard)
{
    const std::pair<QString, QList<Expected>> rows[] = {
        {u"outlook21.vcf"_s,
         {{kContact, u"Okafor, Benedikt J."_s, u"Dr. Benedikt J. Okafor"_s,
           u"Lindqvist & Partner"_s,
           u"Grünstraße 12\r\nHinterhaus\r\n10115 Berlin\r\nDeutschland"_s},
          {kContact, u"Brennan, Siobhán"_s, u"Siobhán Brennan"_s, u""_s,
           u"77 Quarry Lane\r\nBozeman, MT  59715"_s},
          {kContact, u"Harbour Lights Bakery"_s, u""_s, u"Harbour Lights Bakery"_s,
           u"Unit 4\r\n12 Pier Road\r\nDock Estate\r\nPortland, ME  04101"_s}}},
        {u"evolution30.vcf"_s,
         {{kContact, u"Nakamura, Aiko"_s, u"Aiko Nakamura"_s, u"Kestrel Instruments; Ltd"_s,
           u"400 Research Pkwy\r\nBuilding C\r\nAnn Arbor, MI  48105"_s},
          {kContact, u"Fairweather, Colm"_s, u"Colm Fairweather"_s, u""_s,
           u"Via Roma 5\r\n10121  Torino\r\nTO\r\nItaly"_s},
          {kList, u"Choir Committee"_s, u"Choir Committee"_s, u""_s, u""_s},
          {kContact, u"Berg"_s, u"Maarten van der Berg"_s, u""_s,
           u"Keizersgracht 221\r\n1016 DV  Amsterdam\r\nNetherlands"_s}}},
        {u"vcard40.vcf"_s,
         {{kContact, u"Oyelaran, Funmilayo"_s, u"Funmilayo A. Oyelaran-Whitfield"_s,
           u"Meridian Freight"_s,
           u"Meridian Freight\r\n1200 Terminal Blvd\r\nSuite 40\r\nCharlotte, NC  28202"_s},
          {kList, u"Board of Trustees"_s, u"Board of Trustees"_s, u""_s, u""_s},
          {kContact, u"Tremblay, Élodie"_s, u"Mme Élodie Tremblay"_s, u""_s,
           u"Apt 12\r\n455 Rue Sherbrooke Ouest\r\nMontréal, QC  H3A 1B7\r\nCanada"_s},
          {kContact, u"Castellanos, Rubén"_s, u"Rubén Castellanos"_s, u""_s,
           u"PO Box 88\r\nTaos, NM  87571"_s}}},
        {u"mapping.vcf"_s,
         {{kContact, u"Abara, Chidi"_s, u"Chidi Abara"_s, u""_s, u""_s},
          {kContact, u"Bergström, Linnea Maja"_s, u"Linnea Maja Bergström"_s, u""_s,
           u"3 Pine Ave\r\nTulsa, OK  74104"_s},
          {kContact, u"Castillo, Diego"_s, u"Diego Castillo"_s, u""_s,
           u"PO Drawer 9\r\nBoise, ID  83701"_s},
          {kContact, u"Dubois, Amélie"_s, u"Amélie Dubois"_s, u""_s, u""_s},
          {kContact, u"Ellison, Grace"_s, u"Grace Ellison"_s, u""_s,
           u"221 Baker Street\r\nLondon\r\nNW1 6XE\r\nUnited Kingdom"_s},
          {kContact, u"Farouk, Nadia"_s, u"Nadia Farouk"_s, u""_s,
           u"c/o Lone Star Lofts\r\n7 Second St\r\nAustin, TX  78702"_s},
          {kContact, u"Grünewald, Tobias"_s, u"Tobias Grünewald"_s, u""_s,
           u"Hauptstraße 5\r\n80331 München\r\nGERMANY"_s},
          {kContact, u"Hoffmann, Petra"_s, u"Petra Hoffmann"_s, u""_s,
           u"Hauptstr. 5\r\n80331  München\r\nBayern\r\nGermany"_s},
          {kContact, u"Iwu"_s, u"Iwu"_s, u""_s, u"9 Shore Rd\r\nKenosha"_s},
          {kContact, u"Jun Wei"_s, u"Jun Wei"_s, u""_s, u"10 Hill Ct"_s},
          {kContact, u"Whitaker, Lionel"_s, u"Lionel Whitaker Jr."_s, u"Whitaker Feed & Seed"_s,
           u""_s},
          {kList, u"Book Club"_s, u"Book Club"_s, u""_s, u""_s}}},
        {u"broken.vcf"_s,
         {{kContact, u"Solberg, Ingrid"_s, u"Ingrid Solberg"_s, u""_s, u""_s},
          {kContact, u"Tariq Haddad"_s, u"Tariq Haddad"_s, u""_s, u""_s}}},
    };
    for (const auto& [fixture, expected] : rows) {
        expectContacts(fixture, QLocale::UnitedStates, expected);
    }
}

TEST(VCardContact, LeavesOutTheCountryItIsPostedIn)
{
    const QList<VCardContact> fromGermany = contactsOf(u"mapping.vcf"_s, QLocale::Germany);
    ASSERT_EQ(fromGermany.size(), 12);
    EXPECT_EQ(fromGermany[7].mailingAddress(), u"Hauptstr. 5\r\n80331  München\r\nBayern"_s);
    EXPECT_EQ(fromGermany[8].mailingAddress(), u"9 Shore Rd\r\nKenosha\r\nU.S.A."_s);
    EXPECT_EQ(fromGermany[4].mailingAddress(),
              contactsOf(u"mapping.vcf"_s, QLocale::UnitedStates).at(4).mailingAddress());
}

} // namespace
} // namespace addrell
