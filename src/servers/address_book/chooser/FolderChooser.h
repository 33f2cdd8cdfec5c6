#pragma once

#include <QString>

#include <optional>

namespace addrell {

// Picks any file or folder: a directory of `.vcf` files or one file. The address book chooser
// shows it for "Other file or folder…"; tests answer in advance.
class FolderChooser {
public:
    virtual ~FolderChooser() = default;

    // The chosen path, or nothing when the user cancels.
    [[nodiscard]] virtual std::optional<QString> choose() = 0;

protected:
    FolderChooser() = default;
    FolderChooser(const FolderChooser&) = default;
    FolderChooser& operator=(const FolderChooser&) = default;
};

} // namespace addrell
