#include "ui/main_window/TextBoxText.h"

#include "util/LineEnds.h"

#include <QPlainTextEdit>

namespace addrell {

QString TextBoxText::get(const QPlainTextEdit* box)
{
    return LineEnds::toCrLf(box->toPlainText());
}

void TextBoxText::set(QPlainTextEdit* box, const QString& text)
{
    box->setPlainText(LineEnds::toLf(text));
}

} // namespace addrell
