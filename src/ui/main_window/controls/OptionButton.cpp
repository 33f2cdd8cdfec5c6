#include "ui/main_window/controls/OptionButton.h"

#include <QFocusEvent>

namespace addrell {

OptionButton::OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent)
{
}

void OptionButton::focusInEvent(QFocusEvent* event)
{
    const bool byTab =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (byTab && !isChecked() && autoExclusive() && parentWidget() != nullptr) {
        const auto siblings =
            parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
        for (QRadioButton* sibling : siblings) {
            if (sibling->isChecked() && sibling->autoExclusive() && sibling->isVisible()) {
                sibling->setFocus(event->reason());
                return;
            }
        }
    }
    QRadioButton::focusInEvent(event);
}

} // namespace addrell
