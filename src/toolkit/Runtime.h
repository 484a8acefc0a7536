#pragma once
// What every window of a program shares: the services, which window is the active one,
// and the scope of one event, at whose end focus left on an unusable control is moved on.

#include "Keyboard.h"
#include "Services.h"

#include <QPointer>

#include <vector>

namespace tk {

class Form;
class Window;

class Runtime {
public:
    Runtime(Clock& clock, Random& random);
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    Clock& clock() const { return clock_; }
    Random& random() const { return random_; }
    Keyboard& keyboard() { return keyboard_; }

    // Tests drive timers by hand: enabled timers then never start a system timer.
    bool manualTimers() const { return manualTimers_; }
    void setManualTimers(bool manual) { manualTimers_ = manual; }

    // The window the program last made active; Activate fires only when this changes.
    Form* activeForm() const { return activeForm_; }
    void activate(Form& form);
    void forget(Form& form);

    // Marks one event being handled; scopes nest.
    class Scope {
    public:
        explicit Scope(Runtime& runtime);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        Runtime& runtime_;
    };

    // Focus is checked once the event is handled, not after every enable or hide inside it.
    void requestFocusRepair(Window& window);

private:
    void endOfEvent();

    Clock& clock_;
    Random& random_;
    Keyboard keyboard_;
    bool manualTimers_ = false;
    Form* activeForm_ = nullptr;
    int depth_ = 0;
    std::vector<QPointer<Window>> pendingRepairs_;
};

} // namespace tk
