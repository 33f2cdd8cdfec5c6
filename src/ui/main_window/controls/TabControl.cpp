#include "ui/main_window/controls/TabControl.h"

#include "automation/AutomationError.h"
#include "ui/main_window/controls/TabStrip.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>

namespace addrell {

TabControl::TabControl(const QStringList& captions, QWidget* parent)
    : QWidget(parent), m_tabBar(new TabStrip(kTabStripHeight, this))
{
    for (const QString& caption : captions) {
        m_tabBar->addTab(caption);
        auto* page = new QWidget(this);
        page->setObjectName(QStringLiteral("page%1").arg(m_pages.size()));
        m_pages.push_back(page);
    }
    m_tabBar->setExpanding(true);
    m_tabBar->setDrawBase(false);
    setFocusProxy(m_tabBar);
    // The tab control takes its place in the window's tab order; the strip takes the focus.
    setFocusPolicy(m_tabBar->focusPolicy());
    connect(m_tabBar, &QTabBar::currentChanged, this, &TabControl::showPage);
    showPage(m_tabBar->currentIndex());
}

QWidget* TabControl::page(int index) const
{
    return m_pages.at(static_cast<std::size_t>(index));
}

int TabControl::currentPage() const
{
    return m_tabBar->currentIndex();
}

void TabControl::setCurrentPage(int index)
{
    if (index < 0 || index >= count()) {
        throw AutomationError::runtime(RuntimeError::InvalidPropertyValue);
    }
    m_tabBar->setCurrentIndex(index);
}

void TabControl::showPage(int index)
{
    for (int i = 0; i < count(); ++i) {
        page(i)->setVisible(i == index);
    }
    // The strip stays above the pages so its tabs keep taking the clicks.
    m_tabBar->raise();
}

void TabControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_tabBar->setGeometry(0, 0, width(), kTabStripHeight);
    for (QWidget* page : m_pages) {
        page->setGeometry(rect());
    }
}

void TabControl::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    option.rect = rect().adjusted(0, kTabStripHeight - 1, 0, 0);
    option.tabBarSize = m_tabBar->size();
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, this);
    // The pages show the plain system colour, as the window's other system-coloured controls do,
    // rather than the style's lighter shading.
    const int edge = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    painter.fillRect(option.rect.adjusted(edge, edge, -edge, -edge), palette().window());
}

} // namespace addrell
