#include "vcard/VCardPropertyParser.h"

#include "vcard/VCardValueDecoder.h"

#include <QList>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <initializer_list>

namespace addrell {

namespace {

// Where the name and parameters end: the first colon outside a quoted parameter value.
qsizetype valueColon(QByteArrayView line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == ':' && !quoted) {
            return i;
        }
    }
    return -1;
}

bool isNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_';
}

bool isName(QByteArrayView text)
{
    if (text.isEmpty()) {
        return false;
    }
    for (const char c : text) {
        if (!isNameCharacter(c)) {
            return false;
        }
    }
    return true;
}

using Parts = QVarLengthArray<QByteArrayView, 8>;

// Parts of `text` split on `separator` outside double quotes.
Parts splitOutsideQuotes(QByteArrayView text, char separator)
{
    Parts parts;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            quoted = !quoted;
        } else if (text[i] == separator && !quoted) {
            parts.append(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    parts.append(text.sliced(start));
    return parts;
}

char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool sameIgnoringCase(QStringView upper, QByteArrayView text)
{
    if (upper.size() != text.size()) {
        return false;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (upper[i] != QLatin1Char(asciiUpper(text[i]))) {
            return false;
        }
    }
    return true;
}

// The names most cards use, shared rather than allocated for every property that has them.
QString upperName(QByteArrayView name)
{
    using namespace Qt::Literals::StringLiterals;
    static const std::array kKnown = {u"BEGIN"_s,
                                      u"END"_s,
                                      u"VERSION"_s,
                                      u"N"_s,
                                      u"FN"_s,
                                      u"ORG"_s,
                                      u"ADR"_s,
                                      u"LABEL"_s,
                                      u"KIND"_s,
                                      u"TEL"_s,
                                      u"EMAIL"_s,
                                      u"NOTE"_s,
                                      u"TYPE"_s,
                                      u"ENCODING"_s,
                                      u"CHARSET"_s,
                                      u"PREF"_s,
                                      u"VALUE"_s,
                                      u"SORT-AS"_s,
                                      u"X-EVOLUTION-FILE-AS"_s,
                                      u"X-MS-OL-DEFAULT-POSTAL-ADDRESS"_s};
    for (const QString& known : kKnown) {
        if (sameIgnoringCase(known, name)) {
            return known;
        }
    }
    return QString::fromLatin1(name).toUpper();
}

// RFC 6868: ^n newline, ^' double quote, ^^ caret.
QString decodeParameterValue(QByteArrayView raw)
{
    QByteArrayView text = raw.trimmed();
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.sliced(1, text.size() - 2);
    }
    if (!text.contains('^')) {
        return VCardValueDecoder::decodeText(text, QString());
    }
    QByteArray decoded;
    decoded.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '^' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == 'n' || next == 'N' || next == '\'' || next == '^') {
                decoded.append(next == '^' ? '^' : next == '\'' ? '"' : '\n');
                ++i;
                continue;
            }
        }
        decoded.append(text[i]);
    }
    return VCardValueDecoder::decodeText(decoded, QString());
}

// vCard 2.1 writes most parameters bare (`TEL;HOME;VOICE:`); the value says which one it is.
QString bareParameterName(QByteArrayView value)
{
    const auto isOneOf = [value](std::initializer_list<QStringView> names) {
        return std::any_of(names.begin(), names.end(),
                           [value](QStringView name) { return sameIgnoringCase(name, value); });
    };
    if (isOneOf({u"QUOTED-PRINTABLE", u"BASE64", u"8BIT", u"7BIT"})) {
        return QStringLiteral("ENCODING");
    }
    if (isOneOf({u"INLINE", u"URL", u"CONTENT-ID", u"CID"})) {
        return QStringLiteral("VALUE");
    }
    return QStringLiteral("TYPE");
}

