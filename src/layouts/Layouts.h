#pragma once
// Design-time layouts of the three windows the user sees.

#include "toolkit/LayoutTable.h"

namespace layouts {

// The picture cells of each exercise's set area are Image2(0) to Image2(ultimaCellaInsieme).
constexpr int ultimaCellaInsieme = 23;

extern const tk::WindowSpec frmInizio;
extern const tk::WindowSpec frmOperativo1;
extern const tk::WindowSpec frmOperativo2;

} // namespace layouts
