#include "servers/envelope_printer/destinations/QtPdfSaveLocation.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace addrell {

std::optional<QString> QtPdfSaveLocation::askPdfFileName()
{
    QFileDialog dialog(QApplication::activeWindow(),
                       QStringLiteral("No printer: save the envelope as PDF"), QDir::homePath(),
                       QStringLiteral("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The suffix is added before the overwrite question, so it asks about the file written.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    // The desktop's own dialogs ask about the name as typed and let Qt add the suffix after.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.selectFile(QStringLiteral("envelope.pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace addrell
