// The proportional layout of the three windows in every language, and the opening curtain of the
// start window.

#include "Drive.h"
#include "app/Lingua.h"
#include "layouts/Layouts.h"
#include "toolkit/Painting.h"

#include <QGlyphRun>
#include <QPaintEngine>
#include <QTextLayout>
#include <QToolTip>
#include <QtTest>

using namespace drive;

namespace {

// How much the window shrinks fonts and pictures at a size: the smaller ratio to the design, at most 1.
double scaleAt(const tk::WindowSpec& spec, QSize size)
{
    return std::min({1.0, size.width() * 15.0 / spec.clientWidth, size.height() * 15.0 / spec.clientHeight});
}

// A control's design font in pixels at a scale of the window's.
int fontPixels(const tk::ControlSpec& spec, double scale)
{
    return std::max(1, int(std::lround(spec.font.value_or(tk::FontSpec{}).points * 96 / 72 * scale)));
}

// The pixel sizes of the fonts a widget paints its own texts in, its children left out.
QList<int> paintedFontSizes(QWidget& widget)
{
    class Recorder final : public QPaintDevice, public QPaintEngine {
    public:
        explicit Recorder(QSize size) : QPaintEngine(AllFeatures), size_(size) {}
        QList<int> sizes;
        QPaintEngine* paintEngine() const override { return const_cast<Recorder*>(this); }
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF&, const QTextItem& item) override { sizes << item.font().pixelSize(); }
        Type type() const override { return User; }

    protected:
        int metric(PaintDeviceMetric m) const override
        {
            switch (m) {
            case PdmWidth: return size_.width();
            case PdmHeight: return size_.height();
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY: return 96;
            case PdmDevicePixelRatio: return 1;
            default: return QPaintDevice::metric(m);
            }
        }

    private:
        QSize size_;
    } recorder(widget.size());
    widget.render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());
    return recorder.sizes;
}

// Where a range picture's words leave their band: the rest of the picture must be the drawing, and
// the band's top row and side margins bare. The band, its margins and the drawings are the pictures'.
QString wordsOutsideBand(const tk::OptionButton& key)
{
    const char* const drawings[] = {"intervallo5", "intervallo10", "oltre10"};
    const QImage picture = key.picture().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage drawing = drive::drawing(QString::fromLatin1(drawings[key.index()]));
    const int band = 31, margin = 6;
    const QRect below(0, band, picture.width(), picture.height() - band);
    if (picture.copy(below) != drawing.copy(below))
        return QStringLiteral("below the band");
    const QColor bare = drawing.pixelColor(0, 0);
    for (QRect edge : {QRect(0, 0, picture.width(), 1), QRect(0, 0, margin, band),
                       QRect(picture.width() - margin, 0, margin, band)})
        for (int y = edge.top(); y <= edge.bottom(); ++y)
            for (int x = edge.left(); x <= edge.right(); ++x)
                if (picture.pixelColor(x, y) != bare)
                    return QStringLiteral("at %1,%2").arg(x).arg(y);
    return {};
}

// Where a control should be: its design geometry scaled by the window's size against the design.
QRect expected(const tk::ControlSpec& spec, const tk::WindowSpec& window, QSize size)
{
    const double sx = size.width() * 15.0 / window.clientWidth, sy = size.height() * 15.0 / window.clientHeight;
    return QRect(tk::toPixels(spec.left * sx), tk::toPixels(spec.top * sy), tk::toPixels(spec.width * sx),
                 tk::toPixels(spec.height * sy));
}

void resizeTo(tk::Form& form, QSize size)
{
    form.window()->resize(size);
    QCOMPARE(form.window()->size(), size);
}

const QList<QSize> sizes{{1024, 768}, {1920, 1080}, {640, 480}, {300, 200}, {960, 520}};

