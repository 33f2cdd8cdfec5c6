#include "servers/envelope_printer/QtPdfSaveLocation.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace addrell {

std::optional<QString> QtPdfSaveLocation::askPdfFileName()
{
    QString fileName = QFileDialog::getSaveFileName(
        QApplication::activeWindow(), QStringLiteral("No printer: save the envelope as PDF"),
        QDir::home().filePath(QStringLiteral("envelope.pdf")), QStringLiteral("PDF (*.pdf)"));
    if (fileName.isEmpty()) {
        return std::nullopt;
    }
    if (!fileName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        fileName += QStringLiteral(".pdf");
    }
    return fileName;
}

} // namespace addrell
