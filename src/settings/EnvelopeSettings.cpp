#include "settings/EnvelopeSettings.h"

#include <QDir>
#include <QSettings>

namespace addrell {

namespace {

const QString kFeed = QStringLiteral("Printing/Feed");
const QString kCenter = QStringLiteral("Center");
const QString kRight = QStringLiteral("Right");
const QString kReturnAddressFile = QStringLiteral("ReturnAddress/File");

} // namespace

EnvelopeSettings::EnvelopeSettings(const QString& configFolder)
    : m_store(std::make_unique<QSettings>(fileIn(configFolder), QSettings::IniFormat))
{
}

EnvelopeSettings::~EnvelopeSettings() = default;

QString EnvelopeSettings::fileIn(const QString& configFolder)
{
    return QDir(configFolder).filePath(QStringLiteral("Addrell/Addrell.conf"));
}

bool EnvelopeSettings::printCenter() const
{
    return m_store->value(kFeed).toString() == kCenter;
}

void EnvelopeSettings::setPrintCenter(bool center)
{
    m_store->setValue(kFeed, center ? kCenter : kRight);
}

QString EnvelopeSettings::returnAddressFile() const
{
    return m_store->value(kReturnAddressFile).toString();
}

void EnvelopeSettings::setReturnAddressFile(const QString& path)
{
    m_store->setValue(kReturnAddressFile, path);
}

} // namespace addrell
