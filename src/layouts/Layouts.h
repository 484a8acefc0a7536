#pragma once
// Design-time layouts of the three windows the user sees.

#include "toolkit/LayoutTable.h"

namespace layouts {

extern const tk::WindowSpec frmInizio;
extern const tk::WindowSpec frmOperativo1;
extern const tk::WindowSpec frmOperativo2;

} // namespace layouts
