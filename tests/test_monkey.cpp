// The monkey: long random sequences of keys, mouse presses, closes, resizes and curtain ticks on the
// whole program, with the program's invariants checked after every event. A failure prints the
// seed and the last events; QUANTELLA_MONKEY_SEED and QUANTELLA_MONKEY_EVENTS repeat or lengthen a run.

#include "Drive.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QWindow>
#include <QtTest>

#include <deque>

using namespace drive;

namespace {

const QList<Qt::Key> keys = [] {
    QList<Qt::Key> all;
    for (int k = Qt::Key_0; k <= Qt::Key_9; ++k)
        all << Qt::Key(k);
    for (int k = Qt::Key_A; k <= Qt::Key_Z; k += 3)
        all << Qt::Key(k);
    all << Qt::Key_F1 << Qt::Key_F5 << Qt::Key_F10 << Qt::Key_F12 << Qt::Key_Left << Qt::Key_Right << Qt::Key_Up
        << Qt::Key_Down << Qt::Key_Escape << Qt::Key_Tab << Qt::Key_Backtab << Qt::Key_Home << Qt::Key_Delete
        << Qt::Key_Shift << Qt::Key_Control << Qt::Key_Alt << Qt::Key_Plus << Qt::Key_Minus;
    return all;
}();

class Monkey {
public:
    explicit Monkey(quint64 seed) : rng_(seed), seed_(seed) {}

    void run(qint64 events);
    QString stats() const
    {
        return QStringLiteral("%1 events, %2 programs, %3 visits to exercise 1, %4 to exercise 2, %5 checks")
            .arg(events_).arg(programs_).arg(visits1_).arg(visits2_).arg(totalChecks_);
    }

private:
    void startProgram();
    void act();
    void check();
    void fail(const QString& why);
    void note(const QString& what)
    {
        history_.push_back(what);
        if (history_.size() > 40)
            history_.pop_front();
    }
    int pick(int n) { return int(rng_.bounded(quint32(n))); }
    bool chance(int percent) { return pick(100) < percent; }
    QWidget* window() const { return t_->visibleWindow(); }
    tk::Form* visibleForm() const;
    Qt::KeyboardModifiers modifiers();
    void pressKey();
    void pressMouse();
    void releaseMouse(Qt::MouseButton button);
    void countChecks();

