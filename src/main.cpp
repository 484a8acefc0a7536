#include "app/Avvio.h"
#include "app/Opzioni.h"
#include "app/Programma.h"
#include "toolkit/DesktopVoice.h"
#include "toolkit/Termination.h"

#include <QApplication>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {

// The program's language, whatever voice the desktop prefers; without one it runs on in silence.
std::unique_ptr<tk::Speech> voce(const Opzioni& opzioni)
{
    if (opzioni.senzaVoce)
        return std::make_unique<tk::Silence>();
    auto servizio = std::make_unique<tk::DesktopVoice>(opzioni.lingua, avvio::rapportiDellaVoce(opzioni.lingua));
    servizio->warmUpAfterFirstPaint();
    return servizio;
}

} // namespace

int main(int argc, char* argv[])
{
    const Opzioni opzioni = leggiOpzioni(argc, argv);
    if (opzioni.scelta != Opzioni::Scelta::Gioca)
        return opzioni.scelta == Opzioni::Scelta::Esci ? 0 : 2;

    avvio::trattieniMessaggi();
    QApplication app(argc, argv);
    avvio::avviato();
    QCoreApplication::installTranslator(&avvio::traduttore());
    // The window's X11 class and Wayland app id tie it to its desktop entry and icon.
    QApplication::setApplicationName(QStringLiteral("quantella"));
    QApplication::setApplicationVersion(QStringLiteral(QUANTELLA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(QUANTELLA_APP_ID));

    std::unique_ptr<tk::Speech> parla = voce(opzioni);
    int stato = 0;
    {
        // The program ends when its start window unloads, not when a window closes.
        QApplication::setQuitOnLastWindowClosed(false);
        Programma programma(*parla, opzioni.lingua);
        programma.runtime().setScanPeriod(opzioni.scansione);
        programma.onAvviso = avvio::errore;
        programma.runtime().screenReader().follow();
        programma.onTerminato = [] { QCoreApplication::quit(); };
        tk::onTerminationRequest([&programma] { programma.termina(); });
        programma.avvia();
        stato = QApplication::exec();
        tk::onTerminationRequest(nullptr);
    }
    parla.reset();
    // A voice stuck in its speech service is not waited for.
    if (tk::DesktopVoice::threadAbandoned()) {
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(stato);
    }
    return stato;
}
