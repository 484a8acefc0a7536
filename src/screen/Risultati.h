#pragma once
// What the two exercise windows share: the outcome line and the results panel, the counts of
// right and wrong answers, the answer times, and the two ways numbers become text.

#include <QString>
#include <QtGlobal>

#include <optional>

namespace tk {
class Control;
class Label;
class Window;
} // namespace tk

namespace testo {
// Counters: a plain decimal integer, "4".
QString contatore(qint16 valore);
// Times: one leading space for a number that is not negative, " 12", a minus sign otherwise, "-3".
QString conSegno(float valore);
} // namespace testo

// Adds one, stopping at the largest 16-bit value instead of wrapping to a negative one.
void incrementa(qint16& contatore);

// Whole seconds, rounded down, between two readings of the monotonic clock.
float secondiTrascorsi(double inizio, double fine);

// Lets a screen reader say how many things an area shows: "1 simbolo", "7 simboli".
void riassumiArea(tk::Control& area, const QString& uno, const QString& molti);

struct PannelloRisultati {
    tk::Label* LblEsito = nullptr;
    tk::Label* LblOperazione = nullptr;
    tk::Label* lblRisEsatte = nullptr;
    tk::Label* lblRisErrate = nullptr;
    tk::Label* LblTempoParziale = nullptr;
    tk::Label* LblTempoTotale = nullptr;

    void bind(const tk::Window& finestra);
    void clear() { *this = {}; }
};

class Risultati {
public:
    static constexpr float tettoSecondi = 999;

    qint16 risposteEsatte = 0;
    qint16 risposteErrate = 0;
    // Readings of the monotonic clock: the time of day jumps at midnight and at clock changes.
    double oraInizio = 0;
    double oraFine = 0;
    float secondiParziali = 0;
    std::optional<float> secondiTotali;  // empty until the first check
    QString testoParziale;
    QString testoTotale;

    // Shows "ESATTO" or "ERRATO" and counts the answer.
    void giudica(bool esatto, PannelloRisultati& pannello);
    // Takes the answer's time at the check and shows it with the total; "999" from 999 seconds on.
    void misuraTempi(double adesso, PannelloRisultati& pannello);
};