// Every control at its design fraction of the window, within a pixel. Fonts and pictures keep their
// design size on a window as large as the design or larger; on a smaller one they shrink with the
// layout by the smaller ratio, so that text and pictures that fit the design fit here too.
void checkProportions(tk::Form& form, QSize size)
{
    const tk::WindowSpec& spec = form.spec();
    const double scale = scaleAt(spec, size);
    const auto& controls = form.window()->controls();
    QCOMPARE(controls.size(), spec.controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const tk::Control& c = *controls[i];
        const tk::ControlSpec& s = spec.controls[i];
        QCOMPARE(c.name(), QLatin1String(s.name));
        if (!c.widget() || c.kind() == tk::Kind::Panel)
            continue;
        const QRect want = expected(s, spec, size);
        const QRect got = c.widget()->geometry();
        const QString where = QStringLiteral("%1(%2) at %3x%4").arg(c.name()).arg(c.index()).arg(size.width()).arg(size.height());
        QVERIFY2(std::abs(got.x() - want.x()) <= 1 && std::abs(got.y() - want.y()) <= 1, qPrintable(where));
        QSize wantSize = want.size();
        if (c.kind() == tk::Kind::Image) {  // a picture makes its cell larger when it needs to
            const QSizeF picture = static_cast<const tk::Image&>(c).picture().deviceIndependentSize() * scale;
            wantSize = wantSize.expandedTo(picture.toSize());
        }
        QVERIFY2(std::abs(got.width() - wantSize.width()) <= 1 && std::abs(got.height() - wantSize.height()) <= 1,
                 qPrintable(where));
        QCOMPARE(c.widget()->font().pixelSize(), fontPixels(s, scale));
    }
}

// The same at every size of the list, bigger or smaller than the design.
void checkProportions(tk::Form& form)
{
    for (QSize size : sizes) {
        resizeTo(form, size);
        checkProportions(form, size);
    }
}

// Pixels of exactly this colour in a column or a row of an image.
int inkIn(const QImage& image, QColor ink, QRect line)
{
    int n = 0;
    for (int y = line.top(); y <= line.bottom(); ++y)
        for (int x = line.left(); x <= line.right(); ++x)
            n += image.pixelColor(x, y) == ink;
    return n;
}

// A label clips its caption to its rectangle: painted on a larger canvas with no clip, the ink
// that would be cut off, marks over and under the letters included (a fallback font's metrics may
// be a pixel short of its antialiased edges: a pixel's fringe is not counted).
int inkOutside(const tk::Label& label)
{
    const QSize size = label.widget()->size();
    const int margin = size.height();
    QImage canvas(size + QSize(2 * margin, 2 * margin), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.setFont(label.widget()->font());
        p.setLayoutDirection(label.widget()->layoutDirection());
        tk::paintLabel(p, QRect(QPoint(margin, margin), size), label);
    }
    const QRect inside = QRect(QPoint(margin, margin), size).adjusted(-1, -1, 1, 1);
    int n = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            n += !inside.contains(x, y) && qAlpha(canvas.pixel(x, y)) != 0;
    return n;
}

