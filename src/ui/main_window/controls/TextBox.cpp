#include "ui/main_window/controls/TextBox.h"

#include "util/LineEnds.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QScopedValueRollback>
#include <QTextBlockFormat>
#include <QTextCursor>

#include <cmath>

namespace addrell {

TextBox::TextBox(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    document()->setDocumentMargin(1);
    spaceLines();
    connect(this, &QTextEdit::textChanged, this, &TextBox::reportEdit);
}

QString TextBox::addressText() const
{
    return LineEnds::toCrLf(toPlainText());
}

void TextBox::setAddressText(const QString& text)
{
    const QScopedValueRollback setting(m_settingText, true);
    setPlainText(LineEnds::toLf(text));
    spaceLines();
}

void TextBox::changeEvent(QEvent* event)
{
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        spaceLines();
    }
}

void TextBox::spaceLines()
{
    // Lines typed or pasted later take their format from the block they are added to. The
    // format is no edit of the user's, so it stays out of the undo history (which this clears:
    // it runs only when the text or the font is set anew).
    const QScopedValueRollback setting(m_settingText, true);
    QTextBlockFormat format;
    format.setLineHeight(std::ceil(QFontMetricsF(font()).height()), QTextBlockFormat::FixedHeight);
    QTextDocument* text = document();
    const bool undo = text->isUndoRedoEnabled();
    text->setUndoRedoEnabled(false);
    QTextCursor cursor(text);
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(format);
    text->setUndoRedoEnabled(undo);
}

void TextBox::reportEdit()
{
    if (!m_settingText) {
        emit edited();
    }
}

} // namespace addrell
