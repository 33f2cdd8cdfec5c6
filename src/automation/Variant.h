#pragma once

#include <QString>

#include <cstdint>
#include <variant>

namespace addrell {

// An automation variant: the value types the program passes to and reads from its servers.
class Variant {
public:
    enum class Type { Empty, Boolean, Integer, Long, Single, Double, String, Error };

    struct ErrorCode {
        std::int32_t scode = 0;
        friend bool operator==(ErrorCode, ErrorCode) = default;
    };

    // DISP_E_PARAMNOTFOUND: the marker a caller passes for an optional argument it leaves out.
    static constexpr std::int32_t kParamNotFound = static_cast<std::int32_t>(0x80020004u);

    Variant() = default;
    explicit Variant(bool value) : m_value(value) {}
    explicit Variant(std::int16_t value) : m_value(value) {}
    explicit Variant(std::int32_t value) : m_value(value) {}
    explicit Variant(float value) : m_value(value) {}
    explicit Variant(double value) : m_value(value) {}
    explicit Variant(QString value) : m_value(std::move(value)) {}
    explicit Variant(ErrorCode value) : m_value(value) {}

    [[nodiscard]] static Variant missing() { return Variant(ErrorCode{kParamNotFound}); }

    [[nodiscard]] Type type() const noexcept { return static_cast<Type>(m_value.index()); }
    [[nodiscard]] bool isEmpty() const noexcept { return type() == Type::Empty; }
    [[nodiscard]] bool isMissing() const noexcept;

    // Conversions as the runtime makes them: a Boolean True reads as -1 (all bits set), a value
    // outside the target's range is error 6, a value that is no number is error 13.
    [[nodiscard]] std::int16_t toInteger() const;
    [[nodiscard]] std::int32_t toLong() const;
    [[nodiscard]] double toDouble() const;
    [[nodiscard]] float toSingle() const;
    [[nodiscard]] bool toBoolean() const;
    [[nodiscard]] QString toString() const;
    [[nodiscard]] ErrorCode toError() const;

    friend bool operator==(const Variant&, const Variant&) = default;

private:
    std::variant<std::monostate, bool, std::int16_t, std::int32_t, float, double, QString,
                 ErrorCode>
        m_value;
};

} // namespace addrell
