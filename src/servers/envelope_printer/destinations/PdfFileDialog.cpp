#include "servers/envelope_printer/destinations/PdfFileDialog.h"

#include <QFileInfo>
#include <QMessageBox>

namespace addrell {

namespace {

const QString kSuffix = QStringLiteral(".pdf");

} // namespace

PdfFileDialog::PdfFileDialog(QWidget* parent, const QString& caption, const QString& folder)
    : QFileDialog(parent, caption, folder, QStringLiteral("PDF (*.pdf)"))
{
    setAcceptMode(QFileDialog::AcceptSave);
    // Qt adds a default suffix only to a name without any, and asks about the name as typed; the
    // question is asked here instead, about the file written. The desktop's own dialogs would
    // pass by accept().
    setOption(QFileDialog::DontConfirmOverwrite);
    setOption(QFileDialog::DontUseNativeDialog);
}

std::optional<QString> PdfFileDialog::chosenFile() const
{
    const QStringList files = selectedFiles();
    if (result() != QDialog::Accepted || files.isEmpty()) {
        return std::nullopt;
    }
    return withPdfSuffix(files.constFirst());
}

QString PdfFileDialog::withPdfSuffix(const QString& fileName)
{
    if (fileName.endsWith(kSuffix, Qt::CaseInsensitive)) {
        return fileName;
    }
    // "letter." is "letter.pdf", not "letter..pdf".
    return fileName.endsWith(u'.') ? fileName + kSuffix.mid(1) : fileName + kSuffix;
}

void PdfFileDialog::accept()
{
    const QStringList files = selectedFiles();
    // A folder is entered, not saved into.
    if (files.size() != 1 || QFileInfo(files.constFirst()).isDir()) {
        QFileDialog::accept();
        return;
    }
    const QFileInfo target(withPdfSuffix(files.constFirst()));
    if (target.exists() &&
        QMessageBox::warning(this, windowTitle(),
                             QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                                 .arg(target.fileName()),
                             QMessageBox::Yes | QMessageBox::No,
                             QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    QFileDialog::accept();
}

} // namespace addrell
