#pragma once

#include "automation/word/WordApplication.h"
#include "envelopes/AddressFont.h"

#include <memory>

namespace addrell {

// A style's font, read and written in place.
class EnvelopePrinterFont : public word::Font {
public:
    explicit EnvelopePrinterFont(std::shared_ptr<AddressFont> font);

    [[nodiscard]] QString Name() override;
    // An empty name is refused (error 5).
    void Name(const QString& value) override;
    [[nodiscard]] float Size() override;
    // A size outside AddressFont's range is refused (error 5).
    void Size(float value) override;
    [[nodiscard]] bool Bold() override;
    void Bold(bool value) override;
    [[nodiscard]] bool Italic() override;
    void Italic(bool value) override;

private:
    std::shared_ptr<AddressFont> m_font;
};

} // namespace addrell
