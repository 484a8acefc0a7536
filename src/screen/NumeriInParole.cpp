#include "NumeriInParole.h"

#include <QCoreApplication>

#include <unicode/rbnf.h>

#include <cstring>
#include <utility>

struct NumeriInParole::Formato {
    Formato(const icu::Locale& lingua, UErrorCode& stato) : icu(icu::URBNF_SPELLOUT, lingua, stato) {}
    icu::RuleBasedNumberFormat icu;
};

NumeriInParole::NumeriInParole(QString lingua, Avviso avviso) : lingua_(std::move(lingua)), avviso_(std::move(avviso)) {}

NumeriInParole::~NumeriInParole() = default;

void NumeriInParole::prepara()
{
    preparato_ = true;
    const icu::Locale chiesta(lingua_.toLatin1().constData());
    UErrorCode stato = U_ZERO_ERROR;
    auto formato = std::make_unique<Formato>(chiesta, stato);
    // For a language it has no rules for, ICU takes its root rules, which are English words.
    if (U_SUCCESS(stato)) {
        const icu::Locale avuta = formato->icu.getLocale(ULOC_ACTUAL_LOCALE, stato);
        if (U_SUCCESS(stato) && std::strcmp(avuta.getLanguage(), chiesta.getLanguage()) == 0) {
            formato_ = std::move(formato);
            return;
        }
    }
    if (avviso_)
        avviso_(QCoreApplication::translate("NumeriInParole", "nessun numero in parole per la lingua «%1»; "
                                                              "la voce dirà le cifre")
                    .arg(lingua_));
}

QString NumeriInParole::inParole(int valore)
{
    if (!preparato_)
        prepara();
    if (!formato_)
        return QString::number(valore);
    icu::UnicodeString parole;
    formato_->icu.format(static_cast<int32_t>(valore), parole);
    // ICU marks where a long word may be hyphenated; a voice reads the word whole.
    QString testo = QString::fromUtf16(reinterpret_cast<const char16_t*>(parole.getBuffer()), parole.length())
                        .remove(QChar(0x00AD));
    // Italian accents a final "tre" in a compound (ventitré, milletré), which tells the voice where
    // the stress falls; ICU leaves it out after "mille" and "mila".
    if (lingua_ == u"it" && valore > 3 && testo.endsWith(QStringLiteral("tre")))
        testo = testo.chopped(1) + QStringLiteral("é");
    return testo;
}
