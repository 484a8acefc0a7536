#include "Lingua.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QTranslator>

namespace lingua {

namespace {
const QString cartella = QStringLiteral(":/i18n");
const QString propria = QStringLiteral("it");

QString file(const QString& codice)
{
    return QStringLiteral("%1/quantella_%2.qm").arg(cartella, codice);
}

// The locale that messages follow, as the C library resolves it.
QString localeDeiMessaggi()
{
    for (const char* variabile : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const QString valore = qEnvironmentVariable(variabile); !valore.isEmpty())
            return valore;
    return QStringLiteral("C");
}
} // namespace

QStringList disponibili()
{
    // Names compared by hand: a wildcard filter would bring in the regular-expression engine,
    // half a megabyte, at start-up.
    static const QStringList codici = [] {
        QStringList trovati{propria};
        const QString prima = QStringLiteral("quantella_"), dopo = QStringLiteral(".qm");
        for (const QString& nome : QDir(cartella).entryList(QDir::Files, QDir::Name))
            if (nome.startsWith(prima) && nome.endsWith(dopo))
                if (const QString codice = nome.mid(prima.size()).chopped(dopo.size()); !trovati.contains(codice))
                    trovati << codice;
        return trovati;
    }();
    return codici;
}

QString dalDesktop()
{
    // As gettext: "C" and "POSIX" only; "C.UTF-8" is a locale of its own, where LANGUAGE counts.
    const QString locale = localeDeiMessaggi();
    if (locale == u"C" || locale == u"POSIX")
        return propria;
    const QStringList codici = disponibili();
    for (const QString& lingua : QLocale::system().uiLanguages()) {
        const QLocale locale(lingua);
        // Our Chinese is Simplified: a Traditional desktop (Taiwan, Hong Kong) goes on down its list.
        if (locale.script() == QLocale::TraditionalHanScript)
            continue;
        const QString codice = locale.name().section(u'_', 0, 0);
        if (codici.contains(codice))
            return codice;
    }
    return propria;
}

QString nome(const QString& codice)
{
    //: The name of this translation's language, in the language itself, lower case as in a sentence
    //: where the language writes it so: "English", "Deutsch", "français", "español".
    static const char* const italiano = QT_TRANSLATE_NOOP("Lingua", "italiano");
    QTranslator traduttore;
    if (codice != propria && traduttore.load(file(codice)))
        return traduttore.translate("Lingua", italiano);
    return QString::fromLatin1(italiano);
}

bool carica(QTranslator& traduttore, const QString& codice)
{
    if (!disponibili().contains(codice) || !traduttore.load(file(codice)))
        return false;
    const QLocale locale(codice);
    QLocale::setDefault(locale);
    // From the language itself, not from a translated entry every file would need: the windows
    // mirror for Arabic. Numbers are never formatted through the locale, so digits stay 0-9.
    QGuiApplication::setLayoutDirection(locale.textDirection());
    return true;
}

} // namespace lingua
