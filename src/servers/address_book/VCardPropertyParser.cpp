#include "servers/address_book/VCardPropertyParser.h"

#include "servers/address_book/VCardValueDecoder.h"

#include <QList>

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

// Parts of `text` split on `separator` outside double quotes.
QList<QByteArrayView> splitOutsideQuotes(QByteArrayView text, char separator)
{
    QList<QByteArrayView> parts;
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

// RFC 6868: ^n newline, ^' double quote, ^^ caret.
QString decodeParameterValue(QByteArrayView raw)
{
    QByteArrayView text = raw.trimmed();
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.sliced(1, text.size() - 2);
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
    static const QList<QByteArrayView> encodings = {"QUOTED-PRINTABLE", "BASE64", "8BIT", "7BIT"};
    static const QList<QByteArrayView> locations = {"INLINE", "URL", "CONTENT-ID", "CID"};
    const QByteArray upper = value.toByteArray().toUpper();
    if (encodings.contains(upper)) {
        return QStringLiteral("ENCODING");
    }
    if (locations.contains(upper)) {
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
    const QString name = QString::fromLatin1(text.first(equals).trimmed()).toUpper();
    for (const QByteArrayView value : splitOutsideQuotes(text.sliced(equals + 1), ',')) {
        parameters.append({name, decodeParameterValue(value)});
    }
}

char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool containsIgnoringCase(QByteArrayView text, QByteArrayView upperWord)
{
    for (qsizetype i = 0; i + upperWord.size() <= text.size(); ++i) {
        qsizetype matched = 0;
        while (matched < upperWord.size() && asciiUpper(text[i + matched]) == upperWord[matched]) {
            ++matched;
        }
        if (matched == upperWord.size()) {
            return true;
        }
    }
    return false;
}

bool hasEncoding(const VCardProperty& property, QStringView encoding)
{
    return property.hasParameter(u"ENCODING", encoding);
}

} // namespace

std::optional<VCardPropertyParser::Head> VCardPropertyParser::head(QByteArrayView start)
{
    const qsizetype colon = valueColon(start);
    if (colon < 0) {
        return std::nullopt;
    }
    const QByteArrayView header = start.first(colon);
    Head head;
    head.quotedPrintable = containsIgnoringCase(header, "QUOTED-PRINTABLE");
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
    const QList<QByteArrayView> head = splitOutsideQuotes(line.first(colon), ';');
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
    for (qsizetype i = 1; i < head.size(); ++i) {
        appendParameter(parameters, head[i]);
    }
    VCardProperty property(QString::fromLatin1(group), QString::fromLatin1(name).toUpper(),
                           std::move(parameters), QString());
    if (isBinary(property)) {
        return property;
    }
    const QByteArrayView rawValue = line.sliced(colon + 1);
    const QByteArray bytes = hasEncoding(property, u"QUOTED-PRINTABLE")
                                 ? VCardValueDecoder::decodeQuotedPrintable(rawValue)
                                 : rawValue.toByteArray();
    const QStringList charsets = property.parameterValues(u"CHARSET");
    return VCardProperty(property.group(), property.name(), property.parameters(),
                         VCardValueDecoder::decodeText(
                             bytes, charsets.isEmpty() ? QString() : charsets.front().trimmed()));
}

bool VCardPropertyParser::isBinary(const VCardProperty& property)
{
    return hasEncoding(property, u"B") || hasEncoding(property, u"BASE64");
}

} // namespace addrell
