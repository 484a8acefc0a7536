#include "FrmOperativo1.h"

#include "layouts/Layouts.h"
#include "pictures/FrmFigure.h"
#include "screen/Testo.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
constexpr int simboliVisibili = 20;
// Place 0 of the set area is never used: the objects of a set take distinct places among the rest.
static_assert(Globali::massimoPossibile <= layouts::ultimaCellaInsieme,
              "the largest set of a range needs a place of its own for each object");
} // namespace

frmOperativo1::frmOperativo1(tk::Runtime& runtime, Dipendenze dipendenze)
    : FinestraEsercizio(runtime, layouts::frmOperativo1, std::move(dipendenze),
                        ConfigurazioneRiga::esercizio({.mouseProtetto = true}))
{
}

FinestraEsercizio::Aree frmOperativo1::aree()
{
    //: What a screen reader calls the set of objects the child counts (not how many: that is the answer).
    return {*FraSfondoS, QCoreApplication::translate("Esercizio", "Oggetti da contare"), *Frame5, [](int n) {
                return QCoreApplication::translate("Esercizio", "%n simboli", "the symbols the child has placed", n);
            }};
}

void frmOperativo1::connectEvents()
{
    FinestraEsercizio::connectEvents();
    for (int k = Image2.lowerBound(); k <= Image2.upperBound(); ++k)
        Image2[k]->on.click = [this](int) { aggiungiSimbolo(); };
}

void frmOperativo1::avvio()
{
    stato_.numeroEsercizio = 1;
    pannello.LblOperazione->setCaption(QStringLiteral("1"));
    stato_.simboliInseriti = 0;
    abilitaRisposta();
    // Drawn before any seeding: the first opening in a run always gets the same symbol.
    stato_.tipoSimbolo = static_cast<qint16>(tk::draw(runtime().random(), 4));
    preparaSimboli();
    genera();
}

void frmOperativo1::preparaSimboli()
{
    const QPixmap simbolo = figure().Image1(stato_.tipoSimbolo);
    const QString nome = figure().nomeSimbolo(stato_.tipoSimbolo);
    for (int k = 0; k <= simboliVisibili; ++k) {
        Image1[k]->setPicture(simbolo, nome);
        Image1[k]->setVisible(false);
    }
}

void frmOperativo1::genera()
{
    StatoEsercizio1& s = stato_;
    s.simboliInseriti = 0;
    for (int k = Image2.lowerBound(); k <= Image2.upperBound(); ++k)
        Image2[k]->setVisible(false);
    tk::Random& caso = runtime().random();
    caso.seed(oraDelGiorno());
    s.figura = static_cast<qint16>(tk::draw(caso, 12));
    s.numeroOggetti = estraiNumero(caso);
    // Distinct places among 1..23, by drawing again on a repeat (there are more places than objects).
    const int posti = Image2.upperBound();
    for (int i = 1; i <= s.numeroOggetti; ++i) {
        for (;;) {
            const auto posto = static_cast<qint16>(tk::draw(caso, posti));
            s.estrazioni[static_cast<std::size_t>(i)] = posto;
            const auto prima = s.posizioni.begin() + 1, fine = s.posizioni.begin() + i;
            if (std::find(prima, fine, posto) == fine) {
                s.posizioni[static_cast<std::size_t>(i)] = posto;
                break;
            }
        }
    }
    const QPixmap oggetto = figure().Image3(s.figura);
    const QString nome = figure().nomeOggetto(s.figura);
    const auto occupati = s.posizioni.begin() + 1, fine = occupati + s.numeroOggetti;
    for (int k = 1; k <= posti; ++k) {
        if (std::find(occupati, fine, k) != fine) {
            Image2[k]->setVisible(true);
            Image2[k]->setPicture(oggetto, nome);
        }
    }
    segnaInizio();
}

void frmOperativo1::nuovoEsercizio()
{
    pannello.LblTempoParziale->setCaption(QString());
    pannello.LblEsito->setCaption(QString());
    preparaSimboli();
    incrementa(stato_.numeroEsercizio);
    pannello.LblOperazione->setCaption(testo::contatore(stato_.numeroEsercizio));
    abilitaRisposta();
    genera();
}

void frmOperativo1::cancellaSimboli()
{
    for (int k = 1; k <= Image1.upperBound(); ++k)
        Image1[k]->setVisible(false);
    stato_.simboliInseriti = 0;
}

// The keys for answering, and the focus to "Conta".
void frmOperativo1::abilitaRisposta()
{
    FinestraEsercizio::abilitaRisposta();
    window()->giveFocus(*Option1[Conta]);
}

// One more symbol; from the 21st on it is counted but not shown. The count is said aloud.
void frmOperativo1::aggiungiSimbolo()
{
    incrementa(stato_.simboliInseriti);
    if (stato_.simboliInseriti >= 1 && stato_.simboliInseriti <= simboliVisibili)
        Image1[stato_.simboliInseriti]->setVisible(true);
    diciConteggio(stato_.simboliInseriti);
}

// "Ricomincia" hushes the voice and clears the symbols; "Conta" enables "Verifica" and adds a symbol.
void frmOperativo1::comandoProprio(int indice)
{
    if (indice == Ricomincia) {
        taci();
        cancellaSimboli();
    } else if (indice == Conta) {
        Option1[Verifica]->setEnabled(true);
        aggiungiSimbolo();
    }
}
