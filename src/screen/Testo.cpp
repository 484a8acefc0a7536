#include "Testo.h"

#include <QLocale>

#include <unicode/rbnf.h>

#include <cmath>
#include <map>
#include <memory>

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

QString inParole(int valore)
{
    // One formatter per language, made at its first count: building one parses its rules.
    static std::map<QString, std::unique_ptr<icu::RuleBasedNumberFormat>> formati;
    const QString lingua = QLocale().name().section(u'_', 0, 0);
    auto& formato = formati[lingua];
    if (!formato) {
        UErrorCode stato = U_ZERO_ERROR;
        formato = std::make_unique<icu::RuleBasedNumberFormat>(icu::URBNF_SPELLOUT,
                                                               icu::Locale(lingua.toLatin1().constData()), stato);
        if (U_FAILURE(stato))
            formato.reset();
    }
    if (!formato)
        return QString::number(valore);
    icu::UnicodeString parole;
    formato->format(static_cast<int32_t>(valore), parole);
    // ICU marks where a long word may be hyphenated; a voice reads the word whole.
    QString testo = QString::fromUtf16(reinterpret_cast<const char16_t*>(parole.getBuffer()), parole.length())
                        .remove(QChar(0x00AD));
    // Italian accents a final "tre" in a compound (ventitré, milletré), which tells the voice where
    // the stress falls; ICU leaves it out after "mille" and "mila".
    if (lingua == u"it" && valore > 3 && testo.endsWith(QStringLiteral("tre")))
        testo = testo.chopped(1) + QStringLiteral("é");
    return testo;
}

} // namespace testo
