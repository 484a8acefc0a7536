// Checks the icons as they come out of the package: `check_icons <hicolor folder> <id> <size>...`.
// The 32 pixel one must be the window icon pixel for pixel. The larger ones are checked against
// the window icon's shape, not against the code that drew them: only blue and transparent pixels,
// one blue run per row, centred, never narrower than the row above, a point at the top and the
// full width at the bottom, in sixteen steps, covering the same share of the square as the window
// icon. Prints every mismatch, exits non-zero.

#include "pictures/Figure.h"

#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <cmath>

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

// The window icon's shape at a larger size, or what is wrong with it.
QString forma(const QImage& trovata, const QImage& icona32)
{
    const QImage img = trovata.convertToFormat(QImage::Format_ARGB32);
    const int lato = img.width();
    if (img.height() != lato || lato < 32)
        return QStringLiteral("is %1x%2, not a square of at least 32").arg(img.width()).arg(img.height());
    int precedente = 0, gradini = 0;
    qint64 blu = 0;
    for (int y = 0; y < lato; ++y) {
        int primo = -1, ultimo = -1;
        for (int x = 0; x < lato; ++x) {
            const QRgb p = img.pixel(x, y);
            if (qAlpha(p) == 0)
                continue;
            if (p != qRgb(0, 0, 255))
                return QStringLiteral("pixel (%1,%2) is #%3, neither blue nor transparent").arg(x).arg(y).arg(p, 8, 16);
            if (primo >= 0 && ultimo != x - 1)
                return QStringLiteral("row %1 has a gap").arg(y);
            if (primo < 0)
                primo = x;
            ultimo = x;
        }
        const int larghezza = primo < 0 ? 0 : ultimo - primo + 1;
        if (larghezza == 0 || primo != lato - 1 - ultimo)
            return QStringLiteral("row %1 is not centred (%2 to %3)").arg(y).arg(primo).arg(ultimo);
        if (larghezza < precedente)
            return QStringLiteral("row %1 is narrower than the row above").arg(y);
        gradini += larghezza > precedente;
        precedente = larghezza;
        blu += larghezza;
    }
    if (precedente != lato)
        return QStringLiteral("the bottom row is %1 wide, not %2").arg(precedente).arg(lato);
    if (gradini != 16)
        return QStringLiteral("%1 steps, not 16").arg(gradini);
    qint64 blu32 = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            blu32 += qAlpha(icona32.pixel(x, y)) != 0;
    const double quota = double(blu) / (double(lato) * lato), quota32 = double(blu32) / (32.0 * 32.0);
    if (std::abs(quota - quota32) > 0.03)
        return QStringLiteral("covers %1% of the square, the window icon %2%").arg(quota * 100, 0, 'f', 1).arg(quota32 * 100, 0, 'f', 1);
    return {};
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
        const QImage icona32 = figure::iconaPixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        visto32 = visto32 || lato == 32;
        const QString diff = lato == 32 ? confronta(trovata, icona32) : forma(trovata, icona32);
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
