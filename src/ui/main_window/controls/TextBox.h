#pragma once

#include <QString>
#include <QTextEdit>

namespace addrell {

// A multi-line text box of plain text. Its lines lie as far apart as its font is tall, as in a
// Windows text box: the leading Qt adds to every line would cost a four-line return address
// part of its last line. The program reads and writes the text with CR LF line ends.
class TextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    [[nodiscard]] QString addressText() const;
    void setAddressText(const QString& text);

Q_SIGNALS:
    // The user changed the text: typed, pasted, dropped, cut or undid; not setAddressText.
    void edited();

protected:
    void changeEvent(QEvent* event) override;

private:
    void spaceLines();
    void reportEdit();

    bool m_settingText = false;
};

} // namespace addrell
