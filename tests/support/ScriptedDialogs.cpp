#include "ScriptedDialogs.h"

#include <QStringList>

namespace addrell::testing {

MessageResult ScriptedDialogs::messageBox(const MessageBoxRequest& request)
{
    m_messages.push_back(request);
    if (m_answers.empty()) {
        return MessageResult::Ok;
    }
    const MessageResult answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::openFile(const OpenFileRequest& request)
{
    m_fileRequests.push_back(request);
    if (m_files.empty()) {
        return std::nullopt;
    }
    std::optional<QString> file = m_files.front();
    m_files.pop_front();
    return file;
}

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList texts;
    for (const MessageBoxRequest& request : m_messages) {
        texts << request.text;
    }
    return texts;
}

void ScriptedDialogs::clear()
{
    m_messages.clear();
    m_fileRequests.clear();
}

} // namespace addrell::testing
