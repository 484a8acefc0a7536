#include "Avvio.h"

#include "Lingua.h"

#include <QCoreApplication>
#include <QEvent>
#include <QList>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <utility>
#include <vector>

namespace avvio {

namespace {

// Qt stops the program with a core dump when no platform can start, and says to reinstall it.
// Until the application has started, Qt's messages wait here; Qt calls the handler from any thread.
struct Messaggio {
    QtMsgType tipo;
    QByteArray categoria;
    QString testo;
};
QtMessageHandler predefinito = nullptr;
std::mutex guardia;
QList<Messaggio> inAttesa;
bool partito = false;

// Qt's line for a platform that could not reach its display: X11's, Wayland's.
bool schermoIrraggiungibile(const QString& testo)
{
    return testo.startsWith(QLatin1String("could not connect to display"))
           || testo.startsWith(QLatin1String("Failed to create wl_display"));
}

// Qt's line for each platform it tried and could not start:
// 'Could not load the Qt platform plugin "xcb" in "" even though it was found.', or
// 'Could not find the Qt platform plugin "xcb" in ""' for one that is not there or does not read.
bool tentativo(const Messaggio& m)
{
    return m.categoria == "qt.qpa.plugin" && m.testo.contains(QLatin1String("the Qt platform plugin"));
}

struct Diagnosi {
    bool nessunoSchermo = false;
    QStringList ragioni; // Qt's, when it is not the display
};

// A platform that reached no display is no fault of its own; one that is not installed is an
// alternative, unless no display was even tried. Anything else is the reason, in Qt's words.
Diagnosi diagnosi(const QList<Messaggio>& messaggi, const QString& fatale)
{
    bool schermo = false, guasto = false, schermoDelTentativo = false;
    Diagnosi d;
    QStringList delTentativo;
    for (const Messaggio& m : messaggi) {
        if (schermoIrraggiungibile(m.testo)) {
            schermoDelTentativo = true;
            continue;
        }
        if (!m.categoria.startsWith("qt."))
            continue;
        delTentativo << m.testo;
        if (!tentativo(m))
            continue;
        if (schermoDelTentativo) {
            schermo = true;
        } else {
            guasto = guasto || m.testo.contains(QLatin1String("even though it was found"));
            d.ragioni << delTentativo;
        }
        delTentativo.clear();
        schermoDelTentativo = false;
    }
    d.nessunoSchermo = schermo && !guasto;
    if (d.ragioni.isEmpty())
        d.ragioni << fatale.section(u'\n', 0, 0);
    d.ragioni = d.ragioni.mid(std::max<qsizetype>(0, d.ragioni.size() - 2));
    return d;
}

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
    std::unique_lock lock(guardia);
    if (partito) {
        lock.unlock();
        predefinito(tipo, contesto, messaggio);
        return;
    }
    if (tipo != QtFatalMsg) {
        inAttesa.append({tipo, contesto.category, messaggio});
        return;
    }
    const Diagnosi d = diagnosi(inAttesa, messaggio);
    if (d.nessunoSchermo) {
        errore(testo(QT_TRANSLATE_NOOP("Main", "nessuno schermo: %1")).arg(schermoMancante()));
    } else {
        for (const QString& ragione : d.ragioni)
            errore(ragione);
    }
    std::fflush(stderr);
    std::_Exit(1);
}

// What the voice's report says, on the interface thread. dettaglio: the speech service's own words.
void diVoce(const QString& lingua, tk::DesktopVoice::Event evento, tk::DesktopVoice::Reason motivo,
            const QString& dettaglio)
{
    using Voce = tk::DesktopVoice;
    QString perche;
    switch (motivo) {
    case Voce::Reason::NoService: perche = testo(QT_TRANSLATE_NOOP("Main", "nessun servizio di sintesi vocale")); break;
    case Voce::Reason::NoVoice:
        perche = testo(QT_TRANSLATE_NOOP("Main", "nessuna voce per la lingua: %1")).arg(lingua::nome(lingua));
        break;
    case Voce::Reason::Stopped:
        perche = testo(QT_TRANSLATE_NOOP("Main", "il servizio di sintesi vocale non risponde"));
        break;
    case Voce::Reason::None: break;
    }
    if (!dettaglio.isEmpty())
        //: %1 is why the voice is silent; %2 is what the speech service itself said (in English), quoted.
        perche = testo(QT_TRANSLATE_NOOP("Main", "%1: «%2»")).arg(perche, dettaglio);
    switch (evento) {
    case Voce::Event::Missing:
        errore(testo(QT_TRANSLATE_NOOP("Main", "nessuna voce (%1); il programma continua in silenzio")).arg(perche));
        break;
    case Voce::Event::Lost:
        errore(testo(QT_TRANSLATE_NOOP("Main", "voce persa (%1); il programma continua in silenzio")).arg(perche));
        break;
    case Voce::Event::Back: errore(testo(QT_TRANSLATE_NOOP("Main", "la voce è tornata"))); break;
    }
}

// Runs on the interface thread what other threads leave here. Only a bare event crosses through
// Qt; what is told crosses through this list, under a lock that ThreadSanitizer can see.
class Rapporti final : public QObject {
public:
    using QObject::QObject;

    void aggiungi(std::function<void()> rapporto)
    {
        {
            const std::lock_guard lock(guardia_);
            attesa_.push_back(std::move(rapporto));
        }
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }

protected:
    bool event(QEvent* evento) override
    {
        if (evento->type() != QEvent::User)
            return QObject::event(evento);
        std::vector<std::function<void()>> ora;
        {
            const std::lock_guard lock(guardia_);
            ora.swap(attesa_);
        }
        for (const auto& rapporto : ora)
            rapporto();
        return true;
    }

private:
    std::mutex guardia_;
    std::vector<std::function<void()>> attesa_;
};

} // namespace

QTranslator& traduttore()
{
    static QTranslator programma;
    return programma;
}

QString testo(const char* sorgente)
{
    const QString tradotto = traduttore().translate("Main", sorgente);
    return tradotto.isEmpty() ? QString::fromUtf8(sorgente) : tradotto;
}

void errore(const QString& riga)
{
    std::fprintf(stderr, "quantella: %s\n", qPrintable(riga));
}

void trattieniMessaggi()
{
    predefinito = qInstallMessageHandler(primaDellAvvio);
}

void avviato()
{
    QList<Messaggio> trattenuti;
    {
        const std::lock_guard lock(guardia);
        partito = true;
        trattenuti = std::exchange(inAttesa, {});
    }
    qInstallMessageHandler(predefinito);
    for (const Messaggio& m : std::as_const(trattenuti))
        predefinito(m.tipo, QMessageLogContext(nullptr, 0, nullptr, m.categoria.constData()), m.testo);
}

tk::DesktopVoice::Report rapportiDellaVoce(const QString& lingua)
{
    auto* rapporti = new Rapporti(QCoreApplication::instance());
    // Whatever a report carries is copied into the call, so a new field needs only diVoce's parameter.
    return [rapporti, lingua](auto... dati) { rapporti->aggiungi([lingua, dati...] { diVoce(lingua, dati...); }); };
}

} // namespace avvio
