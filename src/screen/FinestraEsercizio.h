#pragma once
// What the two exercise windows share: the five command keys and their row, the proportional
// layout, the results panel with its counts and times, the check with what is said aloud, and
// the way back to the start window. Each exercise adds only its own rules: how it sets up and
// draws a set, what its first two keys ("Conta" and "Ricomincia", in an order of its own) do,
// and what the child counts and answers.

#include "Globali.h"
#include "NumeriInParole.h"
#include "Proporzioni.h"
#include "Risultati.h"
#include "RigaComandi.h"
#include "toolkit/Form.h"

#include <functional>

class FrmFigure;

// What an exercise window is handed when it is created: it never reaches into the start window.
struct Dipendenze {
    const Globali& globali;
    FrmFigure& figure;
    NumeriInParole& numeri;  // counts said aloud, in the program's language
    std::function<void()> mostraInizio;
};

class FinestraEsercizio : public tk::Form {
public:
    // The keys both windows have at the same index.
    enum TastoComune { Verifica = 2, Avanti = 3, Esci = 4 };

    tk::ControlArray<tk::OptionButton> Option1{*this, "Option1"};
    tk::ControlRef<tk::Frame> FraSfondoS{*this, "FraSfondoS"};  // the set of objects
    PannelloRisultati pannello{*this};

    const Risultati& risultati() const { return risultati_; }
    const Proporzioni& proporzioni() const { return proporzioni_; }

    // The command of key `indice`: "Verifica", "Avanti" and "Esci" here, the first two keys the
    // exercise's; any other index does nothing.
    void eseguiComando(int indice);

protected:
    FinestraEsercizio(tk::Runtime& runtime, const tk::WindowSpec& layout, Dipendenze dipendenze,
                      ConfigurazioneRiga riga);

    const Globali& globali() const { return dipendenze_.globali; }
    FrmFigure& figure() const { return dipendenze_.figure; }
    // The time of day, which seeds the generator.
    float oraDelGiorno() const;
    // The answer's time starts now (oraInizio), on the monotonic clock.
    void segnaInizio();

    // A count within the chosen range, from the next value of the generator.
    qint16 estraiNumero(tk::Random& caso) const;

    // The exercise's own parts.
    virtual void avvio() = 0;  // Load, once the proportions are recorded
    virtual void nuovoEsercizio() = 0;
    virtual void comandoProprio(int indice) = 0;
    // How many things the child is to count, and how many the child has added.
    virtual qint16 numeroGiusto() const = 0;
    virtual qint16 risposta() const = 0;
    // What a screen reader finds in the two areas: the one the child counts says what it holds
    // but not how many, which is the answer; the one the child fills counts what it shows.
    struct Aree {
        tk::Frame& daContare;
        QString nomeDaContare;
        tk::Frame& risposta;
        std::function<QString(int quante)> quanteInRisposta;
    };
    virtual Aree aree() = 0;

    // "Conta" and "Ricomincia" on, "Verifica", "Avanti" and "Esci" off.
    virtual void abilitaRisposta();
    // Only "Avanti" and "Esci" on.
    void abilitaProseguimento();
    // The outcome and the count, the keys for going on, the time; the outcome said aloud, and
    // after a mistake how many there were.
    void verificaRisposta();
    // Aloud: the count of what the child has added, and silence when the answer starts again.
    void diciConteggio(int conteggio);
    void taci();

    void connectEvents() override;

private:
    void Load() final;
    void Resize() final;
    void Unload() final;
    double ora() const;
    // The outcome and the counts, where a screen reader says them: with the key that takes the
    // focus after the check. Cleared for the next exercise, so it is never read out stale.
    void annunciaEsito(const QString& esito);

    Dipendenze dipendenze_;
    RigaComandi riga_;
    Proporzioni proporzioni_;
    Risultati risultati_;
};
