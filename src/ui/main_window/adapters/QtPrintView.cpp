#include "ui/main_window/adapters/QtPrintView.h"

#include "ui/main_window/controls/TextBox.h"
#include "ui/main_window/layout/ControlSet.h"

#include <QRadioButton>

namespace addrell {

QtPrintView::QtPrintView(const ControlSet& controls)
    : m_printCenter(controls.get<QRadioButton>(QStringLiteral("Option2(1)"))),
      m_txtAddress(controls.get<TextBox>(QStringLiteral("txtAddress"))),
      m_txtReturn(controls.get<TextBox>(QStringLiteral("txtReturn")))
{
}

bool QtPrintView::printCenterSelected() const
{
    return m_printCenter->isChecked();
}

QString QtPrintView::addressText() const
{
    return m_txtAddress->addressText();
}

QString QtPrintView::returnText() const
{
    return m_txtReturn->addressText();
}

} // namespace addrell
