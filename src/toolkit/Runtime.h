#pragma once
// What every window of a program shares: the services, the keyboard, whether a screen reader is at
// work, which window is the active one, and the one place where an event of the program's is
// raised. Focus events wait for the end of the event in hand, as the classic toolkits queue them.

#include "Keyboard.h"
#include "ScreenReader.h"
#include "Services.h"

#include <QPointer>

#include <optional>
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
    Speech& speech() const { return voice_; }
    // Whether the event in hand has said something already: a key's name must not cut it short.
    bool saidThisEvent() const { return voice_.said != saidBeforeEvent_; }
    Keyboard& keyboard() { return keyboard_; }
    ScreenReader& screenReader() { return screenReader_; }
    const ScreenReader& screenReader() const { return screenReader_; }

    // Tests drive timers by hand: enabled timers then never start a system timer.
    bool manualTimers() const { return manualTimers_; }
    void setManualTimers(bool manual) { manualTimers_ = manual; }

    // Switch access: every window's focus steps by itself every `period` seconds, and one switch
    // runs the key it is on. Set before any window is built; off by default.
    std::optional<double> scanPeriod() const { return scanPeriod_; }
    void setScanPeriod(std::optional<double> seconds) { scanPeriod_ = seconds; }
    bool isScanning() const { return scanPeriod_.has_value(); }

    // The window the program last made active; Activate fires only when this changes.
    Form* activeForm() const { return activeForm_; }
    void activate(Form& form);
    void forget(Form& form);

    // Runs one event's handling. Events raised inside it nest; the focus settles once the
    // outermost is over.
    template <class Handling>
    void raise(const Handling& handling)
    {
        if (depth_++ == 0)
            saidBeforeEvent_ = voice_.said;
        handling();
        if (--depth_ == 0)
            endOfEvent();
    }

    // The window's focus settles at the end of the event in hand, or now between events.
    void settleFocusLater(Window& window);

private:
    void endOfEvent();

    // The program's voice, counting what it is asked to say.
    class CountedSpeech final : public Speech {
    public:
        explicit CountedSpeech(Speech& to) : to_(to) {}
        void say(const QString& text) override
        {
            ++said;
            to_.say(text);
        }
        void stop() override { to_.stop(); }
        quint64 said = 0;

    private:
        Speech& to_;
    };

    Clock& clock_;
    Random& random_;
    mutable CountedSpeech voice_;
    quint64 saidBeforeEvent_ = 0;
    std::optional<double> scanPeriod_;
    Keyboard keyboard_;
    ScreenReader screenReader_;
    bool manualTimers_ = false;
    Form* activeForm_ = nullptr;
    int depth_ = 0;
    std::vector<QPointer<Window>> unsettled_;
};

} // namespace tk
