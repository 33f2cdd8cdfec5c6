#pragma once

#include <QByteArray>
#include <QIODevice>

#include <optional>

namespace addrell {

// Reads the logical lines of a vCard stream: line ends (CR LF or LF) removed, folded lines
// joined, quoted-printable soft line breaks joined, a leading UTF-8 BOM dropped. Memory stays
// bounded whatever the input: a logical line keeps at most kMaxLineBytes and the rest of it is
// read and discarded.
class VCardLineReader {
public:
    static constexpr qsizetype kMaxLineBytes = qsizetype{1} << 20;

    struct Line {
        QByteArray text;
        bool truncated = false; // longer than kMaxLineBytes; `text` holds only its start
    };

    explicit VCardLineReader(QIODevice& device);

    // The next logical line, or nothing at the end of the input or at a read error.
    [[nodiscard]] std::optional<Line> next();
    // Whether reading stopped on an error before the end of the input.
    [[nodiscard]] bool hasReadError() const noexcept { return m_readError; }

private:
    struct Physical {
        Line line;
        bool softBreak = false; // ends with "=", also when truncated before it
    };

    std::optional<Physical> readPhysical();
    std::optional<Physical> takePhysical();
    // The next piece of a physical line: up to and including its '\n', or as much of it as is
    // read ahead. Empty at the end of the input or at a read error.
    QByteArrayView nextPiece();
    static void appendCapped(Line& line, QByteArrayView more, bool moreTruncated);

    QIODevice& m_device;
    // Read ahead here rather than through QIODevice::readLine, which reads unbuffered devices
    // such as QBuffer one byte at a time.
    QByteArray m_buffer;
    qsizetype m_bufferPos = 0;
    qsizetype m_bufferEnd = 0;
    std::optional<Physical> m_pending; // read ahead to see whether it continues the last line
    bool m_atStart = true;
    bool m_readError = false;
};

} // namespace addrell
