#include "ui/main_window/adapters/QtContactsView.h"

#include "ui/main_window/controls/FlexGrid.h"
#include "ui/main_window/controls/TabControl.h"
#include "ui/main_window/controls/TextBox.h"
#include "ui/main_window/layout/ControlSet.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <cmath>

namespace addrell {

namespace {

// A folder loads without yielding to the event loop, so progress is painted by hand now and then.
constexpr int kRowsPerRepaint = 256;

int whole(float value)
{
    return static_cast<int>(std::lround(value));
}

} // namespace

QtContactsView::QtContactsView(const ControlSet& controls)
    : m_grid(controls.get<FlexGrid>(QStringLiteral("MSFG1"))),
      m_next(controls.get<QPushButton>(QStringLiteral("cmdNext"))),
      m_previous(controls.get<QPushButton>(QStringLiteral("cmdPrevious"))),
      m_status(controls.get<QLabel>(QStringLiteral("lblstatus(1)"))),
      m_progress(controls.get<QProgressBar>(QStringLiteral("pbrContacts"))),
      m_tabs(controls.get<TabControl>(QStringLiteral("SSTab1"))),
      m_address(controls.get<TextBox>(QStringLiteral("txtAddress")))
{
}

ContactGrid& QtContactsView::grid()
{
    return *m_grid;
}

void QtContactsView::setNextVisible(bool visible)
{
    m_next->setVisible(visible);
}

void QtContactsView::setPreviousVisible(bool visible)
{
    m_previous->setVisible(visible);
}

void QtContactsView::setStatus(const QString& text)
{
    m_status->setText(text);
    m_status->repaint();
}

void QtContactsView::setProgressRange(float min, float max)
{
    m_progress->setRange(whole(min), whole(max));
}

void QtContactsView::setProgressValue(float value)
{
    const int rows = whole(value);
    m_progress->setValue(rows);
    if (rows % kRowsPerRepaint == 0) {
        m_progress->repaint();
    }
}

void QtContactsView::setProgressVisible(bool visible)
{
    m_progress->setVisible(visible);
}

void QtContactsView::setCurrentPage(int page)
{
    m_tabs->setCurrentPage(page);
}

void QtContactsView::setAddressText(const QString& text)
{
    m_address->setAddressText(text);
}

} // namespace addrell
