#pragma once
// The results of the exercise windows: the outcome line and the panel of counts and times, the
// rules of the counts (they stop at the largest 16-bit value) and of the times (whole seconds on a
// clock that only runs forward, shown up to "999").

#include "toolkit/ControlArray.h"
#include "toolkit/Controls.h"

#include <QString>
#include <QtGlobal>

#include <optional>

namespace tk {
class Form;
}

// Adds one, stopping at the largest 16-bit value instead of wrapping to a negative one.
void incrementa(qint16& contatore);

// Whole seconds, rounded down, between two readings of the monotonic clock.
float secondiTrascorsi(double inizio, double fine);

// The outcome line and the five values under their headings.
struct PannelloRisultati {
    explicit PannelloRisultati(tk::Form& finestra);

    tk::ControlRef<tk::Label> LblEsito, LblOperazione, lblRisEsatte, lblRisErrate, LblTempoParziale, LblTempoTotale;
    tk::ControlArray<tk::Label> Label5;  // the headings

    // A screen reader gives each value with its heading.
    void descriviValori();
    // The outcome and the counts of answers, as a screen reader says them: "ESATTO. Risposte esatte: 1."
    QString riassunto() const;
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
