#include "automation/ServerFactories.h"
#include "servers/address_book/AddressBookApplication.h"
#include "servers/envelope_printer/EnvelopePrinterServer.h"
#include "servers/envelope_printer/destinations/CupsPrinterList.h"
#include "ui/main_window/adapters/QtDialogs.h"
#include "ui/main_window/frmEnvelope.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Settings go to ~/.config/Addrell/Addrell.conf, the file QSettings names for these two.
    QApplication::setOrganizationName(QStringLiteral("Addrell"));
    QApplication::setApplicationName(QStringLiteral("Addrell"));
    QApplication::setApplicationVersion(QStringLiteral(ADDRELL_VERSION));
    // Ties the window to addrell.desktop, for its icon and name on the desktop.
    QApplication::setDesktopFileName(QStringLiteral("addrell"));

    addrell::ServerFactories servers;
    servers.wordApplication = &addrell::EnvelopePrinterServer::createApplication;
    servers.wordGlobal = &addrell::EnvelopePrinterServer::createGlobal;
    servers.outlookApplication = &addrell::AddressBookApplication::create;

    addrell::QtDialogs dialogs;
    addrell::frmEnvelope window(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), dialogs,
        std::move(servers), &addrell::CupsPrinterList::available);
    window.show();
    return QApplication::exec();
}
