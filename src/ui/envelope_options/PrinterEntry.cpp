#include "ui/envelope_options/PrinterEntry.h"

#include <QStringList>

namespace addrell {

QString PrinterEntry::label() const
{
    QStringList marks;
    if (isDefault) {
        marks << QStringLiteral("default");
    }
    if (!acceptingJobs) {
        marks << QStringLiteral("not accepting jobs");
    }
    return marks.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, marks.join(u", "));
}

} // namespace addrell
