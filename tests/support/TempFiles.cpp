#include "TempFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace addrell::testing {

QString TempFiles::write(const QString& name, const QByteArray& bytes) const
{
    const QString path = m_dir.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write test file " + path.toStdString());
    }
    return path;
}

QByteArray lines(std::initializer_list<const char*> texts, const char* end)
{
    QByteArray bytes;
    for (const char* text : texts) {
        bytes += text;
        bytes += end;
    }
    return bytes;
}

} // namespace addrell::testing