// Every text of the window is there and whole: keys, labels, tool tips and screen-reader names
// are not empty where the design has a text, a key is not left in Italian where another language
// is asked for, and no caption runs past its control: no ink on a key's face just inside its
// edges, nor on a label's first and last columns; the words drawn over a range key's picture keep
// to their band. In Italian, whose texts the design was made for, no caption is painted smaller
// than its font at the window's scale.
void checkTexts(tk::Form& form, QSize size, bool translated)
{
    const double scale = scaleAt(form.spec(), size);
    resizeTo(form, size);
    const QImage shot = form.window()->grab().toImage();
    const auto& specs = form.spec().controls;
    for (std::size_t i = 0; i < specs.size(); ++i) {
        const tk::ControlSpec& s = specs[i];
        tk::Control& c = *form.window()->controls()[i];
        const QString where = QStringLiteral("%1(%2)").arg(c.name()).arg(c.index());
        if (s.toolTip)
            QVERIFY2(!c.widget()->toolTip().isEmpty(), qPrintable(where));
        if (s.accessibleName)
            QVERIFY2(!c.spokenName().isEmpty(), qPrintable(where));
        QString caption;
        QColor ink;
        int inset = 0;
        if (c.kind() == tk::Kind::OptionButton) {
            const auto& key = static_cast<const tk::OptionButton&>(c);
            caption = key.caption();
            ink = key.isEnabled() ? key.foreColor() : QColor(128, 128, 128);
            inset = 2;  // inside the bevel
            if (translated && *s.caption)
                QVERIFY2(caption != QString::fromUtf8(s.caption), qPrintable(where + " is left in Italian"));
            if (s.picture) {
                const QString outside = wordsOutsideBand(key);
                QVERIFY2(outside.isEmpty(), qPrintable(where + ": words outside their band, " + outside));
            }
        } else if (c.kind() == tk::Kind::Label) {
            caption = static_cast<const tk::Label&>(c).caption();
            ink = static_cast<const tk::Label&>(c).foreColor();
        }
        if (*s.caption)
            QVERIFY2(!caption.trimmed().isEmpty(), qPrintable(where + " is empty"));
        if (caption.isEmpty() || !c.isVisible())
            continue;
        if (!translated) {
            const QList<int> painted = paintedFontSizes(*c.widget());
            QVERIFY2(!painted.isEmpty() && painted.count(fontPixels(s, scale)) == painted.size(),
                     qPrintable(QStringLiteral("%1 painted at %2 px, not %3 at %4x%5")
                                    .arg(where, painted.isEmpty() ? QStringLiteral("no") : QString::number(painted.first()))
                                    .arg(fontPixels(s, scale)).arg(size.width()).arg(size.height())));
        }
        const QRect r = c.widget()->geometry().translated(c.widget()->parentWidget()->mapTo(form.window(), QPoint()));
        const QRect left(r.left() + inset, r.top() + inset, 1, r.height() - 2 * inset);
        const QRect right = left.translated(r.width() - 1 - 2 * inset, 0);
        int edges = inkIn(shot, ink, left) + inkIn(shot, ink, right);
        if (inset)
            edges += inkIn(shot, ink, QRect(r.left() + inset, r.bottom() - inset, r.width() - 2 * inset, 1));
        QVERIFY2(edges == 0, qPrintable(QStringLiteral("%1 \"%2\" runs past its edges at %3x%4")
                                            .arg(where, caption).arg(size.width()).arg(size.height())));
        if (c.kind() == tk::Kind::Label)
            QVERIFY2(inkOutside(static_cast<const tk::Label&>(c)) == 0,
                     qPrintable(QStringLiteral("%1 \"%2\" is cut at %3x%4").arg(where, caption).arg(size.width())
                                    .arg(size.height())));
    }
}

// Every control's rectangle in its container and the container's width, in table order.
using Placement = QList<std::pair<QRect, int>>;
Placement placement(tk::Form& form)
{
    Placement all;
    for (const tk::Control* c : form.window()->controls())
        if (c->widget())
            all.append({c->widget()->geometry(), c->widget()->parentWidget()->width()});
    return all;
}

// The three windows in a language at a size, the start window with its curtain closed and each
// exercise after an answer, with symbols or objects placed and the results filled in.
void placements(const QString& language, QSize size, QList<Placement>& windows)
{
    useLanguage(language);
    {
        TestProgram t(Start::CurtainClosed);
        resizeTo(t->frmInizio(), size);
        windows << placement(t->frmInizio());
        t.openCurtain();
        for (int exercise : {1, 2}) {
            t.openExercise(exercise, 20);
            FinestraEsercizio& f = t.exercise(exercise);
            for (int k = 0; k < 3; ++k)
                f.eseguiComando(exercise == 1 ? int(frmOperativo1::Conta) : int(FrmOperativo2::Conta));
            f.eseguiComando(FinestraEsercizio::Verifica);
            resizeTo(f, size);
            windows << placement(f);
            // The numbers a child reads are the digits learnt at school: 0-9, never Arabic-Indic.
            for (const tk::Control* c : f.window()->controls())
                if (c->kind() == tk::Kind::Label)
                    for (QChar ch : static_cast<const tk::Label*>(c)->caption())
                        QVERIFY2(!ch.isDigit() || (ch >= u'0' && ch <= u'9'), qPrintable(c->name()));
            f.window()->close();
        }
    }
    useLanguage(QStringLiteral("it"));
}

