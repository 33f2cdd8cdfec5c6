#include "automation/AutomationError.h"

namespace addrell {

namespace {

QString runtimeDescription(std::int32_t number)
{
    switch (number) {
    case RuntimeError::InvalidProcedureCall:
        return QStringLiteral("Invalid procedure call or argument");
    case RuntimeError::Overflow:
        return QStringLiteral("Overflow");
    case RuntimeError::SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case RuntimeError::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case RuntimeError::BadFileNameOrNumber:
        return QStringLiteral("Bad file name or number");
    case RuntimeError::FileNotFound:
        return QStringLiteral("File not found");
    case RuntimeError::FileAlreadyOpen:
        return QStringLiteral("File already open");
    case RuntimeError::InputPastEndOfFile:
        return QStringLiteral("Input past end of file");
    case RuntimeError::PathFileAccessError:
        return QStringLiteral("Path/File access error");
    case RuntimeError::ObjectNotSet:
        return QStringLiteral("Object variable or With block variable not set");
    case RuntimeError::InvalidPropertyValue:
        return QStringLiteral("Invalid property value");
    case RuntimeError::CannotCreateObject:
        return QStringLiteral("ActiveX component can't create object");
    case RuntimeError::MemberNotSupported:
        return QStringLiteral("Object doesn't support this property or method");
    case RuntimeError::KeyAlreadyAssociated:
        return QStringLiteral("This key is already associated with an element of this collection");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

} // namespace

AutomationError::AutomationError(std::int32_t number, QString description, QString source)
    : m_number(number), m_description(std::move(description)), m_source(std::move(source)),
      m_what(QStringLiteral("%1: %2 (%3)").arg(m_number).arg(m_description, m_source).toStdString())
{
}

AutomationError AutomationError::runtime(std::int32_t number)
{
    return AutomationError(number, runtimeDescription(number), kApplicationTitle);
}

} // namespace addrell
