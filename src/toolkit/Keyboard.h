#pragma once
// Which keys are held down, as the program sees them. A key held down is one press followed by
// repeats, whatever the window system reports: Qt on X11 flags a repeat only when it happens to
// see the repeat's press already queued, so other repeats arrive as a plain release and press
// sharing one timestamp; with detectable auto-repeat, X11 sends presses only; Wayland repeats are
// flagged. So a press of a key already down is a repeat, and a release is held back until the
// next key event (or a few milliseconds) shows whether it was the first half of such a pair.

#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <map>
#include <optional>

namespace tk {

class Keyboard {
public:
    enum class Press {
        First,    // a new press
        Repeat,   // the key is held: this window saw its first press
        Dropped,  // the key is held, but its first press went to another window or program
    };

    Keyboard();
    Keyboard(const Keyboard&) = delete;
    Keyboard& operator=(const Keyboard&) = delete;

    // A key event reaching a window (any QObject that stands for one).
    Press press(const QObject& window, const QKeyEvent& event);
    // `released` is called once the release is known to be real, unless the window is gone by then.
    void release(const QObject& window, const QKeyEvent& event, std::function<void()> released);
    // Settles a held-back release now, as if the wait were over.
    void flush();
    // A window became the active one: keys another window saw go down and that are no longer held
    // (their release went nowhere, as when that window hid before it came) are forgotten. Keys
    // still held stay: X11 goes on repeating them into the new window.
    void windowActivated(const QObject& window);

    // Asks the X server, where there is one, to report a held key as presses only.
    static bool enableDetectableAutoRepeat();

private:
    struct Release {
        quint32 key;
        quint64 time;
        QPointer<const QObject> window;
        std::function<void()> released;
    };

    std::map<quint32, QPointer<const QObject>> down_;  // each held key, with the window its press went to
    std::optional<Release> pending_;
    QTimer wait_;
};

} // namespace tk
