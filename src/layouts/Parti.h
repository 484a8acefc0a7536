#pragma once
// Pieces the two exercise windows share, and joining pieces into one table.

#include "Palette.h"
#include "toolkit/LayoutTable.h"

#include <array>

namespace layouts {

template <std::size_t... N>
constexpr auto unisci(const std::array<tk::ControlSpec, N>&... parti)
{
    std::array<tk::ControlSpec, (N + ...)> tabella{};
    std::size_t i = 0;
    ((std::copy(parti.begin(), parti.end(), tabella.begin() + static_cast<std::ptrdiff_t>(i)), i += N), ...);
    return tabella;
}

// The results panel: five dark-red headings over five blue values. The two windows differ in the
// panel's place, the tab indices and the width of the last heading.
constexpr std::array<tk::ControlSpec, 11> pannelloRisultati(int sinistra, int tabPannello, int tabBase,
                                                            int larghezzaTempoTotale)
{
    using tk::Kind;
    constexpr tk::FontSpec valore{"Arial", 14.25, true};
    constexpr tk::FontSpec intestazione{"Arial", 8.25, true};
    constexpr const char* perRisposta = QT_TRANSLATE_NOOP("Layout", "Secondi impiegati per ogni risposta");
    auto etichetta = [&](const char* nome, int indice, int left, int top, int width, int height,
                         const char* testo, tk::Rgb colore, tk::FontSpec font, int tab, const char* suggerimento) {
        return tk::ControlSpec{.name = nome, .index = indice, .kind = Kind::Label, .container = "frmElaborazione",
                               .left = left, .top = top, .width = width, .height = height, .caption = testo,
                               .fore = colore, .transparent = true, .font = font, .tabIndex = tab,
                               .align = tk::Align::Center, .toolTip = suggerimento};
    };
    using palette::Blu;
    using palette::RossoScuro;
    return {{
        {.name = "frmElaborazione", .kind = Kind::Frame, .left = sinistra, .top = 6300, .width = 4890, .height = 1695,
         .back = palette::Rosa, .font = tk::FontSpec{"Arial", 8.25, false}, .tabIndex = tabPannello,
         .accessibleName = QT_TRANSLATE_NOOP("Layout", "Risultati")},
        etichetta("lblRisErrate", -1, 1965, 960, 810, 480, "", Blu, valore, tabBase + 9, perRisposta),
        etichetta("lblRisEsatte", -1, 1035, 960, 810, 480, "", Blu, valore, tabBase + 8, nullptr),
        etichetta("LblOperazione", -1, 105, 960, 810, 480, "", Blu, valore, tabBase + 7, nullptr),
        etichetta("LblTempoTotale", -1, 3870, 960, 810, 480, "", Blu, valore, tabBase + 6,
                  QT_TRANSLATE_NOOP("Layout", "Secondi impiegati per ogni esercizio")),
        //: Heading of the exercise number in the results panel: a short abbreviation.
        etichetta("Label5", 0, 45, 300, 930, 555, QT_TRANSLATE_NOOP("Layout", "Oper"), RossoScuro, intestazione,
                  tabBase + 5, nullptr),
        etichetta("LblTempoParziale", -1, 2910, 960, 810, 480, "", Blu, valore, tabBase + 4, perRisposta),
        //: Heading over the count of right answers, in a narrow column; keep the space it begins with.
        etichetta("Label5", 1, 990, 300, 930, 555, QT_TRANSLATE_NOOP("Layout", " Risposte esatte"), RossoScuro,
                  intestazione, tabBase + 3, nullptr),
        //: Heading over the count of wrong answers, in a narrow column; keep the space it begins with.
        etichetta("Label5", 2, 1935, 300, 930, 555, QT_TRANSLATE_NOOP("Layout", " Risposte errate"), RossoScuro,
                  intestazione, tabBase + 2, nullptr),
        //: Heading over the seconds the last answer took.
        etichetta("Label5", 3, 2880, 300, 930, 555, QT_TRANSLATE_NOOP("Layout", "Tempo parziale"), RossoScuro,
                  intestazione, tabBase + 1, nullptr),
        //: Heading over the seconds all answers took.
        etichetta("Label5", 4, 3825, 300, larghezzaTempoTotale, 555, QT_TRANSLATE_NOOP("Layout", "Tempo totale"),
                  RossoScuro, intestazione, tabBase, nullptr),
    }};
}

// The 24 cells of the set area, 750 twips square, front-most first: 23 down to 16, then 0 up to 15.
struct RigaCelle {
    int top;
    std::array<int, 8> left;
};

constexpr std::array<tk::ControlSpec, ultimaCellaInsieme + 1> celleInsieme(const std::array<RigaCelle, 3>& righe)
{
    std::array<tk::ControlSpec, ultimaCellaInsieme + 1> celle{};
    constexpr std::array<int, ultimaCellaInsieme + 1> ordine{23, 22, 21, 20, 19, 18, 17, 16, 0, 1, 2, 3,
                                                             4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    for (std::size_t i = 0; i < ordine.size(); ++i) {
        const int k = ordine[i];
        const RigaCelle& riga = righe[static_cast<std::size_t>(k / 8)];
        celle[i] = tk::ControlSpec{.name = "Image2", .index = k, .kind = tk::Kind::Image, .container = "FraSfondoS",
                                   .left = riga.left[static_cast<std::size_t>(k % 8)], .top = riga.top,
                                   .width = 750, .height = 750};
    }
    return celle;
}

// A command key of the exercise windows.
constexpr tk::ControlSpec tastoEsercizio(const char* frame, int indice, int top, const char* testo, tk::Rgb fondo,
                                         int tab)
{
    return {.name = "Option1", .index = indice, .kind = tk::Kind::OptionButton, .container = frame, .left = 75,
            .top = top, .width = 3375, .height = 720, .caption = testo, .back = fondo, .fore = palette::BluScuro,
            .font = tk::FontSpec{"Arial", 21.75, true}, .tabIndex = tab};
}

constexpr tk::FontSpec intestazioneEsercizio{"Times New Roman", 21.75, true};
constexpr tk::FontSpec esito{"Arial", 72, false};

} // namespace layouts
