#include "automation/ServerFactories.h"
#include "servers/envelope_printer/EnvelopePrinterServer.h"
#include "ui/main_window/QtDialogs.h"
#include "ui/main_window/frmEnvelope.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Addrell"));
    QApplication::setApplicationVersion(QStringLiteral("2.2.0.2"));

    addrell::ServerFactories servers;
    servers.wordApplication = &addrell::EnvelopePrinterServer::createApplication;
    servers.wordGlobal = &addrell::EnvelopePrinterServer::createGlobal;

    addrell::QtDialogs dialogs;
    addrell::frmEnvelope window(QCoreApplication::applicationDirPath(), dialogs,
                                std::move(servers));
    window.show();
    return QApplication::exec();
}
