#pragma once
// The two ways the exercise windows turn numbers into text, which must not be mixed up.

#include <QString>
#include <QtGlobal>

namespace testo {

// Counters: a plain decimal integer, "4".
QString contatore(qint16 valore);
// Times: one leading space for a number that is not negative, " 12", a minus sign otherwise, "-3".
QString conSegno(float valore);

} // namespace testo
