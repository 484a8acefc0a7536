#pragma once
// Where a window's focus rests as the program sees it, and where its keys go: the control that
// holds the focus, a key stranded when its frame was disabled under it, the tab order, the
// settling of the focus at the end of an event (GotFocus and LostFocus), Tab and Shift+Tab, and
// keys turned into KeyDown, KeyPress and KeyUp for the focused control. In scanning mode it also
// steps the focus by itself (Scan), and one switch runs the focused key.

#include "Scan.h"

#include <QKeyEvent>

#include <vector>

namespace tk {

class Control;
class Window;

class Focus {
public:
    explicit Focus(Window& window);
    Focus(const Focus&) = delete;
    Focus& operator=(const Focus&) = delete;

    // The controls that take the focus, in tab order; set once the window's controls are built.
    void setTabOrder(std::vector<Control*> order);
    const std::vector<Control*>& tabOrder() const { return tabOrder_; }

    // The control that holds the focus within the window, whether or not the window is active.
    Control* focusedControl() const { return focused_; }
    bool canTakeFocus(const Control& control) const;
    // Gives the focus to a control that can take it; returns false otherwise.
    bool giveFocus(Control& control);
    // The focused key's frame was disabled under it: it keeps the focus and the highlight, Qt's
    // focus rests on the window itself, and the key takes no keys.
    bool isStranded() const { return stranded_; }
    // Qt's focus, or what can hold it, may have changed: GotFocus and LostFocus follow once the
    // event in hand is over.
    void mayHaveMoved();
    // Settles the focus where it can be, raising LostFocus and GotFocus.
    void settle();
    // The first control in tab order that can take the focus: where space leads from a stranded key.
    Control* firstAvailable() const;

    // Says a control's name aloud, unless a screen reader is there to say it: what the keyboard
    // moved the focus to, for a child who cannot read yet. In scanning mode every move says it.
    void sayName(const Control& control);

    Scan& scan() { return scan_; }
    // In scanning mode, Enter, space and every mouse button are one switch: a press runs the key
    // the scan shows as Enter does, guards and all, and its release is a key release.
    void switchPressed();
    void switchReleased();

    // Keys reaching the window's widgets; Tab and Shift+Tab stay the toolkit's own navigation.
    bool handleTab(const QEvent& event);
    void handleKeyPress(const QKeyEvent& event);
    void handleKeyRelease(const QKeyEvent& event);

private:
    Control* controlOf(const QWidget* widget) const;
    Control* target();
    void focusFirstAvailable();
    // A held key was really released: KeyUp for the focused control.
    void keyReleased(bool fromSwitch);
    void speakName(const Control& control);

    Window& window_;
    std::vector<Control*> tabOrder_;
    Control* focused_ = nullptr;
    bool stranded_ = false;
    Scan scan_{window_, *this};
    // The key the switch pressed, until its release.
    Control* switchedKey_ = nullptr;
};

} // namespace tk
