#pragma once
// Exercise 2, from the graphic symbols to the set: the child sees a row of symbols and builds a
// set with as many figures, then asks for the check.

#include "screen/Globali.h"
#include "screen/Proporzioni.h"
#include "screen/Risultati.h"
#include "screen/RigaComandi.h"
#include "toolkit/Form.h"

#include <functional>

class FrmFigure;

struct StatoEsercizio2 {
    qint16 numeroEsercizio = 0;   // runs on across visits
    qint16 oggettiInseriti = 0;   // the child's answer; counts on past 20
    qint16 numeroSimboli = 0;     // the right answer
    qint16 figura = 0;            // object picture of the set, 1..12
    qint16 tipoSimbolo = 0;       // 1..4
    QString simbolo;              // "x", "<", ">" or "+"
    Risultati risultati;
};

class FrmOperativo2 final : public tk::Form {
public:
    FrmOperativo2(tk::Runtime& runtime, const Globali& globali, FrmFigure& figure,
                  std::function<void()> mostraInizio);

    tk::ControlArray<tk::Image> Image2;  // the figure places, 0..23
    tk::ControlArray<tk::Label> Label2;  // the symbol places, 1..20
    tk::ControlArray<tk::OptionButton> Option1;
    tk::ControlArray<tk::Label> Label5;
    PannelloRisultati pannello;

    const StatoEsercizio2& stato() const { return stato_; }
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
    void aggiungiFigura();
    void cancellaInsieme();
    void verificaRisposta();
    void abilitaRisposta();
    void abilitaProseguimento();
    double ora() const;

    const Globali& globali_;
    FrmFigure& figure_;
    std::function<void()> mostraInizio_;
    StatoEsercizio2 stato_;
    RigaComandi riga_;
    Proporzioni proporzioni_;
};
