#pragma once

#include <memory>

namespace addrell {

namespace word {
class Application;
class Global;
} // namespace word

// The envelope printer as the program creates it: envelopes go to the print server's default
// printer, or with none to a PDF the user names.
class EnvelopePrinterServer {
public:
    [[nodiscard]] static std::shared_ptr<word::Application> createApplication();
    [[nodiscard]] static std::shared_ptr<word::Global> createGlobal();
};

} // namespace addrell
