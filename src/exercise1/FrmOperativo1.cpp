#include "FrmOperativo1.h"

#include "layouts/Layouts.h"
#include "pictures/FrmFigure.h"

#include <algorithm>
#include <cmath>

namespace {

ConfigurazioneRiga rigaEsercizio1()
{
    ConfigurazioneRiga configurazione{.spazioSaltaDisabilitati = true, .mouseProtetto = true,
                                      .rilascioDeseleziona = true};
    for (int d = 1; d <= 8; ++d) {
        configurazione.cifre[48 + d] = d - 1;  // main row
        configurazione.cifre[96 + d] = d - 1;  // numeric keypad
    }
    return configurazione;
}

enum Comando { Ricomincia = 0, Conta = 1, Verifica = 2, Avanti = 3, Esci = 4 };
constexpr int simboliVisibili = 20;

} // namespace

frmOperativo1::frmOperativo1(tk::Runtime& runtime, const Globali& globali, FrmFigure& figure,
                             std::function<void()> mostraInizio)
    : tk::Form(runtime, layouts::frmOperativo1),
      globali_(globali),
      figure_(figure),
      mostraInizio_(std::move(mostraInizio)),
      riga_(rigaEsercizio1(), [this](int i, Origine) { eseguiComando(i); })
{
}

void frmOperativo1::bind(tk::Window& finestra)
{
    Image2.bind(finestra, "Image2");
    Image1.bind(finestra, "Image1");
    Option1.bind(finestra, "Option1");
    Label5.bind(finestra, "Label5");
    pannello.bind(finestra);
    riassumiArea(*finestra.find(QStringLiteral("FraSfondoS")), QStringLiteral("oggetto"), QStringLiteral("oggetti"));
    riassumiArea(*finestra.find(QStringLiteral("Frame5")), QStringLiteral("simbolo"), QStringLiteral("simboli"));
    riga_.collega(Option1);
    for (int k = Image2.lowerBound(); k <= Image2.upperBound(); ++k)
        Image2[k]->on.click = [this](int) { aggiungiSimbolo(); };
}

void frmOperativo1::unbind()
{
    Image2.clear();
    Image1.clear();
    Option1.clear();
    Label5.clear();
    pannello.clear();
}

double frmOperativo1::ora() const
{
    return runtime().clock().monotonicSeconds();
}

void frmOperativo1::Load()
{
    proporzioni_.registra(*window());
    stato_.numeroEsercizio = 1;
    pannello.LblOperazione->setCaption(QStringLiteral("1"));
    stato_.simboliInseriti = 0;
    abilitaRisposta();
    // Drawn before any seeding: the first opening in a run always gets the same symbol.
    stato_.tipoSimbolo = static_cast<qint16>(tk::draw(runtime().random(), 4));
    preparaSimboli();
    genera();
}

void frmOperativo1::Resize()
{
    proporzioni_.applica(*window());
}

void frmOperativo1::Unload()
{
    mostraInizio_();
}

void frmOperativo1::preparaSimboli()
{
    const QPixmap simbolo = figure_.Image1(stato_.tipoSimbolo);
    for (int k = 0; k <= simboliVisibili; ++k) {
        Image1[k]->setPicture(simbolo);
        Image1[k]->setVisible(false);
    }
}

void frmOperativo1::genera()
{
    StatoEsercizio1& s = stato_;
    s.simboliInseriti = 0;
    for (int k = 0; k <= 23; ++k)
        Image2[k]->setVisible(false);
    tk::Random& caso = runtime().random();
    caso.seed(runtime().clock().secondsSinceMidnight());
    s.figura = static_cast<qint16>(tk::draw(caso, 12));
    const int intervallo = globali_.NumeroMassimo - globali_.minimo() + 1;
    s.numeroOggetti = static_cast<qint16>(std::floor(static_cast<double>(caso.next()) * intervallo)
                                          + globali_.minimo());
    // Distinct places among 1..23, by drawing again on a repeat.
    for (int i = 1; i <= s.numeroOggetti; ++i) {
        for (;;) {
            const auto posto = static_cast<qint16>(tk::draw(caso, 23));
            s.estrazioni[static_cast<std::size_t>(i)] = posto;
            const auto prima = s.posizioni.begin() + 1, fine = s.posizioni.begin() + i;
            if (std::find(prima, fine, posto) == fine) {
                s.posizioni[static_cast<std::size_t>(i)] = posto;
                break;
            }
        }
    }
    const QPixmap oggetto = figure_.Image3(s.figura);
    const auto occupati = s.posizioni.begin() + 1, fine = occupati + s.numeroOggetti;
    for (int k = 1; k <= 23; ++k) {
        if (std::find(occupati, fine, k) != fine) {
            Image2[k]->setVisible(true);
            Image2[k]->setPicture(oggetto);
        }
    }
    s.risultati.oraInizio = ora();
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
    for (int k = 1; k <= 23; ++k)
        Image1[k]->setVisible(false);
    stato_.simboliInseriti = 0;
}

void frmOperativo1::verificaRisposta()
{
    stato_.risultati.giudica(stato_.simboliInseriti == stato_.numeroOggetti, pannello);
    abilitaProseguimento();
    stato_.risultati.misuraTempi(ora(), pannello);
}

void frmOperativo1::abilitaRisposta()
{
    Option1[Ricomincia]->setEnabled(true);
    Option1[Conta]->setEnabled(true);
    Option1[Verifica]->setEnabled(false);
    Option1[Avanti]->setEnabled(false);
    Option1[Esci]->setEnabled(false);
    window()->giveFocus(*Option1[Conta]);
}

void frmOperativo1::abilitaProseguimento()
{
    Option1[Ricomincia]->setEnabled(false);
    Option1[Conta]->setEnabled(false);
    Option1[Verifica]->setEnabled(false);
    Option1[Avanti]->setEnabled(true);
    Option1[Esci]->setEnabled(true);
}

// One more symbol; from the 21st on it is counted but not shown.
void frmOperativo1::aggiungiSimbolo()
{
    incrementa(stato_.simboliInseriti);
    if (stato_.simboliInseriti >= 1 && stato_.simboliInseriti <= simboliVisibili)
        Image1[stato_.simboliInseriti]->setVisible(true);
}

void frmOperativo1::eseguiComando(int indice)
{
    switch (indice) {
    case Ricomincia:
        cancellaSimboli();
        break;
    case Conta:
        Option1[Verifica]->setEnabled(true);
        aggiungiSimbolo();
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
