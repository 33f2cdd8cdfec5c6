#include "servers/address_book/VCardLineReader.h"

#include <array>
#include <utility>

namespace addrell {

namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");
constexpr qsizetype kChunkBytes = 16 * 1024;

bool isFoldContinuation(const QByteArray& text)
{
    return !text.isEmpty() && (text.front() == ' ' || text.front() == '\t');
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

VCardLineReader::VCardLineReader(QIODevice& device)
    : m_device(device), m_buffer(kChunkBytes, Qt::Uninitialized)
{
}

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
                line.text.chop(1);
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
    if (m_readError) {
        return std::nullopt;
    }
    Physical physical;
    bool readAnything = false;
    // The last bytes read: the line's end even where the cap cut the text. A fixed array, as
    // this runs for every line.
    std::array<char, 3> tail{};
    qsizetype tailSize = 0;
    for (;;) {
        const QByteArrayView piece = nextPiece();
        if (piece.isEmpty()) {
            break;
        }
        readAnything = true;
        appendCapped(physical.line, piece, false);
        for (const char c : piece.last(qMin(piece.size(), qsizetype{3}))) {
            if (tailSize == qsizetype{tail.size()}) {
                tail = {tail[1], tail[2], c};
            } else {
                tail[static_cast<std::size_t>(tailSize++)] = c;
            }
        }
        if (piece.back() == '\n') {
            break;
        }
    }
    if (!readAnything) {
        return std::nullopt;
    }
    QByteArray& text = physical.line.text;
    QByteArrayView end(tail.data(), tailSize);
    for (const char lineEnd : {'\n', '\r'}) {
        if (text.endsWith(lineEnd)) {
            text.chop(1);
        }
        if (end.endsWith(lineEnd)) {
            end.chop(1);
        }
    }
    physical.softBreak = end.endsWith('=');
    if (m_atStart) {
        m_atStart = false;
        if (text.startsWith(kUtf8Bom)) {
            text.remove(0, kUtf8Bom.size());
        }
    }
    return physical;
}

QByteArrayView VCardLineReader::nextPiece()
{
    if (m_bufferPos == m_bufferEnd) {
        const qint64 count = m_device.read(m_buffer.data(), kChunkBytes);
        if (count <= 0) {
            m_readError = !m_device.atEnd();
            return {};
        }
        m_bufferPos = 0;
        m_bufferEnd = static_cast<qsizetype>(count);
    }
    const QByteArrayView ahead(m_buffer.constData() + m_bufferPos, m_bufferEnd - m_bufferPos);
    const qsizetype newline = ahead.indexOf('\n');
    const QByteArrayView piece = newline < 0 ? ahead : ahead.first(newline + 1);
    m_bufferPos += piece.size();
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
