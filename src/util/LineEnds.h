#pragma once

#include <QString>

namespace addrell::LineEnds {

// Address texts separate their lines with CR LF; Qt's text widgets use LF. Any of CR LF, CR, LF
// and the Unicode line and paragraph separators counts as one line end.
[[nodiscard]] QString toCrLf(const QString& text);
[[nodiscard]] QString toLf(const QString& text);

} // namespace addrell::LineEnds
