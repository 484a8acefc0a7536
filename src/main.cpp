#include "app/Programma.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The program ends when its start window unloads, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    Programma programma;
    programma.onTerminato = [] { QCoreApplication::quit(); };
    programma.avvia();
    return QApplication::exec();
}
