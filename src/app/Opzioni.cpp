#include "Opzioni.h"

#include "Avvio.h"
#include "Lingua.h"
#include "Scansione.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>

using avvio::testo;

namespace {

// One row per option: its names (one letter for "-h", more for "--help"), the name of its value
// in the help (none for a switch), its line of help, and what the help adds below that line.
struct Voce {
    QStringList nomi;
    const char* valore;
    const char* aiuto;
    QString (*seguito)() = nullptr;

    QCommandLineOption opzione() const
    {
        return QCommandLineOption(nomi, QString(), valore ? testo(valore) : QString());
    }
    QString primo() const { return nomi.constFirst(); }
    static QString scritto(const QString& nome)
    {
        return (nome.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nome;
    }
    // In the help: "-h, --help", "--lingua CODICE".
    QString inAiuto() const
    {
        QStringList scritti;
        for (const QString& nome : nomi)
            scritti << scritto(nome);
        return scritti.join(QStringLiteral(", ")) + (valore ? u' ' + testo(valore) : QString());
    }
};

QString elencoLingue()
{
    QStringList voci;
    for (const QString& codice : lingua::disponibili())
        voci << QStringLiteral("%1 (%2)").arg(codice, lingua::nome(codice));
    return voci.join(QStringLiteral(", "));
}

const Voce aiuto{{QStringLiteral("h"), QStringLiteral("help")}, nullptr,
                 QT_TRANSLATE_NOOP("Main", "mostra questo aiuto ed esce")};
const Voce versione{{QStringLiteral("v"), QStringLiteral("version")}, nullptr,
                    QT_TRANSLATE_NOOP("Main", "mostra la versione ed esce")};
const Voce senzaVoce{{QStringLiteral("senza-voce")}, nullptr,
                     QT_TRANSLATE_NOOP("Main", "non parla: nessun numero, esito o nome di tasto detto a voce")};
const Voce linguaScelta{{QStringLiteral("lingua")},
                        //: The name of the option's value in the help and in messages, upper case.
                        QT_TRANSLATE_NOOP("Main", "CODICE"),
                        //: Followed on the next line by the list of languages.
                        QT_TRANSLATE_NOOP("Main", "la lingua dei testi e della voce, invece di quella del desktop:"),
                        elencoLingue};
const Voce aScansione{{QStringLiteral("scansione")}, nullptr,
                      //: Lines after the first follow in the same column.
                      QT_TRANSLATE_NOOP("Main", "i tasti si illuminano da soli, uno dopo l'altro; Invio, lo spazio\n"
                                                "o un tasto del mouse premono quello illuminato")};
const Voce tempoScansione{{QStringLiteral("scansione-tempo")},
                          //: The name of the option's value in the help and in messages, upper case.
                          QT_TRANSLATE_NOOP("Main", "SECONDI"),
                          //: Lines after the first follow in the same column.
                          QT_TRANSLATE_NOOP("Main", "quanto resta illuminato ogni tasto: da 0,5 a 10 secondi,\n"
                                                    "2 se manca; attiva anche la scansione")};
const QList<const Voce*> voci{&aiuto, &versione, &senzaVoce, &linguaScelta, &aScansione, &tempoScansione};

QString uso()
{
    //: The option names stay Italian in every language; the lines of the options follow.
    QString uso = testo(QT_TRANSLATE_NOOP("Main", "Uso: quantella [opzioni]\n"
                                                  "Quantella aiuta i bambini a imparare a contare.\n"
                                                  "\n"
                                                  "Opzioni:\n"));
    qsizetype larghezza = 0;
    for (const Voce* voce : voci)
        larghezza = std::max(larghezza, voce->inAiuto().size() + 3);
    const QString rientro(larghezza + 2, u' ');
    for (const Voce* voce : voci) {
        const QString righe = testo(voce->aiuto).replace(u'\n', u'\n' + rientro);
        uso += QStringLiteral("  %1%2\n").arg(voce->inAiuto().leftJustified(larghezza), righe);
        if (voce->seguito)
            uso += rientro + voce->seguito() + u'\n';
    }
    return uso;
}

// How the user typed one of the option's names ("--lingua" of "--lingua=xx"); its long name if not at all.
QString comeScritta(const QStringList& argomenti, const QStringList& nomi)
{
    for (const QString& a : argomenti.mid(1))
        for (const QString& nome : nomi)
            if (const QString opzione = a.section(u'=', 0, 0);
                opzione == Voce::scritto(nome) || opzione == QStringLiteral("--") + nome)
                return opzione;
    return QStringLiteral("--") + nomi.constLast();
}

// A switch given a value ("--senza-voce=1").
QString conValore(const QStringList& argomenti)
{
    for (const QString& a : argomenti.mid(1))
        for (const Voce* voce : voci)
            for (const QString& nome : voce->nomi)
                if (!voce->valore && a.startsWith(Voce::scritto(nome) + u'='))
                    return a.section(u'=', 0, 0);
    return {};
}

// An option that wants a value and has none: last on the line ("--lingua"), or empty ("--lingua=").
const Voce* senzaValore(const QCommandLineParser& parser, const QStringList& argomenti)
{
    for (const Voce* voce : voci) {
        if (!voce->valore)
            continue;
        const bool ultimo = argomenti.size() > 1 && std::any_of(voce->nomi.begin(), voce->nomi.end(), [&](const QString& n) {
                                return argomenti.constLast() == Voce::scritto(n);
                            });
        if (ultimo || (parser.isSet(voce->primo()) && parser.value(voce->primo()).isEmpty()))
            return voce;
    }
    return nullptr;
}

// Chooses the language, from the option or the desktop, and loads its texts; Italian when they do not load.
QString carica(const QString& scelta)
{
    const QString codice = scelta.isEmpty() ? lingua::dalDesktop() : scelta;
    if (lingua::carica(avvio::traduttore(), codice))
        return codice;
    const QString italiano = QStringLiteral("it");
    avvio::errore(testo(QT_TRANSLATE_NOOP("Main", "i testi della lingua %1 non si caricano; il programma continua in italiano"))
                      .arg(codice));
    if (codice != italiano)
        lingua::carica(avvio::traduttore(), italiano);
    return italiano;
}

} // namespace

Opzioni leggiOpzioni(int argc, char* argv[])
{
    QStringList argomenti;
    for (int i = 0; i < argc; ++i)
        argomenti << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    for (const Voce* voce : voci)
        parser.addOption(voce->opzione());
    const bool letti = parser.parse(argomenti);

    Opzioni opzioni;
    const QString scelta = parser.value(linguaScelta.primo());
    const bool linguaNota = scelta.isEmpty() || lingua::disponibili().contains(scelta);
    opzioni.lingua = carica(linguaNota ? scelta : QString());

    QString problema;
    QStringList sconosciute;
    for (const QString& nome : parser.unknownOptionNames())
        sconosciute << comeScritta(argomenti, {nome});
    if (const QString opzione = conValore(argomenti); !opzione.isEmpty())
        problema = testo(QT_TRANSLATE_NOOP("Main", "l'opzione %1 non vuole un valore")).arg(opzione);
    else if (!sconosciute.isEmpty())
        problema = testo(QT_TRANSLATE_NOOP("Main", "opzione sconosciuta: %1")).arg(sconosciute.join(u' '));
    else if (const QStringList altri = parser.positionalArguments(); !altri.isEmpty())
        problema = testo(QT_TRANSLATE_NOOP("Main", "argomento non previsto: %1")).arg(altri.join(u' '));
    else if (const Voce* voce = senzaValore(parser, argomenti))
        problema = testo(QT_TRANSLATE_NOOP("Main", "all'opzione %1 manca il valore %2"))
                       .arg(comeScritta(argomenti, voce->nomi), testo(voce->valore));
    else if (!letti)
        problema = parser.errorText(); // a failure Qt knows of and this table does not
    else if (parser.isSet(tempoScansione.primo()) && !scansione::leggiTempo(parser.value(tempoScansione.primo())))
        problema = testo(QT_TRANSLATE_NOOP("Main", "tempo di scansione non valido: %1; --scansione-tempo vuole "
                                                   "da 0,5 a 10 secondi"))
                       .arg(parser.value(tempoScansione.primo()));
    else if (!linguaNota)
        problema = testo(QT_TRANSLATE_NOOP("Main", "lingua sconosciuta: %1; le lingue sono: %2"))
                       .arg(scelta, elencoLingue());

    if (!problema.isEmpty()) {
        avvio::errore(problema);
        std::fputs(qPrintable(uso()), stderr);
        opzioni.scelta = Opzioni::Scelta::Errore;
    } else if (parser.isSet(aiuto.primo())) {
        std::fputs(qPrintable(uso()), stdout);
        opzioni.scelta = Opzioni::Scelta::Esci;
    } else if (parser.isSet(versione.primo())) {
        std::printf("quantella %s\n", QUANTELLA_VERSION);
        opzioni.scelta = Opzioni::Scelta::Esci;
    }
    opzioni.senzaVoce = parser.isSet(senzaVoce.primo());
    // The period alone turns scanning on too.
    if (parser.isSet(tempoScansione.primo()))
        opzioni.scansione = scansione::leggiTempo(parser.value(tempoScansione.primo()));
    else if (parser.isSet(aScansione.primo()))
        opzioni.scansione = scansione::tempoPredefinito;
    return opzioni;
}
