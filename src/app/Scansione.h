#pragma once
// The scan's period as the command line gives it (--scansione-tempo=SECONDI).

#include <QString>

#include <optional>

namespace scansione {

constexpr double tempoMinimo = 0.5, tempoMassimo = 10, tempoPredefinito = 2;

// Seconds from "2", "0.5" or "0,5" (Italian teachers write a decimal comma); nothing when the text
// is not such a number or lies outside tempoMinimo to tempoMassimo.
std::optional<double> leggiTempo(const QString& testo);

} // namespace scansione