// The glyphs a text is drawn with in a font, each run with the font Qt's fallback took for it.
QList<QGlyphRun> glyphRuns(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(100000);
    layout.endLayout();
    return layout.glyphRuns();
}

// Two letters side by side that Arabic writes joined.
bool joins(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text[i].joiningType() == QChar::Joining_Dual
            && (text[i + 1].joiningType() == QChar::Joining_Dual || text[i + 1].joiningType() == QChar::Joining_Right))
            return true;
    return false;
}

// The text has a glyph in the fonts that draw it, not the empty box; joined letters take their
// joined forms, glyphs that none of its characters has alone. Adds the families used.
void checkGlyphs(const QString& text, const QFont& font, const QString& where, QStringList& families)
{
    QSet<quint32> used, alone;
    for (const QGlyphRun& run : glyphRuns(text, font)) {
        const QString family = run.rawFont().familyName();
        if (!families.contains(family))
            families << family;
        for (quint32 glyph : run.glyphIndexes()) {
            if (glyph == 0)
                qWarning("%s: \"%s\" has no glyph in %s", qPrintable(where), qPrintable(text), qPrintable(family));
            used << glyph;
        }
    }
    if (joins(text)) {
        for (QChar ch : text)
            for (const QGlyphRun& run : glyphRuns(QString(ch), font))
                for (quint32 glyph : run.glyphIndexes())
                    alone << glyph;
        QVERIFY2(used != (used & alone), qPrintable(where + " is not shaped: " + text));
    }
    QVERIFY2(!used.contains(0), qPrintable(where + " falls back to boxes: " + text));
}

} // namespace

class Layout : public QObject {
    Q_OBJECT

private slots:
    // At every size, bigger or smaller than the design, every control keeps its fractions.
    void startWindowScales()
    {
        TestProgram t(Start::Open);
        checkProportions(t->frmInizio());
    }

    void exerciseWindowsScale()
    {
        TestProgram t(Start::Open);
        t.openExercise(1, 20);
        checkProportions(t->operativo1());
        t->operativo1().window()->close();
        t.openExercise(2, 20);
        checkProportions(t->operativo2());
    }

