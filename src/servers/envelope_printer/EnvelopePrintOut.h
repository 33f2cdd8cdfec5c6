#pragma once

#include "automation/word/WordApplication.h"
#include "servers/envelope_printer/render/EnvelopeJob.h"

namespace addrell {

// Reads Envelope.PrintOut's arguments as the word processor would: each position must hold a
// value of its type or the missing marker (error 13 otherwise), the orientation must lie in 0 to
// 8 (error 5), and an empty delivery address is refused. The address positions are read into
// the layout; its fonts and shift come from the document and the application.
class EnvelopePrintOut {
public:
    // Word's default envelope, a #10, where the caller gives no size.
    static constexpr double kDefaultWidthPoints = 684.0;
    static constexpr double kDefaultHeightPoints = 297.0;

    [[nodiscard]] static EnvelopeJob toJob(const word::PrintOutArguments& arguments,
                                           const EnvelopeLayout& settings = {});
};

} // namespace addrell
