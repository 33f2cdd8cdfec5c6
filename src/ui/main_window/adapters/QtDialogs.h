#pragma once

#include "automation/Dialogs.h"

class QWidget;

namespace addrell {

// The real modal dialogs, shown over the active window.
class QtDialogs : public Dialogs {
public:
    MessageResult messageBox(const MessageBoxRequest& request) override;
    std::optional<QString> openFile(const OpenFileRequest& request) override;

    // "Text (*.txt)|*.txt" becomes Qt's "Text (*.txt)": description and pattern pairs, one
    // filter each, the pattern added in brackets unless the description shows it already.
    [[nodiscard]] static QString qtFilter(const QString& pairs);
};

} // namespace addrell
