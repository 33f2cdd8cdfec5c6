#include "ui/main_window/controls/ListBoxRows.h"

#include <QListWidget>

namespace addrell {

void ListBoxRows::clear()
{
    m_list->clear();
}

void ListBoxRows::append(const QString& item)
{
    m_list->addItem(item);
}

} // namespace addrell
