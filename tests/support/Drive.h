#pragma once
// Drives the real program as a person would: keys reach whatever has the focus in the visible
// window, mouse presses and releases reach a control through the window system path. The clock
// and the random generator are fakes the test controls.

#include "app/Programma.h"
#include "toolkit/Services.h"

#include <QList>
#include <QStringList>
#include <QTest>

#include <cmath>
#include <deque>
#include <initializer_list>
#include <memory>

namespace drive {

// Time passes only by advance(), on both clocks; setting `now` is a change of the time of day
// (midnight, daylight saving, a clock set by hand) that the monotonic clock does not see.
class FakeClock final : public tk::Clock {
public:
    float now = 36000.0f;  // ten in the morning
    double elapsed = 0;
    float secondsSinceMidnight() const override { return now; }
    double monotonicSeconds() const override { return elapsed; }
    void advance(float seconds)
    {
        elapsed += seconds;
        now = std::fmod(now + seconds, 86400.0f);
    }
};

// Gives the scripted values first, then real draws; remembers every seed.
class ScriptedRandom final : public tk::Random {
public:
    std::deque<float> script;
    QList<float> seeds;
    int draws = 0;

    float next() override;
    void seed(float value) override;
    // Queues the value r that makes a draw of 1..n give k.
    void queueDraw(int k, int n);

private:
    tk::SeededRandom real_;
};

// Remembers what the program says, in order; a stop is written "(stop)".
class RecordingSpeech final : public tk::Speech {
public:
    QStringList said;
    void say(const QString& text) override { said << text; }
    void stop() override { said << QStringLiteral("(stop)"); }
};

// When a test's program starts: later, when the test calls start(), or at once, with the curtain
// ticked open or left closed. It starts at the time of day given, in seconds since midnight.
enum class Start { Later, Open, CurtainClosed };

// A whole program with fake services; timers tick only when the test says so.
struct TestProgram {
    FakeClock clock;
    ScriptedRandom random;
    RecordingSpeech voice;
    std::unique_ptr<Programma> program;

    explicit TestProgram(Start when = Start::Later, float timeOfDay = FakeClock().now);
    ~TestProgram();
    Programma& operator*() { return *program; }
    Programma* operator->() { return program.get(); }
    // Starts the program and waits until the start window is on screen; unless told otherwise,
    // ticks the curtain open so that presses reach the controls.
    void start(bool openCurtain = true);
    void openCurtain();
    // The window the program shows now.
    QWidget* visibleWindow() const;
    // Switch access, a step every `seconds`: set before start().
    void scanEvery(double seconds) { program->runtime().setScanPeriod(seconds); }
    // Time passes on the fake clock, then the form's scan timer ticks, as the system timer would.
    void scanAfter(tk::Form& form, double seconds);
    // Exercise 1's or exercise 2's window.
    FinestraEsercizio& exercise(int n);
    // From the start screen, by mouse: the exercise (1 or 2) and the range (5, 10 or 20).
    void choose(int exercise, int maximum);
    // The same, then "Vai".
    void openExercise(int exercise, int maximum);

    // Exercise 1's draws for its next set: the object picture, the count, then the places.
    void queueSet1(int figura, int count, int maximum, std::initializer_list<int> places = {});
    // Exercise 2's draws for its next exercise, in their order: the symbol kind, the count, the object picture.
    void queueSet2(int kind, int count, int maximum, int figura);
    // From the start screen, an exercise on a scripted first set; exercise 1 draws its symbol kind first.
    frmOperativo1& openExercise1(int maximum, int kind, int figura, int count, std::initializer_list<int> places = {});
    FrmOperativo2& openExercise2(int maximum, int kind, int count, int figura);
    // "Avanti" by mouse, on the scripted next set.
    void nextSet1(int figura, int count, int maximum, std::initializer_list<int> places = {});
    void nextSet2(int kind, int count, int maximum, int figura);
};

// A program, the form of one of its windows, and that window, where keys go: for
// `auto [t, f, w] = ...` in a test.
template <class Form>
struct Screen {
    TestProgram& t;
    Form& f;
    QWidget* w;
};

// The program's language for what follows, as --lingua chooses it: its texts, and the language a
// TestProgram made after it is given. Tests start in Italian.
void useLanguage(const QString& code);

// A drawing of the program's (":/figure/svg/NAME.svg") rendered straight from its source at its
// own size, as ARGB32: what a picture made from it must show.
QImage drawing(const QString& name);

// Lets posted events run: deferred deletions, resizes from the window system.
void settle();

// Keys go to the focused widget of the window, as the window system delivers them, each with its
// own timestamp; digit-row keys carry their physical key (the XKB keycode) as X11 and Wayland give it.
void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}, bool autoRepeat = false);
// A real release is settled at once, as if the toolkit's short wait for a repeat were over.
void release(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}, bool autoRepeat = false);
// One key event exactly as given: what a layout or Shift makes of a physical key.
void sendKey(QWidget* window, QEvent::Type type, Qt::Key key, const QString& text, quint32 scanCode,
             Qt::KeyboardModifiers modifiers = {});
