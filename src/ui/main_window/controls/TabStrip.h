#pragma once

#include <QTabBar>

namespace addrell {

// The tab strip of a TabControl. Its tabs are exactly as tall as the strip, so each caption is
// laid out inside it; the style's taller tabs would be cut off at the strip's bottom edge, and
// with them the descenders of their captions.
class TabStrip : public QTabBar {
    Q_OBJECT
public:
    TabStrip(int height, QWidget* parent);

protected:
    [[nodiscard]] QSize tabSizeHint(int index) const override;

private:
    int m_height;
};

} // namespace addrell
