#pragma once

#include <QString>

#include <cstdint>
#include <exception>
#include <string>

namespace addrell {

// An error as automation servers and the runtime report it: a number, a description and the
// source that raised it. Every failure the program treats as an error is thrown as one of these.
class AutomationError : public std::exception {
public:
    AutomationError(std::int32_t number, QString description, QString source);

    // One of the classic runtime errors, raised by the program itself (source "Addrell").
    [[nodiscard]] static AutomationError runtime(std::int32_t number);

    // The failure being handled, called inside a catch block: the program's own errors as they
    // are, an allocation failure as error 7, any other failure as error 5 with its own text.
    [[nodiscard]] static AutomationError fromCurrentException();

    [[nodiscard]] std::int32_t number() const noexcept { return m_number; }
    [[nodiscard]] const QString& description() const noexcept { return m_description; }
    [[nodiscard]] const QString& source() const noexcept { return m_source; }
    [[nodiscard]] const char* what() const noexcept override { return m_what.c_str(); }

private:
    std::int32_t m_number;
    QString m_description;
    QString m_source;
    std::string m_what;
};

// The classic runtime numbers our own platform layer raises.
namespace RuntimeError {
inline constexpr std::int32_t InvalidProcedureCall = 5;
inline constexpr std::int32_t Overflow = 6;
inline constexpr std::int32_t OutOfMemory = 7;
inline constexpr std::int32_t SubscriptOutOfRange = 9;
inline constexpr std::int32_t TypeMismatch = 13;
inline constexpr std::int32_t BadFileNameOrNumber = 52;
inline constexpr std::int32_t FileNotFound = 53;
inline constexpr std::int32_t FileAlreadyOpen = 55;
inline constexpr std::int32_t InputPastEndOfFile = 62;
inline constexpr std::int32_t PathFileAccessError = 75;
inline constexpr std::int32_t ObjectNotSet = 91;
inline constexpr std::int32_t InvalidPropertyValue = 380;
inline constexpr std::int32_t CannotCreateObject = 429;
inline constexpr std::int32_t MemberNotSupported = 438;
inline constexpr std::int32_t KeyAlreadyAssociated = 457;
} // namespace RuntimeError

// The application title: the source of runtime errors and the title of untitled message boxes.
inline const QString kApplicationTitle = QStringLiteral("Addrell");

} // namespace addrell
