#pragma once
// Exercise 2, from the graphic symbols to the set: the child sees a row of symbols and builds a
// set with as many figures, then asks for the check.

#include "screen/FinestraEsercizio.h"

struct StatoEsercizio2 {
    qint16 numeroEsercizio = 0;   // runs on across visits
    qint16 oggettiInseriti = 0;   // the child's answer; counts on past 20
    qint16 numeroSimboli = 0;     // the right answer
    qint16 figura = 0;            // object picture of the set, 1..12
    qint16 tipoSimbolo = 0;       // 1..4
    QString simbolo;              // "x", "<", ">" or "+"
};

class FrmOperativo2 final : public FinestraEsercizio {
public:
    enum Tasto { Conta = 0, Ricomincia = 1 };

    FrmOperativo2(tk::Runtime& runtime, Dipendenze dipendenze);

    tk::ControlArray<tk::Image> Image2{*this, "Image2"};  // the figure places, 0..23
    tk::ControlArray<tk::Label> Label2{*this, "Label2"};  // the symbol places, 1..20
    tk::ControlRef<tk::Frame> Frame1{*this, "Frame1"};     // the symbol area

    const StatoEsercizio2& stato() const { return stato_; }

    void genera();

private:
    void avvio() override { nuovoEsercizio(); }
    void nuovoEsercizio() override;
    void comandoProprio(int indice) override;
    qint16 numeroGiusto() const override { return stato_.numeroSimboli; }
    qint16 risposta() const override { return stato_.oggettiInseriti; }
    Aree aree() override;

    void aggiungiFigura();
    void cancellaInsieme();

    StatoEsercizio2 stato_;
};
