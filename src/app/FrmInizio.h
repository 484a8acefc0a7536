#pragma once
// The start window: the choice of exercise, range and command, and the opening curtain.

#include "screen/Proporzioni.h"
#include "screen/RigaComandi.h"
#include "toolkit/Form.h"

class Programma;

class FrmInizio final : public tk::Form {
public:
    static constexpr double passoTendine = 75;   // twips per tick, each panel
    static constexpr double sogliaTendine = 10;  // twips

    explicit FrmInizio(Programma& programma);

    // The controls, bound while the window is loaded.
    tk::ControlArray<tk::OptionButton> Option1{*this, "Option1"}, Option2{*this, "Option2"}, Option3{*this, "Option3"};
    tk::ControlArray<tk::Label> Label3{*this, "Label3"};  // the marker bars
    tk::ControlRef<tk::Frame> Frame1{*this, "Frame1"}, Frame2{*this, "Frame2"}, Frame3{*this, "Frame3"};
    tk::ControlRef<tk::Label> Label2{*this, "Label2"}, Label6{*this, "Label6"};
    tk::ControlRef<tk::Panel> Picture1{*this, "Picture1"}, Picture2{*this, "Picture2"};
    tk::ControlRef<tk::Timer> timerTendine{*this, "timerTendine"};

    RigaComandi& riga(int r) { return r == 1 ? riga1_ : r == 2 ? riga2_ : riga3_; }
    const Proporzioni& proporzioni() const { return proporzioni_; }
    bool tendinaAperta() const { return tendinaAperta_; }

protected:
    void connectEvents() override;
    void Load() override;
    void Activate() override;
    void Resize() override;
    void Unload() override;

private:
    void avviaTendine();
    void timerTendine_Timer();
    void chiudiTendina();
    void larghezzaTendine(double larghezza);
    void scegliEsercizio(int i, Origine origine);
    void scegliIntervallo(int j, Origine origine);
    void eseguiComando(int k, Origine origine);
    void marcatori(int primo, int ultimo, int scelto);

    Programma& programma_;
    RigaComandi riga1_, riga2_, riga3_;
    Proporzioni proporzioni_;
    bool tendinaAperta_ = false;
};
