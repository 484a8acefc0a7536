#include "FrmInizio.h"

#include "Programma.h"
#include "layouts/Layouts.h"
#include "layouts/Palette.h"
#include "toolkit/Keys.h"

namespace {

using Cifre = std::map<int, int>;
constexpr int nessuno = ConfigurazioneRiga::nessunTasto;
constexpr int cifra(int d) { return tk::vk::Digit0 + d; }

// Main keyboard digits only; on row 2, digits 0, 4, 5 and 6 are taken but move nothing.
ConfigurazioneRiga rigaEsercizio() { return {.cifre = Cifre{{cifra(1), 0}, {cifra(2), 1}}}; }
ConfigurazioneRiga rigaIntervallo()
{
    return {.cifre = Cifre{{cifra(0), nessuno}, {cifra(1), 0}, {cifra(2), 1}, {cifra(3), 2}, {cifra(4), nessuno},
                           {cifra(5), nessuno}, {cifra(6), nessuno}}};
}
ConfigurazioneRiga rigaComandi() { return {.cifre = Cifre{{cifra(1), 0}, {cifra(2), 1}, {cifra(3), 2}}}; }

const QColor marcatoreLibero = palette::Rosa.color();
const QColor marcatoreScelto = palette::Rosso.color();

} // namespace

FrmInizio::FrmInizio(Programma& programma)
    : tk::Form(programma.runtime(), layouts::frmInizio),
      programma_(programma),
      riga1_(rigaEsercizio(), [this](int i, Origine o) { scegliEsercizio(i, o); }),
      riga2_(rigaIntervallo(), [this](int j, Origine o) { scegliIntervallo(j, o); }),
      riga3_(rigaComandi(), [this](int k, Origine o) { eseguiComando(k, o); })
{
    riga1_.setSuccessiva(&riga2_);
    riga2_.setSuccessiva(&riga3_);
}

void FrmInizio::connectEvents()
{
    riga1_.collega(Option1);
    riga2_.collega(Option2);
    riga3_.collega(Option3);
    timerTendine->on.timer = [this](int) { timerTendine_Timer(); };
}

void FrmInizio::Load()
{
    avviaTendine();
    // After the curtain: the panels are recorded at half the window's width.
    proporzioni_.registra(*window());
}

void FrmInizio::Resize()
{
    proporzioni_.applica(*window());
}

void FrmInizio::Activate()
{
    Frame1->setEnabled(true);
    Frame2->setEnabled(false);
    Frame3->setEnabled(false);
    riga1_.azzeraGuardie();
    window()->giveFocus(*Option1[0]);
    for (const auto* riga : {&Option1, &Option2, &Option3})
        for (int i = riga->lowerBound(); i <= riga->upperBound(); ++i)
            (*riga)[i]->setSelected(false);
}

void FrmInizio::Unload()
{
    programma_.scaricaFinestre();
}

// ---- The curtain

void FrmInizio::avviaTendine()
{
    larghezzaTendine(window()->outerWidth() / 2);
    timerTendine->setEnabled(true);
}

void FrmInizio::larghezzaTendine(double larghezza)
{
    Picture1->setWidth(larghezza);
    Picture2->setWidth(larghezza);
}

void FrmInizio::timerTendine_Timer()
{
    // The last step closes the panels however much is left, so no sliver stays behind.
    Picture1->setWidth(std::max(0.0, Picture1->width() - passoTendine));
    Picture2->setWidth(std::max(0.0, Picture2->width() - passoTendine));
    if (Picture1->width() <= sogliaTendine)
        chiudiTendina();
}

// Once open, the curtain stays open: later resizes move the hidden panels, which cover nothing.
void FrmInizio::chiudiTendina()
{
    timerTendine->setEnabled(false);
    larghezzaTendine(0);
    Picture1->setVisible(false);
    Picture2->setVisible(false);
    tendinaAperta_ = true;
}

// ---- The three rows

void FrmInizio::marcatori(int primo, int ultimo, int scelto)
{
    for (int k = primo; k <= ultimo; ++k)
        Label3[k]->setBackColor(marcatoreLibero);
    if (scelto >= 0)
        Label3[scelto]->setBackColor(marcatoreScelto);
}

void FrmInizio::scegliEsercizio(int i, Origine origine)
{
    if (origine == Origine::Mouse)
        marcatori(0, 1, i);
    programma_.globali.TipoEsercizio = static_cast<quint8>(i + 1);
    Label2->setCaption(Option1[i]->caption());
    Frame1->setEnabled(false);
    Frame2->setEnabled(true);
    window()->giveFocus(*Option2[0]);
}

void FrmInizio::scegliIntervallo(int j, Origine origine)
{
    if (origine == Origine::Mouse)
        marcatori(2, 4, j + 2);
    Globali& g = programma_.globali;
    g.NumeroMinimo = 1;
    g.NumeroMassimo = Globali::massimiIntervalli[static_cast<std::size_t>(j)];
    Frame1->setEnabled(false);
    Frame2->setEnabled(false);
    Frame3->setEnabled(true);
    window()->giveFocus(*Option3[0]);
}

void FrmInizio::eseguiComando(int k, Origine origine)
{
    switch (k) {
    case 0: // Vai: the exercise shows first, then this window hides.
        if (programma_.mostraEsercizio(programma_.globali.TipoEsercizio))
            hide();
        break;
    case 1: // Reimposta
        if (origine == Origine::Mouse)
            marcatori(0, 4, -1);
        Frame1->setEnabled(true);
        Frame2->setEnabled(false);
        Frame3->setEnabled(false);
        Label2->setCaption(QString());
        Label6->setCaption(QString());
        if (origine == Origine::Mouse)
            window()->giveFocus(*Option1[0]);
        break;
    case 2: // Esci
        unload();
        break;
    default:
        break;
    }
}
