#include "printing/WordInstance.h"

#include "automation/Dialogs.h"
#include "automation/RequireObject.h"
#include "automation/ServerFactories.h"
#include "automation/word/WordApplication.h"
#include "printing/WordState.h"

namespace addrell {

WordInstance::WordInstance(WordState& state, const ServerFactories& factories, Dialogs& dialogs)
    : m_state(state), m_factories(factories), m_dialogs(dialogs)
{
}

bool WordInstance::blnMSWord()
{
    if (!m_state.blnNoWord) {
        return true;
    }
    // The instance is created before the question is asked.
    m_state.objWord = CreateObject(m_factories.wordApplication);

    MessageBoxRequest question;
    question.text = QStringLiteral("Print Envelope?");
    question.icon = MessageIcon::Question;
    question.buttons = MessageButtons::YesNo;
    question.defaultButton = MessageResult::No;
    if (m_dialogs.messageBox(question) != MessageResult::Yes) {
        m_state.objWord.reset();
        return false;
    }

    const Variant missing = Variant::missing();
    {
        const auto documents = RequireObject(m_state.objWord).Documents();
        static_cast<void>(RequireObject(documents).Add(missing, missing, missing, missing));
    }
    m_state.objDoc = RequireObject(m_state.objWord).ActiveDocument();
    m_state.blnNoWord = false;
    return true;
}

void WordInstance::Shutdown() noexcept
{
    if (m_state.blnNoWord) {
        return;
    }
    m_state.objWordSel.reset();
    m_state.objDoc.reset();
    try {
        const Variant missing = Variant::missing();
        RequireObject(m_state.objWord).Quit(missing, missing, missing);
    } catch (...) {
        // The word processor may be gone already; nothing is left to tell.
    }
    m_state.objWord.reset();
}

} // namespace addrell
