#pragma once
// The two ways the exercise windows show numbers as text, which must not be mixed up. Counts said
// aloud are in NumeriInParole.

#include <QString>
#include <QtGlobal>

namespace testo {

// Counters: a plain decimal integer, "4", in every language.
QString contatore(qint16 valore);
// Times: one leading space for a number that is not negative, " 12", a minus sign otherwise, "-3".
QString conSegno(float valore);

} // namespace testo
