#pragma once
// Exercise 1, from the set to the graphic symbols: the child sees a set of identical objects and
// places one symbol for each, then asks for the check.

#include "screen/FinestraEsercizio.h"

#include <array>

struct StatoEsercizio1 {
    qint16 numeroEsercizio = 0;
    qint16 simboliInseriti = 0;  // the child's answer
    qint16 numeroOggetti = 0;    // the right answer
    qint16 figura = 0;           // object picture of the set, 1..12
    qint16 tipoSimbolo = 0;      // symbol picture, 1..4
    std::array<qint16, 24> posizioni{};   // 1..numeroOggetti: the places of the objects
    std::array<qint16, 24> estrazioni{};  // the last place drawn for each object
};

class frmOperativo1 final : public FinestraEsercizio {
public:
    enum Tasto { Ricomincia = 0, Conta = 1 };

    frmOperativo1(tk::Runtime& runtime, Dipendenze dipendenze);

    tk::ControlArray<tk::Image> Image2{*this, "Image2"};  // the object places, 0..23
    tk::ControlArray<tk::Image> Image1{*this, "Image1"};  // the symbol places, 0..23
    tk::ControlRef<tk::Frame> Frame5{*this, "Frame5"};     // the symbol area

    const StatoEsercizio1& stato() const { return stato_; }

    void genera();

private:
    void connectEvents() override;
    void avvio() override;
    void nuovoEsercizio() override;
    void comandoProprio(int indice) override;
    qint16 numeroGiusto() const override { return stato_.numeroOggetti; }
    qint16 risposta() const override { return stato_.simboliInseriti; }
    Aree aree() override;
    void abilitaRisposta() override;

    void cancellaSimboli();
    void aggiungiSimbolo();
    void preparaSimboli();

    StatoEsercizio1 stato_;
};
