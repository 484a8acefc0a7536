#pragma once
// The program's colours.

#include "toolkit/LayoutTable.h"

namespace palette {

constexpr tk::Rgb Rosa{255, 192, 255};        // windows, frames, idle marker bars
constexpr tk::Rgb RosaForte{255, 128, 255};   // title rim, credit band, curtain
constexpr tk::Rgb Tasto{255, 224, 192};       // command key at rest
constexpr tk::Rgb TastoFuoco{255, 192, 128};  // command key holding the focus
constexpr tk::Rgb BluTesto{0, 0, 192};        // key and title text
constexpr tk::Rgb BluScuro{0, 0, 128};        // exercise key text
constexpr tk::Rgb Blu{0, 0, 255};             // results values
constexpr tk::Rgb Rosso{255, 0, 0};           // headings, chosen marker bar, set plate rim
constexpr tk::Rgb RossoScuro{192, 0, 0};      // credit band text, results headings
constexpr tk::Rgb Nero{0, 0, 0};

} // namespace palette
