// zandorex: the teach-pendant test console.
#include "console/frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zandorex"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zandorex"));

    frmMain window;
    QObject::connect(&window, &frmMain::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    window.show();
    return QApplication::exec();
}
