#pragma once
// What every window of a program shares: the services, the keyboard, whether a screen reader is at
// work, which window is the active one, and the one place where an event of the program's is
// raised. Focus events wait for the end of the event in hand, as the classic toolkits queue them.

#include "Keyboard.h"
#include "ScreenReader.h"
#include "Services.h"

#include <QPointer>

#include <vector>

namespace tk {

class Form;
class Window;

class Runtime {
public:
    Runtime(Clock& clock, Random& random, Speech& speech);
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    Clock& clock() const { return clock_; }
    Random& random() const { return random_; }
    Speech& speech() const { return speech_; }
    Keyboard& keyboard() { return keyboard_; }
    ScreenReader& screenReader() { return screenReader_; }
    const ScreenReader& screenReader() const { return screenReader_; }

    // Tests drive timers by hand: enabled timers then never start a system timer.
    bool manualTimers() const { return manualTimers_; }
    void setManualTimers(bool manual) { manualTimers_ = manual; }

    // The window the program last made active; Activate fires only when this changes.
    Form* activeForm() const { return activeForm_; }
    void activate(Form& form);
    void forget(Form& form);

    // Runs one event's handling. Events raised inside it nest; the focus settles once the
    // outermost is over.
    template <class Handling>
    void raise(const Handling& handling)
    {
        ++depth_;
        handling();
        if (--depth_ == 0)
            endOfEvent();
    }

    // The window's focus settles at the end of the event in hand, or now between events.
    void settleFocusLater(Window& window);

private:
    void endOfEvent();

    Clock& clock_;
    Random& random_;
    Speech& speech_;
    Keyboard keyboard_;
    ScreenReader screenReader_;
    bool manualTimers_ = false;
    Form* activeForm_ = nullptr;
    int depth_ = 0;
    std::vector<QPointer<Window>> unsettled_;
};

} // namespace tk
