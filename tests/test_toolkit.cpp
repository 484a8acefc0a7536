// The window toolkit: events in their classic terms, focus, stacking, pictures, control arrays,
// the random generator, and the voice's own logic over a scripted speech service.

#include "Drive.h"
#include "toolkit/DesktopVoice.h"
#include "toolkit/Form.h"
#include "toolkit/Keys.h"

#include <QtTest>

#include <atomic>
#include <condition_variable>
#include <mutex>

using namespace drive;

namespace {

const tk::ControlSpec controls[] = {
    {.name = "Frame1", .kind = tk::Kind::Frame, .left = 150, .top = 150, .width = 3000, .height = 3000, .tabIndex = 3},
    {.name = "Cover", .kind = tk::Kind::Label, .left = 0, .top = 0, .width = 6000, .height = 3000, .back = tk::Rgb{1, 2, 3}},
    {.name = "Key", .index = 2, .kind = tk::Kind::OptionButton, .container = "Frame1", .left = 150, .top = 150,
     .width = 1500, .height = 600, .caption = "Two", .tabIndex = 2},
    {.name = "Key", .index = 1, .kind = tk::Kind::OptionButton, .container = "Frame1", .left = 150, .top = 900,
     .width = 1500, .height = 600, .caption = "One", .tabIndex = 1},
    {.name = "Key", .index = 0, .kind = tk::Kind::OptionButton, .left = 4500, .top = 150, .width = 1500,
     .height = 600, .caption = "Zero", .tabIndex = 0},
    {.name = "Cell", .index = 3, .kind = tk::Kind::Image, .left = 4500, .top = 4500, .width = 300, .height = 300},
    {.name = "Cell", .index = 5, .kind = tk::Kind::Image, .left = 4800, .top = 4500, .width = 300, .height = 300},
    {.name = "Clock", .kind = tk::Kind::Timer, .interval = 10},
};
const tk::WindowSpec prova{.name = "Prova", .caption = "Prova", .clientWidth = 9000, .clientHeight = 7500,
                          .back = tk::Rgb{255, 192, 255}, .controls = controls};

// Records every event in the classic terms.
class TestForm final : public tk::Form {
public:
    explicit TestForm(tk::Runtime& runtime) : tk::Form(runtime, prova) {}
    tk::ControlArray<tk::OptionButton> Key{*this, "Key"};
    tk::ControlArray<tk::Image> Cell{*this, "Cell"};
    QStringList log;
    bool disableOnPress = false;

protected:
    void connectEvents() override
    {
        for (int i = 0; i <= 2; ++i) {
            tk::ControlEvents& on = Key[i]->on;
            on.gotFocus = [this](int k) { log << QStringLiteral("GotFocus %1").arg(k); };
            on.lostFocus = [this](int k) { log << QStringLiteral("LostFocus %1").arg(k); };
            on.keyDown = [this](int k, int code) { log << QStringLiteral("KeyDown %1 %2").arg(k).arg(code); };
            on.keyPress = [this](int k, int c) { log << QStringLiteral("KeyPress %1 %2").arg(k).arg(c); };
            on.keyUp = [this](int k) { log << QStringLiteral("KeyUp %1").arg(k); };
            on.mouseDown = [this](int k) {
                log << QStringLiteral("MouseDown %1").arg(k);
                if (disableOnPress)
                    Key[k]->setEnabled(false);
            };
            on.mouseUp = [this](int k) { log << QStringLiteral("MouseUp %1").arg(k); };
        }
        Cell[3]->on.click = [this](int k) { log << QStringLiteral("Click %1").arg(k); };
    }
    void Load() override { log << QStringLiteral("Load"); }
    void Activate() override { log << QStringLiteral("Activate"); }
    void Unload() override { log << QStringLiteral("Unload"); }
};

struct Bench {
    FakeClock clock;
    ScriptedRandom random;
    RecordingSpeech voice;
    tk::Runtime runtime{clock, random, voice};
    TestForm form{runtime};
    TestForm other{runtime};
    enum Showing { Hidden, Shown };
    explicit Bench(Showing showing = Hidden, std::optional<double> scanPeriod = {})
    {
        runtime.setManualTimers(true);
        runtime.setScanPeriod(scanPeriod);
        if (showing == Shown)
            show();
    }
    // Time passes, then the scan's timer ticks.
    void scanAfter(double seconds)
    {
        clock.advance(static_cast<float>(seconds));
        form.window()->focus().scan().tick();
    }
    tk::Control* focused() const { return form.window()->focusedControl(); }
    void show()
    {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(form.window()));
        form.log.clear();
    }
};

