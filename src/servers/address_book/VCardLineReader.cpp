#include "servers/address_book/VCardLineReader.h"

#include <utility>

namespace addrell {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isFoldContinuation(const QByteArray& text)
{
    return !text.isEmpty() && isBlank(text.front());
}

// Transports may pad a line with blanks after a soft break's "=".
void chopSoftBreak(QByteArray& text)
{
    qsizetype end = text.size();
    while (end > 0 && isBlank(text[end - 1])) {
        --end;
    }
    text.truncate(end - 1);
}

// Whether the parameters ask for QUOTED-PRINTABLE, known once the colon that ends them (outside
// a quoted value) has been read. Resumes where it stopped, so a line folded many times is
// scanned once rather than once per fold.
class QuotedPrintableScan {
public:
    std::optional<bool> check(const QByteArray& text)
    {
        for (; !m_result && m_scanned < text.size(); ++m_scanned) {
            if (text[m_scanned] == '"') {
                m_quoted = !m_quoted;
            } else if (text[m_scanned] == ':' && !m_quoted) {
                m_result = text.first(m_scanned).toUpper().contains("QUOTED-PRINTABLE");
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

VCardLineReader::VCardLineReader(QIODevice& device) : m_input(device) {}

std::optional<VCardLineReader::Line> VCardLineReader::next()
{
    std::optional<Physical> first = takePhysical();
    if (!first) {
        return std::nullopt;
    }
    Line line = std::move(first->line);
    bool softBreak = first->softBreak;
    QuotedPrintableScan quotedPrintable;
    for (;;) {
        std::optional<Physical> following = takePhysical();
        if (!following) {
            break;
        }
        if (softBreak && quotedPrintable.check(line.text).value_or(false)) {
            // The next line continues the value as it is, leading blanks included.
            if (!line.truncated) {
                chopSoftBreak(line.text);
            }
            appendCapped(line, following->line.text, following->line.truncated);
        } else if (isFoldContinuation(following->line.text)) {
            appendCapped(line, QByteArrayView(following->line.text).sliced(1),
                         following->line.truncated);
        } else {
            m_pending = std::move(following);
            break;
        }
        softBreak = following->softBreak;
    }
    return line;
}

std::optional<VCardLineReader::Physical> VCardLineReader::takePhysical()
{
    if (m_pending) {
        return std::exchange(m_pending, std::nullopt);
    }
    return readPhysical();
}

std::optional<VCardLineReader::Physical> VCardLineReader::readPhysical()
{
    Physical physical;
    bool readAnything = false;
    // The last byte that is no blank: the line's end even where the cap cut the text.
    char lastSignificant = '\0';
    for (;;) {
        const QByteArrayView piece = nextPiece();
        if (piece.isEmpty()) {
            break;
        }
        readAnything = true;
        appendCapped(physical.line, piece, false);
        for (qsizetype i = piece.size(); i-- > 0;) {
            if (!isBlank(piece[i]) && piece[i] != '\n') {
                lastSignificant = piece[i];
                break;
            }
        }
        if (piece.back() == '\n') {
            break;
        }
    }
    if (!readAnything) {
        return std::nullopt;
    }
    if (physical.line.text.endsWith('\n')) {
        physical.line.text.chop(1);
    }
    physical.softBreak = lastSignificant == '=';
    return physical;
}

QByteArrayView VCardLineReader::nextPiece()
{
    if (m_ahead.isEmpty()) {
        m_ahead = m_input.read();
        if (m_ahead.isEmpty()) {
            return {};
        }
    }
    const qsizetype newline = m_ahead.indexOf('\n');
    const QByteArrayView piece = newline < 0 ? m_ahead : m_ahead.first(newline + 1);
    m_ahead = m_ahead.sliced(piece.size());
    return piece;
}

void VCardLineReader::appendCapped(Line& line, QByteArrayView more, bool moreTruncated)
{
    const qsizetype room = kMaxLineBytes - line.text.size();
    if (more.size() > room) {
        line.text.append(more.first(room));
        line.truncated = true;
    } else {
        line.text.append(more);
    }
    line.truncated = line.truncated || moreTruncated;
}

} // namespace addrell
