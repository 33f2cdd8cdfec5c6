#pragma once

#include <cstdint>
#include <memory>

namespace addrell {

class Dialogs;
class PrintView;
class WordInstance;
struct ServerFactories;
struct WordState;

namespace word {
class Global;
}

// One click of Print: the feed chosen, the instance made sure of, the envelope printed. Every
// failure is reported here and goes no further.
class EnvelopePrintJob {
public:
    static constexpr float kHeightInches = 4.13F;
    static constexpr float kWidthInches = 9.5F;

    EnvelopePrintJob(WordState& state, WordInstance& instance, const ServerFactories& factories,
                     PrintView& view, Dialogs& dialogs);

    void cmdPrint_Click();

    // 1 for "Print Center", 0 otherwise.
    [[nodiscard]] std::int16_t GetPrintOption() const;
    void PrintEnvelope(std::int16_t option);

private:
    void printOut(std::int16_t option);
    [[nodiscard]] word::Global& global();

    WordState& m_state;
    WordInstance& m_instance;
    const ServerFactories& m_factories;
    PrintView& m_view;
    Dialogs& m_dialogs;
    std::shared_ptr<word::Global> m_global; // created on first use, kept for good
};

} // namespace addrell
