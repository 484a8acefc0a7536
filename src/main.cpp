#include "app/Lingua.h"
#include "app/Programma.h"
#include "app/Scansione.h"
#include "toolkit/DesktopVoice.h"
#include "toolkit/Termination.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// The program's texts before the application exists: installTranslator needs one.
QTranslator traduttore;

QString testo(const char* sorgente)
{
    const QString tradotto = traduttore.translate("Main", sorgente);
    return tradotto.isEmpty() ? QString::fromUtf8(sorgente) : tradotto;
}

void errore(const QString& riga)
{
    std::fprintf(stderr, "quantella: %s\n", qPrintable(riga));
}

QString elencoLingue()
{
    QStringList voci;
    for (const QString& codice : lingua::disponibili())
        voci << QStringLiteral("%1 (%2)").arg(codice, lingua::nome(codice));
    return voci.join(QStringLiteral(", "));
}

QString uso()
{
    //: Keep the option names (they stay Italian in every language) and the alignment of the columns.
    return testo(QT_TRANSLATE_NOOP("Main", "Uso: quantella [opzioni]\n"
                 "Quantella aiuta i bambini a imparare a contare.\n"
                 "\n"
                 "Opzioni:\n"
                 "  -h, --help        mostra questo aiuto ed esce\n"
                 "  -v, --version     mostra la versione ed esce\n"
                 "  --senza-voce      non parla: nessun numero, esito o nome di tasto detto a voce\n"
                 "  --lingua CODICE   la lingua dei testi e della voce, invece di quella del desktop:\n"))
           + QStringLiteral("                    %1\n").arg(elencoLingue())
           //: Follows the options above, in the same columns; keep the option names (they stay Italian in every language).
           + testo(QT_TRANSLATE_NOOP("Main", "  --scansione       i tasti si illuminano da soli, uno dopo l'altro; Invio, lo\n"
                   "                    spazio o un tasto del mouse premono quello illuminato\n"
                   "  --scansione-tempo SECONDI\n"
                   "                    quanto resta illuminato ogni tasto: da 0,5 a 10 secondi,\n"
                   "                    2 se manca; attiva anche la scansione\n"));
}

enum class Scelta { Gioca, Esci, Errore };

struct Opzioni {
    Scelta scelta = Scelta::Gioca;
    bool senzaVoce = false;
    QString lingua;
    std::optional<double> scansione;  // the period, when the keys are scanned
};

// The options the parser did not know, as the user typed them ("--bogus", "-x").
QStringList comeScritte(const QStringList& argomenti, const QStringList& sconosciute)
{
    QStringList scritte;
    for (const QString& nome : sconosciute) {
        const auto scritta = std::find_if(argomenti.begin() + 1, argomenti.end(), [&nome](const QString& a) {
            const QString opzione = a.section(u'=', 0, 0);
            return opzione == u'-' + nome || opzione == QStringLiteral("--") + nome;
        });
        scritte << (scritta != argomenti.end() ? scritta->section(u'=', 0, 0) : QStringLiteral("--") + nome);
    }
    return scritte;
}

