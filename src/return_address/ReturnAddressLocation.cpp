#include "return_address/ReturnAddressLocation.h"

#include <QDir>
#include <QFileInfo>

namespace addrell {

namespace {

bool readable(const QString& path)
{
    const QFileInfo file(path);
    return !path.isEmpty() && file.isFile() && file.isReadable();
}

} // namespace

QString ReturnAddressLocation::userFile(const QString& configFolder)
{
    return QDir(configFolder).filePath(QStringLiteral("addrell/") + kFileName);
}

QString ReturnAddressLocation::startFile(const QString& remembered, const QString& configFolder,
                                         const QString& programFolder)
{
    if (readable(remembered)) {
        return remembered;
    }
    const QString own = userFile(configFolder);
    if (!configFolder.isEmpty() && readable(own)) {
        return own;
    }
    return QDir(programFolder).filePath(kFileName);
}

} // namespace addrell
