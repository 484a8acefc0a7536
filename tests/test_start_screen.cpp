// The start screen: the three-step choice by mouse and by keyboard, its key rows and their guards.

#include "Drive.h"
#include "app/Scansione.h"

#include <QtTest>

using namespace drive;

namespace {

const QColor idle(255, 192, 255), chosen(255, 0, 0), focusColour(255, 192, 128), restColour(255, 224, 192);

// Everything a key could change on the start screen, written out, to tell "nothing happened".
QString snapshot(Programma& p)
{
    FrmInizio& f = p.frmInizio();
    const tk::Control* focus = f.window()->focusedControl();
    QString s;
    QDebug(&s) << (focus ? QStringLiteral("%1(%2)").arg(focus->name()).arg(focus->index()) : QStringLiteral("none"))
               << f.Frame1->isEnabled() << f.Frame2->isEnabled() << f.Frame3->isEnabled()
               << int(p.globali.TipoEsercizio) << p.globali.NumeroMassimo << p.globali.NumeroMinimo.has_value()
               << p.globali.NumeroMinimo.value_or(0) << f.Label2->caption() << f.Label6->caption();
    for (int k = 0; k <= 4; ++k)
        QDebug(&s) << f.Label3[k]->backColor();
    for (const auto* row : {&f.Option1, &f.Option2, &f.Option3})
        for (int i = row->lowerBound(); i <= row->upperBound(); ++i)
            QDebug(&s) << (*row)[i]->isSelected() << (*row)[i]->backColor();
    for (int r = 1; r <= 3; ++r)
        QDebug(&s) << f.riga(r).tastoPremuto << f.riga(r).spazioPremuto;
    return s;
}

} // namespace

class StartScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> program_;

    // A new program on the start screen, curtain open, the last one gone first; false if it never got there.
    bool restart()
    {
        program_.reset();
        program_ = std::make_unique<TestProgram>(Start::Open);
        return !QTest::currentTestFailed();
    }

    Screen<FrmInizio> screen() { return {*program_, (*program_)->frmInizio(), (*program_)->frmInizio().window()}; }

