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

namespace {

const char* const unita[] = {"", "uno", "due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove",
                             "dieci", "undici", "dodici", "tredici", "quattordici", "quindici", "sedici",
                             "diciassette", "diciotto", "diciannove"};
const char* const decine[] = {"", "", "venti", "trenta", "quaranta", "cinquanta", "sessanta", "settanta",
                              "ottanta", "novanta"};

bool iniziaPerVocale(const QString& parola) { return parola.startsWith(u'u') || parola.startsWith(u'o'); }

// 1 to 999, without the accent a final "tre" takes.
QString sottoMille(int n)
{
    QString parole;
    if (n >= 100)
        parole = (n >= 200 ? QString::fromLatin1(unita[n / 100]) : QString()) + QStringLiteral("cento");
    const int resto = n % 100;
    QString coda;
    if (resto >= 20) {
        QString decina = QString::fromLatin1(decine[resto / 10]);
        const QString unitaria = QString::fromLatin1(unita[resto % 10]);
        // The tens lose their vowel before "uno" and "otto": ventuno, ventotto.
        if (iniziaPerVocale(unitaria))
            decina.chop(1);
        coda = decina + unitaria;
    } else {
        coda = QString::fromLatin1(unita[resto]);
    }
    // "cento" loses its vowel before "ottanta" only: centottanta, but centouno, centootto.
    if (!parole.isEmpty() && coda.startsWith(QStringLiteral("ottanta")))
        parole.chop(1);
    return parole + coda;
}

} // namespace

QString inParole(int valore)
{
    if (valore <= 0)
        return QStringLiteral("zero");
    const int migliaia = valore / 1000;
    QString parole = migliaia == 0 ? QString()
                     : migliaia == 1 ? QStringLiteral("mille")
                                     : sottoMille(migliaia) + QStringLiteral("mila");
    parole += sottoMille(valore % 1000);
    // A final "tre" in a longer number carries its accent: ventitré, centotré.
    if (valore > 3 && parole.endsWith(QStringLiteral("tre")))
        parole = parole.chopped(1) + QStringLiteral("é");
    return parole;
}

} // namespace testo
