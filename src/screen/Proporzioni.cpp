#include "Proporzioni.h"

#include "toolkit/Window.h"

void Proporzioni::registra(const tk::Window& finestra)
{
    const auto& controlli = finestra.controls();
    proporzioni_.assign(controlli.size(), {});
    const double larghezza = finestra.innerWidth();
    const double altezza = finestra.innerHeight();
    if (larghezza <= 0 || altezza <= 0)
        return;
    for (std::size_t i = 0; i < controlli.size(); ++i) {
        const tk::Control& c = *controlli[i];
        if (!c.hasGeometry())
            continue;
        proporzioni_[i] = {static_cast<float>(c.width() / larghezza), static_cast<float>(c.height() / altezza),
                           static_cast<float>(c.top() / altezza), static_cast<float>(c.left() / larghezza)};
    }
}

void Proporzioni::applica(tk::Window& finestra) const
{
    const auto& controlli = finestra.controls();
    const float larghezza = static_cast<float>(finestra.innerWidth());
    const float altezza = static_cast<float>(finestra.innerHeight());
    const std::size_t n = std::min(controlli.size(), proporzioni_.size());
    for (std::size_t i = 0; i < n; ++i) {
        tk::Control& c = *controlli[i];
        if (!c.hasGeometry())
            continue;
        const ProporzioniControllo& p = proporzioni_[i];
        c.move(larghezza * p.Sinistra, altezza * p.Sopra, larghezza * p.Larghezza, altezza * p.Altezza);
    }
}
