#pragma once
// The three values the start screen leaves for the exercise screens. Nothing else passes between windows.

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <optional>

struct Globali {
    // The largest count of each range the start screen offers: up to 5, up to 10, beyond 10 up to 20.
    static constexpr std::array<qint16, 3> massimiIntervalli{5, 10, 20};
    static constexpr qint16 massimoPossibile = *std::max_element(massimiIntervalli.begin(), massimiIntervalli.end());

    quint8 TipoEsercizio = 0;             // 0 until chosen; then 1 or 2
    std::optional<qint16> NumeroMinimo;   // empty until a range is chosen; then 1
    qint16 NumeroMassimo = 0;             // 0 until chosen; then 5, 10 or 20

    qint16 minimo() const { return NumeroMinimo.value_or(0); }
};
