#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace addrell {

// The logical lines of vCard text (see VCardText): line ends removed, folded lines joined,
// quoted-printable soft line breaks joined (also when blanks follow the "="). A logical line
// keeps at most kMaxLineBytes; the rest of it is passed over. Lines are viewed in place where
// nothing joins them, so a caller that skips a line costs no copy at all.
class VCardLineReader {
public:
    static constexpr qsizetype kMaxLineBytes = qsizetype{1} << 20;

    struct Line {
        QByteArrayView text;    // valid until the next call
        bool truncated = false; // longer than kMaxLineBytes; `text` holds only its start
    };

    // `text` must stay valid while reading.
    explicit VCardLineReader(QByteArrayView text) : m_text(text) {}

    [[nodiscard]] bool atEnd() const noexcept { return m_position == m_text.size(); }
    // The first physical line of the next logical line, without its line end, cut to
    // kMaxLineBytes.
    [[nodiscard]] QByteArrayView peek() const;
    // The next logical line.
    [[nodiscard]] Line next();
    // Passes over the next logical line, given its name and parameters as its first physical
    // line shows them, which tell whether soft breaks join its lines.
    void skip(QByteArrayView header);

    // Whether a line's name and parameters ask for QUOTED-PRINTABLE.
    [[nodiscard]] static bool isQuotedPrintable(QByteArrayView header);

private:
    struct Physical {
        QByteArrayView whole; // without its line end
        qsizetype next = 0;   // where the line after it starts
        bool truncated = false;
        [[nodiscard]] QByteArrayView kept() const
        {
            return whole.first(qMin(whole.size(), kMaxLineBytes));
        }
    };

    [[nodiscard]] Physical physicalAt(qsizetype position) const;

    QByteArrayView m_text;
    qsizetype m_position = 0;
    QByteArray m_joined; // the line being returned, when it had to be joined from several
};

} // namespace addrell
