#pragma once

#include "return_address/LineReader.h"

#include <QByteArray>

class QIODevice;

namespace addrell {

// Reads lines from a seekable device holding a user's text file. CR LF, a lone CR and a lone LF
// each end a line; the last line needs no terminator. The bytes are UTF-8 when the whole device
// is valid UTF-8, otherwise Windows-1252; a UTF-8 byte-order mark is not part of the first line.
class TextLineReader : public LineReader {
public:
    // Reads the device once to choose the encoding, then from its start.
    explicit TextLineReader(QIODevice& device);

    [[nodiscard]] bool atEnd() const override;
    [[nodiscard]] QString readLine() override;

    [[nodiscard]] bool isUtf8() const noexcept { return m_utf8; }

private:
    bool fill() const;
    [[nodiscard]] bool peekByte(char& byte) const;
    char takeByte();

    QIODevice& m_device;
    bool m_utf8 = true;
    mutable QByteArray m_buffer;
    mutable qsizetype m_position = 0;
};

} // namespace addrell
