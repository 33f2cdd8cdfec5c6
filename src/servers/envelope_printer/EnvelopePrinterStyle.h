#pragma once

#include "automation/word/WordApplication.h"
#include "envelopes/AddressFont.h"

#include <memory>

namespace addrell {

// One of a document's two envelope address styles; its font is the document's own, so what is
// set through it holds for every later envelope of the document.
class EnvelopePrinterStyle : public word::Style {
public:
    explicit EnvelopePrinterStyle(std::shared_ptr<AddressFont> font);

    [[nodiscard]] std::shared_ptr<word::Font> Font() override;

private:
    std::shared_ptr<AddressFont> m_font;
};

} // namespace addrell
