#include "Layouts.h"
#include "Palette.h"
#include "pictures/Figure.h"

namespace layouts {

namespace {

using tk::Kind;
using namespace palette;

constexpr tk::FontSpec Arial14B{"Arial", 14.25, true};
constexpr tk::FontSpec Sans13B{"MS Sans Serif", 13.5, true};

const tk::ControlSpec controlli[] = {
    // On the window, front-most first.
    {.name = "Picture2", .kind = Kind::Panel, .left = 11655, .top = 0, .width = 225, .height = 8820,
     .back = RosaForte, .tabIndex = 17, .dock = tk::Dock::Right},
    {.name = "Picture1", .kind = Kind::Panel, .left = 0, .top = 0, .width = 120, .height = 8820,
     .back = RosaForte, .tabIndex = 16, .dock = tk::Dock::Left},
    {.name = "timerTendine", .kind = Kind::Timer, .interval = 10},
    {.name = "Frame1", .kind = Kind::Frame, .left = 285, .top = 4260, .width = 3630, .height = 3150,
     //: What a screen reader calls the row of the two exercise keys.
     .back = Rosa, .tabIndex = 13, .accessibleName = QT_TRANSLATE_NOOP("Layout", "Esercizio")},
    {.name = "Frame2", .kind = Kind::Frame, .left = 4065, .top = 4290, .width = 3630, .height = 3150,
     //: What a screen reader calls the row of range keys.
     .back = Rosa, .tabIndex = 6, .accessibleName = QT_TRANSLATE_NOOP("Layout", "Fino a quanto contare")},
    {.name = "frmTitolo", .kind = Kind::Frame, .left = 90, .top = 120, .width = 11385, .height = 1875,
     .back = Rosa, .tabIndex = 7, .border = false},
    {.name = "Option3", .index = 2, .kind = Kind::OptionButton, .left = 7830, .top = 6330, .width = 3195,
     .height = 915, .caption = QT_TRANSLATE_NOOP("Layout", "Esci"), .back = Tasto, .fore = BluTesto, .font = Arial14B,
     .tabIndex = 18},
    {.name = "Frame3", .kind = Kind::Frame, .left = 7740, .top = 4305, .width = 3645, .height = 3150,
     .back = Rosa, .tabIndex = 10, .accessibleName = QT_TRANSLATE_NOOP("Layout", "Comandi")},
    {.name = "Label6", .kind = Kind::Label, .left = 150, .top = 2415, .width = 11205, .height = 405,
     .transparent = true, .font = Sans13B, .tabIndex = 15},
    {.name = "Label2", .kind = Kind::Label, .left = 150, .top = 2085, .width = 11205, .height = 405,
     .fore = Rosso, .transparent = true, .font = Sans13B, .tabIndex = 14},
    // 120 twips wider than the window: its right end lies under Picture2.
    {.name = "Label5", .kind = Kind::Label, .left = 0, .top = 7905, .width = 12000, .height = 495,
     //: The credit band; Arvedo is a name.
     .caption = QT_TRANSLATE_NOOP("Layout", "Il nuovo software di Arvedo"), .back = RosaForte, .fore = RossoScuro,
     .font = tk::FontSpec{"Arial", 18, true}, .tabIndex = 5, .align = tk::Align::Center},

    // The title plate.
    {.name = "Label1", .kind = Kind::Label, .container = "frmTitolo", .left = 9600, .top = 1350, .width = 1245,
     .height = 240, .caption = "Vers. 1.2.0", .transparent = true, .tabIndex = 9},
    {.name = "Label4", .kind = Kind::Label, .container = "frmTitolo", .left = 360, .top = 315, .width = 10560,
     .height = 1245, .caption = "QUANTELLA", .back = Rosa, .fore = BluTesto,
     .font = tk::FontSpec{"Arial", 36, true}, .tabIndex = 8, .align = tk::Align::Center},
    {.name = "Shape2", .kind = Kind::Shape, .container = "frmTitolo", .left = 120, .top = 210, .width = 10950,
     .height = 1515, .back = Rosa, .outline = Nero, .outlineWidth = 1},
    {.name = "Shape1", .kind = Kind::Shape, .container = "frmTitolo", .left = 90, .top = 195, .width = 11055,
     .height = 1605, .back = RosaForte, .outline = Nero, .outlineWidth = 2},

    // Row 1: the exercise keys and their marker bars.
    {.name = "Option1", .index = 0, .kind = Kind::OptionButton, .container = "Frame1", .left = 105, .top = 150,
     .width = 3195, .height = 1380, .caption = QT_TRANSLATE_NOOP("Layout", "Dall'insieme ai simboli grafici"),
     .back = Tasto, .fore = BluTesto, .font = Arial14B, .tabIndex = 0},
    {.name = "Option1", .index = 1, .kind = Kind::OptionButton, .container = "Frame1", .left = 105, .top = 1575,
     .width = 3195, .height = 1380, .caption = QT_TRANSLATE_NOOP("Layout", "Dai simboli grafici all'insieme"),
     .back = Tasto, .fore = BluTesto, .font = tk::FontSpec{"Arial", 13.5, true}, .tabIndex = 1},
    {.name = "Label3", .index = 1, .kind = Kind::Label, .container = "Frame1", .left = 3330, .top = 1590,
     .width = 195, .height = 1305, .back = Rosa, .tabIndex = 20},
    {.name = "Label3", .index = 0, .kind = Kind::Label, .container = "Frame1", .left = 3330, .top = 150,
     .width = 195, .height = 1305, .back = Rosa, .tabIndex = 19},

    // Row 2: the range keys, showing pictures.
    {.name = "Option2", .index = 0, .kind = Kind::OptionButton, .container = "Frame2", .left = 105, .top = 150,
     .width = 3195, .height = 930, .back = Tasto, .tabIndex = 2, .picture = &figure::intervalloCinque,
     //: What a screen reader says of the range key whose picture shows "up to" over five squares.
     .accessibleName = QT_TRANSLATE_NOOP("Layout", "Fino a cinque")},
    {.name = "Option2", .index = 1, .kind = Kind::OptionButton, .container = "Frame2", .left = 105, .top = 1125,
     .width = 3195, .height = 915, .back = Tasto, .tabIndex = 3, .picture = &figure::intervalloDieci,
     .accessibleName = QT_TRANSLATE_NOOP("Layout", "Fino a dieci")},
    {.name = "Option2", .index = 2, .kind = Kind::OptionButton, .container = "Frame2", .left = 105, .top = 2070,
     .width = 3195, .height = 915, .back = Tasto, .tabIndex = 4, .picture = &figure::oltreDieci,
     .accessibleName = QT_TRANSLATE_NOOP("Layout", "Oltre dieci")},
    {.name = "Label3", .index = 4, .kind = Kind::Label, .container = "Frame2", .left = 3375, .top = 2085,
     .width = 195, .height = 855, .back = Rosa, .tabIndex = 23},
    {.name = "Label3", .index = 3, .kind = Kind::Label, .container = "Frame2", .left = 3390, .top = 1140,
     .width = 195, .height = 855, .back = Rosa, .tabIndex = 22},
    {.name = "Label3", .index = 2, .kind = Kind::Label, .container = "Frame2", .left = 3375, .top = 150,
     .width = 195, .height = 855, .back = Rosa, .tabIndex = 21},

    // Row 3: "Vai" and "Reimposta"; "Esci" lies on the window, over this frame.
    //: A command key of the start screen: clear the choices and choose again.
    {.name = "Option3", .index = 1, .kind = Kind::OptionButton, .container = "Frame3", .left = 105, .top = 1080,
     .width = 3195, .height = 915, .caption = QT_TRANSLATE_NOOP("Layout", "Reimposta"), .back = Tasto,
     .fore = BluTesto, .font = Arial14B, .tabIndex = 12},
    //: A command key of the start screen: start the chosen exercise. One short word.
    {.name = "Option3", .index = 0, .kind = Kind::OptionButton, .container = "Frame3", .left = 105, .top = 150,
     .width = 3195, .height = 915, .caption = QT_TRANSLATE_NOOP("Layout", "Vai"), .back = Tasto, .fore = BluTesto,
     .font = Arial14B, .tabIndex = 11},
};

} // namespace

const tk::WindowSpec frmInizio{
    .name = "FrmInizio",
    .caption = "SERAVINO",
    .clientWidth = 11880,
    .clientHeight = 8820,
    .back = Rosa,
    .icon = &figure::iconaFinestra,
    .controls = controlli,
};

} // namespace layouts
