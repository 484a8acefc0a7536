#pragma once
// The program's language: Italian, its own, or one of the translations compiled into it, chosen
// once at start-up. Everything a person sees or hears follows it: the texts through Qt's
// translator; the voice and the count words are handed its code.

#include <QString>
#include <QStringList>

class QTranslator;

namespace lingua {

// "it" first, then the codes of the translations compiled in: "de", "en", "es", "fr".
QStringList disponibili();
// The first of the desktop's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that the program
// has, else Italian. Under a C or POSIX locale LANGUAGE does not count, as in gettext: Italian.
QString dalDesktop();
// The language's name in itself, from its own translation: "italiano", "Deutsch".
QString nome(const QString& codice);
// Loads the language's texts (for Italian, its plural forms) into the translator and makes it the
// default locale and the application's layout direction. False for a language the program does not have.
bool carica(QTranslator& traduttore, const QString& codice);

} // namespace lingua