// A press and its release.
void type(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {});
// Each key pressed and released in turn: a way through the screens by keyboard.
void type(QWidget* window, std::initializer_list<Qt::Key> keys);

// The ways a window system reports one repeat of a held key.
enum class Repeat {
    Flagged,    // a release and a press, both marked auto-repeat (Wayland; X11 when Qt sees the pair)
    Unflagged,  // a plain release and a plain press sharing one timestamp (X11 when Qt misses it)
    PressOnly,  // a plain press (X11 with detectable auto-repeat)
};
void repeat(QWidget* window, Qt::Key key, Repeat how, Qt::KeyboardModifiers modifiers = {});
// A press held for the given number of repeats, taking the three kinds in turn, then the real release.
void hold(QWidget* window, Qt::Key key, int repeats, Qt::KeyboardModifiers modifiers = {});

void mouseDown(tk::Control& control, Qt::MouseButton button = Qt::LeftButton);
void mouseUp(tk::Control& control, Qt::MouseButton button = Qt::LeftButton);
void click(tk::Control& control, Qt::MouseButton button = Qt::LeftButton);
// Each clicked in turn with the left button.
void click(std::initializer_list<tk::Control*> controls);

// A key typed, and the control that must hold the focus of the window after it.
struct FocusStep {
    Qt::Key key;
    tk::Control* focus;
    Qt::KeyboardModifiers modifiers = {};
};
// The steps in turn; a failure names the step.
void walkFocus(tk::Window* window, std::initializer_list<FocusStep> steps);

// In either exercise: "Conta" pressed the given number of times, then "Verifica", by mouse.
template <class Esercizio>
void answer(Esercizio& f, int contaPresses)
{
    for (int i = 0; i < contaPresses; ++i)
        click(*f.Option1[Esercizio::Conta]);
    click(*f.Option1[Esercizio::Verifica]);
}

QString textFor(Qt::Key key, Qt::KeyboardModifiers modifiers);

// What the child has added in either exercise, exercise 1's symbols or exercise 2's figures: how
// many, and how many show (exercise 1's places 21 to 23 stay visible but never get a picture).
inline int added(frmOperativo1& f) { return f.stato().simboliInseriti; }
inline int added(FrmOperativo2& f) { return f.stato().oggettiInseriti; }
int picturesShown(tk::ControlArray<tk::Image>& places);  // of places 0 to 23
inline int shown(frmOperativo1& f) { return picturesShown(f.Image1); }
inline int shown(FrmOperativo2& f) { return picturesShown(f.Image2); }
// What the child counts: the places of exercise 1's objects, exercise 2's symbol places 1 to 20.
QList<int> objectPlaces(frmOperativo1& f);
QStringList symbols(FrmOperativo2& f);

// Names in the log the row of a table a loop is on, should a check fail in it: QtTest tells only
// the line of the check.
struct Row {
    int index;
    QString what = {};
    bool failedBefore = QTest::currentTestFailed();
    ~Row()
    {
        if (!failedBefore && QTest::currentTestFailed())
            qWarning("the failure above came in row %d of the table%s", index, qPrintable(what));
    }
};

} // namespace drive
