#pragma once

#include "TempFiles.h"

#include <QByteArray>
#include <QString>

namespace addrell::testing {

// The two-entry return address file of the README's example, with CR LF line ends.
inline QByteArray twoEntryFile()
{
    return lines({"Pat Example", "Example Widgets Co.", "100 Sample Road", "Springfield, ST 00000",
                  "", "----", "Pat Example", "PO Box 0", "", "Springfield, ST 00000", "", "----"});
}

inline QString secondEntryText()
{
    return QStringLiteral("Pat Example\r\nPO Box 0\r\n\r\nSpringfield, ST 00000\r\n\r\n");
}

} // namespace addrell::testing