void appendParameter(QList<VCardProperty::Parameter>& parameters, QByteArrayView text)
{
    const qsizetype equals = text.indexOf('=');
    if (equals < 0) {
        const QByteArrayView bare = text.trimmed();
        if (!bare.isEmpty()) {
            parameters.append({bareParameterName(bare), QString::fromLatin1(bare)});
        }
        return;
    }
    const QByteArrayView rawName = text.first(equals).trimmed();
    const QString name = QtPrivate::isAscii(QLatin1StringView(rawName))
                             ? upperName(rawName)
                             : QString::fromLatin1(rawName).toUpper();
    for (const QByteArrayView value : splitOutsideQuotes(text.sliced(equals + 1), ',')) {
        parameters.append({name, decodeParameterValue(value)});
    }
}

bool hasEncoding(const QList<VCardProperty::Parameter>& parameters, QStringView encoding)
{
    return std::any_of(parameters.begin(), parameters.end(), [encoding](const auto& parameter) {
        return VCardProperty::sameName(parameter.name, u"ENCODING") &&
               VCardProperty::sameName(QStringView(parameter.value).trimmed(), encoding);
    });
}

bool isBinaryEncoded(const QList<VCardProperty::Parameter>& parameters)
{
    return hasEncoding(parameters, u"B") || hasEncoding(parameters, u"BASE64");
}

QString charsetOf(const QList<VCardProperty::Parameter>& parameters)
{
    for (const VCardProperty::Parameter& parameter : parameters) {
        if (VCardProperty::sameName(parameter.name, u"CHARSET")) {
            return parameter.value.trimmed();
        }
    }
    return QString();
}

} // namespace

std::optional<VCardPropertyParser::Head> VCardPropertyParser::head(QByteArrayView start)
{
    const qsizetype colon = valueColon(start);
    if (colon < 0) {
        return std::nullopt;
    }
    const QByteArrayView header = start.first(colon);
    Head head{header, {}};
    // A quote before the first ';' lands inside the name, which no name allows.
    qsizetype end = 0;
    while (end < header.size() && header[end] != ';' && header[end] != '"') {
        ++end;
    }
    if (end < header.size() && header[end] == '"') {
        return head;
    }
    QByteArrayView name = header.first(end).trimmed();
    if (const qsizetype dot = name.indexOf('.'); dot >= 0) {
        if (!isName(name.first(dot))) {
            return head;
        }
        name = name.sliced(dot + 1);
    }
    if (isName(name)) {
        head.name = name;
    }
    return head;
}

std::optional<VCardProperty> VCardPropertyParser::parse(QByteArrayView line)
{
    const qsizetype colon = valueColon(line);
    if (colon < 0) {
        return std::nullopt;
    }
    const Parts head = splitOutsideQuotes(line.first(colon), ';');
    QByteArrayView name = head.front().trimmed();
    QByteArrayView group;
    if (const qsizetype dot = name.indexOf('.'); dot >= 0) {
        group = name.first(dot);
        name = name.sliced(dot + 1);
        if (!isName(group)) {
            return std::nullopt;
        }
    }
    if (!isName(name)) {
        return std::nullopt;
    }
    QList<VCardProperty::Parameter> parameters;
    parameters.reserve(head.size() - 1);
    for (qsizetype i = 1; i < head.size(); ++i) {
        appendParameter(parameters, head[i]);
    }
    QString value;
    if (!isBinaryEncoded(parameters)) {
        const QByteArrayView rawValue = line.sliced(colon + 1);
        value = hasEncoding(parameters, u"QUOTED-PRINTABLE")
                    ? VCardValueDecoder::decodeText(
                          VCardValueDecoder::decodeQuotedPrintable(rawValue), charsetOf(parameters))
                    : VCardValueDecoder::decodeText(rawValue, charsetOf(parameters));
    }
    return VCardProperty(QString::fromLatin1(group), upperName(name), std::move(parameters),
                         std::move(value));
}

bool VCardPropertyParser::isBinary(const VCardProperty& property)
{
    return isBinaryEncoded(property.parameters());
}

} // namespace addrell
