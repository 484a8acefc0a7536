#pragma once
// The two ways the exercise windows show numbers as text, which must not be mixed up, and the
// way they say a count aloud.

#include <QString>
#include <QtGlobal>

namespace testo {

// Counters: a plain decimal integer, "4", in every language.
QString contatore(qint16 valore);
// Times: one leading space for a number that is not negative, " 12", a minus sign otherwise, "-3".
QString conSegno(float valore);
// A count as it is said in the program's language (the default locale), by ICU's spell-out rules:
// "uno", "ventitré", "einundzwanzig".
QString inParole(int valore);

} // namespace testo
