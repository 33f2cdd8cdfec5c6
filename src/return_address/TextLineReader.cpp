#include "return_address/TextLineReader.h"

#include "automation/AutomationError.h"
#include "util/Windows1252.h"

#include <QIODevice>

#include <algorithm>
#include <optional>
#include <utility>

namespace addrell {

namespace {

constexpr qint64 kChunkSize = 64 * 1024;
constexpr char kCr = '\r';
constexpr char kLf = '\n';

// The device's bytes, taken a chunk at a time and handed out line by line.
class ChunkedInput {
public:
    explicit ChunkedInput(QIODevice& device) : m_device(device) {}

    [[nodiscard]] bool atEnd()
    {
        if (m_position == m_chunk.size()) {
            m_chunk = m_device.read(kChunkSize);
            m_position = 0;
        }
        return m_chunk.isEmpty();
    }

    void skipByteOrderMark()
    {
        static const QByteArray bom("\xEF\xBB\xBF");
        if (!atEnd() && m_chunk.startsWith(bom)) {
            m_position = bom.size();
        }
    }

    // The next line without its end; nothing when it holds more than `maxBytes`, in which case
    // no more of it is taken than one chunk past the limit.
    [[nodiscard]] std::optional<QByteArray> takeLine(qsizetype maxBytes)
    {
        QByteArray line;
        while (!atEnd()) {
            const auto* begin = m_chunk.cbegin() + m_position;
            const auto* stop =
                std::find_if(begin, m_chunk.cend(), [](char c) { return c == kCr || c == kLf; });
            if (line.size() + (stop - begin) > maxBytes) {
                return std::nullopt;
            }
            line.append(begin, stop - begin);
            m_position += stop - begin;
            if (stop != m_chunk.cend()) {
                const char end = *stop; // a CR may be the last byte of its chunk
                ++m_position;
                if (end == kCr && !atEnd() && m_chunk[m_position] == kLf) {
                    ++m_position;
                }
                break;
            }
        }
        return line;
    }

private:
    QIODevice& m_device;
    QByteArray m_chunk;
    qsizetype m_position = 0;
};

} // namespace

TextLineReader::TextLineReader(QIODevice& device, int maxLines)
{
    ChunkedInput input(device);
    input.skipByteOrderMark();
    while (std::cmp_less(m_lines.size(), maxLines) && !input.atEnd()) {
        std::optional<QByteArray> line = input.takeLine(kMaxLineBytes);
        if (!line) {
            m_lineTooLong = true;
            break;
        }
        m_lines.push_back(std::move(*line));
    }
    m_utf8 = std::all_of(m_lines.cbegin(), m_lines.cend(),
                         [](const QByteArray& line) { return line.isValidUtf8(); });
}

bool TextLineReader::atEnd() const
{
    return m_next == m_lines.size() && !m_lineTooLong;
}

QString TextLineReader::readLine()
{
    if (m_next == m_lines.size()) {
        throw AutomationError::runtime(m_lineTooLong ? RuntimeError::Overflow
                                                     : RuntimeError::InputPastEndOfFile);
    }
    const QByteArray& line = m_lines[m_next++];
    return m_utf8 ? QString::fromUtf8(line) : Windows1252::decode(line);
}

} // namespace addrell
