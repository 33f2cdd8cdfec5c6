#pragma once

#include "servers/envelope_printer/destinations/PdfSaveLocation.h"

namespace addrell {

// A save dialog for the envelope's PDF, over the active window.
class QtPdfSaveLocation : public PdfSaveLocation {
public:
    [[nodiscard]] std::optional<QString> askPdfFileName() override;
};

} // namespace addrell
