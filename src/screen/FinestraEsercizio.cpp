#include "FinestraEsercizio.h"

#include "Testo.h"
#include "toolkit/Accessibility.h"

FinestraEsercizio::FinestraEsercizio(tk::Runtime& runtime, const tk::WindowSpec& layout, Dipendenze dipendenze,
                                     const char* areaSimboli, bool mouseProtetto)
    : tk::Form(runtime, layout),
      dipendenze_(std::move(dipendenze)),
      areaSimboli_(areaSimboli),
      riga_(ConfigurazioneRiga::esercizio(mouseProtetto), [this](int i, Origine) { eseguiComando(i); })
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

void FinestraEsercizio::connectEvents()
{
    riga_.collega(Option1);
    pannello.descriviValori();
    // A screen reader can tell how many objects and symbols the two areas show.
    tk::summariseArea(*window()->find(QStringLiteral("FraSfondoS")), QStringLiteral("oggetto"),
                      QStringLiteral("oggetti"));
    tk::summariseArea(*window()->find(QString::fromLatin1(areaSimboli_)), QStringLiteral("simbolo"),
                      QStringLiteral("simboli"));
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
    const bool esatta = rispostaEsatta();
    risultati_.giudica(esatta, pannello);
    abilitaProseguimento();
    risultati_.misuraTempi(ora(), pannello);
    runtime().speech().say(esatta ? QStringLiteral("Esatto!") : QStringLiteral("Errato"));
}

void FinestraEsercizio::diciConteggio(int conteggio)
{
    runtime().speech().say(testo::inParole(conteggio));
}

void FinestraEsercizio::taci()
{
    runtime().speech().stop();
}
