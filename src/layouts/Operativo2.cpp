#include "Layouts.h"
#include "Parti.h"
#include "pictures/Figure.h"

namespace layouts {

namespace {

using tk::Kind;
using namespace palette;

constexpr std::array<tk::ControlSpec, 6> finestra{{
    // On the window, front-most first, after the results panel.
    {.name = "Frame2", .kind = Kind::Frame, .left = 8100, .top = 4455, .width = 3555, .height = 3930, .back = Rosa,
     .tabIndex = 30, .accessibleName = QT_TRANSLATE_NOOP("Layout", "Comandi")},
    {.name = "Frame1", .kind = Kind::Frame, .left = 8100, .top = 1320, .width = 3555, .height = 3075, .back = Rosa,
     .tabIndex = 3},
    {.name = "FraSfondoS", .kind = Kind::Frame, .left = 75, .top = 1380, .width = 7755, .height = 3045, .back = Rosa,
     .tabIndex = 1, .border = false},
    // Both heading lines are 75 twips wider than the window.
    {.name = "Label4", .kind = Kind::Label, .left = 0, .top = 492, .width = 12000, .height = 492, .back = Rosa,
     .fore = Rosso, .font = intestazioneEsercizio, .tabIndex = 24},
    {.name = "Label1", .kind = Kind::Label, .left = 0, .top = 0, .width = 12000, .height = 492,
     //: The goal line over the exercise; keep the five spaces it begins with.
     .caption = QT_TRANSLATE_NOOP("Layout", "     Obiettivo: guarda i simboli e costruisci l'insieme"), .back = Rosa,
     .fore = Rosso, .font = intestazioneEsercizio, .tabIndex = 2},
    {.name = "LblEsito", .kind = Kind::Label, .left = 90, .top = 4515, .width = 7455, .height = 1320, .back = Rosa,
     .fore = BluTesto, .font = esito, .tabIndex = 0, .align = tk::Align::Center},
}};

constexpr auto insieme = celleInsieme({{
    {150, {165, 1020, 1890, 2820, 3750, 4680, 5595, 6510}},
    {1140, {150, 1020, 1890, 2820, 3750, 4680, 5580, 6510}},
    {2100, {150, 1020, 1890, 2820, 3750, 4680, 5580, 6510}},
}});

// The white plate with its red rim, behind every cell.
constexpr std::array<tk::ControlSpec, 1> lastra{{
    {.name = "Shape1", .kind = Kind::Shape, .container = "FraSfondoS", .left = 96, .top = 48, .width = 7260,
     .height = 2904, .outline = Rosso, .outlineWidth = 5},
}};

// The symbol labels, four rows of five, front-most first 20 down to 1; there is no Label2(0).
constexpr std::array<tk::ControlSpec, 20> simboli = [] {
    constexpr std::array<int, 4> top{240, 915, 1590, 2250};
    constexpr std::array<int, 5> left{180, 780, 1395, 1995, 2595};
    std::array<tk::ControlSpec, 20> etichette{};
    for (int k = 20; k >= 1; --k) {
        const auto riga = static_cast<std::size_t>((k - 1) / 5), colonna = static_cast<std::size_t>((k - 1) % 5);
        etichette[static_cast<std::size_t>(20 - k)] = tk::ControlSpec{
            .name = "Label2", .index = k, .kind = Kind::Label, .container = "Frame1",
            .left = k == 16 ? 195 : left[colonna], .top = top[riga], .width = 555, .height = 555,
            .fore = BluTesto, .transparent = true, .font = tk::FontSpec{"Arial", 21.75, true}, .tabIndex = 3 + k,
            .align = tk::Align::Center};
    }
    return etichette;
}();

// Front-most first: Conta, Avanti, Ricomincia, Verifica, Esci. "Conta" starts in the focus colour.
constexpr std::array<tk::ControlSpec, 5> tasti{{
    tastoEsercizio("Frame2", 0, 135, QT_TRANSLATE_NOOP("Layout", "Conta"), TastoFuoco, 25),
    tastoEsercizio("Frame2", 3, 2340, QT_TRANSLATE_NOOP("Layout", "Avanti"), Tasto, 28),
    tastoEsercizio("Frame2", 1, 870, QT_TRANSLATE_NOOP("Layout", "Ricomincia"), Tasto, 26),
    tastoEsercizio("Frame2", 2, 1605, QT_TRANSLATE_NOOP("Layout", "Verifica"), Tasto, 27),
    tastoEsercizio("Frame2", 4, 3090, QT_TRANSLATE_NOOP("Layout", "Esci"), Tasto, 29),
}};

constexpr auto controlli = unisci(pannelloRisultati(315, 31, 32, 930), finestra, insieme, lastra, simboli, tasti);

} // namespace

const tk::WindowSpec frmOperativo2{
    .name = "FrmOperativo2",
    .caption = QT_TRANSLATE_NOOP("Layout", "Dai simboli grafici all'insieme"),
    .clientWidth = 11925,
    .clientHeight = 8820,
    .back = Rosa,
    .icon = &figure::iconaFinestra,
    .controls = controlli,
};

} // namespace layouts
