#include "app/Programma.h"
#include "toolkit/DesktopVoice.h"
#include "toolkit/Termination.h"

#include <QApplication>
#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>

namespace {

const char* const uso =
    "Uso: quantella [opzioni]\n"
    "Quantella aiuta i bambini a imparare a contare.\n"
    "\n"
    "Opzioni:\n"
    "  -h, --help      mostra questo aiuto ed esce\n"
    "  -v, --version   mostra la versione ed esce\n"
    "  --senza-voce    non parla: nessun numero, esito o nome di tasto detto a voce\n";

enum class Scelta { Gioca, GiocaSenzaVoce, Esci, Errore };

// The options the parser did not know, as the user typed them ("--bogus", "-x=1").
QStringList comeScritte(const QStringList& argomenti, const QStringList& sconosciute)
{
    QStringList scritte;
    for (const QString& nome : sconosciute) {
        const auto scritta = std::find_if(argomenti.begin() + 1, argomenti.end(), [&nome](const QString& a) {
            const QString opzione = a.section(u'=', 0, 0);
            return opzione == u'-' + nome || opzione == QStringLiteral("--") + nome
                   || (opzione.startsWith(u'-') && !opzione.startsWith(QStringLiteral("--")) && opzione.contains(nome));
        });
        scritte << (scritta != argomenti.end() ? *scritta : QStringLiteral("--") + nome);
    }
    return scritte;
}

Scelta leggiOpzioni(const QStringList& argomenti)
{
    QCommandLineParser parser;
    const QCommandLineOption aiuto({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption versione({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption senzaVoce(QStringLiteral("senza-voce"), QString());
    parser.addOptions({aiuto, versione, senzaVoce});
    if (!parser.parse(argomenti) || !parser.positionalArguments().isEmpty()) {
        const QString errore = parser.unknownOptionNames().isEmpty()
                                   ? QStringLiteral("argomento non previsto: ") + parser.positionalArguments().join(u' ')
                                   : QStringLiteral("opzione sconosciuta: ")
                                         + comeScritte(argomenti, parser.unknownOptionNames()).join(u' ');
        std::fprintf(stderr, "quantella: %s\n%s", qPrintable(errore), uso);
        return Scelta::Errore;
    }
    if (parser.isSet(aiuto)) {
        std::fputs(uso, stdout);
        return Scelta::Esci;
    }
    if (parser.isSet(versione)) {
        std::printf("quantella %s\n", QUANTELLA_VERSION);
        return Scelta::Esci;
    }
    return parser.isSet(senzaVoce) ? Scelta::GiocaSenzaVoce : Scelta::Gioca;
}

} // namespace

int main(int argc, char* argv[])
{
    // Read before the application starts, so that --help and --version need no display.
    QStringList argomenti;
    for (int i = 0; i < argc; ++i)
        argomenti << QString::fromLocal8Bit(argv[i]);
    const Scelta scelta = leggiOpzioni(argomenti);
    if (scelta == Scelta::Esci)
        return 0;
    if (scelta == Scelta::Errore)
        return 2;

    QApplication app(argc, argv);
    // The window's X11 class and Wayland app id tie it to its desktop entry and icon.
    QApplication::setApplicationName(QStringLiteral("quantella"));
    QApplication::setApplicationVersion(QStringLiteral(QUANTELLA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(QUANTELLA_APP_ID));

    // Italian, whatever the desktop's language; with no voice the program runs on in silence.
    std::unique_ptr<tk::Speech> voce;
    if (scelta == Scelta::GiocaSenzaVoce) {
        voce = std::make_unique<tk::Silence>();
    } else {
        auto servizio = std::make_unique<tk::DesktopVoice>(QStringLiteral("it"), [](tk::DesktopVoice::Event evento,
                                                                                       const QString& perche) {
            switch (evento) {
            case tk::DesktopVoice::Event::Missing:
                std::fprintf(stderr, "quantella: nessuna voce (%s); il programma continua in silenzio\n",
                             qPrintable(perche));
                break;
            case tk::DesktopVoice::Event::Lost:
                std::fprintf(stderr, "quantella: voce persa (%s); il programma continua in silenzio\n",
                             qPrintable(perche));
                break;
            case tk::DesktopVoice::Event::Back: std::fputs("quantella: la voce è tornata\n", stderr); break;
            }
        });
        servizio->warmUpAfterFirstPaint();
        voce = std::move(servizio);
    }

    int stato = 0;
    {
        // The program ends when its start window unloads, not when a window closes.
        QApplication::setQuitOnLastWindowClosed(false);
        Programma programma(*voce);
        programma.runtime().screenReader().follow();
        programma.onTerminato = [] { QCoreApplication::quit(); };
        tk::onTerminationRequest([&programma] { programma.termina(); });
        programma.avvia();
        stato = QApplication::exec();
        tk::onTerminationRequest(nullptr);
    }
    voce.reset();
    // A voice stuck in its engine is not waited for.
    if (tk::DesktopVoice::threadAbandoned()) {
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(stato);
    }
    return stato;
}
