#pragma once
// Switch access. In scanning mode a window's focus steps by itself, once a period, along the row of
// keys it is on, with the space walk's rule: the next key of the same array that can take the
// focus, wrapping after the last. From a key stranded in a disabled frame it goes where space goes,
// to the first available key. A switch press, and any focus move the scan did not make, start a
// full period again. The scan runs only while its window is the active one.

#include <QTimer>

namespace tk {

class Control;
class Focus;
class Window;

class Scan {
public:
    // A press this soon after a step was begun for the key just left: a person's reaction to the
    // new key takes longer than this, a child's with a motor disability much longer.
    static constexpr double graceSeconds = 0.3;

    Scan(Window& window, Focus& focus);
    Scan(const Scan&) = delete;
    Scan& operator=(const Scan&) = delete;

    bool isOn() const;
    double period() const;
    // Steps are due: the window is the active one.
    bool isRunning() const { return running_; }
    void setActive(bool active);

    // The timer's tick: a step once the period is over. Tests tick by hand, the clock moved on.
    void tick();
    // The focus has moved; unless the scan moved it, a full period starts.
    void focusMoved();
    // A switch press: the key it counts for (within the grace time, the key the last step left);
    // a full period starts.
    Control* pressed();

private:
    double now() const;
    void restart();
    void schedule();
    void step();
    Control* nextInRow(Control& from) const;

    Window& window_;
    Focus& focus_;
    QTimer timer_;
    bool running_ = false;
    bool stepping_ = false;
    double due_ = 0;
    Control* left_ = nullptr;  // the key the last step left, while a press may still count for it
    double steppedAt_ = 0;
};

} // namespace tk
