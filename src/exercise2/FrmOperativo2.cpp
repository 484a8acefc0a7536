#include "FrmOperativo2.h"

#include "layouts/Layouts.h"
#include "pictures/FrmFigure.h"
#include "screen/Testo.h"

#include <QCoreApplication>

namespace {
constexpr int posti = 20;
const QString simboli[] = {QStringLiteral("x"), QStringLiteral("<"), QStringLiteral(">"), QStringLiteral("+")};
} // namespace

FrmOperativo2::FrmOperativo2(tk::Runtime& runtime, Dipendenze dipendenze)
    : FinestraEsercizio(runtime, layouts::frmOperativo2, std::move(dipendenze),
                        ConfigurazioneRiga::esercizio({.mouseProtetto = false}))
{
}

FinestraEsercizio::Aree FrmOperativo2::aree()
{
    //: What a screen reader calls the row of symbols the child counts (not how many: that is the answer).
    return {*Frame1, QCoreApplication::translate("Esercizio", "Simboli da contare"), *FraSfondoS, [](int n) {
                return QCoreApplication::translate("Esercizio", "%n oggetti", "objects in the child's set", n);
            }};
}

void FrmOperativo2::nuovoEsercizio()
{
    stato_.oggettiInseriti = 0;
    pannello.LblEsito->setCaption(QString());
    const QPixmap vuota = figure().Image3(0);
    for (int indice = 1; indice <= posti; ++indice) {
        Image2[indice]->setPicture(vuota);
        Label2[indice]->setCaption(QString());
    }
    incrementa(stato_.numeroEsercizio);
    pannello.LblOperazione->setCaption(testo::contatore(stato_.numeroEsercizio));
    abilitaRisposta();
    genera();
}

void FrmOperativo2::genera()
{
    StatoEsercizio2& s = stato_;
    tk::Random& caso = runtime().random();
    caso.seed(oraDelGiorno());
    s.tipoSimbolo = static_cast<qint16>(tk::draw(caso, 4));
    s.simbolo = simboli[s.tipoSimbolo - 1];
    s.numeroSimboli = estraiNumero(caso);
    for (int indice = 1; indice <= s.numeroSimboli; ++indice)
        Label2[indice]->setCaption(s.simbolo);
    s.figura = static_cast<qint16>(tk::draw(caso, 12));
    segnaInizio();
}

// One more figure in the next place; from the 21st on it is counted but not shown. The count is
// said aloud.
void FrmOperativo2::aggiungiFigura()
{
    incrementa(stato_.oggettiInseriti);
    if (stato_.oggettiInseriti >= 1 && stato_.oggettiInseriti <= posti)
        Image2[stato_.oggettiInseriti]->setPicture(figure().Image3(stato_.figura),
                                                   figure().nomeOggetto(stato_.figura));
    Option1[Verifica]->setEnabled(true);
    diciConteggio(stato_.oggettiInseriti);
}

void FrmOperativo2::cancellaInsieme()
{
    const QPixmap vuota = figure().Image3(0);
    for (int indice = 1; indice <= posti; ++indice)
        Image2[indice]->setPicture(vuota);
    stato_.oggettiInseriti = 0;
}

void FrmOperativo2::comandoProprio(int indice)
{
    if (indice == Conta) {
        aggiungiFigura();
    } else if (indice == Ricomincia) {
        taci();
        cancellaInsieme();
    }
}
