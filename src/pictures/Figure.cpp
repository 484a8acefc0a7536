#include "Figure.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <algorithm>

namespace figure {

namespace {

qreal densita()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QPixmap daVettori(const QString& nome)
{
    QSvgRenderer renderer(QStringLiteral(":/figure/svg/%1.svg").arg(nome));
    if (!renderer.isValid())
        return {};
    const qreal dpr = densita();
    const QSize logica = renderer.defaultSize();
    QImage immagine(logica * dpr, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    {
        QPainter p(&immagine);
        renderer.render(&p);
    }
    immagine.setDevicePixelRatio(dpr);
    return QPixmap::fromImage(immagine);
}

// Whole pixels stay whole: each one becomes a dpr x dpr block, never a blur.
QPixmap aPixel(const QImage& sorgente)
{
    const qreal dpr = densita();
    if (sorgente.isNull())
        return {};
    QImage immagine = sorgente.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (dpr != 1.0)
        immagine = immagine.scaled(sorgente.size() * dpr, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    immagine.setDevicePixelRatio(dpr);
    return QPixmap::fromImage(immagine);
}

QPixmap daXpm(const QString& nome)
{
    // Named format, no sniffing: guessing would load every image plugin at start-up.
    QImageReader lettore(QStringLiteral(":/figure/xpm/%1.xpm").arg(nome), "xpm");
    lettore.setAutoDetectImageFormat(false);
    return aPixel(lettore.read());
}

} // namespace

QPixmap oggetto(int n)
{
    if (n < 1 || n > 12)
        return {};
    return daVettori(QStringLiteral("oggetto%1").arg(n, 2, 10, QLatin1Char('0')));
}

QPixmap simbolo(int k)
{
    if (k >= 1 && k <= 4)
        return daXpm(QStringLiteral("simbolo%1").arg(k));
    if (k >= 5 && k <= numeroSimboli)
        return daVettori(QStringLiteral("simbolo%1").arg(k, 2, 10, QLatin1Char('0')));
    return {};
}

QString nomeOggetto(int n)
{
    // What a screen reader says of each object the child counts: a plain noun.
    static const char* const nomi[] = {
        QT_TRANSLATE_NOOP("Figure", "aquilone"), QT_TRANSLATE_NOOP("Figure", "bandiera"),
        QT_TRANSLATE_NOOP("Figure", "barca a vela"), QT_TRANSLATE_NOOP("Figure", "candela"),
        QT_TRANSLATE_NOOP("Figure", "dado"), QT_TRANSLATE_NOOP("Figure", "imbuto"),
        QT_TRANSLATE_NOOP("Figure", "lampada"), QT_TRANSLATE_NOOP("Figure", "sedia"),
        QT_TRANSLATE_NOOP("Figure", "abete"), QT_TRANSLATE_NOOP("Figure", "ciliegie"),
        QT_TRANSLATE_NOOP("Figure", "trombetta"), QT_TRANSLATE_NOOP("Figure", "gatto"),
    };
    if (n < 1 || n > 12)
        return {};
    return QCoreApplication::translate("Figure", nomi[n - 1]);
}

QString nomeSimbolo(int k)
{
    static const char* const nomi[] = {
        "<", "x", ">", "+", QT_TRANSLATE_NOOP("Figure", "mela"), QT_TRANSLATE_NOOP("Figure", "gelato"),
        QT_TRANSLATE_NOOP("Figure", "coccinella"), QT_TRANSLATE_NOOP("Figure", "coniglio"),
    };
    if (k < 1 || k > numeroSimboli)
        return {};
    return QCoreApplication::translate("Figure", nomi[k - 1]);
}

namespace {

// A range picture carries words over its squares. In Italian it is the drawing as it is; in another
// language the band of the words is painted over with the background and the translation drawn
// there in the drawing's lettering: its colour and capital height, letters as narrow and strokes as
// heavy, centred, and narrowed further where the words are long. Accents over capitals and tails
// below the line stay in the band too: the words move down or up, and are squeezed if need be.
QPixmap conParole(const QString& nome, const char* parole)
{
    QPixmap figura = daVettori(nome);
    const QString tradotte = QCoreApplication::translate("Figure", parole);
    if (figura.isNull() || tradotte == QLatin1String(parole))
        return figura;
    constexpr qreal larghezza = 160, fascia = 31, alto = 5, basso = 25, margine = 6, stretto = 0.85, tratto = 1.1;
    QFont carattere(QStringLiteral("Liberation Sans"));
    carattere.setBold(true);
    carattere.setPixelSize(100);
    carattere.setPixelSize(qRound(100 * (basso - alto) / QFontMetricsF(carattere).capHeight()));
    QPainterPath tracciato;
    tracciato.addText(0, basso, carattere, tradotte);
    const QRectF ingombro = tracciato.boundingRect();
    const qreal stretta = std::min(stretto, (larghezza - 2 * margine - tratto) / ingombro.width());
    const QColor colore(0xE0, 0x30, 0x7A);
    const QPen penna(colore, tratto / stretta, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    // The ink as painted, with the pen's corners, which reach past half its width at the sharp tips of
    // strokes (Chinese); it stays from the band's second row to just above its last edge.
    const QRectF inchiostro = QPainterPathStroker(penna).createStroke(tracciato).boundingRect().united(ingombro);
    constexpr qreal cima = 1, fondo = fascia - 0.5;
    const qreal alta = std::min<qreal>(1, (fondo - cima) / inchiostro.height());
    const qreal sopra = basso + (inchiostro.top() - basso) * alta, sotto = basso + (inchiostro.bottom() - basso) * alta;
    const qreal sposta = std::max<qreal>(0, cima - sopra) - std::max<qreal>(0, sotto - fondo);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, larghezza, fascia), QColor(0xFF, 0xFF, 0xD8));
    p.translate(larghezza / 2, basso + sposta);
    p.scale(stretta, alta);
    p.translate(-ingombro.center().x(), -basso);
    p.fillPath(tracciato, colore);
    p.strokePath(tracciato, penna);
    return figura;
}

//: Drawn over five or ten red squares on a range key: "up to" that many. Capitals, as short as can be.
constexpr const char* finoA = QT_TRANSLATE_NOOP("Figure", "FINO A");
//: Drawn over ten red squares on a range key: "more than" ten. Capitals, as short as can be.
constexpr const char* oltre = QT_TRANSLATE_NOOP("Figure", "OLTRE");

} // namespace

QPixmap intervalloCinque() { return conParole(QStringLiteral("intervallo5"), finoA); }
QPixmap intervalloDieci() { return conParole(QStringLiteral("intervallo10"), finoA); }
QPixmap oltreDieci() { return conParole(QStringLiteral("oltre10"), oltre); }

QPixmap iconaPixmap()
{
    return daXpm(QStringLiteral("icona"));
}

QIcon iconaFinestra()
{
    QIcon icona;
    icona.addPixmap(iconaPixmap());
    return icona;
}

QImage triangolo(int lato)
{
    // Sixteen bands of rows, each one step wider on each side, from the narrowest at the top to the
    // full width at the bottom. At 32 pixels this is the window icon, pixel for pixel.
    QImage immagine(lato, lato, QImage::Format_ARGB32);
    immagine.fill(Qt::transparent);
    const QRgb blu = qRgb(0, 0, 255);
    for (int y = 0; y < lato; ++y) {
        const int banda = y * 16 / lato;
        const int meta = (banda + 1) * lato / 32;
        for (int x = lato / 2 - meta; x < lato / 2 + meta; ++x)
            immagine.setPixel(x, y, blu);
    }
    return immagine;
}

} // namespace figure
