#include "FinestraEsercizio.h"

#include "toolkit/Accessibility.h"

#include <QCoreApplication>

#include <cmath>

FinestraEsercizio::FinestraEsercizio(tk::Runtime& runtime, const tk::WindowSpec& layout, Dipendenze dipendenze,
                                     ConfigurazioneRiga riga)
    : tk::Form(runtime, layout),
      dipendenze_(std::move(dipendenze)),
      riga_(std::move(riga), [this](int i, Origine) { eseguiComando(i); })
{
}

float FinestraEsercizio::oraDelGiorno() const
{
    return runtime().clock().secondsSinceMidnight();
}

double FinestraEsercizio::ora() const
{
    return runtime().clock().monotonicSeconds();
}

void FinestraEsercizio::segnaInizio()
{
    risultati_.oraInizio = ora();
}

qint16 FinestraEsercizio::estraiNumero(tk::Random& caso) const
{
    const int intervallo = globali().NumeroMassimo - globali().minimo() + 1;
    return static_cast<qint16>(std::floor(static_cast<double>(caso.next()) * intervallo) + globali().minimo());
}

void FinestraEsercizio::connectEvents()
{
    riga_.collega(Option1);
    pannello.descriviValori();
    const Aree a = aree();
    a.daContare.setAccessibleName(a.nomeDaContare);
    tk::summariseArea(a.risposta, a.quanteInRisposta);
}

void FinestraEsercizio::Load()
{
    proporzioni_.registra(*window());
    avvio();
}

void FinestraEsercizio::Resize()
{
    proporzioni_.applica(*window());
}

void FinestraEsercizio::Unload()
{
    dipendenze_.mostraInizio();
}

void FinestraEsercizio::eseguiComando(int indice)
{
    switch (indice) {
    case Verifica:
        verificaRisposta();
        break;
    case Avanti:
        annunciaEsito({});
        nuovoEsercizio();
        break;
    case Esci:
        unload();
        break;
    default:
        comandoProprio(indice);
        break;
    }
}

void FinestraEsercizio::abilitaRisposta()
{
    for (int k = Option1.lowerBound(); k <= Esci; ++k)
        Option1[k]->setEnabled(k < Verifica);
}

void FinestraEsercizio::abilitaProseguimento()
{
    for (int k = Option1.lowerBound(); k <= Esci; ++k)
        Option1[k]->setEnabled(k >= Avanti);
}

void FinestraEsercizio::verificaRisposta()
{
    const bool esatta = risposta() == numeroGiusto();
    risultati_.giudica(esatta, pannello);
    abilitaProseguimento();
    risultati_.misuraTempi(ora(), pannello);
    annunciaEsito(pannello.riassunto());

    // A screen reader says the outcome with the key that takes the focus; what it cannot know is
    // how many there were.
    const bool lettoreSchermo = runtime().screenReader().isActive();
    QString frase;
    if (!lettoreSchermo)
        frase = esatta ? QCoreApplication::translate("Esercizio", "Esatto!")
                       : QCoreApplication::translate("Esercizio", "Errato.");
    if (!esatta) {
        const int n = numeroGiusto();
        const QString quanti = QCoreApplication::translate(
            "Esercizio", "Erano %1.", "said after a mistake: how many there were; %1 is the number in words", n);
        frase = (frase.isEmpty() ? QString() : frase + u' ') + quanti.arg(dipendenze_.numeri.inParole(n));
    }
    if (!frase.isEmpty())
        runtime().speech().say(frase);
}

void FinestraEsercizio::annunciaEsito(const QString& esito)
{
    for (int k = Option1.lowerBound(); k <= Option1.upperBound(); ++k)
        Option1[k]->setAccessibleDescription(esito);
}

void FinestraEsercizio::diciConteggio(int conteggio)
{
    runtime().speech().say(dipendenze_.numeri.inParole(conteggio));
}

void FinestraEsercizio::taci()
{
    runtime().speech().stop();
}