// A speech service the test scripts, shared with the voice's thread. Every call is written down;
// a word can be held inside the service until the test lets it go.
struct FakeService {
    std::mutex mutex;
    std::condition_variable released;
    QStringList calls;
    bool opens = true;
    std::string whyNot;
    std::vector<std::string> voices{"it"};
    int breaks = 0;  // how many of the next cancels fail, as on a connection the service dropped
    bool hold = false;

    QStringList log()
    {
        const std::lock_guard lock(mutex);
        return calls;
    }
    void release()
    {
        {
            const std::lock_guard lock(mutex);
            hold = false;
        }
        released.notify_all();
    }
};

class FakeBackend final : public tk::SpeechBackend {
public:
    explicit FakeBackend(std::shared_ptr<FakeService> service) : s_(std::move(service)) {}
    bool open(std::string& error) override
    {
        const auto lock = note("open");
        error = s_->whyNot;
        return s_->opens;
    }
    std::vector<std::string> voiceLanguages() override
    {
        const auto lock = note("voices");
        return s_->voices;
    }
    bool useLanguage(const std::string& language) override
    {
        note("language " + language);
        return true;
    }
    bool say(const std::string& text) override
    {
        auto lock = note(text);
        s_->released.wait(lock, [this] { return !s_->hold; });
        return true;
    }
    bool cancel() override
    {
        const auto lock = note("cancel");
        const bool broken = s_->breaks > 0;
        s_->breaks -= broken;
        return !broken;
    }
    void close() override { note("close"); }

private:
    std::unique_lock<std::mutex> note(const std::string& call)
    {
        std::unique_lock lock(s_->mutex);
        s_->calls << QString::fromStdString(call);
        return lock;
    }
    std::shared_ptr<FakeService> s_;
};

// The voice's clock, moved on by the test; read on both threads.
struct FakeTime {
    std::atomic<int> ms{0};
    tk::DesktopVoice::Time at(int when) const { return tk::DesktopVoice::Time() + std::chrono::milliseconds(when); }
    tk::DesktopVoice::Now now()
    {
        return [this] { return at(ms.load()); };
    }
};

// What the voice told, one line each: "Missing NoService: why".
struct VoiceReports {
    std::mutex mutex;
    QStringList lines;
    tk::DesktopVoice::Report report()
    {
        return [this](tk::DesktopVoice::Event event, tk::DesktopVoice::Reason reason, const QString& detail) {
            static const char* const events[] = {"Missing", "Lost", "Back"};
            static const char* const reasons[] = {"", " NoService", " NoVoice", " Stopped"};
            const std::lock_guard lock(mutex);
            lines << QString::fromLatin1(events[int(event)]) + QString::fromLatin1(reasons[int(reason)])
                         + (detail.isEmpty() ? QString() : QStringLiteral(": ") + detail);
        };
    }
};

} // namespace

