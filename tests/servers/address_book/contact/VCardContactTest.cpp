#include "servers/address_book/contact/VCardContact.h"
#include "vcard/VCardReader.h"

#include "QtPrinters.h"

#include <QBuffer>
#include <QFile>
#include <gtest/gtest.h>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;

// "FileAs / FullName / CompanyName / MailingAddress" of every card, groups marked "list: ".
QStringList contactsIn(QIODevice& device, QLocale::Territory home)
{
    QStringList contacts;
    VCardReader(device).readAll([&contacts, home](const VCard& card) {
        const VCardContact contact(card, home);
        contacts << (contact.itemClass() == VCardContact::kDistributionListClass ? u"list: "_s
                                                                                 : QString()) +
                        QStringList{contact.fileAs(), contact.fullName(), contact.companyName(),
                                    contact.mailingAddress()}
                            .join(u" / ");
    });
    return contacts;
}

// One row per fixture: every card as the contact handlers see it, posted from the US.
TEST(VCardContact, MapsEveryFixtureCard)
{
    const std::pair<QString, QStringList> rows[] = {
        {u"outlook21.vcf"_s,
         {u"Okafor, Benedikt J. / Dr. Benedikt J. Okafor / Lindqvist & Partner / "
          u"Grünstraße 12\r\nHinterhaus\r\n10115 Berlin\r\nDeutschland"_s,
          u"Brennan, Siobhán / Siobhán Brennan /  / 77 Quarry Lane\r\nBozeman, MT  59715"_s,
          u"Harbour Lights Bakery /  / Harbour Lights Bakery / "
          u"Unit 4\r\n12 Pier Road\r\nDock Estate\r\nPortland, ME  04101"_s}},
        {u"evolution30.vcf"_s,
         {u"Nakamura, Aiko / Aiko Nakamura / Kestrel Instruments; Ltd / "
          u"400 Research Pkwy\r\nBuilding C\r\nAnn Arbor, MI  48105"_s,
          u"Fairweather, Colm / Colm Fairweather /  / Via Roma 5\r\n10121  Torino\r\nTO\r\nITALY"_s,
          u"list: Choir Committee / Choir Committee /  / "_s,
          u"Berg / Maarten van der Berg /  / "
          u"Keizersgracht 221\r\n1016 DV  Amsterdam\r\nNETHERLANDS"_s}},
        {u"vcard40.vcf"_s,
         {u"Oyelaran, Funmilayo / Funmilayo A. Oyelaran-Whitfield / Meridian Freight / "
          u"Meridian Freight\r\n1200 Terminal Blvd\r\nSuite 40\r\nCharlotte, NC  28202"_s,
          u"list: Board of Trustees / Board of Trustees /  / "_s,
          u"Tremblay, Élodie / Mme Élodie Tremblay /  / "
          u"Apt 12\r\n455 Rue Sherbrooke Ouest\r\nMontréal, QC  H3A 1B7\r\nCANADA"_s,
          u"Castellanos, Rubén / Rubén Castellanos /  / PO Box 88\r\nTaos, NM  87571"_s}},
        {u"mapping.vcf"_s,
         {u"Abara, Chidi / Chidi Abara /  / "_s,
          u"Bergström, Linnea Maja / Linnea Maja Bergström /  / 3 Pine Ave\r\nTulsa, OK  74104"_s,
          u"Castillo, Diego / Diego Castillo /  / PO Drawer 9\r\nBoise, ID  83701"_s,
          u"Dubois, Amélie / Amélie Dubois /  / "_s,
          u"Ellison, Grace / Grace Ellison /  / "
          u"221 Baker Street\r\nLondon\r\nNW1 6XE\r\nUNITED KINGDOM"_s,
          u"Farouk, Nadia / Nadia Farouk /  / "
          u"c/o Lone Star Lofts\r\n7 Second St\r\nAustin, TX  78702"_s,
          u"Grünewald, Tobias / Tobias Grünewald /  / Hauptstraße 5\r\n80331 München\r\nGERMANY"_s,
          u"Hoffmann, Petra / Petra Hoffmann /  / "
          u"Hauptstr. 5\r\n80331  München\r\nBayern\r\nGERMANY"_s,
          u"Iwu / Iwu /  / 9 Shore Rd\r\nKenosha"_s, u"Jun Wei / Jun Wei /  / 10 Hill Ct"_s,
          u"Whitaker, Lionel / Lionel Whitaker Jr. / Whitaker Feed & Seed / "_s,
          u"list: Book Club / Book Club /  / "_s,
          u"Kowalczyk, Anna Maria Zofia / Anna Maria Zofia Kowalczyk /  / c/o Northwind "
          u"Traders\r\nSuite 210\r\n4100 Harbor Boulevard\r\nLong Beach, CA  90802"_s}},
    };
    for (const auto& [fixture, expected] : rows) {
        QFile file(QStringLiteral(ADDRELL_TEST_DATA "/vcard/") + fixture);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << fixture.toStdString();
        EXPECT_EQ(contactsIn(file, QLocale::UnitedStates), expected) << fixture.toStdString();
    }
}