private slots:
    void init() { restart(); }  // a failed start fails the test before its body runs
    void cleanup() { program_.reset(); }

    // At start: step 1, the focus on the first exercise key in the focus colour, nothing chosen.
    void opensAtStepOne()
    {
        auto [t, f, w] = screen();
        QCOMPARE(f.window()->windowTitle(), QStringLiteral("SERAVINO"));
        QVERIFY(f.window()->isMaximized());
        QVERIFY(f.Frame1->isEnabled());
        QVERIFY(!f.Frame2->isEnabled());
        QVERIFY(!f.Frame3->isEnabled());
        QCOMPARE(f.window()->focusedControl(), f.Option1[0]);
        QCOMPARE(f.Option1[0]->backColor(), focusColour);
        QCOMPARE(f.Option1[1]->backColor(), restColour);
        QCOMPARE(t->globali.TipoEsercizio, 0);
        QCOMPARE(t->globali.NumeroMassimo, 0);
        QVERIFY(!t->globali.NumeroMinimo.has_value());
    }

    // The main road by mouse: each press acts at once, marks its bar and moves to the next step.
    void mainRoadByMouse()
    {
        auto [t, f, w] = screen();

        mouseDown(*f.Option1[1]);
        QCOMPARE(t->globali.TipoEsercizio, 2);
        QCOMPARE(f.Label2->caption(), QStringLiteral("Dai simboli grafici all'insieme"));
        QCOMPARE(f.Label3[1]->backColor(), chosen);
        QCOMPARE(f.Label3[0]->backColor(), idle);
        QVERIFY(!f.Frame1->isEnabled() && f.Frame2->isEnabled() && !f.Frame3->isEnabled());
        QCOMPARE(f.window()->focusedControl(), f.Option2[0]);
        mouseUp(*f.Option1[1]);
        QVERIFY(!f.Option1[1]->isSelected());

        click(*f.Option2[2]);
        QCOMPARE(t->globali.NumeroMinimo, std::optional<qint16>(1));
        QCOMPARE(t->globali.NumeroMassimo, 20);
        QCOMPARE(f.Label3[4]->backColor(), chosen);
        QVERIFY(!f.Frame1->isEnabled() && !f.Frame2->isEnabled() && f.Frame3->isEnabled());
        QCOMPARE(f.window()->focusedControl(), f.Option3[0]);

        // "Vai" shows the exercise first, then hides the start window.
        mouseDown(*f.Option3[0]);
        QVERIFY(t->operativo2().isVisible());
        QVERIFY(!f.isVisible());
        QVERIFY(f.isLoaded());
        QCOMPARE(t->runtime().activeForm(), &t->operativo2());
    }

    // The main road by keyboard alone: digits move, Enter acts; the bars are not marked.
    void mainRoadByKeyboard()
    {
        auto [t, f, w] = screen();

        type(w, Qt::Key_2);
        QCOMPARE(w->focusWidget(), f.Option1[1]->widget());
        QCOMPARE(f.Option1[1]->backColor(), focusColour);
        QCOMPARE(f.Option1[0]->backColor(), restColour);
        walkFocus(f.window(), {{Qt::Key_1, f.Option1[0]}});
        type(w, Qt::Key_Return);
        QCOMPARE(t->globali.TipoEsercizio, 1);
        QCOMPARE(f.Label2->caption(), QStringLiteral("Dall'insieme ai simboli grafici"));
        QCOMPARE(f.window()->focusedControl(), f.Option2[0]);

        walkFocus(f.window(), {{Qt::Key_2, f.Option2[1]}});
        type(w, Qt::Key_Enter, Qt::KeypadModifier);  // the keypad's Enter is Enter too
        QCOMPARE(t->globali.NumeroMassimo, 10);
        QCOMPARE(t->globali.NumeroMinimo, std::optional<qint16>(1));
        QCOMPARE(f.window()->focusedControl(), f.Option3[0]);
        for (int k = 0; k <= 4; ++k)
            QCOMPARE(f.Label3[k]->backColor(), idle);

        type(w, Qt::Key_Return);
        QVERIFY(t->operativo1().isVisible());
        QVERIFY(!f.isVisible());
    }

    // Holding Enter chooses once; its repeats reach the next row and must not act there.
    void holdingEnterChoosesOnce()
    {
        auto [t, f, w] = screen();

        hold(w, Qt::Key_Return, 12);
        QCOMPARE(t->globali.TipoEsercizio, 1);
        QCOMPARE(t->globali.NumeroMassimo, 0);
        QCOMPARE(f.window()->focusedControl(), f.Option2[0]);
        QVERIFY(f.Frame2->isEnabled());

        hold(w, Qt::Key_Return, 12);
        QCOMPARE(t->globali.NumeroMassimo, 5);
        QCOMPARE(f.window()->focusedControl(), f.Option3[0]);
        QVERIFY(f.isVisible());  // the repeats did not press "Vai"
    }

    // Holding space moves the focus by one key; the next move needs a release and a new press.
    void holdingSpaceMovesOneKey()
    {
        auto [t, f, w] = screen();
        hold(w, Qt::Key_Space, 10);
        QCOMPARE(f.window()->focusedControl(), f.Option1[1]);
        walkFocus(f.window(), {{Qt::Key_Space, f.Option1[0]}});  // the last key wraps to the first
        QVERIFY(!f.Option1[0]->isSelected() && !f.Option1[1]->isSelected());
    }

    // Space walks row 2 and row 3 and wraps; on row 3 it reaches "Esci" on the window.
    void spaceWalksAndWraps()
    {
        auto [t, f, w] = screen();
        for (const auto* row : {&f.Option2, &f.Option3}) {
            type(w, Qt::Key_Return);
            walkFocus(f.window(), {{Qt::Key_Space, (*row)[1]}, {Qt::Key_Space, (*row)[2]}, {Qt::Key_Space, (*row)[0]}});
        }
    }

    // Row 2 takes the digits 0, 4, 5 and 6 without acting: their guard holds back an Enter pressed
    // before their release, which a key outside the table would not.
    void rowTwoTakesInertDigits()
    {
        for (Qt::Key inert : {Qt::Key_0, Qt::Key_4, Qt::Key_5, Qt::Key_6}) {
            QVERIFY(restart());
            auto [t, f, w] = screen();
            type(w, Qt::Key_Return);
            press(w, inert);
            QCOMPARE(f.window()->focusedControl(), f.Option2[0]);
            QVERIFY(f.riga(2).tastoPremuto && f.riga(3).tastoPremuto);
            type(w, Qt::Key_Return);
            QCOMPARE(t->globali.NumeroMassimo, 0);
            release(w, inert);
            type(w, Qt::Key_Return);
            QCOMPARE(t->globali.NumeroMassimo, 5);
        }
        QVERIFY(restart());
        auto [t, f, w] = screen();
        type(w, Qt::Key_Return);
        press(w, Qt::Key_7);
        type(w, Qt::Key_Return);
        QCOMPARE(t->globali.NumeroMassimo, 5);
    }

    // A keyboard choice leaves the bars alone: after a mouse choice they still show it.
    void keyboardChoiceKeepsMouseMarkers()
    {
        auto [t, f, w] = screen();
        t.choose(2, 10);
        mouseDown(*f.Option3[1]);  // Reimposta by mouse clears the bars...
        mouseUp(*f.Option3[1]);
        for (int k = 0; k <= 4; ++k)
            QCOMPARE(f.Label3[k]->backColor(), idle);
        t.choose(2, 10);
        type(w, {Qt::Key_2, Qt::Key_Return});  // ...then Reimposta by Enter keeps them
        QCOMPARE(f.Label3[1]->backColor(), chosen);
        QCOMPARE(f.Label3[3]->backColor(), chosen);
        walkFocus(f.window(), {{Qt::Key_Tab, f.Option1[0]}});  // from "Reimposta", which kept the focus, back to row 1
        // a new keyboard choice of the other exercise leaves the bar of the mouse choice
        type(w, Qt::Key_Return);
        QCOMPARE(t->globali.TipoEsercizio, 1);
        QCOMPARE(f.Label3[1]->backColor(), chosen);
        QCOMPARE(f.Label3[0]->backColor(), idle);
    }

    // "Reimposta" by mouse: bars idle, row 1, labels empty, focus to the first key.
    // By Enter: row 1 and labels empty, the bars kept, and the focus stays on "Reimposta": a second
    // Enter there does nothing, and the keys that move (here a digit) lead back to row 1, not to "Esci".
    void resetByMouseAndByEnterDiffer()
    {
        auto [t, f, w] = screen();
        t.choose(1, 5);
        click(*f.Option3[1]);
        QVERIFY(f.Frame1->isEnabled() && !f.Frame2->isEnabled() && !f.Frame3->isEnabled());
        QCOMPARE(f.Label2->caption(), QString());
        QCOMPARE(f.window()->focusedControl(), f.Option1[0]);
        QCOMPARE(t->globali.TipoEsercizio, 1);  // the globals keep their values
        QCOMPARE(t->globali.NumeroMassimo, 5);

        t.choose(2, 20);
        type(w, {Qt::Key_2, Qt::Key_Return});
        QVERIFY(f.Frame1->isEnabled() && !f.Frame2->isEnabled() && !f.Frame3->isEnabled());
        QCOMPARE(f.Label2->caption(), QString());
        QCOMPARE(f.Label3[1]->backColor(), chosen);
        QCOMPARE(f.Label3[4]->backColor(), chosen);
        QCOMPARE(t->globali.NumeroMassimo, 20);
        QCOMPARE(f.window()->focusedControl(), f.Option3[1]);
        QCOMPARE(f.Option3[1]->backColor(), focusColour);
        type(w, Qt::Key_Return);
        QVERIFY(t->inEsecuzione());
        QCOMPARE(f.window()->focusedControl(), f.Option3[1]);
        walkFocus(f.window(), {{Qt::Key_3, f.Option1[0]}});  // on row 3 it would lead to "Esci"
        QCOMPARE(f.Option3[1]->backColor(), restColour);
    }

    // Enter on row 1 leaves row 1's guard set (its release arrives on row 2): back on row 1 through
    // "Reimposta", the first key pressed there is ignored, and its release clears the guard.
    void staleRowOneGuardAfterReset()
    {
        auto [t, f, w] = screen();
        type(w, {Qt::Key_Return, Qt::Key_Return});
        QVERIFY(f.riga(1).tastoPremuto);
        click(*f.Option3[1]);
        QCOMPARE(f.window()->focusedControl(), f.Option1[0]);
        QVERIFY(f.riga(1).tastoPremuto);
        type(w, Qt::Key_2);  // ignored: the stale guard
        QCOMPARE(f.window()->focusedControl(), f.Option1[0]);
        QVERIFY(!f.riga(1).tastoPremuto);
        walkFocus(f.window(), {{Qt::Key_2, f.Option1[1]}});
        // Activate clears it too: a trip to an exercise and back.
        type(w, {Qt::Key_Return, Qt::Key_Return, Qt::Key_Return});
        t->operativo2().window()->close();
        QVERIFY(!f.riga(1).tastoPremuto);
        walkFocus(f.window(), {{Qt::Key_2, f.Option1[1]}});
    }

    // A digit's guard on the next row is undone by a mouse release on the row.
    void mouseReleaseClearsNextRowGuards()
    {
        auto [t, f, w] = screen();
        type(f.window(), Qt::Key_2);
        QVERIFY(f.riga(2).tastoPremuto);
        mouseDown(*f.Option1[0]);
        QVERIFY(f.riga(2).tastoPremuto);
        mouseUp(*f.Option1[0]);
        QVERIFY(!f.riga(2).tastoPremuto && !f.riga(2).spazioPremuto);
        QVERIFY(!f.Option1[0]->isSelected());
    }

    // One switch through the start screen, the scan ticked by hand. A mouse press anywhere runs the
    // scanned key as Enter (the bars stay idle) and its release clears the guards it set, on both
    // rows; from "Reimposta", stranded after it ran, the scan leads to row 1, not to "Esci"; and the
    // first press there acts: row 1 keeps no guard from the press that left it. Every move the scan
    // or the program makes says the key's name, once.
    void oneSwitchThroughTheStartScreen()
    {
        program_.reset();
        TestProgram t;
        t.scanEvery(2);
        t.start();
        FrmInizio& f = t->frmInizio();
        QWidget* w = f.window();
        auto focus = [&] { return f.window()->focusedControl(); };
        t.scanAfter(f, 2);
        QCOMPARE(focus(), f.Option1[1]);
        t.scanAfter(f, 2);
        QCOMPARE(focus(), f.Option1[0]);
        t.clock.advance(0.5f);  // each press comes well after the step before it

        mouseDown(*f.Option2[2]);  // a key in a disabled frame
        QCOMPARE(t->globali.TipoEsercizio, 1);
        QCOMPARE(focus(), f.Option2[0]);
        QVERIFY(f.riga(1).tastoPremuto && f.riga(2).tastoPremuto);
        mouseDown(*f.Option2[1]);  // a second button while the first holds: nothing
        QCOMPARE(t->globali.NumeroMassimo, 0);
        mouseUp(*f.Option2[2]);
        QVERIFY(!f.riga(1).tastoPremuto && !f.riga(2).tastoPremuto);
        QCOMPARE(f.Label3[0]->backColor(), idle);

        t.scanAfter(f, 2);
        QCOMPARE(focus(), f.Option2[1]);
        t.clock.advance(0.5f);
        type(w, Qt::Key_Space);
        QCOMPARE(t->globali.NumeroMassimo, 10);
        QCOMPARE(focus(), f.Option3[0]);
        t.scanAfter(f, 2);
        t.clock.advance(0.5f);
        type(w, Qt::Key_Return);  // "Reimposta"
        QVERIFY(f.Frame1->isEnabled() && !f.Frame3->isEnabled());
        QCOMPARE(focus(), f.Option3[1]);
        t.scanAfter(f, 2);
        QCOMPARE(focus(), f.Option1[0]);
        t.clock.advance(0.5f);
        type(w, Qt::Key_Space);
        QCOMPARE(focus(), f.Option2[0]);
        type(w, Qt::Key_2);  // the teacher's digit
        QCOMPARE(focus(), f.Option2[1]);
        QCOMPARE(t.voice.said,
                 QStringList({"Dall'insieme ai simboli grafici", "Dai simboli grafici all'insieme",
                              "Dall'insieme ai simboli grafici", "Fino a cinque", "Fino a dieci", "Vai", "Reimposta",
                              "Dall'insieme ai simboli grafici", "Fino a cinque", "Fino a dieci"}));
        // A screen reader says them itself.
        t->runtime().screenReader().setActive(true);
        t.scanAfter(f, 2);
        QCOMPARE(focus(), f.Option2[2]);
        QCOMPARE(t.voice.said.size(), 10);
        // Reached by Tab while its row is disabled, "Esci" is alone there: the scan goes on where
        // space would, to the first available key.
        walkFocus(f.window(), {{Qt::Key_Tab, f.Option3[2]}});
        t.scanAfter(f, 2);
        QCOMPARE(focus(), f.Option2[0]);
    }

    // The scan's period from the command line: seconds with a point or a comma, 0.5 to 10.
    void scanPeriodOption_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("seconds");  // 0: refused
        for (auto [text, seconds] : {std::pair("2", 2.0), {"0.5", 0.5}, {"0,5", 0.5}, {"10", 10.0}, {"1,25", 1.25},
                                     {",8", 0.8}, {"0,49", 0.0}, {"10.01", 0.0}, {"", 0.0}, {"abc", 0.0},
                                     {"1e1", 0.0}, {"-1", 0.0}, {"+2", 0.0}, {" 2", 0.0}, {"1,5,0", 0.0},
                                     {"inf", 0.0}, {"nan", 0.0}, {",", 0.0}})
            QTest::newRow(text) << QString::fromLatin1(text) << seconds;
    }
    void scanPeriodOption()
    {
        QFETCH(QString, text);
        QFETCH(double, seconds);
        QCOMPARE(scansione::leggiTempo(text).value_or(0), seconds);
    }

    // A key the keyboard moves the focus to (space, a digit, Tab) says its name, the range keys in
    // words, unless a screen reader is at work; a mouse press and Enter moving on to the next row
    // say nothing.
    void keysReachedByKeyboardSayTheirNames()
    {
        auto [t, f, w] = screen();
        type(w, {Qt::Key_Space, Qt::Key_1, Qt::Key_Return, Qt::Key_3, Qt::Key_Tab});
        click(*f.Option2[1]);
        const QStringList said{"Dai simboli grafici all'insieme", "Dall'insieme ai simboli grafici", "Oltre dieci",
                               "Esci"};
        QCOMPARE(t.voice.said, said);
        // A screen reader says them itself.
        t->runtime().screenReader().setActive(true);
        type(w, {Qt::Key_1, Qt::Key_Tab});
        QCOMPARE(t.voice.said, said);
    }

    // "Esci" can be clicked at every step; of the digits only row 3's 3 reaches it.
    void exitIsAlwaysAvailable()
    {
        for (int step = 1; step <= 3; ++step) {
            QVERIFY(restart());
            auto [t, f, w] = screen();
            bool ended = false;
            t->onTerminato = [&] { ended = true; };
            if (step >= 2)
                click(*f.Option1[0]);
            if (step >= 3)
                click(*f.Option2[0]);
            mouseDown(*f.Option3[2]);
            QVERIFY(ended);
            QVERIFY(!t->inEsecuzione());
            QVERIFY(!f.isLoaded());
            settle();
            QVERIFY(!t.visibleWindow());
        }
        QVERIFY(restart());
        auto [t, f, w] = screen();
        type(w, {Qt::Key_Return, Qt::Key_Return, Qt::Key_3});
        QCOMPARE(f.window()->focusedControl(), f.Option3[2]);
        type(w, Qt::Key_Return);
        QVERIFY(!t->inEsecuzione());
    }

    // The close box ends the program too, unloading every window that is loaded.
    void closeBoxUnloadsEverything()
    {
        auto [t, f, w] = screen();
        t.openExercise(1, 5);
        t->operativo1().window()->close();  // back to the start screen
        QVERIFY(f.isVisible());
        (void)t->operativo1().stato();
        QVERIFY(t->frmFigure().isLoaded());
        f.window()->close();
        QVERIFY(!t->inEsecuzione());
        QVERIFY(!f.isLoaded());
        QVERIFY(!t->operativo1().isLoaded());
        QVERIFY(!t->frmFigure().isLoaded());
    }

    // Back from an exercise: step 1 with the focus on the first key, but the caption of the last
    // exercise and the bars stay; "Vai" needs a new range.
    void returnFromExerciseIsStepOne()
    {
        auto [t, f, w] = screen();
        t.openExercise(1, 10);
        QVERIFY(!f.isVisible());
        t->operativo1().window()->close();
        QVERIFY(f.isVisible());
        QVERIFY(t->operativo1().isLoaded() == false);
        QVERIFY(f.Frame1->isEnabled() && !f.Frame2->isEnabled() && !f.Frame3->isEnabled());
        QCOMPARE(f.window()->focusedControl(), f.Option1[0]);
        QCOMPARE(f.Option1[0]->backColor(), focusColour);
        QCOMPARE(f.Option3[0]->backColor(), restColour);
        QCOMPARE(f.Label2->caption(), QStringLiteral("Dall'insieme ai simboli grafici"));
        QCOMPARE(f.Label3[0]->backColor(), chosen);
        QCOMPARE(f.Label3[3]->backColor(), chosen);
        for (const auto* row : {&f.Option1, &f.Option2, &f.Option3})
            for (int i = row->lowerBound(); i <= row->upperBound(); ++i)
                QVERIFY(!(*row)[i]->isSelected());
        QCOMPARE(t->globali.NumeroMassimo, 10);
    }

    // Every key outside the rows' tables does nothing, at every step, with any modifier.
    void otherKeysDoNothing()
    {
        QList<Qt::Key> keys;
        for (auto [from, to] : {std::pair(Qt::Key_A, Qt::Key_Z), {Qt::Key_F1, Qt::Key_F12}})
            for (int k = from; k <= to; ++k)
                keys << Qt::Key(k);
        keys << Qt::Key_Left << Qt::Key_Right << Qt::Key_Up << Qt::Key_Down << Qt::Key_Home << Qt::Key_End
             << Qt::Key_PageUp << Qt::Key_PageDown << Qt::Key_Escape << Qt::Key_Backspace << Qt::Key_Delete
             << Qt::Key_Insert << Qt::Key_Plus << Qt::Key_Minus << Qt::Key_Period << Qt::Key_Comma
             << Qt::Key_Shift << Qt::Key_Control << Qt::Key_Alt << Qt::Key_Menu << Qt::Key_CapsLock;
        const QList<Qt::KeyboardModifiers> modifiers{Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                                     Qt::AltModifier};
        auto [t, f, w] = screen();
        auto tryAll = [&](const QList<Qt::Key>& extra) {
            const QString before = snapshot(*t);
            for (Qt::Key key : keys + extra)
                for (Qt::KeyboardModifiers m : modifiers) {
                    type(w, key, m);
                    if (!(snapshot(*t) == before))
                        QFAIL(qPrintable(QStringLiteral("key %1 with modifiers %2 changed the screen")
                                             .arg(key, 0, 16).arg(int(m), 0, 16)));
                }
        };
        // Step 1: digits 0 and 3 to 9 too (row 1 takes only 1 and 2).
        tryAll({Qt::Key_0, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6, Qt::Key_7, Qt::Key_8, Qt::Key_9});
        // The keypad's digits are not taken on this window.
        const QString before = snapshot(*t);
        for (int k = Qt::Key_0; k <= Qt::Key_9; ++k)
            type(w, Qt::Key(k), Qt::KeypadModifier);
        QVERIFY(snapshot(*t) == before);
        type(w, Qt::Key_Return);
        tryAll({Qt::Key_7, Qt::Key_8, Qt::Key_9});
        type(w, Qt::Key_Return);
        tryAll({Qt::Key_0, Qt::Key_4, Qt::Key_5, Qt::Key_6, Qt::Key_7, Qt::Key_8, Qt::Key_9});
        QVERIFY(t->inEsecuzione());
    }

    // A mouse press acts with any button; the key is drawn pressed only while the left button holds it.
    void anyButtonActs_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void anyButtonActs()
    {
        QFETCH(Qt::MouseButton, button);
        auto [t, f, w] = screen();
        mouseDown(*f.Option1[0], button);
        QCOMPARE(t->globali.TipoEsercizio, 1);
        mouseUp(*f.Option1[0], button);
        QVERIFY(!f.Option1[0]->isSelected());
    }

    // The window-level settings of the start window and the picture keys.
    void designSettings()
    {
        auto [t, f, w] = screen();
        QVERIFY(!f.window()->windowIcon().isNull());
        const Qt::WindowFlags flags = f.window()->windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        for (int j = 0; j <= 2; ++j) {
            QCOMPARE(f.Option2[j]->picture().deviceIndependentSize().toSize(), QSize(160, 60));
            QVERIFY(f.Option2[j]->caption().isEmpty());
        }
        // "Esci" lies over Frame3 but belongs to the window, and is drawn in front of it.
        QCOMPARE(f.Option3[2]->container(), nullptr);
        QCOMPARE(f.Option3[0]->container(), f.Frame3);
        QWidget* esci = f.Option3[2]->widget();
        QCOMPARE(f.window()->childAt(esci->geometry().center()), esci);
    }
};

QTEST_MAIN(StartScreen)
#include "test_start_screen.moc"
