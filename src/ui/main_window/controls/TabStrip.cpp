#include "ui/main_window/controls/TabStrip.h"

namespace addrell {

TabStrip::TabStrip(int height, QWidget* parent) : QTabBar(parent), m_height(height) {}

QSize TabStrip::tabSizeHint(int index) const
{
    return {QTabBar::tabSizeHint(index).width(), m_height};
}

} // namespace addrell
