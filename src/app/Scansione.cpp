#include "Scansione.h"

namespace scansione {

// Digits with at most one separator, and nothing else: no sign, exponent, spaces or "inf".
std::optional<double> leggiTempo(const QString& testo)
{
    QString numero = testo;
    numero.replace(u',', u'.');
    int cifre = 0, separatori = 0;
    for (const QChar c : numero) {
        if (c >= u'0' && c <= u'9')
            ++cifre;
        else if (c == u'.')
            ++separatori;
        else
            return std::nullopt;
    }
    if (cifre == 0 || separatori > 1)
        return std::nullopt;
    bool letto = false;
    const double secondi = numero.toDouble(&letto);
    if (!letto || secondi < tempoMinimo || secondi > tempoMassimo)
        return std::nullopt;
    return secondi;
}

} // namespace scansione
