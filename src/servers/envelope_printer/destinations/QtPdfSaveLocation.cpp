#include "servers/envelope_printer/destinations/QtPdfSaveLocation.h"

#include "servers/envelope_printer/destinations/PdfFileDialog.h"

#include <QApplication>
#include <QDir>

namespace addrell {

std::optional<QString> QtPdfSaveLocation::askPdfFileName()
{
    PdfFileDialog dialog(QApplication::activeWindow(),
                         QStringLiteral("No printer: save the envelope as PDF"), QDir::homePath());
    dialog.selectFile(QStringLiteral("envelope.pdf"));
    dialog.exec();
    return dialog.chosenFile();
}

} // namespace addrell
