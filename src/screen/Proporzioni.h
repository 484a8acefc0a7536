#pragma once
// Keeps every control of a window at the same fractions of the window's inner size as when the
// window was loaded. Fonts and pictures are the window's business (tk::Window::scale): they keep
// their design size on a window as large as the design or larger, and shrink on a smaller one.

#include <vector>

namespace tk {
class Window;
}

struct ProporzioniControllo {
    float Larghezza = 0;
    float Altezza = 0;
    float Sopra = 0;
    float Sinistra = 0;
};

class Proporzioni {
public:
    // In Load: one entry per control of the window's collection; a control without a geometry keeps zeros.
    void registra(const tk::Window& finestra);
    // On every Resize: one move-and-size per control, from the table recorded at load.
    void applica(tk::Window& finestra) const;

    const std::vector<ProporzioniControllo>& tabella() const { return proporzioni_; }

private:
    std::vector<ProporzioniControllo> proporzioni_;
};
