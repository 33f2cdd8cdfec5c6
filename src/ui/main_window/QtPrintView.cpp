#include "ui/main_window/QtPrintView.h"

#include "ui/main_window/ControlSet.h"
#include "ui/main_window/TextBoxText.h"

#include <QPlainTextEdit>
#include <QRadioButton>

namespace addrell {

QtPrintView::QtPrintView(const ControlSet& controls)
    : m_printCenter(controls.get<QRadioButton>(QStringLiteral("Option2(1)"))),
      m_txtAddress(controls.get<QPlainTextEdit>(QStringLiteral("txtAddress"))),
      m_txtReturn(controls.get<QPlainTextEdit>(QStringLiteral("txtReturn")))
{
}

bool QtPrintView::printCenterSelected() const
{
    return m_printCenter->isChecked();
}

QString QtPrintView::addressText() const
{
    return TextBoxText::get(m_txtAddress);
}

QString QtPrintView::returnText() const
{
    return TextBoxText::get(m_txtReturn);
}

} // namespace addrell
