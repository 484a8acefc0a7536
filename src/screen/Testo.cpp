#include "Testo.h"

#include <cmath>

namespace testo {

QString contatore(qint16 valore)
{
    return QString::number(valore);
}

QString conSegno(float valore)
{
    const QString cifre = QString::number(static_cast<double>(std::fabs(valore)), 'g', 9);
    return (valore < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + cifre;
}

} // namespace testo
