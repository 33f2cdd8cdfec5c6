#include "servers/address_book/VCardFolderDialog.h"

#include "servers/address_book/VCardSource.h"

#include <QFileInfo>

namespace addrell {

VCardFolderDialog::VCardFolderDialog(QWidget* parent, const QString& startFolder)
    : QFileDialog(parent, QStringLiteral("Select Folder"), startFolder)
{
    // A native dialog would never call accept() below.
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    setNameFilters({QStringLiteral("Contacts (*.vcf *.VCF)"), QStringLiteral("All files (*)")});
    setLabelText(QFileDialog::Accept, QStringLiteral("&Choose"));
    setLabelText(QFileDialog::FileName, QStringLiteral("Folder or &file:"));
}

VCardFolderDialog::Choice VCardFolderDialog::choiceFor(const QString& path)
{
    const QFileInfo info(path);
    if (info.isFile()) {
        return Choice::Take;
    }
    if (!info.isDir()) {
        return Choice::Ignore;
    }
    return VCardSource(path).defaultItemType() == VCardSource::kContactItemType ? Choice::Take
                                                                                : Choice::Enter;
}

void VCardFolderDialog::accept()
{
    const QStringList selected = selectedFiles();
    if (selected.size() == 1 && choiceFor(selected.front()) == Choice::Take) {
        m_chosenPath = QFileInfo(selected.front()).absoluteFilePath();
        QDialog::accept();
        return;
    }
    // Enters a directory, or warns about a name that is not there.
    QFileDialog::accept();
}

} // namespace addrell
