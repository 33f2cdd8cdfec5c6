#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace addrell {

// The help window: one paragraph on what the program is for and how the main window is used.
class frmHelp : public QWidget {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent = nullptr);

    // The paragraph, put together from its pieces.
    [[nodiscard]] static QString helpText();
    [[nodiscard]] QLabel* lblHelp() const noexcept { return m_lblHelp; }

private:
    void Form_Load();

    QLabel* m_lblHelp;
};

} // namespace addrell
