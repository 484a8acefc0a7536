#include "FrmOperativo2.h"

#include "layouts/Layouts.h"
#include "pictures/FrmFigure.h"

#include <cmath>

namespace {

ConfigurazioneRiga rigaEsercizio2()
{
    ConfigurazioneRiga configurazione{.spazioSaltaDisabilitati = true, .rilascioDeseleziona = true};
    for (int d = 1; d <= 8; ++d) {
        configurazione.cifre[48 + d] = d - 1;  // main row
        configurazione.cifre[96 + d] = d - 1;  // numeric keypad
    }
    return configurazione;
}

enum Comando { Conta = 0, Ricomincia = 1, Verifica = 2, Avanti = 3, Esci = 4 };
constexpr int posti = 20;
const QString simboli[] = {QStringLiteral("x"), QStringLiteral("<"), QStringLiteral(">"), QStringLiteral("+")};

} // namespace

FrmOperativo2::FrmOperativo2(tk::Runtime& runtime, const Globali& globali, FrmFigure& figure,
                             std::function<void()> mostraInizio)
    : tk::Form(runtime, layouts::frmOperativo2),
      globali_(globali),
      figure_(figure),
      mostraInizio_(std::move(mostraInizio)),
      riga_(rigaEsercizio2(), [this](int i, Origine) { eseguiComando(i); })
{
}

void FrmOperativo2::bind(tk::Window& finestra)
{
    Image2.bind(finestra, "Image2");
    Label2.bind(finestra, "Label2");
    Option1.bind(finestra, "Option1");
    Label5.bind(finestra, "Label5");
    pannello.bind(finestra);
    riassumiArea(*finestra.find(QStringLiteral("FraSfondoS")), QStringLiteral("oggetto"), QStringLiteral("oggetti"));
    riassumiArea(*finestra.find(QStringLiteral("Frame1")), QStringLiteral("simbolo"), QStringLiteral("simboli"));
    riga_.collega(Option1);
}

void FrmOperativo2::unbind()
{
    Image2.clear();
    Label2.clear();
    Option1.clear();
    Label5.clear();
    pannello.clear();
}

double FrmOperativo2::ora() const
{
    return runtime().clock().monotonicSeconds();
}

void FrmOperativo2::Load()
{
    proporzioni_.registra(*window());
    nuovoEsercizio();
}

void FrmOperativo2::Resize()
{
    proporzioni_.applica(*window());
}

void FrmOperativo2::Unload()
{
    mostraInizio_();
}

void FrmOperativo2::nuovoEsercizio()
{
    stato_.oggettiInseriti = 0;
    pannello.LblEsito->setCaption(QString());
    const QPixmap vuota = figure_.Image3(0);
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
    caso.seed(runtime().clock().secondsSinceMidnight());
    s.tipoSimbolo = static_cast<qint16>(tk::draw(caso, 4));
    s.simbolo = simboli[s.tipoSimbolo - 1];
    const int intervallo = globali_.NumeroMassimo - (globali_.minimo() - 1);
    s.numeroSimboli = static_cast<qint16>(std::floor(static_cast<double>(caso.next()) * intervallo)
                                          + globali_.minimo());
    for (int indice = 1; indice <= s.numeroSimboli; ++indice)
        Label2[indice]->setCaption(s.simbolo);
    s.figura = static_cast<qint16>(tk::draw(caso, 12));
    s.risultati.oraInizio = ora();
}

// One more figure in the next place; from the 21st on it is counted but not shown.
void FrmOperativo2::aggiungiFigura()
{
    incrementa(stato_.oggettiInseriti);
    if (stato_.oggettiInseriti >= 1 && stato_.oggettiInseriti <= posti)
        Image2[stato_.oggettiInseriti]->setPicture(figure_.Image3(stato_.figura));
    Option1[Verifica]->setEnabled(true);
}

void FrmOperativo2::cancellaInsieme()
{
    const QPixmap vuota = figure_.Image3(0);
    for (int indice = 1; indice <= posti; ++indice)
        Image2[indice]->setPicture(vuota);
    stato_.oggettiInseriti = 0;
}

void FrmOperativo2::verificaRisposta()
{
    stato_.risultati.giudica(stato_.oggettiInseriti == stato_.numeroSimboli, pannello);
    abilitaProseguimento();
    stato_.risultati.misuraTempi(ora(), pannello);
}

void FrmOperativo2::abilitaRisposta()
{
    Option1[Conta]->setEnabled(true);
    Option1[Ricomincia]->setEnabled(true);
    Option1[Verifica]->setEnabled(false);
    Option1[Avanti]->setEnabled(false);
    Option1[Esci]->setEnabled(false);
}

void FrmOperativo2::abilitaProseguimento()
{
    Option1[Conta]->setEnabled(false);
    Option1[Ricomincia]->setEnabled(false);
    Option1[Verifica]->setEnabled(false);
    Option1[Avanti]->setEnabled(true);
    Option1[Esci]->setEnabled(true);
}

void FrmOperativo2::eseguiComando(int indice)
{
    switch (indice) {
    case Conta:
        aggiungiFigura();
        break;
    case Ricomincia:
        cancellaInsieme();
        break;
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
        break;
    }
}
