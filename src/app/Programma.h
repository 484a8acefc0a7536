#pragma once
// The program: its four windows, each created on first use and kept to the end, the globals,
// and the services. It starts by showing the start window and ends when that window unloads.

#include "FrmInizio.h"
#include "exercise1/FrmOperativo1.h"
#include "exercise2/FrmOperativo2.h"
#include "pictures/FrmFigure.h"
#include "screen/Globali.h"
#include "screen/NumeriInParole.h"
#include "toolkit/Runtime.h"
#include "toolkit/Services.h"

#include <functional>
#include <memory>

class Programma {
public:
    // With the system clock, a generator in its fixed initial state, and the voice given. lingua:
    // the program's language, chosen at start-up ("it"), in which counts are said.
    Programma(tk::Speech& voce, const QString& lingua);
    // With services of the caller's (tests).
    Programma(tk::Clock& orologio, tk::Random& caso, tk::Speech& voce, const QString& lingua);
    ~Programma();
    Programma(const Programma&) = delete;
    Programma& operator=(const Programma&) = delete;

    tk::Runtime& runtime() { return runtime_; }

    void avvia();
    bool inEsecuzione() const { return inEsecuzione_; }
    // Called once when the start window has unloaded and no window is left.
    std::function<void()> onTerminato;
    // A line for standard error: something the program does differently from what was asked.
    std::function<void(const QString& riga)> onAvviso;

    Globali globali;

    FrmInizio& frmInizio();
    frmOperativo1& operativo1();
    FrmOperativo2& operativo2();
    FrmFigure& frmFigure() { return figure_; }
    bool esiste1() const { return operativo1_ != nullptr; }
    bool esiste2() const { return operativo2_ != nullptr; }

    // Shows the exercise window of the given kind; false when no exercise has been chosen.
    bool mostraEsercizio(int tipo);
    // The start window's unloading: the picture holder, then both exercise windows.
    void scaricaFinestre();
    // Leaving from outside (the session ends): an open exercise closes as by its close box, then
    // the start window.
    void termina();

private:
    void avvisa(const QString& riga) const
    {
        if (onAvviso)
            onAvviso(riga);
    }
    // What an exercise window is handed: the globals, the pictures, and the way back here.
    Dipendenze dipendenze();

    std::unique_ptr<tk::Clock> orologioProprio_;
    std::unique_ptr<tk::Random> casoProprio_;
    tk::Runtime runtime_;
    FrmFigure figure_;
    NumeriInParole numeri_;
    std::unique_ptr<FrmInizio> inizio_;
    std::unique_ptr<frmOperativo1> operativo1_;
    std::unique_ptr<FrmOperativo2> operativo2_;
    bool inEsecuzione_ = false;
};
