#include "vcard/VCardSplitter.h"

namespace addrell {

namespace {

constexpr QByteArrayView kEnd("\nEND:VCARD");
constexpr QByteArrayView kBegin("BEGIN:VCARD");

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Where the line end at `at` ends, or -1 when no line ends there.
qsizetype afterLineEnd(QByteArrayView text, qsizetype at)
{
    if (text.sliced(at).startsWith("\r\n")) {
        return at + 2;
    }
    return text.sliced(at).startsWith('\n') ? at + 1 : -1;
}

// Whether the line that ends at `end` (at its CR or LF) ends in a quoted-printable soft break,
// which would join the next line to it.
bool endsInSoftBreak(QByteArrayView text, qsizetype end)
{
    if (end > 0 && text[end - 1] == '\r') {
        --end;
    }
    while (end > 0 && isBlank(text[end - 1])) {
        --end;
    }
    return end > 0 && text[end - 1] == '=';
}

// The start of the first BEGIN:VCARD line at or after `from` that may start a part.
qsizetype cutAfter(QByteArrayView text, qsizetype from)
{
    for (qsizetype at = text.indexOf(kEnd, from - 1); at >= 0; at = text.indexOf(kEnd, at + 1)) {
        const qsizetype begin = afterLineEnd(text, at + kEnd.size());
        if (begin < 0 || !text.sliced(begin).startsWith(kBegin) || endsInSoftBreak(text, at)) {
            continue;
        }
        const qsizetype next = afterLineEnd(text, begin + kBegin.size());
        if (next < 0 || (next < text.size() && isBlank(text[next]))) {
            continue; // the BEGIN line goes on: folded
        }
        return begin;
    }
    return -1;
}

} // namespace

QList<QByteArrayView> VCardSplitter::split(QByteArrayView text, qsizetype partBytes)
{
    QList<QByteArrayView> parts;
    qsizetype start = 0;
    while (text.size() - start > partBytes) {
        const qsizetype cut = cutAfter(text, start + qMax(partBytes, qsizetype{1}));
        if (cut < 0) {
            break;
        }
        parts.append(text.sliced(start, cut - start));
        start = cut;
    }
    parts.append(text.sliced(start));
    return parts;
}

} // namespace addrell
