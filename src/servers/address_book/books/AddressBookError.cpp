#include "servers/address_book/books/AddressBookError.h"

namespace addrell {

AutomationError AddressBookError::indexOutOfBounds()
{
    return AutomationError(kServerException, QStringLiteral("Array index out of bounds."), kSource);
}

AutomationError AddressBookError::invalidArgument(const QString& description)
{
    return AutomationError(RuntimeError::InvalidProcedureCall, description, kSource);
}

} // namespace addrell
