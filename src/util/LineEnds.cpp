#include "util/LineEnds.h"

namespace addrell::LineEnds {

namespace {

QString withLineEnd(const QString& text, const QString& lineEnd)
{
    QString result;
    result.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            result += lineEnd;
        } else if (c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            result += lineEnd;
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace

QString toCrLf(const QString& text)
{
    return withLineEnd(text, QStringLiteral("\r\n"));
}

QString toLf(const QString& text)
{
    return withLineEnd(text, QStringLiteral("\n"));
}

} // namespace addrell::LineEnds
