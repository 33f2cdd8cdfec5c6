#pragma once

namespace addrell {

class Dialogs;
struct ServerFactories;
struct WordState;

// The word processor instance: started on the first print once the user agrees, kept for every
// later print, told to quit when the window unloads.
class WordInstance {
public:
    WordInstance(WordState& state, const ServerFactories& factories, Dialogs& dialogs);

    // True when the instance holds a document to print with; false when the user declined.
    // Failures pass to the caller.
    [[nodiscard]] bool blnMSWord();

    // Tells a started instance to quit. The program is ending, so a failure is ignored.
    void Shutdown() noexcept;

private:
    WordState& m_state;
    const ServerFactories& m_factories;
    Dialogs& m_dialogs;
};

} // namespace addrell
