#pragma once
// A top-level window built from a layout table. It keeps the collection of all its controls,
// tracks which control has the focus as the program sees it, routes keys to that control, and
// raises every event of the program's.

#include "Controls.h"
#include "LayoutTable.h"
#include "Runtime.h"

#include <QWidget>

#include <memory>
#include <type_traits>
#include <vector>

namespace tk {

class WindowHost {
public:
    virtual void windowResized() = 0;
    virtual void windowCloseRequested() = 0;
    virtual void windowActivated() = 0;

protected:
    ~WindowHost() = default;
};

class Window final : public QWidget {
public:
    Window(Runtime& runtime, const WindowSpec& spec, WindowHost& host);
    ~Window() override;

    Runtime& runtime() const { return runtime_; }
    const WindowSpec& spec() const { return spec_; }

    // Every control, each array member and each control inside a frame once, in table order.
    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(const QString& name, int index = -1) const;

    // The client area in twips.
    double innerWidth() const { return width() * double(twipsPerPixel); }
    double innerHeight() const { return height() * double(twipsPerPixel); }
    // The whole window, frame included, in twips; before it is first shown, the client area.
    double outerWidth() const;
    // How much fonts and pictures are shrunk: 1 at the design size and above, else the smaller of
    // the two ratios of the client area to the design, so that what fits the design fits here.
    double scale() const { return scale_; }

    // Raises one event of the program's, in its own event scope; nothing once the window is
    // unloaded, nor when the program handles no such event.
    template <class Handler, class... Args>
    void raise(const Handler& handler, Args... args)
    {
        if constexpr (std::is_constructible_v<bool, const Handler&>) {
            if (!handler)
                return;
        }
        if (!detached_)
            runtime_.raise([&] { handler(args...); });
    }

    // The control that holds the focus within this window, whether or not the window is active.
    Control* focusedControl() const { return focused_; }
    // Gives the focus to a control that can take it; returns false otherwise.
    bool giveFocus(Control& control);
    bool canTakeFocus(const Control& control) const;
    // The controls that take the focus, in tab order.
    const std::vector<Control*>& tabOrder() const { return tabOrder_; }
    // The focused key's frame was disabled under it: the key keeps the focus but takes no keys.
    bool isStranded() const { return stranded_; }
    // Qt's focus, or what can hold it, may have changed: GotFocus and LostFocus follow once the
    // event in hand is over.
    void focusMayHaveMoved();
    // Settles the program's focus on where it can be, raising LostFocus and GotFocus.
    void settleFocus();

    // Says a control's name aloud, unless a screen reader is there to say it: what the keyboard
    // moved the focus to, for a child who cannot read yet.
    void sayName(const Control& control);

    // Keys reaching the window's widgets, turned into KeyDown/KeyPress for the focused control;
    // Tab and Shift+Tab stay the toolkit's own navigation.
    bool handleTab(const QEvent& event);
    void handleKeyPress(const QKeyEvent& event);
    void handleKeyRelease(const QKeyEvent& event);
    // A held key was really released: KeyUp for the focused control.
    void keyReleased();

    // After unloading: no more events reach the program, timers stop, the window goes.
    void detach();
    bool isDetached() const { return detached_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void build();
    std::unique_ptr<Control> create(const ControlSpec& spec, Control* container);
    void stack();
    Control* controlOf(QWidget* widget) const;
    Control* focusTarget();
    void focusFirstAvailable();

    Runtime& runtime_;
    const WindowSpec& spec_;
    WindowHost& host_;
    QColor back_;
    std::vector<std::unique_ptr<Control>> owned_;
    std::vector<Control*> controls_;
    std::vector<Control*> tabOrder_;
    Control* focused_ = nullptr;
    // The focused key's frame was disabled under it: it keeps the focus and the highlight, Qt's
    // focus rests on the window itself, and the key takes no keys.
    bool stranded_ = false;
    double scale_ = 1;
    bool detached_ = false;
};

} // namespace tk
