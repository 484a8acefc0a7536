#pragma once
// Exercise 1, from the set to the graphic symbols: the child sees a set of identical objects and
// places one symbol for each, then asks for the check.

#include "screen/Globali.h"
#include "screen/Proporzioni.h"
#include "screen/Risultati.h"
#include "screen/RigaComandi.h"
#include "toolkit/Form.h"

#include <array>
#include <functional>

class FrmFigure;

struct StatoEsercizio1 {
    qint16 numeroEsercizio = 0;
    qint16 simboliInseriti = 0;  // the child's answer
    qint16 numeroOggetti = 0;    // the right answer
    qint16 figura = 0;           // object picture of the set, 1..12
    qint16 tipoSimbolo = 0;      // symbol picture, 1..4
    std::array<qint16, 24> posizioni{};   // 1..numeroOggetti: the places of the objects
    std::array<qint16, 24> estrazioni{};  // the last place drawn for each object
    Risultati risultati;
};

class frmOperativo1 final : public tk::Form {
public:
    frmOperativo1(tk::Runtime& runtime, const Globali& globali, FrmFigure& figure,
                  std::function<void()> mostraInizio);

    tk::ControlArray<tk::Image> Image2;  // the object places, 0..23
    tk::ControlArray<tk::Image> Image1;  // the symbol places, 0..23
    tk::ControlArray<tk::OptionButton> Option1;
    tk::ControlArray<tk::Label> Label5;
    PannelloRisultati pannello;

    const StatoEsercizio1& stato() const { return stato_; }
    RigaComandi& riga() { return riga_; }
    const Proporzioni& proporzioni() const { return proporzioni_; }

    void genera();
    void eseguiComando(int indice);

protected:
    void bind(tk::Window& finestra) override;
    void unbind() override;
    void Load() override;
    void Resize() override;
    void Unload() override;

private:
    void nuovoEsercizio();
    void cancellaSimboli();
    void verificaRisposta();
    void abilitaRisposta();
    void abilitaProseguimento();
    void aggiungiSimbolo();
    void preparaSimboli();
    double ora() const;

    const Globali& globali_;
    FrmFigure& figure_;
    std::function<void()> mostraInizio_;
    StatoEsercizio1 stato_;
    RigaComandi riga_;
    Proporzioni proporzioni_;
};
