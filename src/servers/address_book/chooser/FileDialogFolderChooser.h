#pragma once

#include "servers/address_book/chooser/FolderChooser.h"

namespace addrell {

// The picker of any other file or folder: a modal folder dialog over the active window, starting
// where address books usually live.
class FileDialogFolderChooser : public FolderChooser {
public:
    [[nodiscard]] std::optional<QString> choose() override;

    // `dataHome`/contacts, else `home`/.contacts, whichever exists first, else `home`.
    [[nodiscard]] static QString startFolder(const QString& dataHome, const QString& home);
};

} // namespace addrell
