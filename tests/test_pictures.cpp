// The built-in pictures: sizes, backgrounds, the pixel-exact signs and icon, and the holder.

#include "Drive.h"
#include "app/Lingua.h"
#include "pictures/Figure.h"
#include "pictures/FrmFigure.h"

#include <QPainter>
#include <QtTest>

namespace {

// The four signs as drawn by hand, top row first: X blue, . transparent; the third, ">", is the
// first mirrored.
const char* const segni[4][16] = {
    {"..............XX", "...........XXXXX", "..........XXXX..", "........XXXX....", "......XXXX......",
     "....XXXX........", "..XXXX..........", "XXXX............", "XXXX............", "..XXXX..........",
     "....XXXX........", "......XXXX......", "........XXXX....", "..........XXXX..", "............XXXX",
     "..............XX"},
    {"XX............XX", "XXX..........XXX", ".XXX........XXX.", "..XXX......XXX..", "...XXX....XXX...",
     "....XXX..XXX....", ".....XXXXXX.....", "......XXXX......", "......XXXX......", ".....XXXXXX.....",
     "....XXX..XXX....", "...XXX....XXX...", "..XXX......XXX..", ".XXX........XXX.", "XXX..........XXX",
     "XX............XX"},
    {},  // ">": read from the first
    {"......XXXX......", "......XXXX......", "......XXXX......", "......XXXX......", "......XXXX......",
     "......XXXX......", "XXXXXXXXXXXXXXXX", "XXXXXXXXXXXXXXXX", "XXXXXXXXXXXXXXXX", "XXXXXXXXXXXXXXXX",
     "......XXXX......", "......XXXX......", "......XXXX......", "......XXXX......", "......XXXX......",
     "......XXXX......"},
};

const QRgb blu = qRgb(0, 0, 255);

// Compares a picture with a grid of blue and transparent pixels; returns the first difference.
QString differenza(const QImage& immagine, const std::function<bool(int, int)>& pieno)
{
    const QImage img = immagine.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            const bool ok = pieno(x, y) ? p == qRgba(0, 0, 255, 255) : qAlpha(p) == 0;
            if (!ok)
                return QStringLiteral("pixel %1,%2 is %3").arg(x).arg(y).arg(p, 8, 16, QLatin1Char('0'));
        }
    return {};
}

bool opaco(const QImage& img)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) != 255)
                return false;
    return true;
}

} // namespace

