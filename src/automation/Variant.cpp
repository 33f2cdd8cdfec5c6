#include "automation/Variant.h"

#include "automation/AutomationError.h"

#include <cmath>
#include <limits>

namespace addrell {

namespace {

[[noreturn]] void fail(std::int32_t number)
{
    throw AutomationError::runtime(number);
}

// Rounds half to even, as the runtime does when it turns a real number into an integer.
template <typename Int> Int roundToInt(double value)
{
    if (std::isnan(value)) {
        fail(RuntimeError::Overflow);
    }
    const double rounded = std::nearbyint(value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
        fail(RuntimeError::Overflow);
    }
    return static_cast<Int>(rounded);
}

double parseNumber(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok) {
        fail(RuntimeError::TypeMismatch);
    }
    return value;
}

} // namespace

bool Variant::isMissing() const noexcept
{
    const auto* code = std::get_if<ErrorCode>(&m_value);
    return code != nullptr && code->scode == kParamNotFound;
}

double Variant::toDouble() const
{
    switch (type()) {
    case Type::Empty:
        return 0.0;
    case Type::Boolean:
        return std::get<bool>(m_value) ? -1.0 : 0.0;
    case Type::Integer:
        return std::get<std::int16_t>(m_value);
    case Type::Long:
        return std::get<std::int32_t>(m_value);
    case Type::Single:
        return std::get<float>(m_value);
    case Type::Double:
        return std::get<double>(m_value);
    case Type::String:
        return parseNumber(std::get<QString>(m_value));
    case Type::Error:
        break;
    }
    fail(RuntimeError::TypeMismatch);
}

std::int16_t Variant::toInteger() const
{
    return roundToInt<std::int16_t>(toDouble());
}

std::int32_t Variant::toLong() const
{
    return roundToInt<std::int32_t>(toDouble());
}

float Variant::toSingle() const
{
    const double value = toDouble();
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) {
        fail(RuntimeError::Overflow);
    }
    return static_cast<float>(value);
}

bool Variant::toBoolean() const
{
    if (type() == Type::Boolean) {
        return std::get<bool>(m_value);
    }
    if (type() == Type::String) {
        const QString text = std::get<QString>(m_value).trimmed();
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
            return true;
        }
        if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
            return false;
        }
    }
    return toDouble() != 0.0;
}

QString Variant::toString() const
{
    switch (type()) {
    case Type::Empty:
        return {};
    case Type::Boolean:
        return std::get<bool>(m_value) ? QStringLiteral("True") : QStringLiteral("False");
    case Type::Integer:
        return QString::number(std::get<std::int16_t>(m_value));
    case Type::Long:
        return QString::number(std::get<std::int32_t>(m_value));
    case Type::Single:
        return QString::number(std::get<float>(m_value), 'g', 7);
    case Type::Double:
        return QString::number(std::get<double>(m_value), 'g', 15);
    case Type::String:
        return std::get<QString>(m_value);
    case Type::Error:
        break;
    }
    fail(RuntimeError::TypeMismatch);
}

Variant::ErrorCode Variant::toError() const
{
    if (const auto* code = std::get_if<ErrorCode>(&m_value)) {
        return *code;
    }
    fail(RuntimeError::TypeMismatch);
}

} // namespace addrell
