#include "servers/address_book/chooser/FileDialogFolderChooser.h"

#include "servers/address_book/chooser/VCardFolderDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace addrell {

std::optional<QString> FileDialogFolderChooser::choose()
{
    const QString start = startFolder(
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), QDir::homePath());
    VCardFolderDialog dialog(QApplication::activeWindow(), start);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty()) {
        return std::nullopt;
    }
    return dialog.chosenPath();
}

QString FileDialogFolderChooser::startFolder(const QString& dataHome, const QString& home)
{
    // Where vdirsyncer, khard and similar tools keep their address books.
    QStringList candidates;
    if (!dataHome.isEmpty()) {
        candidates << dataHome + QStringLiteral("/contacts");
    }
    if (!home.isEmpty()) {
        candidates << home + QStringLiteral("/.contacts");
    }
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isDir()) {
            return QDir::cleanPath(candidate);
        }
    }
    return home;
}

} // namespace addrell
