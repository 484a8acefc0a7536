#include "Input.h"

#include "Controls.h"
#include "Painting.h"
#include "Window.h"

#include <QMouseEvent>

namespace tk {

namespace {

class FrameWidget final : public ControlWidget {
public:
    FrameWidget(Frame& frame, QWidget* parent) : ControlWidget(frame, parent), frame_(frame) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        paintFrame(p, rect(), frame_);
    }

private:
    const Frame& frame_;
};

class LabelWidget final : public ControlWidget {
public:
    LabelWidget(Label& label, QWidget* parent) : ControlWidget(label, parent), label_(label) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        paintLabel(p, rect(), label_);
    }

private:
    const Label& label_;
};

// Keys go to the window, which knows which control has the focus and what a held key is. A mouse
// press is MouseDown at once, and its release MouseUp on the same key.
class ButtonWidget final : public ControlWidget {
public:
    ButtonWidget(OptionButton& button, QWidget* parent)
        : ControlWidget(button, parent), button_(button), window_(button.window())
    {
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    bool event(QEvent* event) override
    {
        // A press ends with its release even when the press disabled the key: no key stays held down.
        if (event->type() == QEvent::MouseButtonRelease && !isEnabled()) {
            mouseReleaseEvent(static_cast<QMouseEvent*>(event));
            return true;
        }
        return window_.focus().handleTab(*event) || QWidget::event(event);
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        paintButton(p, *this, button_, window_.focusedControl() == &button_, window_.runtime().isScanning());
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        event->accept();
        window_.focus().handleKeyPress(*event);
    }

    void keyReleaseEvent(QKeyEvent* event) override
    {
        event->accept();
        window_.focus().handleKeyRelease(*event);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        event->accept();
        if (window_.isDetached())
            return;
        // The release belongs to the key the press went to, whatever Qt believes about other
        // buttons still held (a button held while its window closed leaves a stale state behind).
        if (!grabbing_) {
            grabMouse();
            grabbing_ = event->button();
        }
        pressed(event->button());
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        event->accept();
        if (event->button() == grabbing_)
            letGo();
        released();
    }

    void click() override
    {
        if (!isEnabled() || window_.isDetached())
            return;
        pressed(Qt::LeftButton);
        released();
    }

    void hideEvent(QHideEvent*) override { letGo(); }
    void focusInEvent(QFocusEvent*) override { window_.focus().mayHaveMoved(); }
    void focusOutEvent(QFocusEvent*) override { window_.focus().mayHaveMoved(); }

private:
    void pressed(Qt::MouseButton button)
    {
        if (button == Qt::LeftButton)
            button_.setSelected(true);
        window_.raise(button_.on.mouseDown, button_.index());
    }

    void released() { window_.raise(button_.on.mouseUp, button_.index()); }

    void letGo()
    {
        if (grabbing_) {
            grabbing_ = Qt::NoButton;
            releaseMouse();
        }
    }

    OptionButton& button_;
    Window& window_;
    Qt::MouseButton grabbing_ = Qt::NoButton;
};

// A left press and release on the picture is a Click.
class ImageWidget final : public ControlWidget {
public:
    ImageWidget(Image& image, QWidget* parent) : ControlWidget(image, parent), image_(image) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        paintImage(p, rect(), image_);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        event->accept();
        pressed_ = event->button() == Qt::LeftButton;
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        event->accept();
        const bool clicked =
            pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
        pressed_ = false;
        if (clicked)
            click();
    }

    void click() override
    {
        if (isVisible() && isEnabled())
            image_.window().raise(image_.on.click, image_.index());
    }

private:
    Image& image_;
    bool pressed_ = false;
};

// A press on a panel stops there: nothing beneath it is reached.
class PanelWidget final : public ControlWidget {
public:
    PanelWidget(Panel& panel, QWidget* parent) : ControlWidget(panel, parent), panel_(panel) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        paintPanel(p, rect(), panel_);
    }
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }

private:
    const Panel& panel_;
};

// Presses go through a shape to whatever lies beneath it.
class ShapeWidget final : public ControlWidget {
public:
    ShapeWidget(Shape& shape, QWidget* parent) : ControlWidget(shape, parent), shape_(shape)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        paintShape(p, rect(), shape_);
    }

private:
    const Shape& shape_;
};

} // namespace

ControlWidget* createWidget(Control& control, QWidget* parent)
{
    switch (control.kind()) {
    case Kind::Frame: return new FrameWidget(static_cast<Frame&>(control), parent);
    case Kind::Label: return new LabelWidget(static_cast<Label&>(control), parent);
    case Kind::OptionButton: return new ButtonWidget(static_cast<OptionButton&>(control), parent);
    case Kind::Image: return new ImageWidget(static_cast<Image&>(control), parent);
    case Kind::Panel: return new PanelWidget(static_cast<Panel&>(control), parent);
    case Kind::Shape: return new ShapeWidget(static_cast<Shape&>(control), parent);
    case Kind::Timer: break;
    }
    Q_UNREACHABLE();
}

} // namespace tk