class Toolkit : public QObject {
    Q_OBJECT

private slots:
    // Key codes name keys: the digit row (XKB keycodes 10 to 19) gives its digits whatever
    // Shift and the layout make of it; the keypad keeps its own codes.
    void virtualKeyCodes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("scanCode");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("character");
        const int shift = int(Qt::ShiftModifier), keypad = int(Qt::KeypadModifier);
        QTest::newRow("digit 1") << int(Qt::Key_1) << 0 << "1" << 10 << 49 << 49;
        QTest::newRow("digit 0") << int(Qt::Key_0) << 0 << "0" << 19 << 48 << 48;
        QTest::newRow("digit 1, no scan code") << int(Qt::Key_1) << 0 << "1" << 0 << 49 << 49;
        QTest::newRow("shift+3 on qwerty") << int(Qt::Key_NumberSign) << shift << "#" << 12 << 51 << 35;
        QTest::newRow("1 on azerty") << int(Qt::Key_Ampersand) << 0 << "&" << 10 << 49 << 38;
        QTest::newRow("0 on azerty") << int(Qt::Key_Agrave) << 0 << QString::fromUtf8("à") << 19 << 48 << 0xe0;
        QTest::newRow("keypad 1") << int(Qt::Key_1) << keypad << "1" << 87 << 97 << 49;
        QTest::newRow("keypad 8") << int(Qt::Key_8) << keypad << "8" << 80 << 104 << 56;
        QTest::newRow("return") << int(Qt::Key_Return) << 0 << "\r" << 36 << 13 << 13;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << keypad << "\r" << 104 << 13 << 13;
        QTest::newRow("space") << int(Qt::Key_Space) << 0 << " " << 65 << 32 << 32;
        QTest::newRow("letter") << int(Qt::Key_Q) << 0 << "q" << 24 << 81 << int('q');
        QTest::newRow("F5") << int(Qt::Key_F5) << 0 << "" << 71 << 116 << 0;
        QTest::newRow("left") << int(Qt::Key_Left) << 0 << "" << 113 << 37 << 0;
        QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << "\x1b" << 9 << 27 << 27;
    }
    void virtualKeyCodes()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, scanCode);
        QFETCH(int, code);
        QFETCH(int, character);
        QKeyEvent e(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), quint32(scanCode), 0, 0, text);
        QCOMPARE(tk::vk::fromEvent(e), code);
        QCOMPARE(tk::vk::charFromEvent(e), character);
    }

    // A press gives KeyDown then KeyPress; a held key repeats both and gives KeyUp only at the real
    // release, however the window system reports the repeats.
    void heldKeyRepeatsWithoutKeyUp()
    {
        Bench b(Bench::Shown);
        QWidget* w = b.form.window();
        hold(w, Qt::Key_Space, 3);
        QCOMPARE(b.form.log, QStringList({"KeyDown 0 32", "KeyPress 0 32", "KeyDown 0 32", "KeyPress 0 32",
                                          "KeyDown 0 32", "KeyPress 0 32", "KeyDown 0 32", "KeyPress 0 32",
                                          "KeyUp 0"}));
    }

    // Repeats of a key pressed while another window was in front do not reach this one.
    void repeatsStartedElsewhereAreDropped()
    {
        Bench b(Bench::Shown);
        QWidget* w = b.form.window();
        press(w, Qt::Key_Return, {}, true);
        QVERIFY(b.form.log.isEmpty());
        release(w, Qt::Key_Return);
        QCOMPARE(b.form.log, QStringList({"KeyUp 0"}));
    }

    // Focus moves raise LostFocus then GotFocus, also while the window is not active; hiding and
    // showing the window again is not a focus move.
    void focusEventsAreTheProgramsMoves()
    {
        Bench b;
        b.form.load();
        QVERIFY(b.form.window()->giveFocus(*b.form.Key[1]));
        QCOMPARE(b.form.log, QStringList({"Load", "GotFocus 1"}));
        b.form.show();
        b.form.hide();
        b.form.show();
        QCOMPARE(b.form.log, QStringList({"Load", "GotFocus 1", "Activate", "Activate"}));
        QVERIFY(b.form.window()->giveFocus(*b.form.Key[2]));
        QCOMPARE(b.form.log.mid(4), QStringList({"LostFocus 1", "GotFocus 2"}));
        // With no focus given, a window opens with the focus on the first key in tab order.
        b.other.show();
        QCOMPARE(b.other.log.mid(0, 2), QStringList({"Load", "GotFocus 0"}));
    }

    // Scanning: the focus steps by itself once a period along the key's array, skipping keys that
    // cannot take it and wrapping after the last; a tick before the period is over does nothing.
    void scanStepsAlongTheRow()
    {
        Bench b(Bench::Shown, 2.0);
        QVERIFY(b.form.window()->focus().scan().isRunning());
        QCOMPARE(b.focused(), b.form.Key[0]);
        b.scanAfter(1.9);
        QCOMPARE(b.focused(), b.form.Key[0]);
        b.scanAfter(0.1);
        QCOMPARE(b.focused(), b.form.Key[1]);
        b.form.Key[2]->setVisible(false);
        b.scanAfter(2);
        QCOMPARE(b.focused(), b.form.Key[0]);
        b.form.Key[2]->setVisible(true);
        b.form.Key[1]->setEnabled(false);
        b.scanAfter(2);
        QCOMPARE(b.focused(), b.form.Key[2]);
        b.scanAfter(2);
        QCOMPARE(b.focused(), b.form.Key[0]);
        QCOMPARE(b.form.log, QStringList({"LostFocus 0", "GotFocus 1", "LostFocus 1", "GotFocus 0", "LostFocus 0",
                                          "GotFocus 2", "LostFocus 2", "GotFocus 0"}));
        // The names, as the keyboard's moves say them.
        QCOMPARE(b.voice.said, QStringList({"Zero", "One", "Zero", "Two", "Zero"}));
    }

    // A focus move the scan did not make (the program's, a digit's) and a switch press each start a
    // full period: the scan stays on the key just run one more period.
    void scanPeriodStartsAgain_data()
    {
        QTest::addColumn<bool>("press");
        QTest::newRow("the program moves the focus") << false;
        QTest::newRow("a switch press") << true;
    }
    void scanPeriodStartsAgain()
    {
        QFETCH(bool, press);
        Bench b(Bench::Shown, 2.0);
        b.scanAfter(1.5);
        if (press)
            type(b.form.window(), Qt::Key_Return);
        else
            b.form.window()->giveFocus(*b.form.Key[2]);
        tk::Control* shown = b.focused();
        b.scanAfter(1.9);
        QCOMPARE(b.focused(), shown);
        b.scanAfter(0.1);
        QVERIFY(b.focused() != shown);
    }

    // Enter, space and every mouse button, on any control or none, are the switch: each runs the
    // key the scan is on as Enter does, and its release is that key's KeyUp. Held, it acts once.
    void switchRunsTheScannedKey_data()
    {
        QTest::addColumn<QString>("how");
        for (const char* how : {"Return", "Enter", "Space", "held space", "left on a picture", "right on another key",
                                "middle on a label", "left on a disabled key", "right on the window"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }
    void switchRunsTheScannedKey()
    {
        QFETCH(QString, how);
        Bench b(Bench::Shown, 2.0);
        QPixmap picture(20, 20);
        picture.fill(Qt::green);
        b.form.Cell[3]->setPicture(picture);
        b.form.Key[1]->setEnabled(false);
        b.scanAfter(2);
        QCOMPARE(b.focused(), b.form.Key[2]);
        b.clock.advance(0.5f);  // past the grace time
        b.form.log.clear();
        QWidget* w = b.form.window();
        tk::Control* cover = b.form.window()->find(QStringLiteral("Cover"));
        const std::map<QString, std::function<void()>> ways{
            {"Return", [&] { type(w, Qt::Key_Return); }},
            {"Enter", [&] { type(w, Qt::Key_Enter, Qt::KeypadModifier); }},
            {"Space", [&] { type(w, Qt::Key_Space); }},
            {"held space", [&] { hold(w, Qt::Key_Space, 6); }},
            {"left on a picture", [&] { click(*b.form.Cell[3]); }},
            {"right on another key", [&] { click(*b.form.Key[0], Qt::RightButton); }},
            {"middle on a label", [&] { click(*cover, Qt::MiddleButton); }},
            {"left on a disabled key", [&] { click(*b.form.Key[1]); }},
            {"right on the window",
             [&] {
                 QTest::mousePress(w->windowHandle(), Qt::RightButton, {}, QPoint(550, 450));
                 QTest::mouseRelease(w->windowHandle(), Qt::RightButton, {}, QPoint(550, 450));
             }},
        };
        ways.at(how)();
        QCOMPARE(b.form.log, QStringList({"KeyDown 2 13", "KeyPress 2 13", "KeyUp 2"}));
        QCOMPARE(b.focused(), b.form.Key[2]);
    }

    // A press soon after a step counts for the key just left: the focus goes back and that key runs.
    void switchGraceTime_data()
    {
        QTest::addColumn<double>("after");
        QTest::addColumn<int>("runs");
        QTest::newRow("0.1 s after the step") << 0.1 << 0;
        QTest::newRow("0.29 s after") << 0.29 << 0;
        QTest::newRow("0.31 s after") << 0.31 << 2;
        QTest::newRow("1.9 s after") << 1.9 << 2;
    }
    void switchGraceTime()
    {
        QFETCH(double, after);
        QFETCH(int, runs);
        Bench b(Bench::Shown, 2.0);
        b.form.Key[1]->setEnabled(false);
        b.scanAfter(2);
        b.clock.advance(static_cast<float>(after));
        b.form.log.clear();
        type(b.form.window(), Qt::Key_Return);
        QCOMPARE(b.form.log.filter(QStringLiteral("KeyDown")), QStringList({QStringLiteral("KeyDown %1 13").arg(runs)}));
        QCOMPARE(b.focused(), b.form.Key[runs]);
    }

    // The scan pauses while another window is active, and goes on a full period after its own
    // window is active again.
    void scanPausesWhileInactive()
    {
        Bench b(Bench::Shown, 2.0);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!b.form.window()->focus().scan().isRunning());
        b.scanAfter(5);
        QCOMPARE(b.focused(), b.form.Key[0]);
        b.form.window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(b.form.window()));
        b.scanAfter(1.9);
        QCOMPARE(b.focused(), b.form.Key[0]);
        b.scanAfter(0.1);
        QCOMPARE(b.focused(), b.form.Key[1]);
    }

    // Activate fires when the window becomes the program's active one, not again while it stays so.
    void activateOnlyWhenTheActiveWindowChanges()
    {
        Bench b;
        b.form.show();
        b.form.show();
        b.other.show();
        b.form.show();
        QCOMPARE(b.form.log.count(QStringLiteral("Activate")), 2);
        QCOMPARE(b.other.log.count(QStringLiteral("Activate")), 1);
    }

    // A key that is disabled or hidden hands the focus on to the next key in tab order, once the
    // event is handled.
    void focusLeavesAKeyThatCannotHoldIt()
    {
        Bench b(Bench::Shown);
        tk::Window& w = *b.form.window();
        w.giveFocus(*b.form.Key[1]);
        b.form.log.clear();
        b.form.Key[1]->setEnabled(false);
        QCOMPARE(w.focusedControl(), b.form.Key[2]);
        b.form.Key[2]->setVisible(false);
        QCOMPARE(w.focusedControl(), b.form.Key[0]);  // wraps past the disabled 1
        QCOMPARE(b.form.log, QStringList({"LostFocus 1", "GotFocus 2", "LostFocus 2", "GotFocus 0"}));
    }

    // A key whose frame is disabled under it keeps its own Enabled setting, the focus and its
    // highlight, but takes no keys; space, a digit or Tab there lead to the first key that can
    // take the focus, and with the frame enabled again the key takes keys again.
    void aKeyWhoseFrameIsDisabledKeepsTheFocus()
    {
        Bench b(Bench::Shown);
        tk::Window& w = *b.form.window();
        tk::Control* frame = w.find(QStringLiteral("Frame1"));
        w.giveFocus(*b.form.Key[2]);
        b.form.log.clear();
        frame->setEnabled(false);
        QVERIFY(b.form.Key[2]->isEnabled() && !w.canTakeFocus(*b.form.Key[2]));
        QCOMPARE(w.focusedControl(), b.form.Key[2]);
        type(w.window(), Qt::Key_Return);
        hold(w.window(), Qt::Key_Return, 3);
        QVERIFY(b.form.log.isEmpty());
        QVERIFY(!w.giveFocus(*b.form.Key[1]));
        walkFocus(&w, {{Qt::Key_Tab, b.form.Key[0]}});
        QCOMPARE(b.form.log.mid(0, 2), QStringList({"LostFocus 2", "GotFocus 0"}));

        frame->setEnabled(true);
        w.giveFocus(*b.form.Key[1]);
        frame->setEnabled(false);
        walkFocus(&w, {{Qt::Key_7, b.form.Key[0]}});
        frame->setEnabled(true);
        w.giveFocus(*b.form.Key[1]);
        frame->setEnabled(false);
        frame->setEnabled(true);
        b.form.log.clear();
        type(w.window(), Qt::Key_Space);
        QCOMPARE(b.form.log, QStringList({"KeyDown 1 32", "KeyPress 1 32", "KeyUp 1"}));
    }

    // A press that disables its own key still ends with MouseUp, so the key springs back.
    void pressThatDisablesItsKeyStillGetsTheRelease()
    {
        Bench b(Bench::Shown);
        b.form.disableOnPress = true;
        click(*b.form.Key[0]);
        QVERIFY(b.form.log.contains(QStringLiteral("MouseDown 0")));
        QVERIFY(b.form.log.contains(QStringLiteral("MouseUp 0")));
        QVERIFY(!b.form.Key[0]->isEnabled());
        // A disabled key receives no press at all.
        b.form.log.clear();
        mouseDown(*b.form.Key[0]);
        QVERIFY(!b.form.log.contains(QStringLiteral("MouseDown 0")));
    }

    // A button still held when its window went leaves Qt believing it is down; a later press on a
    // key must still end with that key's MouseUp (found by the monkey, seed 3).
    void releaseReachesTheKeyDespiteAStaleButton()
    {
        Bench b(Bench::Shown);
        QWidget* cover = b.form.window()->find(QStringLiteral("Cover"))->widget();
        QTest::mousePress(b.form.window()->windowHandle(), Qt::RightButton, {}, cover->geometry().center());
        b.form.unload();
        settle();
        b.other.show();
        QVERIFY(QTest::qWaitForWindowExposed(b.other.window()));
        b.other.log.clear();
        click(*b.other.Key[1]);
        QVERIFY(b.other.log.contains(QStringLiteral("MouseDown 1")));
        QVERIFY(b.other.log.contains(QStringLiteral("MouseUp 1")));
        QTest::mouseRelease(b.other.window()->windowHandle(), Qt::RightButton, {}, QPoint(1, 1));
    }

    // On a touch screen a tap acts as a click: once, on the key or the picture tapped.
    void aTapIsOneClick()
    {
        Bench b(Bench::Shown);
        static QPointingDevice* screen = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
        QPixmap picture(20, 20);
        picture.fill(Qt::green);
        b.form.Cell[3]->setPicture(picture);
        for (tk::Control* c : {static_cast<tk::Control*>(b.form.Key[1]), static_cast<tk::Control*>(b.form.Cell[3])}) {
            const QPoint at = c->widget()->mapTo(b.form.window(), c->widget()->rect().center());
            QTest::touchEvent(b.form.window(), screen).press(0, at);
            QTest::touchEvent(b.form.window(), screen).release(0, at);
            settle();
        }
        QCOMPARE(b.form.log, QStringList({"LostFocus 0", "GotFocus 1", "MouseDown 1", "MouseUp 1", "Click 3"}));
    }

    // Windowed controls lie above light ones of the same container, whatever the table says;
    // within each kind, the control listed first is in front.
    void stacking()
    {
        Bench b(Bench::Shown);
        tk::Window& w = *b.form.window();
        QWidget* key0 = b.form.Key[0]->widget();
        QCOMPARE(w.childAt(key0->geometry().center()), key0);  // the label listed before it is below
        const QList<QObject*> order = w.children();
        QWidget* frame = w.find(QStringLiteral("Frame1"))->widget();
        // Qt stacks later siblings in front.
        QVERIFY(order.indexOf(frame) > order.indexOf(key0));  // the frame is listed first: in front
        QWidget* cover = w.find(QStringLiteral("Cover"))->widget();
        QVERIFY(order.indexOf(cover) < order.indexOf(key0));
    }

    // A picture shows at its own size from the cell's corner, the top-right one right to left: the
    // cell grows to hold it, to the right or to the left, never scales it; a click on it is a Click.
    void imagesShowPicturesAtTheirOwnSize_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("left to right") << Qt::LeftToRight;
        QTest::newRow("right to left") << Qt::RightToLeft;
    }
    void imagesShowPicturesAtTheirOwnSize()
    {
        QFETCH(Qt::LayoutDirection, direction);
        QGuiApplication::setLayoutDirection(direction);
        const auto restore = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
        Bench b(Bench::Shown);
        tk::Image& cell = *b.form.Cell[3];
        const int width = b.form.window()->width();
        // Where the cell's left edge is at 4500 twips, 300 pixels, from the window's left or right side.
        const auto left = [&](int w) { return direction == Qt::LeftToRight ? 300 : width - 300 - w; };
        QPixmap picture(48, 60);
        picture.fill(Qt::green);
        cell.setPicture(picture);
        QCOMPARE(cell.widget()->geometry(), QRect(left(48), 300, 48, 60));
        QCOMPARE(cell.width(), 300.0);
        cell.move(cell.left(), cell.top(), 1500, 300);
        QCOMPARE(cell.widget()->geometry(), QRect(left(100), 300, 100, 60));
        const QImage shown = cell.widget()->grab().toImage();
        const int near = direction == Qt::LeftToRight ? 0 : 99, far = 99 - near;
        QCOMPARE(shown.pixelColor(near, 30), QColor(Qt::green));
        QVERIFY(shown.pixelColor(far, 30) != QColor(Qt::green));
        b.form.log.clear();
        click(cell);
        QCOMPARE(b.form.log, QStringList({"Click 3"}));
        cell.setPicture(QPixmap());
        QCOMPARE(cell.widget()->size(), QSize(100, 20));
    }

    // Arrays keep their real indices; a gap or an index the design lacks is not a member.
    void controlArraysKeepRealIndices()
    {
        Bench b;
        b.form.load();
        QCOMPARE(b.form.Cell.lowerBound(), 3);
        QCOMPARE(b.form.Cell.upperBound(), 5);
        QVERIFY(b.form.Cell.has(3) && b.form.Cell.has(5));
        QVERIFY(!b.form.Cell.has(4) && !b.form.Cell.has(0) && !b.form.Cell.has(6));
        QCOMPARE(b.form.Key[2]->caption(), QStringLiteral("Two"));
    }

    // Unloading runs Unload, then the window goes while the form and its variables stay; loading
    // again builds a fresh window and runs Load again.
    void unloadKeepsTheFormAndLoadRunsAgain()
    {
        Bench b;
        b.form.show();
        QPointer<tk::Window> first = b.form.window();
        b.form.unload();
        QVERIFY(!b.form.isLoaded());
        QVERIFY(!b.form.Key.isBound());
        settle();
        QVERIFY(first.isNull());
        b.form.show();
        QCOMPARE(b.form.log.count(QStringLiteral("Load")), 2);
        QCOMPARE(b.form.log.count(QStringLiteral("Unload")), 1);
    }

    // Each value has 24 random bits: never 1, and the whole part of r * n never reaches n.
    void drawsStayInRange()
    {
        tk::SeededRandom a, b;
        QCOMPARE(a.next(), b.next());  // the same fixed state at start
        a.seed(123.25f);
        b.seed(123.25f);
        for (int i = 0; i < 100000; ++i) {
            const float r = a.next();
            QCOMPARE(r, b.next());
            QVERIFY(r >= 0.0f && r < 1.0f);
        }
        ScriptedRandom s;
        s.script = {0.99999994f, 0.0f};
        QCOMPARE(tk::draw(s, 23), 23);
        QCOMPARE(tk::draw(s, 23), 1);
    }

    // The voice connects with the first word: to a voice of the program's language, with or without
    // a region; without one, or without a service, it says so once, with the service's own words.
    void voiceForTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("voices");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("report");
        const QStringList said{"open", "voices", "language de", "cancel", "eins"};
        const QStringList none{"open", "voices", "close"};
        QTest::newRow("its own") << "de" << QStringList{"en", "de"} << true << said << "";
        QTest::newRow("with a region") << "de" << QStringList{"en", "de-AT"} << true << said << "";
        QTest::newRow("another") << "it" << QStringList{"en", "de-AT"} << true << none << "Missing NoVoice";
        QTest::newRow("a longer code") << "fi" << QStringList{"fil"} << true << none << "Missing NoVoice";
        QTest::newRow("none at all") << "de" << QStringList{} << true << none << "Missing NoVoice";
        QTest::newRow("no service") << "de" << QStringList{"de"} << false << QStringList{"open"}
                                    << "Missing NoService: Can't connect. Autospawn failed";
    }
    void voiceForTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, voices);
        QFETCH(bool, opens);
        QFETCH(QStringList, calls);
        QFETCH(QString, report);
        auto service = std::make_shared<FakeService>();
        service->voices.clear();
        for (const QString& v : voices)
            service->voices.push_back(v.toStdString());
        service->opens = opens;
        service->whyNot = "Can't connect.\n Autospawn failed\n";
        FakeTime time;
        VoiceReports reports;
        tk::VoiceEngine engine(language.toStdString(), reports.report(), std::make_unique<FakeBackend>(service),
                               time.now());
        engine.handle({tk::VoiceRequest::Say, "eins", time.at(0)});
        engine.handle({tk::VoiceRequest::Say, "eins", time.at(0)});  // told once, and tried once
        QCOMPARE(service->log(), report.isEmpty() ? calls + QStringList({"cancel", "eins"}) : calls);
        QCOMPARE(reports.lines, report.isEmpty() ? QStringList() : QStringList{report});
    }

    // A service's reason of any length is told on one line of bounded length, with its start and end.
    void aLongReasonIsShortened()
    {
        auto service = std::make_shared<FakeService>();
        service->opens = false;
        service->whyNot = "Can't connect.\n" + std::string(100000, 'x') + "\nMismatch in socket names.\n";
        FakeTime time;
        VoiceReports reports;
        tk::VoiceEngine engine("it", reports.report(), std::make_unique<FakeBackend>(service), time.now());
        engine.handle({tk::VoiceRequest::Say, "uno", time.at(0)});
        QCOMPARE(reports.lines.size(), 1);
        QVERIFY(reports.lines[0].startsWith(QStringLiteral("Missing NoService: Can't connect. xxx")));
        QVERIFY(reports.lines[0].endsWith(QStringLiteral("xxx Mismatch in socket names.")));
        QVERIFY(reports.lines[0].size() < 1000);
    }

    // After a failure, the service is tried again 3 s later at the soonest. A connection that
    // breaks is tried again at once, for the word in hand, and the loss is told with what came of
    // that. A word that waited more than 3 s is not said.
    void voiceReconnects()
    {
        auto service = std::make_shared<FakeService>();
        service->opens = false;
        service->whyNot = "gone";
        FakeTime time;
        VoiceReports reports;
        tk::VoiceEngine engine("it", reports.report(), std::make_unique<FakeBackend>(service), time.now());
        auto sayAt = [&](int ms, const char* word, int askedAt = -1) {
            time.ms = ms;
            engine.handle({tk::VoiceRequest::Say, word, time.at(askedAt < 0 ? ms : askedAt)});
        };
        sayAt(0, "uno");
        sayAt(2999, "due");
        QCOMPARE(service->log(), QStringList({"open"}));
        sayAt(3000, "tre");
        service->opens = true;
        sayAt(5999, "quattro");
        QCOMPARE(service->log(), QStringList({"open", "open"}));
        sayAt(6000, "cinque");
        QCOMPARE(service->log().mid(2), QStringList({"open", "voices", "language it", "cancel", "cinque"}));
        QCOMPARE(reports.lines, QStringList({"Missing NoService: gone", "Back"}));

        // Restarted: the word is said on a fresh connection.
        service->breaks = 1;
        sayAt(7000, "sei");
        QCOMPARE(service->log().mid(7),
                 QStringList({"cancel", "close", "open", "voices", "language it", "cancel", "sei"}));
        sayAt(11000, "sette", 8000);
        sayAt(11000, "otto", 7999);
        QCOMPARE(service->log().mid(14), QStringList({"cancel", "sette"}));

        // Gone for good: the reason is the fresh connection's.
        service->breaks = 1;
        service->opens = false;
        sayAt(12000, "nove");
        sayAt(14999, "dieci");
        QCOMPARE(service->log().mid(16), QStringList({"cancel", "close", "open"}));
        QCOMPARE(reports.lines, QStringList({"Missing NoService: gone", "Back", "Lost Stopped", "Back",
                                             "Lost NoService: gone"}));
    }

    // A word waiting while the service is busy gives way to a newer one, and saying never waits
    // for the service.
    void aWaitingWordGivesWay()
    {
        auto service = std::make_shared<FakeService>();
        service->hold = true;
        FakeTime time;
        VoiceReports reports;
        tk::DesktopVoice voice(QStringLiteral("it"), reports.report(), std::make_unique<FakeBackend>(service),
                               time.now());
        voice.say(QStringLiteral("uno"));
        QTRY_VERIFY(service->log().contains(QStringLiteral("uno")));
        voice.say(QStringLiteral("due"));
        voice.say(QStringLiteral("tre"));
        service->release();
        QTRY_COMPARE(service->log(), QStringList({"open", "voices", "language it", "cancel", "uno", "cancel", "tre"}));
        QCOMPARE(reports.lines, QStringList());
    }

    void twipsToPixels()
    {
        QCOMPARE(tk::toPixels(15), 1);
        QCOMPARE(tk::toPixels(492), 33);
        QCOMPARE(tk::toPixels(7), 0);
        QCOMPARE(tk::toPixels(8), 1);
        QCOMPARE(tk::toPixels(11880), 792);
    }
};

QTEST_MAIN(Toolkit)
#include "test_toolkit.moc"
