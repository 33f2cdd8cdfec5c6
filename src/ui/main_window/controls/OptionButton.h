#pragma once

#include <QRadioButton>

namespace addrell {

// An option button of a group: the Tab key enters the group at its selected button, so the
// focus lands on the current choice.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(const QString& caption, QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace addrell
