#include "servers/address_book/VCardPropertyParser.h"
#include "servers/address_book/VCardValueDecoder.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;

VCardProperty parsed(QByteArrayView line)
{
    std::optional<VCardProperty> property = VCardPropertyParser::parse(line);
    if (!property) {
        ADD_FAILURE() << "no property in " << line.toByteArray().toStdString();
        return VCardProperty({}, {}, {}, {});
    }
    return *property;
}

TEST(VCardPropertyParser, BareParametersOf21AreTypesOrEncodings)
{
    const VCardProperty tel = parsed("tel;HOME;Voice;QUOTED-PRINTABLE:+1 555=2D0100");
    EXPECT_EQ(tel.name(), u"TEL"_s);
    EXPECT_TRUE(tel.hasType(u"home"));
    EXPECT_TRUE(tel.hasType(u"VOICE"));
    EXPECT_FALSE(tel.hasType(u"QUOTED-PRINTABLE"));
    EXPECT_EQ(tel.value(), u"+1 555-0100"_s);
}

TEST(VCardPropertyParser, QuotedParameterValuesKeepSeparators)
{
    const VCardProperty adr =
        parsed(R"(item1.ADR;type="home,pref";LABEL="Flat 2; Rose Ct: rear, left":;;1 Rd)");
    EXPECT_EQ(adr.group(), u"item1"_s);
    EXPECT_EQ(adr.name(), u"ADR"_s);
    EXPECT_TRUE(adr.hasType(u"PREF"));
    EXPECT_EQ(adr.parameterValues(u"label"), QStringList{u"Flat 2; Rose Ct: rear, left"_s});
    EXPECT_EQ(adr.component(2), u"1 Rd"_s);
    EXPECT_TRUE(adr.component(6).isEmpty());

    const VCardProperty caret = parsed(R"(NOTE;X-A="a^nb^'c^^d^x";X-B=1,2:v)");
    EXPECT_EQ(caret.parameterValues(u"X-A"), QStringList{u"a\nb\"c^d^x"_s});
    EXPECT_EQ(caret.parameterValues(u"X-B"), (QStringList{u"1"_s, u"2"_s}));
}

TEST(VCardPropertyParser, EscapesResolvePerComponent)
{
    const VCardProperty n = parsed(R"(N:a\;b;c\,d;e\\f;g\nh;C:\temp\)");
    EXPECT_EQ(n.components(),
              (QStringList{u"a;b"_s, u"c,d"_s, u"e\\f"_s, u"g\nh"_s, u"C:\\temp\\"_s}));
    EXPECT_EQ(n.value(), u"a;b;c,d;e\\f;g\nh;C:\\temp\\"_s);
}

TEST(VCardPropertyParser, DecodesCharsets)
{
    struct Row {
        const char* line;
        QString expected;
    };
    const Row rows[] = {
        {"NOTE;CHARSET=windows-1252;ENCODING=QUOTED-PRINTABLE:=80=93x=94", u"€“x”"_s},
        {"NOTE;ENCODING=QUOTED-PRINTABLE:=93Hi=94 =E9t=E9", u"“Hi” été"_s},
        {"NOTE;CHARSET=x-unknown:caf\xC3\xA9", u"café"_s},
        {"NOTE;CHARSET=ISO-8859-1:caf\xE9", u"café"_s},
        {"NOTE;ENCODING=QUOTED-PRINTABLE:a=zz=4=", u"a=zz=4="_s},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(parsed(row.line).value(), row.expected) << row.line;
    }
    EXPECT_EQ(VCardValueDecoder::decodeWindows1252("\x80\x81\x9F\xA0\xFF"), u"€\u0081Ÿ\u00A0ÿ"_s);
}

TEST(VCardPropertyParser, KeepsNoBinaryValue)
{
    const VCardProperty photo = parsed("PHOTO;TYPE=JPEG;BASE64:/9j/4AAQSkZJRg");
    EXPECT_TRUE(VCardPropertyParser::isBinary(photo));
    EXPECT_TRUE(photo.rawValue().isEmpty());
    EXPECT_TRUE(VCardPropertyParser::isBinary(parsed("KEY;ENCODING=b:AAAA")));
}

TEST(VCardPropertyParser, RejectsLinesThatAreNoProperty)
{
    for (const char* line : {"no colon here", ":no name", "bad name!:x", "a.b.c:x", "\"X:y"}) {
        EXPECT_FALSE(VCardPropertyParser::parse(line)) << line;
    }
}

} // namespace
} // namespace addrell
