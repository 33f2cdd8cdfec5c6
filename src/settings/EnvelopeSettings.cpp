#include "settings/EnvelopeSettings.h"

#include "envelopes/EnvelopeSizes.h"

#include <QDir>
#include <QSettings>

#include <cmath>

namespace addrell {

namespace {

const QString kFeed = QStringLiteral("Printing/Feed");
const QString kCenter = QStringLiteral("Center");
const QString kRight = QStringLiteral("Right");
const QString kReturnAddressFile = QStringLiteral("ReturnAddress/File");
const QString kSize = QStringLiteral("Envelope/Size");
const QString kCustom = QStringLiteral("Envelope/Custom");
const QString kPrinter = QStringLiteral("Envelope/Printer");
const QString kDeliveryFont = QStringLiteral("DeliveryAddress/Font");
const QString kDeliveryPosition = QStringLiteral("DeliveryAddress/Position");
const QString kReturnFont = QStringLiteral("ReturnAddress/Font");
const QString kReturnPosition = QStringLiteral("ReturnAddress/Position");
const QString kShift = QStringLiteral("Printer/Shift");

// The engine's limits: a side below a point or above 200 inches cannot be printed.
constexpr double kSmallestSide = 1.0;
constexpr double kLargestSide = 14400.0;

// A place off the envelope could not be printed: such a block is placed automatically.
std::optional<QPointF> onEnvelope(std::optional<QPointF> position, const EnvelopeSize& size)
{
    const QSizeF envelope = size.sizePoints();
    if (position && position->x() >= 0.0 && position->y() >= 0.0 &&
        position->x() < envelope.width() && position->y() < envelope.height()) {
        return position;
    }
    return std::nullopt;
}

QString unitName(EnvelopeSize::Unit unit)
{
    return unit == EnvelopeSize::Unit::Inch ? QStringLiteral("in") : QStringLiteral("mm");
}

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

namespace addrell {

EnvelopeOptions EnvelopeSettings::options(const std::function<QStringList()>& printers) const
{
    EnvelopeOptions options;
    options.setSize(size());
    const QString printer = m_store->value(kPrinter).toString();
    if (printer == EnvelopeOptions::kSaveAsPdf ||
        (!printer.isEmpty() && printers().contains(printer))) {
        options.setPrinter(printer);
    }
    options.setDeliveryFont(font(kDeliveryFont, options.deliveryFont()));
    options.setReturnFont(font(kReturnFont, options.returnFont()));
    options.setDeliveryPosition(onEnvelope(point(kDeliveryPosition), options.size()));
    options.setReturnPosition(onEnvelope(point(kReturnPosition), options.size()));
    options.setPrinterShift(point(kShift).value_or(QPointF()));
    return options;
}

void EnvelopeSettings::setOptions(const EnvelopeOptions& options)
{
    const EnvelopeSize& size = options.size();
    m_store->setValue(kSize, size.key());
    if (size.key() == EnvelopeSizes::kCustomKey) {
        m_store->setValue(kCustom + QStringLiteral("/Width"), size.width());
        m_store->setValue(kCustom + QStringLiteral("/Height"), size.height());
        m_store->setValue(kCustom + QStringLiteral("/Unit"), unitName(size.unit()));
    }
    m_store->setValue(kPrinter, options.printer());
    setFont(kDeliveryFont, options.deliveryFont());
    setFont(kReturnFont, options.returnFont());
    setPoint(kDeliveryPosition, options.deliveryPosition());
    setPoint(kReturnPosition, options.returnPosition());
    setPoint(kShift, options.printerShift());
}

std::optional<double> EnvelopeSettings::number(const QString& key) const
{
    bool ok = false;
    const double value = m_store->value(key).toString().toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

std::optional<QPointF> EnvelopeSettings::point(const QString& prefix) const
{
    const auto x = number(prefix + QStringLiteral("/X"));
    const auto y = number(prefix + QStringLiteral("/Y"));
    return x && y ? std::optional(QPointF(*x, *y)) : std::nullopt;
}

void EnvelopeSettings::setPoint(const QString& prefix, std::optional<QPointF> point)
{
    m_store->remove(prefix);
    if (point) {
        m_store->setValue(prefix + QStringLiteral("/X"), point->x());
        m_store->setValue(prefix + QStringLiteral("/Y"), point->y());
    }
}

AddressFont EnvelopeSettings::font(const QString& prefix, AddressFont fallback) const
{
    const QString family = m_store->value(prefix + QStringLiteral("/Family")).toString();
    const auto points = number(prefix + QStringLiteral("/Points"));
    if (family.isEmpty() || !points || *points < AddressFont::kMinimumPoints ||
        *points > AddressFont::kMaximumPoints) {
        return fallback;
    }
    return AddressFont(family, *points, m_store->value(prefix + QStringLiteral("/Bold")).toBool(),
                       m_store->value(prefix + QStringLiteral("/Italic")).toBool());
}

void EnvelopeSettings::setFont(const QString& prefix, const AddressFont& font)
{
    m_store->setValue(prefix + QStringLiteral("/Family"), font.family());
    m_store->setValue(prefix + QStringLiteral("/Points"), font.pointSize());
    m_store->setValue(prefix + QStringLiteral("/Bold"), font.bold());
    m_store->setValue(prefix + QStringLiteral("/Italic"), font.italic());
}

EnvelopeSize EnvelopeSettings::size() const
{
    const QString key = m_store->value(kSize).toString();
    if (key != EnvelopeSizes::kCustomKey) {
        return EnvelopeSizes::byKey(key).value_or(EnvelopeSizes::number10());
    }
    const QString unitText = m_store->value(kCustom + QStringLiteral("/Unit")).toString();
    const auto width = number(kCustom + QStringLiteral("/Width"));
    const auto height = number(kCustom + QStringLiteral("/Height"));
    const auto unit = unitText == QStringLiteral("in") ? EnvelopeSize::Unit::Inch
                                                       : EnvelopeSize::Unit::Millimeter;
    if (!width || !height || (unitText != unitName(unit))) {
        return EnvelopeSizes::number10();
    }
    const EnvelopeSize custom = EnvelopeSizes::custom(*width, *height, unit);
    const QSizeF points = custom.sizePoints();
    const bool printable = std::min(points.width(), points.height()) >= kSmallestSide &&
                           std::max(points.width(), points.height()) <= kLargestSide;
    return printable ? custom : EnvelopeSizes::number10();
}

} // namespace addrell
