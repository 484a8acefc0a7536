#include "FrmFigure.h"

#include "Figure.h"

#include <QtGlobal>

void FrmFigure::unload()
{
    caricato_ = false;
    oggetti_.fill(std::nullopt);
    simboli_.fill(std::nullopt);
}

QPixmap FrmFigure::Image3(int n)
{
    if (n < 0 || n > 14)
        qFatal("FrmFigure: no Image3(%d)", n);
    load();
    auto& figura = oggetti_[static_cast<std::size_t>(n)];
    if (!figura)
        figura = figure::oggetto(n);
    return *figura;
}

QPixmap FrmFigure::Image1(int k)
{
    if (k < 1 || k > 8)
        qFatal("FrmFigure: no Image1(%d)", k);
    load();
    auto& figura = simboli_[static_cast<std::size_t>(k)];
    if (!figura)
        figura = figure::simbolo(k);
    return *figura;
}

QString FrmFigure::nomeOggetto(int n)
{
    return figure::nomeOggetto(n);
}

QString FrmFigure::nomeSimbolo(int k)
{
    return figure::nomeSimbolo(k);
}
