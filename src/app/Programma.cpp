#include "Programma.h"

Programma::Programma(tk::Speech& voce, const QString& lingua)
    : orologioProprio_(std::make_unique<tk::SystemClock>()),
      casoProprio_(std::make_unique<tk::SeededRandom>()),
      runtime_(*orologioProprio_, *casoProprio_, voce),
      numeri_(lingua, [this](const QString& riga) { avvisa(riga); })
{
}

Programma::Programma(tk::Clock& orologio, tk::Random& caso, tk::Speech& voce, const QString& lingua)
    : runtime_(orologio, caso, voce), numeri_(lingua, [this](const QString& riga) { avvisa(riga); })
{
}

Programma::~Programma()
{
    // Windows go before the services they use.
    operativo2_.reset();
    operativo1_.reset();
    inizio_.reset();
}

void Programma::avvia()
{
    inEsecuzione_ = true;
    frmInizio().show();
}

FrmInizio& Programma::frmInizio()
{
    if (!inizio_) {
        inizio_ = std::make_unique<FrmInizio>(*this);
        inizio_->onUnloaded = [this] {
            inEsecuzione_ = false;
            if (onTerminato)
                onTerminato();
        };
    }
    return *inizio_;
}

frmOperativo1& Programma::operativo1()
{
    if (!operativo1_)
        operativo1_ = std::make_unique<frmOperativo1>(runtime_, dipendenze());
    return *operativo1_;
}

FrmOperativo2& Programma::operativo2()
{
    if (!operativo2_)
        operativo2_ = std::make_unique<FrmOperativo2>(runtime_, dipendenze());
    return *operativo2_;
}

bool Programma::mostraEsercizio(int tipo)
{
    if (tipo == 1)
        operativo1().show();
    else if (tipo == 2)
        operativo2().show();
    else
        return false;
    return true;
}

Dipendenze Programma::dipendenze()
{
    return {globali, figure_, numeri_, [this] { frmInizio().show(); }};
}

void Programma::scaricaFinestre()
{
    figure_.unload();
    if (operativo1_)
        operativo1_->unload();
    if (operativo2_)
        operativo2_->unload();
}

void Programma::termina()
{
    if (operativo1_)
        operativo1_->unload();
    if (operativo2_)
        operativo2_->unload();
    if (inizio_)
        inizio_->unload();
}
