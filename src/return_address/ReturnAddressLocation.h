#pragma once

#include <QString>

namespace addrell {

// Which return address file is read at start-up: the one the user last opened, else their own
// in the configuration folder, else the sample beside the program.
class ReturnAddressLocation {
public:
    static inline const QString kFileName = QStringLiteral("ReturnAddress.txt");

    // <configFolder>/addrell/ReturnAddress.txt: configFolder is $XDG_CONFIG_HOME, ~/.config
    // when unset.
    [[nodiscard]] static QString userFile(const QString& configFolder);

    // The first of the remembered file and the user's own file that can be read; else the file
    // beside the program, even when it is missing, so start-up reports that as it always did.
    [[nodiscard]] static QString startFile(const QString& remembered, const QString& configFolder,
                                           const QString& programFolder);
};

} // namespace addrell
