#pragma once

#include <QChar>
#include <QString>

namespace addrell {

// Appends the separator to `path` itself unless it already ends in one, and returns the result.
// An empty path becomes the separator alone. The separator is a backslash unless the caller
// names the platform's own.
QString AddBackSlash(QString& path, QChar separator = QLatin1Char('\\'));

} // namespace addrell
