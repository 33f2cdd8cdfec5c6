#pragma once

#include "return_address/LineReader.h"

#include <QByteArray>

#include <vector>

class QIODevice;

namespace addrell {

// Reads the first lines of a user's text file. CR LF, a lone CR and a lone LF each end a line;
// the last line needs no terminator. The reader stops after `maxLines` lines or at a line longer
// than kMaxLineBytes, whose read then fails, so no file costs more than `maxLines` such lines.
// The lines are UTF-8 when all those read are valid UTF-8, otherwise Windows-1252; a UTF-8
// byte-order mark is not part of the first line.
class TextLineReader : public LineReader {
public:
    static constexpr qsizetype kMaxLineBytes = 64 * 1024;

    TextLineReader(QIODevice& device, int maxLines);

    // True after the last line of the file, or after `maxLines` lines.
    [[nodiscard]] bool atEnd() const override;
    // Error 6 for a line longer than kMaxLineBytes.
    [[nodiscard]] QString readLine() override;

    [[nodiscard]] bool isUtf8() const noexcept { return m_utf8; }

private:
    std::vector<QByteArray> m_lines;
    std::size_t m_next = 0;
    bool m_lineTooLong = false; // the line after the last one held
    bool m_utf8 = true;
};

} // namespace addrell
