#include "return_address/TextLineReader.h"

#include "automation/AutomationError.h"
#include "util/Windows1252.h"

#include <QIODevice>

namespace addrell {

namespace {

constexpr qint64 kChunkSize = 64 * 1024;
constexpr char kCr = '\r';
constexpr char kLf = '\n';

// Strict UTF-8 checking over a stream of chunks: no overlong forms, no surrogates, nothing past
// U+10FFFF, no sequence cut off at the end.
class Utf8Check {
public:
    void feed(const QByteArray& chunk)
    {
        for (const char c : chunk) {
            if (!m_valid) {
                return;
            }
            step(static_cast<unsigned char>(c));
        }
    }
    [[nodiscard]] bool valid() const noexcept { return m_valid && m_pending == 0; }

private:
    void step(unsigned char byte)
    {
        if (m_pending > 0) {
            if (byte < m_low || byte > m_high) {
                m_valid = false;
                return;
            }
            m_low = 0x80;
            m_high = 0xBF;
            --m_pending;
            return;
        }
        if (byte < 0x80) {
            return;
        }
        if (byte >= 0xC2 && byte <= 0xDF) {
            expect(1, 0x80, 0xBF);
        } else if (byte == 0xE0) {
            expect(2, 0xA0, 0xBF);
        } else if (byte == 0xED) {
            expect(2, 0x80, 0x9F);
        } else if (byte >= 0xE1 && byte <= 0xEF) {
            expect(2, 0x80, 0xBF);
        } else if (byte == 0xF0) {
            expect(3, 0x90, 0xBF);
        } else if (byte >= 0xF1 && byte <= 0xF3) {
            expect(3, 0x80, 0xBF);
        } else if (byte == 0xF4) {
            expect(3, 0x80, 0x8F);
        } else {
            m_valid = false;
        }
    }
    void expect(int pending, unsigned char low, unsigned char high)
    {
        m_pending = pending;
        m_low = low;
        m_high = high;
    }

    bool m_valid = true;
    int m_pending = 0;
    unsigned char m_low = 0x80;
    unsigned char m_high = 0xBF;
};

} // namespace

TextLineReader::TextLineReader(QIODevice& device) : m_device(device)
{
    Utf8Check check;
    while (check.valid()) {
        const QByteArray chunk = m_device.read(kChunkSize);
        if (chunk.isEmpty()) {
            break;
        }
        check.feed(chunk);
    }
    m_utf8 = check.valid();
    m_device.seek(0);

    static const QByteArray bom("\xEF\xBB\xBF");
    if (fill() && m_buffer.size() < bom.size()) {
        m_buffer += m_device.read(bom.size() - m_buffer.size());
    }
    if (m_buffer.startsWith(bom)) {
        m_position = bom.size();
    }
}

bool TextLineReader::fill() const
{
    if (m_position < m_buffer.size()) {
        return true;
    }
    m_buffer = m_device.read(kChunkSize);
    m_position = 0;
    return !m_buffer.isEmpty();
}

bool TextLineReader::peekByte(char& byte) const
{
    if (!fill()) {
        return false;
    }
    byte = m_buffer[m_position];
    return true;
}

char TextLineReader::takeByte()
{
    return m_buffer[m_position++];
}

bool TextLineReader::atEnd() const
{
    return !fill();
}

QString TextLineReader::readLine()
{
    if (atEnd()) {
        throw AutomationError::runtime(RuntimeError::InputPastEndOfFile);
    }
    QByteArray line;
    char byte = 0;
    while (peekByte(byte)) {
        const qsizetype start = m_position;
        const qsizetype stop = [this, start] {
            for (qsizetype i = start; i < m_buffer.size(); ++i) {
                if (m_buffer[i] == kCr || m_buffer[i] == kLf) {
                    return i;
                }
            }
            return m_buffer.size();
        }();
        line.append(m_buffer.constData() + start, stop - start);
        m_position = stop;
        if (stop < m_buffer.size()) {
            if (takeByte() == kCr && peekByte(byte) && byte == kLf) {
                takeByte();
            }
            break;
        }
    }
    return m_utf8 ? QString::fromUtf8(line) : Windows1252::decode(line);
}

} // namespace addrell