// An option that takes no value but was given one ("--senza-voce=1").
QString conValore(const QStringList& argomenti, const QList<QCommandLineOption>& senzaValore)
{
    for (const QString& a : argomenti.mid(1))
        for (const QCommandLineOption& opzione : senzaValore)
            for (const QString& nome : opzione.names())
                if (a.startsWith((nome.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nome + u'='))
                    return a.section(u'=', 0, 0);
    return {};
}

// Reads the options, chooses the language and loads its texts; says what is wrong, or prints the
// help or the version, itself.
Opzioni leggiOpzioni(const QStringList& argomenti)
{
    QCommandLineParser parser;
    const QCommandLineOption aiuto({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption versione({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption senzaVoce(QStringLiteral("senza-voce"), QString());
    const QCommandLineOption linguaScelta(QStringLiteral("lingua"), QString(), QStringLiteral("codice"));
    const QCommandLineOption aScansione(QStringLiteral("scansione"), QString());
    const QCommandLineOption tempoScansione(QStringLiteral("scansione-tempo"), QString(), QStringLiteral("secondi"));
    parser.addOptions({aiuto, versione, senzaVoce, linguaScelta, aScansione, tempoScansione});
    const bool letti = parser.parse(argomenti);

    Opzioni opzioni;
    opzioni.lingua = parser.value(linguaScelta);
    const bool linguaNota = opzioni.lingua.isEmpty() || lingua::disponibili().contains(opzioni.lingua);
    lingua::carica(traduttore, linguaNota && !opzioni.lingua.isEmpty() ? opzioni.lingua : lingua::dalDesktop());

    QString problema;
    const QStringList sconosciute = comeScritte(argomenti, parser.unknownOptionNames());
    if (const QString opzione = conValore(argomenti, {aiuto, versione, senzaVoce, aScansione}); !opzione.isEmpty())
        problema = testo(QT_TRANSLATE_NOOP("Main", "l'opzione %1 non vuole un valore")).arg(opzione);
    else if (!sconosciute.isEmpty())
        problema = testo(QT_TRANSLATE_NOOP("Main", "opzione sconosciuta: %1")).arg(sconosciute.join(u' '));
    else if (const QStringList altri = parser.positionalArguments(); !altri.isEmpty())
        problema = testo(QT_TRANSLATE_NOOP("Main", "argomento non previsto: %1")).arg(altri.join(u' '));
    else if (!letti)
        problema = testo(QT_TRANSLATE_NOOP("Main", "all'opzione --lingua manca il codice della lingua"));
    else if (parser.isSet(tempoScansione) && !scansione::leggiTempo(parser.value(tempoScansione)))
        problema = testo(QT_TRANSLATE_NOOP("Main", "tempo di scansione non valido: %1; --scansione-tempo vuole "
                                                   "da 0,5 a 10 secondi"))
                       .arg(parser.value(tempoScansione));
    else if (!linguaNota)
        problema = testo(QT_TRANSLATE_NOOP("Main", "lingua sconosciuta: %1; le lingue sono: %2"))
                       .arg(opzioni.lingua, elencoLingue());
    if (!problema.isEmpty()) {
        errore(problema);
        std::fputs(qPrintable(uso()), stderr);
        opzioni.scelta = Scelta::Errore;
    } else if (parser.isSet(aiuto)) {
        std::fputs(qPrintable(uso()), stdout);
        opzioni.scelta = Scelta::Esci;
    } else if (parser.isSet(versione)) {
        std::printf("quantella %s\n", QUANTELLA_VERSION);
        opzioni.scelta = Scelta::Esci;
    }
    opzioni.senzaVoce = parser.isSet(senzaVoce);
    // The period alone turns scanning on too.
    if (parser.isSet(tempoScansione))
        opzioni.scansione = scansione::leggiTempo(parser.value(tempoScansione));
    else if (parser.isSet(aScansione))
        opzioni.scansione = scansione::tempoPredefinito;
    if (opzioni.lingua.isEmpty())
        opzioni.lingua = QLocale().name().section(u'_', 0, 0);
    return opzioni;
}

// Qt stops the program with a core dump when no platform can start, and says to reinstall it.
// Until the application has started, Qt's messages wait here: a start that fails says what is
// missing in one line and leaves with status 1; one that succeeds lets them through.
struct Messaggio {
    QtMsgType tipo;
    QByteArray categoria;
    QString testo;
};
QtMessageHandler predefinito = nullptr;
QList<Messaggio> inAttesa;

QString schermoMancante()
{
    const QString piattaforma = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!piattaforma.isEmpty())
        return testo(QT_TRANSLATE_NOOP("Main", "la piattaforma %1 non si avvia")).arg(piattaforma);
    QStringList schermi;
    for (const char* variabile : {"WAYLAND_DISPLAY", "DISPLAY"})
        if (const QString valore = qEnvironmentVariable(variabile); !valore.isEmpty())
            schermi << QStringLiteral("%1=%2").arg(QString::fromLatin1(variabile), valore);
    if (schermi.isEmpty())
        return testo(QT_TRANSLATE_NOOP("Main", "né DISPLAY né WAYLAND_DISPLAY sono impostate"));
    return testo(QT_TRANSLATE_NOOP("Main", "impossibile collegarsi a %1")).arg(schermi.join(QStringLiteral(", ")));
}

void primaDellAvvio(QtMsgType tipo, const QMessageLogContext& contesto, const QString& messaggio)
{
    if (tipo == QtFatalMsg) {
        errore(testo(QT_TRANSLATE_NOOP("Main", "nessuno schermo: %1")).arg(schermoMancante()));
        std::fflush(stderr);
        std::_Exit(1);
    }
    inAttesa.append({tipo, contesto.category, messaggio});
}

void avviato()
{
    qInstallMessageHandler(predefinito);
    for (const Messaggio& m : std::exchange(inAttesa, {}))
        predefinito(m.tipo, QMessageLogContext(nullptr, 0, nullptr, m.categoria.constData()), m.testo);
}

// Why the voice is silent, for the line that says so.
QString perche(tk::DesktopVoice::Reason motivo, const QString& lingua)
{
    switch (motivo) {
    case tk::DesktopVoice::Reason::NoService:
        return testo(QT_TRANSLATE_NOOP("Main", "nessun servizio di sintesi vocale"));
    case tk::DesktopVoice::Reason::NoVoice:
        return testo(QT_TRANSLATE_NOOP("Main", "nessuna voce per la lingua: %1")).arg(lingua::nome(lingua));
    case tk::DesktopVoice::Reason::Stopped:
        return testo(QT_TRANSLATE_NOOP("Main", "il servizio di sintesi vocale non risponde"));
    case tk::DesktopVoice::Reason::None: break;
    }
    return {};
}

std::unique_ptr<tk::Speech> voce(const Opzioni& opzioni)
{
    if (opzioni.senzaVoce)
        return std::make_unique<tk::Silence>();
    using Voce = tk::DesktopVoice;
    auto servizio = std::make_unique<Voce>(opzioni.lingua, [lingua = opzioni.lingua](Voce::Event evento,
                                                                                    Voce::Reason motivo) {
        switch (evento) {
        case Voce::Event::Missing:
            errore(testo(QT_TRANSLATE_NOOP("Main", "nessuna voce (%1); il programma continua in silenzio"))
                       .arg(perche(motivo, lingua)));
            break;
        case Voce::Event::Lost:
            errore(testo(QT_TRANSLATE_NOOP("Main", "voce persa (%1); il programma continua in silenzio"))
                       .arg(perche(motivo, lingua)));
            break;
        case Voce::Event::Back: errore(testo(QT_TRANSLATE_NOOP("Main", "la voce è tornata"))); break;
        }
    });
    servizio->warmUpAfterFirstPaint();
    return servizio;
}

} // namespace

int main(int argc, char* argv[])
{
    // Read before the application starts, so that --help and --version need no display.
    QStringList argomenti;
    for (int i = 0; i < argc; ++i)
        argomenti << QString::fromLocal8Bit(argv[i]);
    const Opzioni opzioni = leggiOpzioni(argomenti);
    if (opzioni.scelta == Scelta::Esci)
        return 0;
    if (opzioni.scelta == Scelta::Errore)
        return 2;

    predefinito = qInstallMessageHandler(primaDellAvvio);
    QApplication app(argc, argv);
    avviato();
    QCoreApplication::installTranslator(&traduttore);
    // The window's X11 class and Wayland app id tie it to its desktop entry and icon.
    QApplication::setApplicationName(QStringLiteral("quantella"));
    QApplication::setApplicationVersion(QStringLiteral(QUANTELLA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(QUANTELLA_APP_ID));

    // The program's language, whatever voice the desktop prefers; without one it runs on in silence.
    std::unique_ptr<tk::Speech> parla = voce(opzioni);
    int stato = 0;
    {
        // The program ends when its start window unloads, not when a window closes.
        QApplication::setQuitOnLastWindowClosed(false);
        Programma programma(*parla);
        programma.runtime().setScanPeriod(opzioni.scansione);
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
