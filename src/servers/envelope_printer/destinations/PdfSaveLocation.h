#pragma once

#include <QString>

#include <optional>

namespace addrell {

// Asks the user where to save the envelope as PDF when there is no printer, the way a desktop
// PDF printer does. The window answers with a save dialog; tests answer in advance.
class PdfSaveLocation {
public:
    virtual ~PdfSaveLocation() = default;

    // The chosen file's path, or nothing when the user cancels.
    [[nodiscard]] virtual std::optional<QString> askPdfFileName() = 0;

protected:
    PdfSaveLocation() = default;
    PdfSaveLocation(const PdfSaveLocation&) = default;
    PdfSaveLocation& operator=(const PdfSaveLocation&) = default;
};

} // namespace addrell
