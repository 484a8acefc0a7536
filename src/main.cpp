#include "app/Programma.h"
#include "toolkit/Termination.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The window's X11 class and Wayland app id tie it to its desktop entry and icon.
    QApplication::setApplicationName(QStringLiteral("quantella"));
    QApplication::setApplicationVersion(QStringLiteral(QUANTELLA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(QUANTELLA_APP_ID));
    // The program ends when its start window unloads, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    Programma programma;
    programma.onTerminato = [] { QCoreApplication::quit(); };
    tk::onTerminationRequest([&programma] { programma.termina(); });
    programma.avvia();
    return QApplication::exec();
}
