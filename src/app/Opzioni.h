#pragma once
// The command line. Read before the application starts, so that --help and --version need no
// display; it chooses the language and loads its texts first, so that what it says is already in
// that language. A new option: one row in Opzioni.cpp's table, a field here, and the line that fills it.

#include <QString>

#include <optional>

struct Opzioni {
    enum class Scelta {
        Gioca, // start the program
        Esci,  // the help or the version was printed: status 0
        Errore // what is wrong was said, with the help: status 2
    };
    Scelta scelta = Scelta::Gioca;
    bool senzaVoce = false;
    // The period, in seconds, when the keys are scanned for a single switch.
    std::optional<double> scansione;
    // The language in effect: from --lingua or the desktop, or Italian when its texts did not load.
    QString lingua;
};

// Reads the options and says itself what is wrong, or prints the help or the version.
Opzioni leggiOpzioni(int argc, char* argv[]);
