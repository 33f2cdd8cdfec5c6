#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>

class QTabBar;

namespace addrell {

// A tab control whose pages cover its whole rectangle, tab strip included, so a control on a page
// is placed from the tab control's own top-left corner. Only the current page is visible.
class TabControl : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTabStripHeight = 23;

    TabControl(const QStringList& captions, QWidget* parent);

    [[nodiscard]] int count() const noexcept { return static_cast<int>(m_pages.size()); }
    [[nodiscard]] QWidget* page(int index) const;
    [[nodiscard]] int currentPage() const;
    [[nodiscard]] QTabBar* tabBar() const noexcept { return m_tabBar; }

    // Brings that page to the front; an index outside the pages is error 380.
    void setCurrentPage(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPage(int index);

    QTabBar* m_tabBar;
    std::vector<QWidget*> m_pages;
};

} // namespace addrell
