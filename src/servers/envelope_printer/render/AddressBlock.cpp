#include "servers/envelope_printer/render/AddressBlock.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>

namespace addrell {

namespace {

constexpr double kShrinkStep = 0.95;

// Times New Roman, the word processor's envelope font, is set in Liberation Serif where it can be:
// it has the same metrics and makes the envelope alike on every machine.
QFont fontFor(const AddressFont& style, double points, const QPaintDevice& device)
{
    QFont font;
    font.setFamilies(style.family() == AddressFont::kDefaultFamily
                         ? QStringList{QStringLiteral("Liberation Serif"), style.family()}
                         : QStringList{style.family()});
    font.setStyleHint(QFont::Serif);
    font.setBold(style.bold());
    font.setItalic(style.italic());
    // Unhinted metrics scale with the size, so the block measures alike on every device.
    font.setHintingPreference(QFont::PreferNoHinting);
    // A point on the device must come out as one unit of the painter's point-based space.
    font.setPointSizeF(points * 72.0 / device.logicalDpiY());
    return font;
}

struct Measure {
    QFont font;
    double width = 0.0;
    double lineSpacing = 0.0;
    double ascent = 0.0;
};

Measure measure(const QStringList& lines, const AddressFont& style, double points,
                const QPaintDevice& device)
{
    Measure result{fontFor(style, points, device)};
    const QFontMetricsF metrics(result.font, &device);
    for (const QString& line : lines) {
        result.width = std::max(result.width, metrics.horizontalAdvance(line));
    }
    result.lineSpacing = metrics.lineSpacing();
    result.ascent = metrics.ascent();
    return result;
}

} // namespace

AddressBlock::AddressBlock(QFont font, QStringList lines, double pointSize, QSizeF size,
                           double ascent, double lineSpacing)
    : m_font(std::move(font)), m_lines(std::move(lines)), m_pointSize(pointSize), m_size(size),
      m_ascent(ascent), m_lineSpacing(lineSpacing)
{
}

QStringList AddressBlock::splitLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineBreak);
    while (!lines.isEmpty() && lines.constLast().trimmed().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

AddressBlock AddressBlock::fit(const QString& text, const AddressFont& style, QSizeF maxSize,
                               const QPaintDevice& device)
{
    const double nominalPoints = style.pointSize();
    QStringList lines = splitLines(text);
    if (lines.isEmpty() || maxSize.width() <= 0.0 || maxSize.height() <= 0.0) {
        return {fontFor(style, nominalPoints, device), {}, nominalPoints, {}, 0.0, 0.0};
    }
    const auto count = static_cast<double>(lines.size());
    double points = nominalPoints;
    Measure m = measure(lines, style, points, device);

    // Sizes scale almost linearly: jump close, then step down until it really fits.
    if (count * m.lineSpacing > maxSize.height()) {
        points = std::max(kFloorPoints, points * maxSize.height() / (count * m.lineSpacing));
    }
    if (m.width > maxSize.width()) {
        points = std::min(points,
                          std::max(kMinimumWidthPoints, nominalPoints * maxSize.width() / m.width));
    }
    for (;;) {
        m = measure(lines, style, points, device);
        const bool tooTall = count * m.lineSpacing > maxSize.height();
        const bool tooWide = m.width > maxSize.width() && points > kMinimumWidthPoints;
        if ((!tooTall && !tooWide) || points <= kFloorPoints) {
            break;
        }
        points = std::max(kFloorPoints, points * kShrinkStep);
    }

    const auto fitting =
        m.lineSpacing > 0.0
            ? static_cast<qsizetype>(std::min(count, maxSize.height() / m.lineSpacing))
            : qsizetype{0};
    if (fitting < lines.size()) {
        lines.resize(fitting);
    }
    const QFontMetricsF metrics(m.font, &device);
    double width = 0.0;
    for (QString& line : lines) {
        if (metrics.horizontalAdvance(line) > maxSize.width()) {
            line = metrics.elidedText(line, Qt::ElideRight, maxSize.width());
        }
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    const QSizeF size(width, static_cast<double>(lines.size()) * m.lineSpacing);
    return {m.font, std::move(lines), points, size, m.ascent, m.lineSpacing};
}

void AddressBlock::draw(QPainter& painter, QPointF topLeft) const
{
    painter.setFont(m_font);
    painter.setPen(Qt::black);
    double baseline = topLeft.y() + m_ascent;
    for (const QString& line : m_lines) {
        painter.drawText(QPointF(topLeft.x(), baseline), line);
        baseline += m_lineSpacing;
    }
}

} // namespace addrell
