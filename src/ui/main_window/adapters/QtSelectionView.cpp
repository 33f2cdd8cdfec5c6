#include "ui/main_window/adapters/QtSelectionView.h"

#include "contacts/ContactBrowser.h"
#include "ui/main_window/controls/FlexGrid.h"
#include "ui/main_window/layout/ControlSet.h"

#include <QLabel>
#include <QProgressBar>

namespace addrell {

QtSelectionView::QtSelectionView(const ControlSet& controls)
    : m_grid(controls.get<FlexGrid>(QStringLiteral("MSFG1"))),
      m_status(controls.get<QLabel>(QStringLiteral("lblstatus(1)"))),
      m_progress(controls.get<QProgressBar>(QStringLiteral("pbrContacts")))
{
}

std::vector<std::int32_t> QtSelectionView::selectedRows() const
{
    return m_grid->selectedRows();
}

QString QtSelectionView::recipient(std::int32_t row) const
{
    return ContactBrowser::addressText(*m_grid, row);
}

bool QtSelectionView::hasAddress(std::int32_t row) const
{
    return !m_grid->TextMatrix(row, 2).trimmed().isEmpty();
}

QString QtSelectionView::status() const
{
    return m_status->text();
}

void QtSelectionView::setStatus(const QString& text)
{
    // Pages are drawn without yielding to the event loop, so the line is painted at once.
    m_status->setText(text);
    m_status->repaint();
}

void QtSelectionView::setProgress(int done, int total)
{
    m_progress->setVisible(total >= 0);
    if (total >= 0) {
        m_progress->setRange(0, total);
        m_progress->setValue(done);
        m_progress->repaint();
    }
}

} // namespace addrell
