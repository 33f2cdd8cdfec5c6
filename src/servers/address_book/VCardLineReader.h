#pragma once

#include "servers/address_book/VCardInput.h"

#include <QByteArray>
#include <QIODevice>

#include <optional>

namespace addrell {

// Reads the logical lines of a vCard stream: line ends removed, folded lines joined,
// quoted-printable soft line breaks joined (also when blanks follow the "="). Memory stays bounded
// whatever the input: a logical line keeps at most kMaxLineBytes and the rest of it is read and
// discarded.
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
    [[nodiscard]] bool hasReadError() const noexcept { return m_input.hasReadError(); }

private:
    struct Physical {
        Line line;
        bool softBreak = false; // ends with "=" and blanks, also when truncated before them
    };

    std::optional<Physical> readPhysical();
    std::optional<Physical> takePhysical();
    // The next piece of a physical line: up to and including its '\n', or as much of it as is
    // read ahead. Empty at the end of the input or at a read error.
    QByteArrayView nextPiece();
    static void appendCapped(Line& line, QByteArrayView more, bool moreTruncated);

    VCardInput m_input;
    QByteArrayView m_ahead;            // what m_input handed out and no piece took yet
    std::optional<Physical> m_pending; // read ahead to see whether it continues the last line
};

} // namespace addrell
