#pragma once
// The three values the start screen leaves for the exercise screens. Nothing else passes between windows.

#include <QtGlobal>

#include <optional>

struct Globali {
    quint8 TipoEsercizio = 0;             // 0 until chosen; then 1 or 2
    std::optional<qint16> NumeroMinimo;   // empty until a range is chosen; then 1
    qint16 NumeroMassimo = 0;             // 0 until chosen; then 5, 10 or 20

    qint16 minimo() const { return NumeroMinimo.value_or(0); }
};
