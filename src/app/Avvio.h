#pragma once
// What the program says on standard error around its start: its own lines ("quantella: ..."), Qt's
// messages held until the application has started, the reason a start failed, and the voice's
// reports. Texts are the program's, translated as soon as the options have chosen the language.

#include "toolkit/DesktopVoice.h"

#include <QString>

class QTranslator;

namespace avvio {

// The program's translator, loaded with the options before the application exists, and installed
// in it once it does.
QTranslator& traduttore();
// A start-up text in the program's language.
QString testo(const char* sorgente);
// One line on standard error: "quantella: riga".
void errore(const QString& riga);

// Until avviato(), Qt's messages are held; a fatal one ends the program with status 1, saying why in
// a line or two: no display to reach, or Qt's own reason when something else failed.
void trattieniMessaggi();
// The application has started: the held messages go out, and Qt's own handler takes over.
void avviato();

// The voice's reports, told on its own thread, each printed as a line on the interface thread,
// where the translator lives. language: the voice's, named in "no voice for the language".
tk::DesktopVoice::Report rapportiDellaVoce(const QString& lingua);

} // namespace avvio
