#include "envelopes/EnvelopeSizes.h"

#include <algorithm>
#include <cmath>

namespace addrell {

namespace {

constexpr double kMatchPoints = 1.0;

std::vector<EnvelopeSize> listed()
{
    using U = EnvelopeSize::Unit;
    // PWG has no name for the A7 envelope; a custom-class name is one CUPS reads.
    return {
        {"number-10", "US #10", 9.5, 4.125, U::Inch, "na_number-10_4.125x9.5in"},
        {"number-9", "US #9", 8.875, 3.875, U::Inch, "na_number-9_3.875x8.875in"},
        {"personal", "US #6 3/4", 6.5, 3.625, U::Inch, "na_personal_3.625x6.5in"},
        {"monarch", "Monarch", 7.5, 3.875, U::Inch, "na_monarch_3.875x7.5in"},
        {"a2", "A2", 5.75, 4.375, U::Inch, "na_a2_4.375x5.75in"},
        {"a7", "A7", 7.25, 5.25, U::Inch, "custom_a7_5.25x7.25in"},
        {"dl", "DL", 220, 110, U::Millimeter, "iso_dl_110x220mm"},
        {"c6", "C6", 162, 114, U::Millimeter, "iso_c6_114x162mm"},
        {"c6-c5", "C6/5", 229, 114, U::Millimeter, "iso_c6c5_114x229mm"},
        {"c5", "C5", 229, 162, U::Millimeter, "iso_c5_162x229mm"},
        {"c4", "C4", 324, 229, U::Millimeter, "iso_c4_229x324mm"},
        {"b5", "B5", 250, 176, U::Millimeter, "iso_b5_176x250mm"},
        {"b6", "B6", 176, 125, U::Millimeter, "iso_b6_125x176mm"},
    };
}

bool near(double a, double b)
{
    return std::abs(a - b) <= kMatchPoints;
}

} // namespace

const std::vector<EnvelopeSize>& EnvelopeSizes::all()
{
    static const std::vector<EnvelopeSize> sizes = listed();
    return sizes;
}

const EnvelopeSize& EnvelopeSizes::number10()
{
    return all().front();
}

std::optional<EnvelopeSize> EnvelopeSizes::byKey(const QString& key)
{
    const auto& sizes = all();
    const auto found = std::find_if(sizes.begin(), sizes.end(),
                                    [&key](const EnvelopeSize& size) { return size.key() == key; });
    return found == sizes.end() ? std::nullopt : std::optional(*found);
}

EnvelopeSize EnvelopeSizes::custom(double width, double height, EnvelopeSize::Unit unit)
{
    const QString suffix =
        unit == EnvelopeSize::Unit::Inch ? QStringLiteral("in") : QStringLiteral("mm");
    // Short side first, as PWG names give them; the name part repeats the size, as CUPS does.
    const QString sides = QStringLiteral("%1x%2%3")
                              .arg(std::min(width, height))
                              .arg(std::max(width, height))
                              .arg(suffix);
    return {kCustomKey, QStringLiteral("Custom"),
            width,      height,
            unit,       QStringLiteral("custom_%1_%1").arg(sides).toUtf8()};
}

std::optional<EnvelopeSize> EnvelopeSizes::matching(QSizeF points)
{
    for (const EnvelopeSize& size : all()) {
        const QSizeF sides = size.sizePoints();
        if ((near(sides.width(), points.width()) && near(sides.height(), points.height())) ||
            (near(sides.width(), points.height()) && near(sides.height(), points.width()))) {
            return size;
        }
    }
    return std::nullopt;
}

} // namespace addrell
