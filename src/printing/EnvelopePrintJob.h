#pragma once

#include "automation/word/WordApplication.h"
#include "printing/EnvelopeOptions.h"
#include "printing/WordEnvelopeSettings.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace addrell {

class Dialogs;
class PrintView;
class SelectionView;
class WordInstance;
struct ServerFactories;
struct WordState;

// One click of Print: the feed chosen, the instance made sure of, the envelope printed with the
// user's envelope options; with two or more contacts selected, one envelope for each of them in
// one job. Every failure is reported here and goes no further.
class EnvelopePrintJob {
public:
    EnvelopePrintJob(WordState& state, WordInstance& instance, const ServerFactories& factories,
                     PrintView& view, SelectionView& selection, Dialogs& dialogs);

    // Every later print uses these; the defaults print as the program always has.
    void setOptions(EnvelopeOptions options) { m_options = std::move(options); }
    [[nodiscard]] const EnvelopeOptions& options() const noexcept { return m_options; }

    void cmdPrint_Click();

    // 1 for "Print Center", 0 otherwise.
    [[nodiscard]] std::int16_t GetPrintOption() const;
    void PrintEnvelope(std::int16_t option);
    // One envelope for each row, the return address the same on all.
    void PrintEnvelopes(std::int16_t option, const std::vector<std::int32_t>& rows);

private:
    void printOut(std::int16_t option);
    void printBatch(std::int16_t option, const std::vector<std::int32_t>& rows);
    [[nodiscard]] word::PrintOutArguments arguments(std::int16_t option, const QString& address,
                                                    const QString& returnAddress);
    // The rows to print: a row without an address only when the user agrees.
    [[nodiscard]] std::vector<std::int32_t> rowsToPrint(const std::vector<std::int32_t>& rows);
    [[nodiscard]] bool confirm(const QString& question);
    [[nodiscard]] bool wordStarted();
    void reportFailure();
    [[nodiscard]] word::Global& global();
    // The options PrintOut's arguments do not carry, sent before `envelope` prints.
    void sendSettings(word::Envelope& envelope);

    WordState& m_state;
    WordInstance& m_instance;
    const ServerFactories& m_factories;
    PrintView& m_view;
    SelectionView& m_selection;
    Dialogs& m_dialogs;
    std::shared_ptr<word::Global> m_global; // created on first use, kept for good
    EnvelopeOptions m_options;
    WordEnvelopeSettings m_settings;
};

} // namespace addrell