    QRandomGenerator rng_;
    quint64 seed_;
    std::unique_ptr<TestProgram> t_;
    std::deque<QString> history_;
    Qt::MouseButtons held_;
    QPoint heldAt_;
    QPointer<QWidget> heldOn_;
    QList<Qt::Key> keysDown_;
    qint64 events_ = 0;
    int programs_ = 0, visits1_ = 0, visits2_ = 0;
    int checks_ = 0, totalChecks_ = 0;
    QString lastOutcome1_, lastOutcome2_;
    bool loaded1_ = false, loaded2_ = false;
};

tk::Form* Monkey::visibleForm() const
{
    Programma& p = **t_;
    for (tk::Form* f : std::initializer_list<tk::Form*>{&p.frmInizio(), &p.operativo1(), &p.operativo2()})
        if (f->isVisible())
            return f;
    return nullptr;
}

void Monkey::startProgram()
{
    t_.reset();
    t_ = std::make_unique<TestProgram>(Start::CurtainClosed, float(pick(86400)));
    // A button still held when the last program ended is let go over the new one.
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (held_ & b)
            releaseMouse(b);
    ++programs_;
    checks_ = 0;
    loaded1_ = loaded2_ = false;
    keysDown_.clear();
    note(QStringLiteral("-- new program"));
}

Qt::KeyboardModifiers Monkey::modifiers()
{
    Qt::KeyboardModifiers m;
    for (auto [modifier, percent] : {std::pair(Qt::ShiftModifier, 8), {Qt::ControlModifier, 5}, {Qt::AltModifier, 5}})
        if (chance(percent))
            m |= modifier;
    return m;
}

void Monkey::pressKey()
{
    QWidget* w = window();
    const int r = pick(100);
    Qt::Key key = r < 30 ? Qt::Key_Return : r < 42 ? Qt::Key_Space : r < 65 ? Qt::Key(Qt::Key_1 + pick(5)) : keys[pick(keys.size())];
    Qt::KeyboardModifiers m = modifiers();
    if (key >= Qt::Key_0 && key <= Qt::Key_9 && chance(30))
        m |= Qt::KeypadModifier;
    const int how = pick(10);
    if (how < 6) {
        note(QStringLiteral("key %1 mods %2").arg(key, 0, 16).arg(int(m), 0, 16));
        type(w, key, m);
    } else if (how < 8) {
        note(QStringLiteral("press %1 mods %2").arg(key, 0, 16).arg(int(m), 0, 16));
        press(w, key, m, keysDown_.contains(key));
        if (!keysDown_.contains(key))
            keysDown_ << key;
    } else if (!keysDown_.isEmpty()) {
        const Qt::Key up = keysDown_.takeAt(pick(keysDown_.size()));
        note(QStringLiteral("release %1").arg(up, 0, 16));
        release(w, up);
    } else {
        const Repeat how = Repeat(pick(3));
        note(QStringLiteral("repeat %1 as %2").arg(key, 0, 16).arg(int(how)));
        repeat(w, key, how, m);
    }
}

void Monkey::releaseMouse(Qt::MouseButton button)
{
    QWidget* target = heldOn_ && heldOn_->isVisible() ? heldOn_.data() : window();
    if (!target || !target->windowHandle())
        return;  // still held: released over the next window
    held_ &= ~button;
    note(QStringLiteral("mouse up %1").arg(int(button)));
    QTest::mouseRelease(target->windowHandle(), button, {}, heldAt_);
}

void Monkey::pressMouse()
{
    QWidget* w = window();
    tk::Form* form = visibleForm();
    if (!form)
        return;
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    const Qt::MouseButton button = buttons[pick(5)];
    if (held_ & button) {
        releaseMouse(button);
        return;
    }
    QPoint at;
    const auto& controls = form->window()->controls();
    if (chance(85)) {
        // Mostly on a control: keys and pictures more often than the rest.
        tk::Control* c = controls[std::size_t(pick(int(controls.size())))];
        for (int tries = 0; tries < 3 && !(c->widget() && c->widget()->isVisible() && c->takesFocus()); ++tries)
            c = controls[std::size_t(pick(int(controls.size())))];
        if (!c->widget() || !c->widget()->isVisible() || c->widget()->width() < 1 || c->widget()->height() < 1)
            return;
        const QRect r = c->widget()->rect();
        at = c->widget()->mapTo(w, QPoint(pick(r.width()), pick(r.height())));
        note(QStringLiteral("mouse down %1 on %2(%3)").arg(int(button)).arg(c->name()).arg(c->index()));
    } else {
        at = QPoint(pick(std::max(1, w->width())), pick(std::max(1, w->height())));
        note(QStringLiteral("mouse down %1 at %2,%3").arg(int(button)).arg(at.x()).arg(at.y()));
    }
    // Only where the window system has the window (a window larger than the screen is cut).
    const QSize shown = w->windowHandle()->geometry().size();
    if (at.x() >= shown.width() || at.y() >= shown.height())
        return;
    held_ |= button;
    heldAt_ = at;
    heldOn_ = w;
    QTest::mousePress(w->windowHandle(), button, {}, at);
    // Usually a click; sometimes the button stays down, sometimes a second button joins it.
    if (chance(80) && (held_ & button))
        releaseMouse(button);
}

void Monkey::act()
{
    if (!t_->program->inEsecuzione()) {
        startProgram();
        return;
    }
    QWidget* w = window();
    if (!w) {
        fail(QStringLiteral("no window visible"));
        return;
    }
    const int r = pick(1000);
    if (r < 450) {
        pressKey();
    } else if (r < 900) {
        pressMouse();
    } else if (r < 940) {
        FrmInizio& f = t_->program->frmInizio();
        if (f.isLoaded()) {
            note(QStringLiteral("tick"));
            f.timerTendine->tick();
        }
    } else if (r < 960) {
        note(QStringLiteral("close %1").arg(w->objectName()));
        w->close();
    } else if (r < 975) {
        const QSize sizes[] = {{1, 1}, {4000, 3000}, {640, 480}, {1024, 768}};
        const QSize size = chance(50) ? sizes[pick(4)] : QSize(1 + pick(1600), 1 + pick(1200));
        note(QStringLiteral("resize %1x%2").arg(size.width()).arg(size.height()));
        w->resize(size);
    } else {
        t_->clock.advance(float(pick(20000)) / 10.0f);
        note(QStringLiteral("time %1").arg(t_->clock.now));
    }
    settle();
}

void Monkey::countChecks()
{
    // A check turns the empty outcome line into "ESATTO" or "ERRATO"; only "Avanti" or a new visit empties it.
    Programma& p = **t_;
    auto watch = [&](tk::Form& form, PannelloRisultati& panel, QString& last, bool& loaded, int& visits) {
        if (!form.isLoaded()) {
            loaded = false;
            return;
        }
        if (!loaded) {
            loaded = true;
            last.clear();
            ++visits;
        }
        const QString now = panel.LblEsito->caption();
        if (last.isEmpty() && !now.isEmpty()) {
            ++checks_;
            ++totalChecks_;
        }
        last = now;
    };
    watch(p.operativo1(), p.operativo1().pannello, lastOutcome1_, loaded1_, visits1_);
    watch(p.operativo2(), p.operativo2().pannello, lastOutcome2_, loaded2_, visits2_);
}

void Monkey::check()
{
    Programma& p = **t_;
    if (!p.inEsecuzione()) {
        if (t_->visibleWindow())
            fail(QStringLiteral("a window is visible after the program ended"));
        return;
    }
    int visible = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        visible += w->isVisible();
    if (visible != 1)
        fail(QStringLiteral("%1 windows visible").arg(visible));
    tk::Form* form = visibleForm();
    if (!form)
        return fail(QStringLiteral("the visible window is not one of the program's"));

    tk::Window& w = *form->window();
    // Only a key whose frame was disabled under it keeps a focus it cannot take again.
    if (tk::Control* c = w.focusedControl(); c && !w.canTakeFocus(*c) && !(w.isStranded() && c->isEnabled()))
        fail(QStringLiteral("focus on %1(%2), which cannot hold it").arg(c->name()).arg(c->index()));
    if (QWidget* fw = w.focusWidget(); fw && fw != &w && (!fw->isEnabled() || !fw->isVisibleTo(&w)))
        fail(QStringLiteral("Qt focus on a disabled or hidden widget"));
    for (tk::Control* c : w.controls())
        if (c->kind() == tk::Kind::OptionButton && static_cast<tk::OptionButton*>(c)->isSelected()
            && !((held_ & Qt::LeftButton) && heldOn_ == &w))
            fail(QStringLiteral("%1(%2) stays drawn pressed with no button held").arg(c->name()).arg(c->index()));

    const Globali& g = p.globali;
    if (g.TipoEsercizio > 2 || !(g.NumeroMassimo == 0 || g.NumeroMassimo == 5 || g.NumeroMassimo == 10 || g.NumeroMassimo == 20)
        || (g.NumeroMinimo.has_value() != (g.NumeroMassimo != 0)) || (g.NumeroMinimo && *g.NumeroMinimo != 1))
        fail(QStringLiteral("globals out of range"));

    static const QRegularExpression tempo(QStringLiteral("^(| [0-9]| [1-9][0-9]| [1-9][0-9][0-9]|999)$"));
    auto results = [&](PannelloRisultati& panel) {
        for (tk::Label* l : std::initializer_list<tk::Label*>{panel.LblTempoParziale, panel.LblTempoTotale})
            if (!tempo.match(l->caption()).hasMatch())
                fail(QStringLiteral("time label shows '%1'").arg(l->caption()));
    };
    if (form == &p.operativo1()) {
        frmOperativo1& f = p.operativo1();
        const StatoEsercizio1& s = f.stato();
        const QList<int> places = objectPlaces(f);
        if (places.size() != s.numeroOggetti || s.numeroOggetti < 1 || s.numeroOggetti > g.NumeroMassimo
            || places.contains(0))
            fail(QStringLiteral("exercise 1 shows %1 objects for %2").arg(places.size()).arg(s.numeroOggetti));
        const int symbols = shown(f);
        if (symbols != std::min<int>(s.simboliInseriti, 20))
            fail(QStringLiteral("exercise 1 shows %1 symbols for %2").arg(symbols).arg(s.simboliInseriti));
        results(f.pannello);
    } else if (form == &p.operativo2()) {
        FrmOperativo2& f = p.operativo2();
        const StatoEsercizio2& s = f.stato();
        const int symbols = 20 - int(drive::symbols(f).count(QString())), figures = shown(f);
        if (symbols != s.numeroSimboli || s.numeroSimboli < 1 || s.numeroSimboli > g.NumeroMassimo)
            fail(QStringLiteral("exercise 2 shows %1 symbols for %2").arg(symbols).arg(s.numeroSimboli));
        if (figures != std::min<int>(s.oggettiInseriti, 20))
            fail(QStringLiteral("exercise 2 shows %1 figures for %2").arg(figures).arg(s.oggettiInseriti));
        results(f.pannello);
    }

    countChecks();
    int answers = 0;
    if (p.esiste1())
        answers += p.operativo1().risultati().risposteEsatte + p.operativo1().risultati().risposteErrate;
    if (p.esiste2())
        answers += p.operativo2().risultati().risposteEsatte + p.operativo2().risultati().risposteErrate;
    if (answers != checks_)
        fail(QStringLiteral("%1 answers counted for %2 checks").arg(answers).arg(checks_));
}

void Monkey::fail(const QString& why)
{
    QString text = QStringLiteral("monkey seed %1, event %2: %3\nlast events:\n").arg(seed_).arg(events_).arg(why);
    for (const QString& e : history_)
        text += QStringLiteral("  ") + e + QLatin1Char('\n');
    QFAIL(qPrintable(text));
}

void Monkey::run(qint64 events)
{
    startProgram();
    for (events_ = 0; events_ < events; ++events_) {
        act();
        if (QTest::currentTestFailed())
            return;
        check();
        if (QTest::currentTestFailed())
            return;
    }
    t_.reset();
}

qint64 eventCount()
{
    return qEnvironmentVariableIsSet("QUANTELLA_MONKEY_EVENTS")
               ? qEnvironmentVariable("QUANTELLA_MONKEY_EVENTS").toLongLong()
               : 100000;
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomInputKeepsTheInvariants()
    {
        const quint64 seed = qEnvironmentVariableIsSet("QUANTELLA_MONKEY_SEED")
                                 ? qEnvironmentVariable("QUANTELLA_MONKEY_SEED").toULongLong()
                                 : QRandomGenerator::global()->generate64() % 1000000000ull;
        const qint64 events = eventCount();
        qInfo("monkey seed %llu, %lld events (QUANTELLA_MONKEY_SEED=%llu repeats this run)", seed, events, seed);
        Monkey monkey(seed);
        monkey.run(events);
        qInfo("%s", qPrintable(monkey.stats()));
    }
};

// QtTest stops a test function after five minutes; a long run is given 5 ms an event (a million
// events took 18.5 minutes on the sanitizer build). Set before QtTest first reads it.
[[maybe_unused]] const bool longRunsAllowed = [] {
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(std::max<qint64>(300000, eventCount() * 5)));
    return true;
}();

QTEST_MAIN(MonkeyTest)
#include "test_monkey.moc"
