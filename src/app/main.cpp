#include "ui/main_window/QtDialogs.h"
#include "ui/main_window/frmEnvelope.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Addrell"));
    QApplication::setApplicationVersion(QStringLiteral("2.2.0.2"));

    addrell::QtDialogs dialogs;
    addrell::frmEnvelope window(QCoreApplication::applicationDirPath(), dialogs,
                                addrell::ServerFactories{});
    window.show();
    return QApplication::exec();
}
