#pragma once
// The widgets behind the controls: each turns Qt's input into its control's classic events and
// paints the control from its settings.

#include <QWidget>

namespace tk {

class Control;

class ControlWidget : public QWidget {
public:
    Control& control() const { return control_; }
    // A left click without the mouse, as a screen reader or a switch presses: the same events
    // as a mouse click, and nothing on a control the mouse could not click.
    virtual void click() {}

protected:
    ControlWidget(Control& control, QWidget* parent) : QWidget(parent), control_(control) {}

private:
    Control& control_;
};

// The widget for a control of any kind but the timer, as a child of the parent given.
ControlWidget* createWidget(Control& control, QWidget* parent);

} // namespace tk
