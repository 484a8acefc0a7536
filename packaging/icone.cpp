// Writes the desktop icons from the program's own pictures, so the installed icons can never drift
// from the window icon: `icone <folder> <id> <size>...` writes <folder>/<n>x<n>/apps/<id>.png.

#include "pictures/Figure.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc < 4) {
        err << "uso: icone <cartella> <id> <lato>...\n";
        return 2;
    }
    const QString cartella = QString::fromLocal8Bit(argv[1]);
    const QString id = QString::fromLocal8Bit(argv[2]);

    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int lato = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || lato < 2 || lato % 2 != 0) {
            err << "icone: lato non valido: " << argv[i] << "\n";
            return 2;
        }
        // 32 is the window icon itself, pixel for pixel; the other sizes follow its rule.
        const QImage immagine = lato == 32
            ? figure::iconaPixmap().toImage().convertToFormat(QImage::Format_ARGB32)
            : figure::triangolo(lato);
        if (immagine.size() != QSize(lato, lato)) {
            err << "icone: l'icona da " << lato << " esce " << immagine.width() << "x"
                << immagine.height() << "\n";
            return 1;
        }
        const QString sotto = QStringLiteral("%1/%2x%2/apps").arg(cartella).arg(lato);
        const QString file = QStringLiteral("%1/%2.png").arg(sotto, id);
        if (!QDir().mkpath(sotto) || !immagine.save(file, "PNG")) {
            err << "icone: impossibile scrivere " << file << "\n";
            return 1;
        }
    }
    return 0;
}