class Pictures : public QObject {
    Q_OBJECT

private slots:
    void objectPictures_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("transparent");
        const QSize sizes[] = {{45, 55}, {45, 59}, {46, 56}, {42, 62}, {48, 46}, {49, 47},
                               {54, 55}, {49, 50}, {48, 48}, {48, 48}, {48, 48}, {48, 48}};
        for (int n = 1; n <= 12; ++n)
            QTest::addRow("oggetto %d", n) << n << sizes[n - 1] << (n >= 9);
    }
    // Each object picture has its own pixel size; the eight photos are opaque on white, the four
    // icons keep their transparent background and something drawn in the middle.
    void objectPictures()
    {
        QFETCH(int, n);
        QFETCH(QSize, size);
        QFETCH(bool, transparent);
        const QImage img = figure::oggetto(n).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(img.size(), size);
        if (transparent) {
            QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(img.pixel(size.width() - 1, 0)), 0);
        } else {
            QVERIFY(opaco(img));
            QCOMPARE(img.pixel(0, 0), qRgb(255, 255, 255));
            QCOMPARE(img.pixel(size.width() - 1, size.height() - 1), qRgb(255, 255, 255));
        }
        int disegnati = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                disegnati += qAlpha(img.pixel(x, y)) == 255 && img.pixel(x, y) != qRgb(255, 255, 255);
        QVERIFY2(disegnati > img.width() * img.height() / 5, "too little is drawn");
    }

    void symbolPictures_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QSize>("size");
        for (int k = 1; k <= 4; ++k)
            QTest::addRow("simbolo %d", k) << k << QSize(16, 16);
        const QSize sizes[] = {{50, 53}, {52, 58}, {50, 49}, {55, 51}};
        for (int k = 5; k <= 8; ++k)
            QTest::addRow("simbolo %d", k) << k << sizes[k - 5];
    }
    void symbolPictures()
    {
        QFETCH(int, k);
        QFETCH(QSize, size);
        const QImage img = figure::simbolo(k).toImage();
        QCOMPARE(img.size(), size);
        if (k <= 4) {
            const QString diff = differenza(img, [k](int x, int y) {
                return (k == 3 ? segni[0][y][15 - x] : segni[k - 1][y][x]) == 'X';
            });
            QVERIFY2(diff.isEmpty(), qPrintable(diff));
        } else {
            QVERIFY(opaco(img.convertToFormat(QImage::Format_ARGB32)));
        }
    }

    // The window icon: a solid blue triangle in steps, two pixels wide at the top, two wider every
    // two rows, the full 32 at the bottom.
    void windowIconIsPixelExact()
    {
        const QImage img = figure::iconaPixmap().toImage();
        QCOMPARE(img.size(), QSize(32, 32));
        auto dentro = [](int x, int y) {
            const int meta = 1 + y / 2;
            return x >= 16 - meta && x < 16 + meta;
        };
        QString diff = differenza(img, dentro);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
        diff = differenza(figure::triangolo(32), dentro);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }

    // Larger renderings keep the triangle: symmetric, full width at the bottom, narrow at the top.
    void largerIconsKeepTheTriangle()
    {
        for (int lato : {48, 64, 128, 256}) {
            const QImage img = figure::triangolo(lato);
            QCOMPARE(img.size(), QSize(lato, lato));
            for (int x = 0; x < lato; ++x)
                QCOMPARE(img.pixel(x, lato - 1), blu);
            QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
            QCOMPARE(img.pixel(lato / 2, 0), blu);
            for (int y = 0; y < lato; ++y)
                for (int x = 0; x < lato; ++x)
                    QCOMPARE(img.pixel(x, y), img.pixel(lato - 1 - x, y));
        }
    }

    void rangePictures_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : lingua::disponibili())
            QTest::newRow(qPrintable(language)) << language;
    }
    // A range key shows its picture pixel for pixel at the design size. In Italian the picture is
    // the drawing; in another language the band of the words carries the translation.
    void rangePictures()
    {
        QFETCH(QString, language);
        drive::useLanguage(language);
        {
            drive::TestProgram t(drive::Start::Open);
            t->frmInizio().window()->resize(1024, 742);  // at the design scale: pictures drawn as they are
            drive::settle();
            const char* const drawings[] = {"intervallo5", "intervallo10", "oltre10"};
            QList<QImage> pictures;
            for (int i = 0; i < 3; ++i) {
                tk::OptionButton& key = *t->frmInizio().Option2[i];
                const QImage img = key.picture().toImage().convertToFormat(QImage::Format_ARGB32);
                QCOMPARE(img.size(), QSize(160, 60));
                QVERIFY(opaco(img));
                const QImage face = key.widget()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
                const QPoint corner((face.width() - img.width()) / 2, (face.height() - img.height()) / 2);
                const QRect seen = QRect(corner, img.size()) & face.rect().adjusted(2, 2, -2, -2);  // inside the bevel
                QCOMPARE(face.copy(seen), img.copy(seen.translated(-corner)));
                const QImage drawing = drive::drawing(QString::fromLatin1(drawings[i]));
                const QRect band(0, 0, 160, 31);  // the rest of the picture: test_layout, everyLanguageFits
                if (language == u"it")
                    QCOMPARE(img, drawing);
                else
                    QVERIFY2(img.copy(band) != drawing.copy(band), "no words drawn");
                pictures << img;
            }
            QVERIFY(pictures[0] != pictures[1] && pictures[1] != pictures[2]);
        }
        drive::useLanguage(QStringLiteral("it"));
    }

    // The holder loads on first use, serves by index, gives nothing for the empty indices, and
    // lets go of its pictures when unloaded.
    void holderServesByIndex()
    {
        FrmFigure holder;
        QVERIFY(!holder.isLoaded());
        QVERIFY(holder.Image3(0).isNull());
        QVERIFY(holder.isLoaded());
        QVERIFY(holder.Image3(13).isNull());
        QVERIFY(holder.Image3(14).isNull());
        for (int n = 1; n <= 12; ++n)
            QCOMPARE(holder.Image3(n).toImage(), figure::oggetto(n).toImage());
        for (int k = 1; k <= 8; ++k)
            QCOMPARE(holder.Image1(k).toImage(), figure::simbolo(k).toImage());
        // The same picture each time it is asked for.
        QCOMPARE(holder.Image3(5).cacheKey(), holder.Image3(5).cacheKey());
        holder.unload();
        QVERIFY(!holder.isLoaded());
    }

    // Every window carries the icon.
    void everyWindowCarriesTheIcon()
    {
        drive::TestProgram t(drive::Start::Open);
        const QImage icona = figure::iconaPixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        t->operativo1().load();
        t->operativo2().load();
        for (tk::Form* form : std::initializer_list<tk::Form*>{&t->frmInizio(), &t->operativo1(), &t->operativo2()})
            QCOMPARE(form->window()->windowIcon().pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32), icona);
    }

    // A contact sheet of every picture on the windows' pink, left in the build folder to look at:
    // each picture leaves a mark of its own there, none blank and no two alike.
    void contactSheet()
    {
        QList<QPixmap> tutte;
        for (int n = 1; n <= 12; ++n)
            tutte << figure::oggetto(n);
        for (int k = 1; k <= 8; ++k)
            tutte << figure::simbolo(k);
        tutte << figure::intervalloCinque() << figure::intervalloDieci() << figure::oltreDieci()
              << figure::iconaPixmap();
        const int cella = 170;
        QImage foglio(cella * 6, cella * 4, QImage::Format_ARGB32);
        foglio.fill(QColor(255, 192, 255));
        QPainter p(&foglio);
        for (int i = 0; i < tutte.size(); ++i)
            p.drawPixmap((i % 6) * cella + 5, (i / 6) * cella + 5, tutte[i]);
        p.end();
        QVERIFY(foglio.save(QStringLiteral("contact-sheet.png")));
        const QImage letto = QImage(QStringLiteral("contact-sheet.png")).convertToFormat(QImage::Format_ARGB32);
        QImage vuota(cella - 5, cella - 5, QImage::Format_ARGB32);
        vuota.fill(QColor(255, 192, 255));
        QList<QImage> celle;
        for (int i = 0; i < tutte.size(); ++i) {
            celle << letto.copy((i % 6) * cella + 5, (i / 6) * cella + 5, cella - 5, cella - 5);
            QVERIFY2(celle[i] != vuota, qPrintable(QStringLiteral("picture %1 is blank").arg(i)));
            for (int j = 0; j < i; ++j)
                QVERIFY2(celle[j] != celle[i], qPrintable(QStringLiteral("pictures %1 and %2 are alike").arg(j).arg(i)));
        }
    }
};

QTEST_MAIN(Pictures)
#include "test_pictures.moc"