    // In every language, on the screens of a school's computers (1024x768 and 960x540, less the
    // title bar) and at the design size, where captions have the least room, every text of the
    // three windows is there, translated and whole, the outcome and the counts included.
    void everyLanguageFits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QSize>("size");
        for (const QString& language : lingua::disponibili())
            for (QSize size : {QSize(1024, 742), QSize(960, 514), QSize(792, 588)})
                QTest::addRow("%s %dx%d", qPrintable(language), size.width(), size.height()) << language << size;
    }
    void everyLanguageFits()
    {
        QFETCH(QString, language);
        QFETCH(QSize, size);
        const bool translated = language != u"it";
        useLanguage(language);
        {
            TestProgram t(Start::Open);
            checkTexts(t->frmInizio(), size, translated);
            for (int exercise : {1, 2}) {
                t.openExercise(exercise, 20);
                FinestraEsercizio& f = t.exercise(exercise);
                const int conta = exercise == 1 ? int(frmOperativo1::Conta) : int(FrmOperativo2::Conta);
                for (int wrong : {0, 1}) {  // both outcomes
                    const int count = exercise == 1 ? t->operativo1().stato().numeroOggetti
                                                    : t->operativo2().stato().numeroSimboli;
                    for (int k = 0; k < count + wrong; ++k)
                        f.eseguiComando(conta);
                    f.eseguiComando(FinestraEsercizio::Verifica);
                    checkTexts(f, size, translated);
                    f.eseguiComando(FinestraEsercizio::Avanti);
                }
                f.window()->close();
            }
        }
        useLanguage(QStringLiteral("it"));
    }

    // Right to left, every control of the three windows stands where the mirror image of its
    // container has it, x' = width - x - w: columns, results, the places of symbols and objects,
    // the curtain's panels; heights and sizes are the Italian ones.
    void arabicMirrorsEveryControl_data()
    {
        QTest::addColumn<QSize>("size");
        for (QSize size : {QSize(1024, 742), QSize(960, 514)})
            QTest::addRow("%dx%d", size.width(), size.height()) << size;
    }
    void arabicMirrorsEveryControl()
    {
        QFETCH(QSize, size);
        QList<Placement> italian, arabic;
        placements(QStringLiteral("it"), size, italian);
        placements(QStringLiteral("ar"), size, arabic);
        QCOMPARE(arabic.size(), 3);
        QCOMPARE(italian.size(), 3);
        for (qsizetype w = 0; w < italian.size(); ++w) {
            QCOMPARE(arabic[w].size(), italian[w].size());
            for (qsizetype i = 0; i < italian[w].size(); ++i) {
                const auto [ltr, width] = italian[w][i];
                const QRect mirror(width - ltr.x() - ltr.width(), ltr.y(), ltr.width(), ltr.height());
                const Row row{int(i), QStringLiteral(" of window %1").arg(w)};
                QCOMPARE(arabic[w][i].second, width);
                QCOMPARE(arabic[w][i].first, mirror);
            }
        }
    }

    // Every caption, tool tip and word on the range pictures of every language is drawn in fonts
    // that have its glyphs, whatever font the control asks for (Liberation has no Arabic or
    // Chinese: fontconfig's fallback must find one), and Arabic letters are joined.
    void captionsHaveTheirGlyphs_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : lingua::disponibili())
            QTest::newRow(qPrintable(language)) << language;
    }
    void captionsHaveTheirGlyphs()
    {
        QFETCH(QString, language);
        useLanguage(language);
        QStringList families;
        const auto check = [&families](const QString& text, const QFont& font, const QString& where) {
            if (!QTest::currentTestFailed())
                checkGlyphs(text, font, where, families);
        };
        const auto checkWindow = [&check](tk::Form& form) {
            for (const tk::Control* c : form.window()->controls()) {
                const QString where = QStringLiteral("%1(%2)").arg(c->name()).arg(c->index());
                if (c->kind() == tk::Kind::Label)
                    check(static_cast<const tk::Label*>(c)->caption(), c->widget()->font(), where);
                else if (c->kind() == tk::Kind::OptionButton)
                    check(static_cast<const tk::OptionButton*>(c)->caption(), c->widget()->font(), where);
                if (c->widget())
                    check(c->widget()->toolTip(), QToolTip::font(), where + " tool tip");
            }
        };
        {
            TestProgram t(Start::Open);
            checkWindow(t->frmInizio());
            for (int exercise : {1, 2}) {
                t.openExercise(exercise, 20);
                FinestraEsercizio& f = t.exercise(exercise);
                f.eseguiComando(exercise == 1 ? int(frmOperativo1::Conta) : int(FrmOperativo2::Conta));
                f.eseguiComando(FinestraEsercizio::Verifica);
                checkWindow(f);
                f.window()->close();
            }
        }
        QFont lettering(QStringLiteral("Liberation Sans"));
        lettering.setBold(true);
        for (const char* words : {"FINO A", "OLTRE"})
            check(QCoreApplication::translate("Figure", words), lettering, QStringLiteral("range picture"));
        qInfo("%s: %s", qPrintable(language), qPrintable(families.join(u", ")));
        useLanguage(QStringLiteral("it"));
    }

    // In scanning mode the key the scan is on wears a frame inside its edges, in a blue of its own:
    // at least 4 pixels wide at 1024x768, never under 3 however small the window; the other keys,
    // and every key outside scanning mode, have none.
    void scanFrame_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("least");
        for (int window : {0, 1, 2})
            for (auto [size, least] : {std::pair(QSize(1024, 742), 4), {QSize(960, 514), 3}, {QSize(300, 200), 3}})
                QTest::addRow("window %d at %dx%d", window, size.width(), size.height()) << window << size << least;
    }
    void scanFrame()
    {
        QFETCH(int, window);
        QFETCH(QSize, size);
        QFETCH(int, least);
        const QColor blue = tk::scanFrameColor();
        for (bool scanning : {true, false}) {
            TestProgram t;
            if (scanning)
                t.scanEvery(2);
            t.start();
            if (window == 2) {  // the scan on the second exercise key, where the first press goes
                t.scanAfter(t->frmInizio(), 2);
                t.clock.advance(0.5f);
            }
            if (window > 0)
                t.openExercise(window, 5);
            tk::Form& form = window > 0 ? static_cast<tk::Form&>(t.exercise(window)) : t->frmInizio();
            resizeTo(form, size);
            for (tk::Control* key : form.window()->tabOrder()) {
                const QImage face = key->widget()->grab().toImage();
                const int across = inkIn(face, blue, QRect(0, face.height() / 2, face.width(), 1));
                const int down = inkIn(face, blue, QRect(face.width() / 2, 0, 1, face.height()));
                const QString where = QStringLiteral("%1(%2)").arg(key->name()).arg(key->index());
                if (scanning && key == form.window()->focusedControl()) {
                    QVERIFY2(across == down && across / 2 >= least, qPrintable(QStringLiteral("%1: %2 %3").arg(where).arg(across).arg(down)));
                    QCOMPARE(face.pixelColor(2, face.height() / 2), blue);  // inside the bevel
                } else {
                    QVERIFY2(across == 0 && down == 0, qPrintable(where));
                }
            }
        }
    }

    // The table is recorded at each load from the design layout, whatever was done before.
    void reopeningRecordsTheDesignAgain()
    {
        TestProgram t(Start::Open);
        t.openExercise(1, 5);
        resizeTo(t->operativo1(), QSize(333, 222));
        t->operativo1().window()->close();
        t.openExercise(1, 5);
        const tk::WindowSpec& spec = layouts::frmOperativo1;
        const auto& table = t->operativo1().proporzioni().tabella();
        QCOMPARE(table.size(), spec.controls.size());
        for (std::size_t i = 0; i < table.size(); ++i) {
            QCOMPARE(table[i].Sinistra, float(double(spec.controls[i].left) / spec.clientWidth));
            QCOMPARE(table[i].Altezza, float(double(spec.controls[i].height) / spec.clientHeight));
        }
    }

    // The timer has no geometry: at every resize the layout passes over it, leaving it at zero and
    // ticking, to the control after it in the collection.
    void timerKeepsZeros()
    {
        TestProgram t(Start::CurtainClosed);
        FrmInizio& f = t->frmInizio();
        const auto& controls = f.window()->controls();
        const auto next = std::size_t(std::find(controls.begin(), controls.end(), f.timerTendine) - controls.begin()) + 1;
        for (QSize size : sizes) {
            resizeTo(f, size);
            QCOMPARE(QRectF(f.timerTendine->left(), f.timerTendine->top(), f.timerTendine->width(), f.timerTendine->height()),
                     QRectF());
            const QRect want = expected(f.spec().controls[next], f.spec(), size);
            QVERIFY((controls[next]->widget()->geometry().topLeft() - want.topLeft()).manhattanLength() <= 2);
            const double before = f.Picture1->width();
            f.timerTendine->tick();
            QCOMPARE(f.Picture1->width(), before - 75);
        }
    }

    // At start, at any size, the two panels together cover the window, docked to its edges.
    void curtainStartsClosed()
    {
        for (QSize size : sizes) {
            TestProgram t(Start::CurtainClosed);
            FrmInizio& f = t->frmInizio();
            resizeTo(f, size);
            QWidget* left = f.Picture1->widget();
            QWidget* right = f.Picture2->widget();
            QCOMPARE(left->x(), 0);
            QCOMPARE(right->x() + right->width(), size.width());
            QVERIFY(left->width() + right->width() >= size.width());
            QCOMPARE(left->height(), size.height());
            QVERIFY(f.timerTendine->isEnabled());
            QCOMPARE(f.timerTendine->interval(), 10);
            // In front of everything: the middle of the window is a panel.
            QVERIFY(f.window()->childAt(size.width() / 2 - 1, size.height() / 2) == left
                    || f.window()->childAt(size.width() / 2 - 1, size.height() / 2) == right);
        }
    }

    // Each tick narrows both panels by 75 twips; the last step closes them whatever is left, and
    // the timer stops.
    void curtainOpensStepByStep()
    {
        TestProgram t(Start::CurtainClosed);
        FrmInizio& f = t->frmInizio();
        resizeTo(f, QSize(1006, 700));  // half is 7545 twips: not a multiple of the step
        const double start = f.Picture1->width();
        QCOMPARE(start, 7545.0);
        f.timerTendine->tick();
        QCOMPARE(f.Picture1->width(), start - 75);
        QCOMPARE(f.Picture2->width(), start - 75);
        QCOMPARE(f.Picture1->widget()->width(), tk::toPixels(start - 75));
        int ticks = 1;
        while (f.timerTendine->isEnabled() && ticks < 1000) {
            f.timerTendine->tick();
            ++ticks;
        }
        QCOMPARE(ticks, 101);
        QCOMPARE(f.Picture1->width(), 0.0);
        QCOMPARE(f.Picture2->width(), 0.0);
        QVERIFY(!f.Picture1->isVisible() && !f.Picture2->isVisible());
        QVERIFY(f.tendinaAperta());
        f.timerTendine->tick();  // a tick after the end does nothing
        QCOMPARE(f.Picture1->width(), 0.0);
    }

    // A resize while the curtain opens sets both panels back to half the new width, and the
    // opening goes on from there.
    void resizeWhileOpening()
    {
        TestProgram t(Start::CurtainClosed);
        FrmInizio& f = t->frmInizio();
        for (int i = 0; i < 20; ++i)
            f.timerTendine->tick();
        resizeTo(f, QSize(1200, 800));
        QCOMPARE(f.Picture1->widget()->width(), 600);
        QCOMPARE(f.Picture2->widget()->width(), 600);
        f.timerTendine->tick();
        QCOMPARE(f.Picture1->widget()->width(), 595);
        QVERIFY(f.timerTendine->isEnabled());
    }

    // Once open, the curtain stays open: resizes, and the return from an exercise, leave it so,
    // and presses reach the keys.
    void curtainStaysOpen()
    {
        TestProgram t(Start::Open);
        FrmInizio& f = t->frmInizio();
        resizeTo(f, QSize(1024, 768));
        QVERIFY(!f.Picture1->isVisible() && !f.Picture2->isVisible());
        resizeTo(f, QSize(780, 580));  // within the test screen, for the presses below
        t.openExercise(1, 5);
        t->operativo1().window()->close();
        resizeTo(f, QSize(1920, 1080));
        resizeTo(f, QSize(700, 500));
        QVERIFY(!f.Picture1->isVisible() && !f.Picture2->isVisible());
        QVERIFY(!f.timerTendine->isEnabled());
        click(*f.Option1[1]);
        QCOMPARE(t->globali.TipoEsercizio, 2);
    }

    // Keys work while the curtain runs; presses on a panel do nothing.
    void keysWorkWhileTheCurtainRuns()
    {
        TestProgram t(Start::CurtainClosed);
        FrmInizio& f = t->frmInizio();
        QWidget* w = f.window();
        type(w, Qt::Key_2);
        f.timerTendine->tick();
        type(w, Qt::Key_Return);
        f.timerTendine->tick();
        QCOMPARE(t->globali.TipoEsercizio, 2);
        QCOMPARE(w->focusWidget(), f.Option2[0]->widget());
        // Option2(1) lies under the left panel still: the press stops there.
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, f.Option2[1]->widget()->mapTo(w, QPoint(5, 5)));
        QCOMPARE(t->globali.NumeroMassimo, 0);
        QVERIFY(f.timerTendine->isEnabled());
    }
};

QTEST_MAIN(Layout)
#include "test_layout.moc"
