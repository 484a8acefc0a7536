#include "Drive.h"

#include "app/Lingua.h"
#include "toolkit/Window.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QSvgRenderer>
#include <QTranslator>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>


namespace drive {

float ScriptedRandom::next()
{
    ++draws;
    if (!script.empty()) {
        const float value = script.front();
        script.pop_front();
        return value;
    }
    return real_.next();
}

void ScriptedRandom::seed(float value)
{
    seeds.append(value);
    real_.seed(value);
}

void ScriptedRandom::queueDraw(int k, int n)
{
    script.push_back((static_cast<float>(k) - 0.5f) / static_cast<float>(n));
}

namespace {
QtMessageHandler testlibHandler = nullptr;

// The offscreen platform cannot grab the mouse and says so at every press on a key; Qt's own
// grab still works, so the warning is noise in these tests.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support grabbing")))
        return;
    testlibHandler(type, context, message);
}

QString language;
} // namespace

void useLanguage(const QString& code)
{
    language = code;
    static QTranslator translator;
    QCoreApplication::removeTranslator(&translator);
    if (!lingua::carica(translator, code))
        qFatal("no language %s", qPrintable(code));
    QCoreApplication::installTranslator(&translator);
}

TestProgram::TestProgram(Start when, float timeOfDay)
{
    clock.now = timeOfDay;
    if (!testlibHandler)
        testlibHandler = qInstallMessageHandler(quietHandler);
    if (language.isEmpty())
        useLanguage(QStringLiteral("it"));
    program = std::make_unique<Programma>(clock, random, voice, language);
    program->runtime().setManualTimers(true);
    if (when != Start::Later)
        start(when == Start::Open);
}

TestProgram::~TestProgram()
{
    program.reset();
    settle();
}

void TestProgram::start(bool curtain)
{
    program->avvia();
    QWidget* window = program->frmInizio().window();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    settle();
    if (curtain)
        openCurtain();
}

void TestProgram::openCurtain()
{
    FrmInizio& inizio = program->frmInizio();
    for (int tick = 0; tick < 10000 && inizio.timerTendine->isEnabled(); ++tick)
        inizio.timerTendine->tick();
    QVERIFY(inizio.tendinaAperta());
}

void TestProgram::choose(int exercise, int maximum)
{
    FrmInizio& inizio = program->frmInizio();
    click(*inizio.Option1[exercise - 1]);
    click(*inizio.Option2[maximum == 5 ? 0 : maximum == 10 ? 1 : 2]);
}

void TestProgram::openExercise(int exercise, int maximum)
{
    choose(exercise, maximum);
    click(*program->frmInizio().Option3[0]);
    tk::Form& form = this->exercise(exercise);
    QVERIFY(form.isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(form.window()));
}

void TestProgram::queueSet1(int figura, int count, int maximum, std::initializer_list<int> places)
{
    random.queueDraw(figura, 12);
    random.queueDraw(count, maximum);
    for (int p : places)
        random.queueDraw(p, 23);
}

void TestProgram::queueSet2(int kind, int count, int maximum, int figura)
{
    random.queueDraw(kind, 4);
    random.queueDraw(count, maximum);
    random.queueDraw(figura, 12);
}

frmOperativo1& TestProgram::openExercise1(int maximum, int kind, int figura, int count,
                                          std::initializer_list<int> places)
{
    random.queueDraw(kind, 4);
    queueSet1(figura, count, maximum, places);
    openExercise(1, maximum);
    return program->operativo1();
}

FrmOperativo2& TestProgram::openExercise2(int maximum, int kind, int count, int figura)
{
    queueSet2(kind, count, maximum, figura);
    openExercise(2, maximum);
    return program->operativo2();
}

void TestProgram::nextSet1(int figura, int count, int maximum, std::initializer_list<int> places)
{
    queueSet1(figura, count, maximum, places);
    click(*program->operativo1().Option1[FinestraEsercizio::Avanti]);
}

void TestProgram::nextSet2(int kind, int count, int maximum, int figura)
{
    queueSet2(kind, count, maximum, figura);
    click(*program->operativo2().Option1[FinestraEsercizio::Avanti]);
}

void TestProgram::scanAfter(tk::Form& form, double seconds)
{
    clock.advance(static_cast<float>(seconds));
    QVERIFY(form.window());
    form.window()->focus().scan().tick();
}

QWidget* TestProgram::visibleWindow() const
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            return w;
    return nullptr;
}

FinestraEsercizio& TestProgram::exercise(int n)
{
    return n == 1 ? static_cast<FinestraEsercizio&>(program->operativo1()) : program->operativo2();
}

int picturesShown(tk::ControlArray<tk::Image>& places)
{
    int n = 0;
    for (int k = 0; k <= 23; ++k)
        n += places[k]->isVisible() && !places[k]->picture().isNull();
    return n;
}

QList<int> objectPlaces(frmOperativo1& f)
{
    QList<int> places;
    for (int k = 0; k <= 23; ++k)
        if (f.Image2[k]->isVisible())
            places << k;
    return places;
}

QStringList symbols(FrmOperativo2& f)
{
    QStringList shown;
    for (int k = 1; k <= 20; ++k)
        shown << f.Label2[k]->caption();
    return shown;
}

