// On a screen at twice the density (run with QT_SCALE_FACTOR=2): the same logical layout, and every
// picture at its logical size but with twice the pixels, drawings re-rendered from their vectors,
// pixel-exact signs and the icon doubled pixel by pixel.

#include "Drive.h"
#include "pictures/Figure.h"

#include <QGuiApplication>
#include <QtTest>

using namespace drive;

namespace {

// Every 2x2 block of a doubled picture holds a single colour: no blurred edge.
bool blocksAreWhole(const QImage& image)
{
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); y += 2)
        for (int x = 0; x < img.width(); x += 2) {
            const QRgb p = img.pixel(x, y);
            if (img.pixel(x + 1, y) != p || img.pixel(x, y + 1) != p || img.pixel(x + 1, y + 1) != p)
                return false;
        }
    return true;
}

} // namespace

class HighDensity : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(qGuiApp->devicePixelRatio(), 2.0); }

    void pixelExactPicturesAreDoubled()
    {
        QList<QPixmap> exact{figure::iconaPixmap()};
        for (int k = 1; k <= 4; ++k)
            exact << figure::simbolo(k);
        for (const QPixmap& p : exact) {
            QCOMPARE(p.devicePixelRatio(), 2.0);
            QCOMPARE(p.deviceIndependentSize().toSize(), p.size() / 2);
            QVERIFY(blocksAreWhole(p.toImage()));
            const QImage img = p.toImage().convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    QVERIFY(img.pixel(x, y) == qRgb(0, 0, 255) || qAlpha(img.pixel(x, y)) == 0);
        }
    }

    // Drawings come from their vectors at full density: finer than a doubled low-density picture.
    void drawingsAreRenderedAtFullDensity()
    {
        for (int n = 1; n <= 12; ++n) {
            const QPixmap p = figure::oggetto(n);
            QCOMPARE(p.devicePixelRatio(), 2.0);
            QCOMPARE(p.size(), p.deviceIndependentSize().toSize() * 2);
            QVERIFY2(!blocksAreWhole(p.toImage()), qPrintable(QStringLiteral("oggetto %1 looks doubled").arg(n)));
        }
        const QPixmap range = figure::intervalloCinque();
        QCOMPARE(range.deviceIndependentSize().toSize(), QSize(160, 60));
        QCOMPARE(range.size(), QSize(320, 120));
    }

    // The windows keep their logical layout, and the pictures their logical size in their cells.
    void windowsKeepTheirLogicalLayout()
    {
        TestProgram t(Start::Open);
        FrmInizio& f = t->frmInizio();
        f.window()->resize(792, 588);
        QCOMPARE(f.Option1[0]->widget()->geometry(), QRect(7, 10, 213, 92));
        t->frmInizio().window()->resize(700, 500);
        t.openExercise(1, 20);
        frmOperativo1& e = t->operativo1();
        e.window()->resize(795, 588);
        tk::Image& cell = *e.Image2[e.stato().posizioni[1]];
        QCOMPARE(cell.widget()->pos(), QPoint(tk::toPixels(cell.left()), tk::toPixels(cell.top())));
        QCOMPARE(cell.picture().devicePixelRatio(), 2.0);
        QVERIFY(cell.widget()->width() <= 54 && cell.widget()->height() <= 62);
        QCOMPARE(e.Image1[0]->picture().deviceIndependentSize().toSize(), QSize(16, 16));
    }
};

QTEST_MAIN(HighDensity)
#include "test_hidpi.moc"
