#include "ui/main_window/controls/ComboBoxItems.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace addrell {

void ComboBoxItems::clear()
{
    const QSignalBlocker blocker(m_combo);
    m_combo->clear();
    m_combo->clearEditText();
}

void ComboBoxItems::append(const QString& item)
{
    const QSignalBlocker blocker(m_combo);
    const int selected = m_combo->currentIndex();
    const QString editText = m_combo->currentText();
    m_combo->addItem(item);
    if (selected < 0) {
        m_combo->setCurrentIndex(-1);
        m_combo->setEditText(editText);
    }
}

} // namespace addrell
