#pragma once
// A top-level window built from a layout table. It keeps the collection of all its controls, owns
// the routing of its focus and keys (Focus), and raises every event of the program's.

#include "Controls.h"
#include "Focus.h"
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

    // Where the focus rests and where keys go.
    Focus& focus() { return focus_; }
    const Focus& focus() const { return focus_; }
    // The control that holds the focus within this window, whether or not the window is active.
    Control* focusedControl() const { return focus_.focusedControl(); }
    // Gives the focus to a control that can take it; returns false otherwise.
    bool giveFocus(Control& control) { return focus_.giveFocus(control); }
    bool canTakeFocus(const Control& control) const { return focus_.canTakeFocus(control); }
    const std::vector<Control*>& tabOrder() const { return focus_.tabOrder(); }
    bool isStranded() const { return focus_.isStranded(); }

    // Counts the changes that can alter what assistive technologies see of the window or its
    // reading order (Accessibility.cpp): a control added, removed, moved, or exposing more or less.
    unsigned accessibleRevision() const { return accessibleRevision_; }
    void accessibleTreeChanged() { ++accessibleRevision_; }

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
    // In scanning mode: every mouse button, anywhere in the window, is the switch.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class Focus;  // Tab moves the focus as Qt's own chain has it
    void build();
    std::unique_ptr<Control> create(const ControlSpec& spec, Control* container);
    void stack();

    Runtime& runtime_;
    const WindowSpec& spec_;
    WindowHost& host_;
    QColor back_;
    std::vector<std::unique_ptr<Control>> owned_;
    std::vector<Control*> controls_;
    Focus focus_{*this};
    double scale_ = 1;
    unsigned accessibleRevision_ = 0;
    bool detached_ = false;
    bool mouseSwitchDown_ = false;
};

} // namespace tk
