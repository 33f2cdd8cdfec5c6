#include "automation/AutomationError.h"

#include <new>

namespace addrell {

namespace {

QString runtimeDescription(std::int32_t number)
{
    switch (number) {
    case RuntimeError::InvalidProcedureCall:
        return QStringLiteral("Invalid procedure call or argument");
    case RuntimeError::Overflow:
        return QStringLiteral("Overflow");
    case RuntimeError::OutOfMemory:
        return QStringLiteral("Out of memory");
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

AutomationError AutomationError::fromCurrentException()
{
    try {
        throw;
    } catch (const AutomationError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return runtime(RuntimeError::OutOfMemory);
    } catch (const std::exception& error) {
        const QString what = QString::fromLocal8Bit(error.what());
        return what.isEmpty()
                   ? runtime(RuntimeError::InvalidProcedureCall)
                   : AutomationError(RuntimeError::InvalidProcedureCall, what, kApplicationTitle);
    } catch (...) {
        return runtime(RuntimeError::InvalidProcedureCall);
    }
}

} // namespace addrell
