#include "servers/address_book/VCardSource.h"

#include "automation/AutomationError.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <utility>

namespace addrell {

namespace {

// A display name is one short line; anything longer in the file is not one.
constexpr qint64 kMaxDisplayNameBytes = 4096;
// Files up to this size are read whole before parsing; larger ones stream.
constexpr qint64 kWholeFileBytes = qint64{1} << 20;

bool isVCardFile(const QString& fileName)
{
    return fileName.endsWith(u".vcf", Qt::CaseInsensitive);
}

QString vdirDisplayName(const QDir& directory)
{
    QFile file(directory.filePath(QStringLiteral("displayname")));
    if (!file.open(QIODevice::ReadOnly)) {
        return QString();
    }
    const QString text = QString::fromUtf8(file.read(kMaxDisplayNameBytes));
    return text.section(u'\n', 0, 0).trimmed();
}

} // namespace

VCardSource::VCardSource(const QString& path)
{
    const QFileInfo info(QDir::cleanPath(path));
    if (info.isDir()) {
        const QDir directory(info.absoluteFilePath());
        // Sorted here rather than by QDir, whose sorted listing takes several times as long for
        // a vdir of many thousand cards.
        QStringList names;
        QDirIterator entries(directory.path(), QDir::Files);
        while (entries.hasNext()) {
            entries.next();
            if (QString name = entries.fileName(); isVCardFile(name)) {
                names.append(std::move(name));
            }
        }
        names.sort();
        m_files.reserve(names.size());
        for (const QString& name : names) {
            m_files.append(directory.filePath(name));
        }
        m_displayName = vdirDisplayName(directory);
        if (m_displayName.isEmpty()) {
            m_displayName = info.fileName();
        }
    } else {
        if (info.isFile() && isVCardFile(info.fileName())) {
            m_files.append(info.absoluteFilePath());
        }
        m_displayName = isVCardFile(info.fileName()) ? info.completeBaseName() : info.fileName();
    }
}

std::int32_t VCardSource::defaultItemType() const noexcept
{
    return m_files.isEmpty() ? kMailItemType : kContactItemType;
}

void VCardSource::readCards(const VCardReader::CardSink& sink) const
{
    // Like a broken card, a file that cannot be read costs only its own cards; the folder fails
    // only when nothing of it could be read.
    QString firstUnreadable;
    bool readAny = false;
    for (const QString& path : m_files) {
        if (readFile(path, sink)) {
            readAny = true;
        } else if (firstUnreadable.isEmpty()) {
            firstUnreadable = path;
        }
    }
    if (!readAny && !firstUnreadable.isEmpty()) {
        throw AutomationError(RuntimeError::PathFileAccessError,
                              QStringLiteral("Path/File access error: %1")
                                  .arg(QDir::toNativeSeparators(firstUnreadable)),
                              kApplicationTitle);
    }
}

bool VCardSource::readFile(const QString& path, const VCardReader::CardSink& sink)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    if (file.size() > kWholeFileBytes) {
        VCardReader reader(file);
        reader.readAll(sink);
        return !reader.hasReadError();
    }
    // Read in one go: a vdir holds one small file per card, and the system calls of a streamed
    // read (each end-of-file check stats the file) cost more than its card.
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return false;
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    VCardReader(buffer).readAll(sink);
    return true;
}

} // namespace addrell
