#include "ui/main_window/adapters/QtReturnAddressView.h"

#include "automation/AutomationError.h"
#include "ui/main_window/controls/TabControl.h"
#include "ui/main_window/controls/TextBox.h"
#include "ui/main_window/layout/ControlSet.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

namespace addrell {

QtReturnAddressView::QtReturnAddressView(const ControlSet& controls, std::function<void()> onSelect)
    : m_cboAddress(controls.get<QComboBox>(QStringLiteral("cboAddress"))),
      m_lstFile(controls.get<QListWidget>(QStringLiteral("lstFile"))),
      m_txtReturn(controls.get<TextBox>(QStringLiteral("txtReturn"))),
      m_lblPath(controls.get<QLabel>(QStringLiteral("lblPath"))),
      m_tabs(controls.get<TabControl>(QStringLiteral("SSTab1"))), m_addressItems(m_cboAddress),
      m_fileRows(m_lstFile), m_onSelect(std::move(onSelect))
{
}

int QtReturnAddressView::addressListIndex() const
{
    return m_cboAddress->currentIndex();
}

void QtReturnAddressView::setAddressListIndex(int index)
{
    if (index < -1 || index >= m_cboAddress->count()) {
        throw AutomationError::runtime(RuntimeError::InvalidPropertyValue);
    }
    {
        const QSignalBlocker blocker(m_cboAddress);
        m_cboAddress->setCurrentIndex(index);
    }
    if (index >= 0) {
        m_onSelect();
    }
}

void QtReturnAddressView::setFileRowsVisible(bool visible)
{
    m_lstFile->setVisible(visible);
}

void QtReturnAddressView::setReturnText(const QString& text)
{
    m_txtReturn->setAddressText(text);
}

void QtReturnAddressView::setPathCaption(const QString& caption)
{
    m_lblPath->setText(caption);
}

void QtReturnAddressView::setCurrentPage(int page)
{
    m_tabs->setCurrentPage(page);
}

} // namespace addrell
