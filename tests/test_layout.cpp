// The proportional layout of the three windows in every language, and the opening curtain of the
// start window.

#include "Drive.h"
#include "app/Lingua.h"
#include "layouts/Layouts.h"
#include "toolkit/Painting.h"

#include <QtTest>

using namespace drive;

namespace {

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
    const double scale = std::min({1.0, size.width() * 15.0 / spec.clientWidth, size.height() * 15.0 / spec.clientHeight});
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
        const int fontSize = std::max(1, int(std::lround(s.font.value_or(tk::FontSpec{}).points * 96 / 72 * scale)));
        QCOMPARE(c.widget()->font().pixelSize(), fontSize);
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

// Every text of the window is there and whole: keys, labels, tool tips and screen-reader names
// are not empty where the design has a text, a key is not left in Italian where another language
// is asked for, and no caption runs past its control: no ink on a key's face just inside its
// edges, nor on a label's first and last columns.
void checkTexts(tk::Form& form, QSize size, bool translated)
{
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
        } else if (c.kind() == tk::Kind::Label) {
            caption = static_cast<const tk::Label&>(c).caption();
            ink = static_cast<const tk::Label&>(c).foreColor();
        }
        if (*s.caption)
            QVERIFY2(!caption.trimmed().isEmpty(), qPrintable(where + " is empty"));
        if (caption.isEmpty() || !c.isVisible())
            continue;
        const QRect r = c.widget()->geometry().translated(c.widget()->parentWidget()->mapTo(form.window(), QPoint()));
        const QRect left(r.left() + inset, r.top() + inset, 1, r.height() - 2 * inset);
        const QRect right = left.translated(r.width() - 1 - 2 * inset, 0);
        int edges = inkIn(shot, ink, left) + inkIn(shot, ink, right);
        if (inset)
            edges += inkIn(shot, ink, QRect(r.left() + inset, r.bottom() - inset, r.width() - 2 * inset, 1));
        QVERIFY2(edges == 0, qPrintable(QStringLiteral("%1 \"%2\" runs past its edges at %3x%4")
                                            .arg(where, caption).arg(size.width()).arg(size.height())));
    }
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

    // The timer has no geometry: its entry stays at zero and it is never moved.
    void timerKeepsZeros()
    {
        TestProgram t(Start::Open);
        FrmInizio& f = t->frmInizio();
        const auto& controls = f.window()->controls();
        const auto at = std::find(controls.begin(), controls.end(), f.timerTendine) - controls.begin();
        const ProporzioniControllo& p = f.proporzioni().tabella()[std::size_t(at)];
        QCOMPARE(p.Larghezza, 0.0f);
        QCOMPARE(p.Altezza, 0.0f);
        QCOMPARE(p.Sopra, 0.0f);
        QCOMPARE(p.Sinistra, 0.0f);
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