// The country letters are posted in is left off, however the card spells it: in a label, in an
// address written whole into one field, and in one built from its parts. Any other country of
// an address built from its parts is named in English capitals.
TEST(VCardContact, SetsOutTheAddressForWhereItIsPosted)
{
    constexpr auto US = QLocale::UnitedStates;
    constexpr auto DE = QLocale::Germany;
    const std::tuple<QLocale::Territory, const char*, QString> rows[] = {
        {US,
         "ADR;TYPE=HOME:;;1 Oak St;Dayton;OH;45402;USA\nLABEL;TYPE=HOME:1 Oak St\\nDayton\\, OH "
         "45402\\nUnited States of America",
         u"1 Oak St\r\nDayton, OH 45402"_s},
        {US, "ADR;LABEL=\"Kim Lee^n1 Oak St^nDayton^nu.s.a.\":;;1 Oak St;;;;",
         u"1 Oak St\r\nDayton"_s},
        {DE,
         "ADR;HOME:;;Hauptstr. 5;;;;\nLABEL;HOME;ENCODING=QUOTED-PRINTABLE:Hauptstr. 5=0D=0A80331 "
         "M=C3=BCnchen=0D=0ADeutschland",
         u"Hauptstr. 5\r\n80331 München"_s},
        {DE, "ADR:;Hauptstr. 5\\n80331 München\\nGermany;;;;;", u"Hauptstr. 5\r\n80331 München"_s},
        {DE, "ADR:;;Hauptstr. 5\\n80331 München\\nDE;;;;", u"Hauptstr. 5\r\n80331 München"_s},
        {QLocale::Switzerland, "ADR:;;Bahnhofstrasse 1;Zürich;;8001;CHE",
         u"Bahnhofstrasse 1\r\n8001  Zürich"_s},
        // Anyone else's country stays, as written when the address is whole in one field.
        {DE, "ADR:;;1 Oak St\\nDayton\\, OH 45402\\nUSA;;;;",
         u"1 Oak St\r\nDayton, OH 45402\r\nUSA"_s},
        {US, "ADR:;;Drottninggatan 5;Stockholm;;111 51;SE",
         u"Drottninggatan 5\r\n111 51  Stockholm\r\nSWEDEN"_s},
        {US, "ADR:;;Hauptstr. 5;München;;80331;Deutschland",
         u"Hauptstr. 5\r\n80331  München\r\nGERMANY"_s},
        {US, "ADR:;;Rua Augusta 10;Lisboa;;1100-053;prt",
         u"Rua Augusta 10\r\n1100-053  Lisboa\r\nPORTUGAL"_s},
        {US, "ADR:;;Hafenweg 3;Neustadt;;;Großherzogtum Nirgendwo",
         u"Hafenweg 3\r\nNeustadt\r\nGROSSHERZOGTUM NIRGENDWO"_s},
        // Several values: each of a street or extended address a line, an escaped comma none.
        {DE, "ADR:;;c/o Northwind Traders,Suite 210,4100 Harbor Boulevard;Long Beach;CA;90802;USA",
         u"c/o Northwind Traders\r\nSuite 210\r\n4100 Harbor Boulevard\r\nLong Beach, CA  "
         u"90802\r\nUNITED STATES OF AMERICA"_s},
        {US, "ADR;HOME:;Flat 3,Rose Court;12 High St\\, Rear;Leeds;West Yorkshire;LS1 4AB;GB",
         u"Flat 3\r\nRose Court\r\n12 High St, Rear\r\nLeeds\r\nWest Yorkshire\r\nLS1 "
         u"4AB\r\nUNITED KINGDOM"_s},
        {US, "ADR:PO Box 4,Stop 9;;Unter den Linden 1;Mitte,Berlin;;10117;DE",
         u"Unter den Linden 1\r\nPO Box 4, Stop 9\r\n10117  Mitte, Berlin\r\nGERMANY"_s},
    };
    for (const auto& [home, address, expected] : rows) {
        QByteArray card =
            "BEGIN:VCARD\nN:Lee;Kim\nFN:Kim Lee\n" + QByteArray(address) + "\nEND:VCARD\n";
        QBuffer buffer(&card);
        buffer.open(QIODevice::ReadOnly);
        EXPECT_EQ(contactsIn(buffer, home), QStringList{u"Lee, Kim / Kim Lee /  / "_s + expected})
            << address;
    }
}

} // namespace
} // namespace addrell
