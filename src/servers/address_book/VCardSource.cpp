#include "servers/address_book/VCardSource.h"

#include "automation/AutomationError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace addrell {

namespace {

// A display name is one short line; anything longer in the file is not one.
constexpr qint64 kMaxDisplayNameBytes = 4096;

bool isVCardFile(const QFileInfo& info)
{
    return info.suffix().compare(u"vcf", Qt::CaseInsensitive) == 0;
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

[[noreturn]] void throwAccessError(const QString& path)
{
    throw AutomationError(
        RuntimeError::PathFileAccessError,
        QStringLiteral("Path/File access error: %1").arg(QDir::toNativeSeparators(path)),
        kApplicationTitle);
}

} // namespace

VCardSource::VCardSource(const QString& path)
{
    const QFileInfo info(QDir::cleanPath(path));
    if (info.isDir()) {
        const QDir directory(info.absoluteFilePath());
        for (const QFileInfo& file : directory.entryInfoList(QDir::Files, QDir::Name)) {
            if (isVCardFile(file)) {
                m_files.append(file.absoluteFilePath());
            }
        }
        m_displayName = vdirDisplayName(directory);
        if (m_displayName.isEmpty()) {
            m_displayName = info.fileName();
        }
    } else {
        if (info.isFile() && isVCardFile(info)) {
            m_files.append(info.absoluteFilePath());
        }
        m_displayName = isVCardFile(info) ? info.completeBaseName() : info.fileName();
    }
}

std::int32_t VCardSource::defaultItemType() const noexcept
{
    return m_files.isEmpty() ? kMailItemType : kContactItemType;
}

void VCardSource::readCards(const VCardReader::CardSink& sink) const
{
    for (const QString& path : m_files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            throwAccessError(path);
        }
        VCardReader reader(file);
        reader.readAll(sink);
        if (reader.hasReadError()) {
            throwAccessError(path);
        }
    }
}

} // namespace addrell
