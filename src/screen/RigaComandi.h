#pragma once
// A row of option buttons used as command keys: the key with the focus is highlighted, space walks
// the row, digit keys jump to a key, Enter or a mouse press runs the key's action, and guards make
// a held key act once per press. The five rows of the program differ only in their configuration.

#include "toolkit/ControlArray.h"
#include "toolkit/Controls.h"

#include <QColor>

#include <functional>
#include <map>

enum class Origine { Tastiera, Mouse };

struct ConfigurazioneRiga {
    static constexpr int nessunTasto = -1;
    // What differs between the rows of the two exercise windows.
    struct Esercizio {
        bool mouseProtetto = false;  // see below
    };
    // The rows of the exercise windows: digits 1 to 8, main row or keypad, name keys 0 to 7;
    // space skips disabled keys; a release leaves the key unselected.
    static ConfigurazioneRiga esercizio(Esercizio esercizio);

    // The digit keys the row takes: key code -> index of the key that gets the focus
    // (nessunTasto: taken, but moves nothing). Enter is always taken.
    std::map<int, int> cifre{};
    // Space skips disabled keys.
    bool spazioSaltaDisabilitati = false;
    // A second mouse press before a release does nothing (mousePremuto).
    bool mouseProtetto = false;
    // A key release leaves the key unselected.
    bool rilascioDeseleziona = false;
};

class RigaComandi {
public:
    using Azione = std::function<void(int indice, Origine origine)>;

    static const QColor coloreFuoco;
    static const QColor coloreRiposo;

    RigaComandi(ConfigurazioneRiga configurazione, Azione azione);

    // Hooks the row's events onto the keys of a freshly loaded window.
    void collega(const tk::ControlArray<tk::OptionButton>& tasti);
    // The row whose guards a taken key also sets, and a mouse release clears.
    void setSuccessiva(RigaComandi* successiva) { successiva_ = successiva; }
    // Clears the space-bar and key-down guards (the start window does so at each Activate).
    void azzeraGuardie() { spazioPremuto = tastoPremuto = false; }

    // The guards, owned by the window through its rows.
    bool spazioPremuto = false;
    bool tastoPremuto = false;
    bool mousePremuto = false;

private:
    void gotFocus(int i);
    void lostFocus(int i);
    void keyDown(int i, int codice);
    void keyPress(int i, int carattere);
    void keyUp(int i);
    void mouseDown(int i);
    void mouseUp(int i);
    void daiFuoco(int i);
    int successivo(int i) const;

    ConfigurazioneRiga configurazione_;
    Azione azione_;
    const tk::ControlArray<tk::OptionButton>* tasti_ = nullptr;
    RigaComandi* successiva_ = nullptr;
};
