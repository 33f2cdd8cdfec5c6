#pragma once

#include "automation/Dialogs.h"

#include <deque>
#include <vector>

namespace addrell::testing {

// Dialogs answered in advance: message boxes take the next scripted answer (OK when none is
// left), the open-file dialog the next scripted name (a cancel when none is left). Every request
// is recorded.
class ScriptedDialogs : public Dialogs {
public:
    void setNextAnswer(MessageResult answer) { m_answers.push_back(answer); }
    void setNextFile(std::optional<QString> fileName) { m_files.push_back(std::move(fileName)); }

    MessageResult messageBox(const MessageBoxRequest& request) override;
    std::optional<QString> openFile(const OpenFileRequest& request) override;

    [[nodiscard]] const std::vector<MessageBoxRequest>& messages() const { return m_messages; }
    [[nodiscard]] const std::vector<OpenFileRequest>& fileRequests() const
    {
        return m_fileRequests;
    }
    [[nodiscard]] QStringList messageTexts() const;
    void clear();

private:
    std::deque<MessageResult> m_answers;
    std::deque<std::optional<QString>> m_files;
    std::vector<MessageBoxRequest> m_messages;
    std::vector<OpenFileRequest> m_fileRequests;
};

} // namespace addrell::testing
