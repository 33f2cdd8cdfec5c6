#include "util/AddBackSlash.h"

namespace addrell {

QString AddBackSlash(QString& path, QChar separator)
{
    if (path.isEmpty() || path.back() != separator) {
        path.append(separator);
    }
    return path;
}

} // namespace addrell
