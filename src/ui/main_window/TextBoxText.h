#pragma once

#include <QString>

class QPlainTextEdit;

namespace addrell {

// The text of a multi-line text box as the program sees it: lines separated by CR LF.
class TextBoxText {
public:
    [[nodiscard]] static QString get(const QPlainTextEdit* box);
    static void set(QPlainTextEdit* box, const QString& text);
};

} // namespace addrell
