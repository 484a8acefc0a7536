#include "Layouts.h"
#include "Parti.h"
#include "pictures/Figure.h"

namespace layouts {

namespace {

using tk::Kind;
using namespace palette;

constexpr std::array<tk::ControlSpec, 6> finestra{{
    // On the window, front-most first.
    // frmElaborazione comes with the results panel below.
    {.name = "Frame5", .kind = Kind::Frame, .left = 8115, .top = 1380, .width = 3570, .height = 3105, .back = Rosa,
     .tabIndex = 2},
    {.name = "FraSfondoS", .kind = Kind::Frame, .left = 75, .top = 1395, .width = 7755, .height = 3045, .back = Rosa,
     .tabIndex = 1, .border = false},
    {.name = "Frame1", .kind = Kind::Frame, .left = 8100, .top = 4515, .width = 3555, .height = 3930, .back = Rosa,
     .tabIndex = 5, .accessibleName = QT_TRANSLATE_NOOP("Layout", "Comandi")},
    {.name = "Label2", .kind = Kind::Label, .left = 0, .top = 492, .width = 11532, .height = 492, .back = Rosa,
     .fore = Rosso, .font = intestazioneEsercizio, .tabIndex = 4},
    {.name = "Label1", .kind = Kind::Label, .left = 12, .top = 0, .width = 11532, .height = 492,
     //: The goal line over the exercise; keep the five spaces it begins with.
     .caption = QT_TRANSLATE_NOOP("Layout", "     Obiettivo: quantella grafici"), .back = Rosa, .fore = Rosso,
     .font = intestazioneEsercizio, .tabIndex = 3},
    {.name = "LblEsito", .kind = Kind::Label, .left = 90, .top = 4515, .width = 7455, .height = 1320, .back = Rosa,
     .fore = BluTesto, .font = esito, .tabIndex = 0, .align = tk::Align::Center},
}};

constexpr auto insieme = celleInsieme({{
    {255, {240, 1095, 1965, 2895, 3825, 4755, 5670, 6585}},
    {1140, {225, 1095, 1965, 2895, 3825, 4755, 5655, 6585}},
    {2010, {225, 1095, 1965, 2895, 3825, 4755, 5655, 6585}},
}});

// The white plate with its red rim, behind every cell.
constexpr std::array<tk::ControlSpec, 1> lastra{{
    {.name = "Shape1", .kind = Kind::Shape, .container = "FraSfondoS", .left = 48, .top = 84, .width = 7548,
     .height = 2868, .outline = Rosso, .outlineWidth = 5},
}};

// The symbol area: six to a row; the fourth row reads 19, 20, 0, 23, 22, 21.
constexpr tk::ControlSpec simbolo(int k, int left, int top)
{
    return {.name = "Image1", .index = k, .kind = Kind::Image, .container = "Frame5", .left = left, .top = top,
            .width = 405, .height = 405};
}

constexpr std::array<tk::ControlSpec, 24> simboli{{
    simbolo(23, 1830, 2520), simbolo(22, 2445, 2520), simbolo(21, 3015, 2520), simbolo(0, 1320, 2520),
    simbolo(20, 750, 2520),  simbolo(19, 135, 2520),  simbolo(18, 2985, 1875), simbolo(17, 2415, 1875),
    simbolo(16, 1800, 1875), simbolo(15, 1305, 1875), simbolo(14, 735, 1875),  simbolo(13, 120, 1875),
    simbolo(12, 2985, 1290), simbolo(11, 2415, 1290), simbolo(10, 1800, 1290), simbolo(9, 1305, 1290),
    simbolo(8, 735, 1290),   simbolo(7, 120, 1290),   simbolo(6, 2985, 555),   simbolo(5, 2415, 555),
    simbolo(4, 1800, 555),   simbolo(3, 1335, 570),   simbolo(2, 765, 570),    simbolo(1, 150, 570),
}};

// Front-most first: Esci, Verifica, Conta, Avanti, Ricomincia.
constexpr std::array<tk::ControlSpec, 5> tasti{{
    //: A command key: leave this screen (on the start screen: leave the program). One short word.
    tastoEsercizio("Frame1", 4, 3060, QT_TRANSLATE_NOOP("Layout", "Esci"), Tasto, 9),
    //: A command key: check the answer. One short word.
    tastoEsercizio("Frame1", 2, 1590, QT_TRANSLATE_NOOP("Layout", "Verifica"), Tasto, 7),
    //: A command key: count one more (adds one symbol or object). One short word, a verb.
    tastoEsercizio("Frame1", 1, 855, QT_TRANSLATE_NOOP("Layout", "Conta"), Tasto, 6),
    //: A command key: go on to the next exercise. One short word.
    tastoEsercizio("Frame1", 3, 2325, QT_TRANSLATE_NOOP("Layout", "Avanti"), Tasto, 8),
    //: A command key: start the answer again. One short word.
    tastoEsercizio("Frame1", 0, 135, QT_TRANSLATE_NOOP("Layout", "Ricomincia"), Tasto, 10),
}};

// The results panel is the front-most control on the window.
constexpr auto controlli = unisci(pannelloRisultati(300, 11, 12, 780), finestra, insieme, lastra, simboli, tasti);

} // namespace

const tk::WindowSpec frmOperativo1{
    .name = "frmOperativo1",
    .caption = QT_TRANSLATE_NOOP("Layout", "Dall'insieme ai simboli grafici"),
    .clientWidth = 11925,
    .clientHeight = 8820,
    .back = Rosa,
    .icon = &figure::iconaFinestra,
    .controls = controlli,
};

} // namespace layouts
