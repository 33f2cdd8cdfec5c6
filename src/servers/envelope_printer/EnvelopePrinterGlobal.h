#pragma once

#include "automation/word/WordApplication.h"

namespace addrell {

// The word processor's application-wide conversions: 72 points to the inch, in single precision.
class EnvelopePrinterGlobal : public word::Global {
public:
    [[nodiscard]] Variant InchesToPoints(const Variant& Inches) override;
};

} // namespace addrell
