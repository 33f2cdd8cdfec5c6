#pragma once

#include <QString>

#include <optional>

namespace addrell {

// The modal folder picker: the user chooses a directory of `.vcf` files or one `.vcf` file.
// The program shows a file dialog; tests answer in advance.
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
