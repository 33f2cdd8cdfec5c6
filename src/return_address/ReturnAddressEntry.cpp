#include "return_address/ReturnAddressEntry.h"

namespace addrell {

QString ComposeReturnAddress(const ReturnAddressEntry& entry)
{
    const QString crlf = QStringLiteral("\r\n");
    return entry.item(QStringLiteral("name")) + crlf + entry.item(QStringLiteral("addline1")) +
           crlf + entry.item(QStringLiteral("addline2")) + crlf +
           entry.item(QStringLiteral("csz")) + crlf + entry.item(QStringLiteral("blank")) + crlf +
           entry.item(QStringLiteral("end"));
}

} // namespace addrell
