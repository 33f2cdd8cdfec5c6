#include "vcard/VCardLineReader.h"

#include <cstring>
#include <optional>

namespace addrell {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool startsWithBlank(QByteArrayView text)
{
    return !text.isEmpty() && isBlank(text.front());
}

// Ends with "=" and blanks: a quoted-printable soft line break.
bool endsInSoftBreak(QByteArrayView text)
{
    qsizetype end = text.size();
    while (end > 0 && isBlank(text[end - 1])) {
        --end;
    }
    return end > 0 && text[end - 1] == '=';
}

// Transports may pad a line with blanks after a soft break's "=".
QByteArrayView withoutSoftBreak(QByteArrayView text)
{
    qsizetype end = text.size();
    while (end > 0 && isBlank(text[end - 1])) {
        --end;
    }
    // Bounded even when the bytes differ from the look that found the "=": a mapped file's may.
    return text.first(qMax(end - 1, qsizetype{0}));
}

// Whether the parameters ask for QUOTED-PRINTABLE, known once the colon that ends them (outside
// a quoted value) has been read. Resumes where it stopped, so a line folded many times is
// scanned once rather than once per fold.
class QuotedPrintableScan {
public:
    std::optional<bool> check(QByteArrayView text)
    {
        for (; !m_result && m_scanned < text.size(); ++m_scanned) {
            if (text[m_scanned] == '"') {
                m_quoted = !m_quoted;
            } else if (text[m_scanned] == ':' && !m_quoted) {
                m_result = VCardLineReader::isQuotedPrintable(text.first(m_scanned));
            }
        }
        return m_result;
    }

private:
    qsizetype m_scanned = 0;
    bool m_quoted = false;
    std::optional<bool> m_result;
};

} // namespace

QByteArrayView VCardLineReader::peek() const
{
    return physicalAt(m_position).kept();
}

VCardLineReader::Line VCardLineReader::next()
{
    const Physical first = physicalAt(m_position);
    m_position = first.next;
    Line line{first.kept(), first.truncated};
    bool softBreak = endsInSoftBreak(first.whole);
    bool joined = false;
    QuotedPrintableScan quotedPrintable;
    while (!atEnd()) {
        const Physical following = physicalAt(m_position);
        QByteArrayView more;
        if (softBreak && quotedPrintable.check(line.text).value_or(false)) {
            // The next line continues the value as it is, leading blanks included.
            if (!line.truncated) {
                line.text = withoutSoftBreak(line.text);
            }
            more = following.kept();
        } else if (startsWithBlank(following.whole)) {
            more = following.kept().sliced(1);
        } else {
            break;
        }
        if (joined) {
            m_joined.truncate(line.text.size());
        } else {
            m_joined.truncate(0);
            m_joined.append(line.text);
            joined = true;
        }
        const qsizetype room = kMaxLineBytes - m_joined.size();
        m_joined.append(more.first(qMin(more.size(), room)));
        line.truncated = line.truncated || more.size() > room || following.truncated;
        line.text = m_joined;
        softBreak = endsInSoftBreak(following.whole);
        m_position = following.next;
    }
    return line;
}

void VCardLineReader::skip(QByteArrayView header)
{
    Physical physical = physicalAt(m_position);
    m_position = physical.next;
    std::optional<bool> quotedPrintable; // looked up at the first soft break, if any
    while (!atEnd()) {
        bool joins = isBlank(m_text[m_position]);
        if (!joins && endsInSoftBreak(physical.whole)) {
            if (!quotedPrintable) {
                quotedPrintable = isQuotedPrintable(header);
            }
            joins = *quotedPrintable;
        }
        if (!joins) {
            break;
        }
        physical = physicalAt(m_position);
        m_position = physical.next;
    }
}

bool VCardLineReader::isQuotedPrintable(QByteArrayView header)
{
    constexpr QByteArrayView kWord("QUOTED-PRINTABLE");
    for (qsizetype i = 0; i + kWord.size() <= header.size(); ++i) {
        qsizetype matched = 0;
        while (matched < kWord.size() && asciiUpper(header[i + matched]) == kWord[matched]) {
            ++matched;
        }
        if (matched == kWord.size()) {
            return true;
        }
    }
    return false;
}

VCardLineReader::Physical VCardLineReader::physicalAt(qsizetype position) const
{
    const char* const start = m_text.data() + position;
    const auto* const newline = static_cast<const char*>(
        std::memchr(start, '\n', static_cast<std::size_t>(m_text.size() - position)));
    qsizetype end = newline == nullptr ? m_text.size() : newline - m_text.data();
    const qsizetype next = newline == nullptr ? end : end + 1;
    if (end > position && m_text[end - 1] == '\r') {
        --end; // VCardText leaves a CR only before an LF
    }
    // A line of exactly the limit counts as cut too: its line end is what does not fit.
    const qsizetype size = end - position;
    const bool truncated = size + (newline == nullptr ? 0 : 1) > kMaxLineBytes;
    return {m_text.sliced(position, size), next, truncated};
}

} // namespace addrell
