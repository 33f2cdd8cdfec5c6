#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>
#include <QStringDecoder>

#include <optional>

namespace addrell {

// The bytes of a vCard source as UTF-8 text whose lines end in LF alone, read a chunk at a
// time. Files come with CR LF, LF or CR alone (old Mac programs), CR CR LF (a CR LF written
// through a text-mode stream), in UTF-16 with a byte-order mark, or as several exports joined
// with `cat`, each with a UTF-8 byte-order mark of its own. A byte-order mark therefore ends a
// line: the export before it may end without one.
class VCardInput {
public:
    explicit VCardInput(QIODevice& device);

    // The next piece of text, valid until the next call; empty at the end of the input or at a
    // read error.
    [[nodiscard]] QByteArrayView read();
    // Whether reading stopped on an error before the end of the input.
    [[nodiscard]] bool hasReadError() const noexcept { return m_readError; }

private:
    // The next chunk, UTF-16 already transcoded; nothing at the end of the input.
    std::optional<QByteArrayView> readUtf8();
    // Appends `text` to m_text with its line ends and byte-order marks made LF.
    void normalize(QByteArrayView text);
    void flushCarriageReturns();

    QIODevice& m_device;
    QByteArray m_chunk;
    QByteArray m_utf8;                     // the chunk transcoded, for UTF-16 input
    QByteArray m_text;                     // what read() hands out
    std::optional<QStringDecoder> m_utf16; // set when the input starts with a UTF-16 mark
    QString m_highSurrogate;               // the first half of a pair that a chunk ended in
    QByteArray m_markStart;                // the start of a byte-order mark that a chunk ended in
    qsizetype m_carriageReturns = 0;       // CRs read and not yet known to be part of a CR LF
    bool m_started = false;
    bool m_ended = false;
    bool m_readError = false;
};

} // namespace addrell