QImage drawing(const QString& name)
{
    QSvgRenderer source(QStringLiteral(":/figure/svg/%1.svg").arg(name));
    QImage image(source.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    source.render(&p);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString textFor(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier))
        return {};
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return QString(QChar('0' + (key - Qt::Key_0)));
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const QChar c('a' + (key - Qt::Key_A));
        return modifiers & Qt::ShiftModifier ? QString(c.toUpper()) : QString(c);
    }
    static const std::pair<Qt::Key, const char*> texts[] = {
        {Qt::Key_Space, " "}, {Qt::Key_Return, "\r"}, {Qt::Key_Enter, "\r"}, {Qt::Key_Escape, "\x1b"},
        {Qt::Key_Tab, "\t"}, {Qt::Key_Backspace, "\b"}, {Qt::Key_Plus, "+"}, {Qt::Key_Minus, "-"},
        {Qt::Key_Period, "."}, {Qt::Key_Comma, ","}, {Qt::Key_Asterisk, "*"}, {Qt::Key_Slash, "/"}};
    for (const auto& [k, text] : texts)
        if (k == key)
            return QString::fromLatin1(text);
    return {};
}

namespace {

quint64 eventTime = 1000;

void deliver(QWidget* window, QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text,
             quint32 scanCode, bool autoRepeat, quint64 time)
{
    QVERIFY(window);
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QKeyEvent event(type, key, modifiers, scanCode, 0, 0, text, autoRepeat);
    event.setTimestamp(time);
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::instance()->notify(target, &event);
}

// The XKB keycode of a digit-row key (1 to 9, then 0), or 0.
quint32 scanCodeFor(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (key < Qt::Key_0 || key > Qt::Key_9 || modifiers.testFlag(Qt::KeypadModifier))
        return 0;
    return key == Qt::Key_0 ? 19 : 9 + static_cast<quint32>(key - Qt::Key_0);
}

void key(QWidget* window, QEvent::Type type, Qt::Key k, Qt::KeyboardModifiers modifiers, bool autoRepeat,
         quint64 time)
{
    deliver(window, type, k, modifiers, textFor(k, modifiers), scanCodeFor(k, modifiers), autoRepeat, time);
}

// A release held back by the toolkit is settled now.
void settleRelease()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = dynamic_cast<tk::Window*>(w)) {
            window->runtime().keyboard().flush();
            return;
        }
}

} // namespace

void press(QWidget* window, Qt::Key k, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    key(window, QEvent::KeyPress, k, modifiers, autoRepeat, eventTime += 10);
}

void release(QWidget* window, Qt::Key k, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    key(window, QEvent::KeyRelease, k, modifiers, autoRepeat, eventTime += 10);
    if (!autoRepeat)
        settleRelease();
}

void sendKey(QWidget* window, QEvent::Type type, Qt::Key k, const QString& text, quint32 scanCode,
             Qt::KeyboardModifiers modifiers)
{
    deliver(window, type, k, modifiers, text, scanCode, false, eventTime += 10);
    if (type == QEvent::KeyRelease)
        settleRelease();
}

void type(QWidget* window, Qt::Key k, Qt::KeyboardModifiers modifiers)
{
    press(window, k, modifiers);
    release(window, k, modifiers);
}

void type(QWidget* window, std::initializer_list<Qt::Key> keys)
{
    for (Qt::Key k : keys)
        type(window, k);
}

void repeat(QWidget* window, Qt::Key k, Repeat how, Qt::KeyboardModifiers modifiers)
{
    eventTime += 40;
    const bool flagged = how == Repeat::Flagged;
    if (how != Repeat::PressOnly)
        key(window, QEvent::KeyRelease, k, modifiers, flagged, eventTime);
    key(window, QEvent::KeyPress, k, modifiers, flagged, eventTime);
}

void hold(QWidget* window, Qt::Key k, int repeats, Qt::KeyboardModifiers modifiers)
{
    press(window, k, modifiers);
    for (int i = 0; i < repeats; ++i)
        repeat(window, k, Repeat(i % 3), modifiers);
    release(window, k, modifiers);
}

void mouseDown(tk::Control& control, Qt::MouseButton button)
{
    QTest::mousePress(control.widget(), button, {}, control.widget()->rect().center());
}

namespace {
// The release of a press at a global position: to the pressed widget while its window is on
// screen, otherwise to whatever window is there now (the press may have closed its window).
void releaseAt(QPointer<QWidget> widget, QPoint global, Qt::MouseButton button)
{
    if (widget && widget->window()->isVisible()) {
        QTest::mouseRelease(widget, button, {}, widget->mapFromGlobal(global));
        return;
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowHandle()) {
            QTest::mouseRelease(w->windowHandle(), button, {}, w->windowHandle()->mapFromGlobal(global));
            return;
        }
}
} // namespace

void mouseUp(tk::Control& control, Qt::MouseButton button)
{
    QWidget* widget = control.widget();
    releaseAt(widget, widget->mapToGlobal(widget->rect().center()), button);
}

void click(tk::Control& control, Qt::MouseButton button)
{
    QPointer<QWidget> widget = control.widget();
    const QPoint global = widget->mapToGlobal(widget->rect().center());
    mouseDown(control, button);
    releaseAt(widget, global, button);
}

void click(std::initializer_list<tk::Control*> controls)
{
    for (tk::Control* c : controls)
        click(*c);
}

void walkFocus(tk::Window* window, std::initializer_list<FocusStep> steps)
{
    int i = 0;
    for (const FocusStep& step : steps) {
        const Row row{i++, QStringLiteral(", the key to %1(%2)").arg(step.focus->name()).arg(step.focus->index())};
        type(window, step.key, step.modifiers);
        QCOMPARE(window->focusedControl(), step.focus);
    }
}

} // namespace drive
