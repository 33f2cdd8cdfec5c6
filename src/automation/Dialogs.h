#pragma once

#include "automation/AutomationError.h"

#include <QString>

#include <optional>

namespace addrell {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageResult { Ok, Yes, No };

struct MessageBoxRequest {
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageResult defaultButton = MessageResult::Ok;
    QString title = kApplicationTitle; // a box with no title of its own shows the application's

    friend bool operator==(const MessageBoxRequest&, const MessageBoxRequest&) = default;
};

struct OpenFileRequest {
    QString title;
    QString filter;   // "description|pattern" pairs, separated by "|"
    QString fileName; // the name the dialog starts with

    friend bool operator==(const OpenFileRequest&, const OpenFileRequest&) = default;
};

// The modal dialogs the program shows. The window gives the real ones; tests answer in advance.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MessageResult messageBox(const MessageBoxRequest& request) = 0;

    // The chosen file's full path, or nothing when the user cancels.
    virtual std::optional<QString> openFile(const OpenFileRequest& request) = 0;

protected:
    Dialogs() = default;
    Dialogs(const Dialogs&) = default;
    Dialogs& operator=(const Dialogs&) = default;
};

} // namespace addrell
