// Compares the icons as they come out of the package with the program's own pictures:
// `check_icons <hicolor folder> <id> <size>...`. The 32 pixel one must be the window icon pixel
// for pixel, the others the triangle's rule at their size. Prints every mismatch, exits non-zero.

#include "pictures/Figure.h"

#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

namespace {

// Premultiplied, so fully transparent pixels compare equal whatever colour they carry.
QImage normale(const QImage& img)
{
    return img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QString confronta(const QImage& trovata, const QImage& attesa)
{
    if (trovata.size() != attesa.size())
        return QStringLiteral("is %1x%2, expected %3x%4")
            .arg(trovata.width()).arg(trovata.height()).arg(attesa.width()).arg(attesa.height());
    const QImage a = normale(trovata);
    const QImage b = normale(attesa);
    int diversi = 0;
    QString primo;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y) && diversi++ == 0)
                primo = QStringLiteral("first at (%1,%2): #%3, expected #%4")
                            .arg(x).arg(y)
                            .arg(a.pixel(x, y), 8, 16, QLatin1Char('0'))
                            .arg(b.pixel(x, y), 8, 16, QLatin1Char('0'));
    if (diversi == 0)
        return {};
    return QStringLiteral("%1 pixels differ, %2").arg(diversi).arg(primo);
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc < 4) {
        out << "usage: check_icons <hicolor folder> <id> <size>...\n";
        return 2;
    }
    const QString cartella = QString::fromLocal8Bit(argv[1]);
    const QString id = QString::fromLocal8Bit(argv[2]);

    int errori = 0;
    bool visto32 = false;
    for (int i = 3; i < argc; ++i) {
        const int lato = QString::fromLocal8Bit(argv[i]).toInt();
        const QString file = QStringLiteral("%1/%2x%2/apps/%3.png").arg(cartella).arg(lato).arg(id);
        QImage trovata;
        if (!trovata.load(file, "PNG")) {
            out << "FAIL " << file << ": missing or not a PNG\n";
            ++errori;
            continue;
        }
        const QImage attesa = lato == 32 ? figure::iconaPixmap().toImage() : figure::triangolo(lato);
        visto32 = visto32 || lato == 32;
        const QString diff = confronta(trovata, attesa);
        if (diff.isEmpty()) {
            out << "ok   " << file << "\n";
        } else {
            out << "FAIL " << file << ": " << diff << "\n";
            ++errori;
        }
    }
    if (!visto32) {
        out << "FAIL no 32x32 icon among the sizes checked\n";
        ++errori;
    }
    return errori == 0 ? 0 : 1;
}
