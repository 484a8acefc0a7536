#pragma once
// The control kinds a window is built from, with their classic settings. Geometry is kept in
// twips, relative to the control's container, and turned into pixels in one place. Each control
// owns a private widget (Input.cpp) that turns Qt's input into its events and paints it from
// these settings (Painting.cpp).

#include "LayoutTable.h"

#include <QFont>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace tk {

class Window;

// The classic events of a control; each receives the control's index in its array.
struct ControlEvents {
    std::function<void(int index)> gotFocus, lostFocus, keyUp, mouseDown, mouseUp, click, timer;
    std::function<void(int index, int keyCode)> keyDown;
    std::function<void(int index, int charCode)> keyPress;
};

class Control {
public:
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Kind kind() const { return kind_; }
    const QString& name() const { return name_; }
    int index() const { return index_; }
    Control* container() const { return container_; }
    Window& window() const { return window_; }
    QWidget* widget() const { return widget_; }

    // Timers have no position or size.
    bool hasGeometry() const { return kind_ != Kind::Timer; }
    double left() const { return twips_.x(); }
    double top() const { return twips_.y(); }
    double width() const { return twips_.width(); }
    double height() const { return twips_.height(); }
    // Moves and sizes in one operation, in twips relative to the container.
    void move(double left, double top, double width, double height);
    // Only the width, as a docked panel or the curtain changes it.
    void setWidth(double width) { move(left(), top(), width, height()); }
    // Places the widget again, as after its container changed size (a docked panel keeps to its
    // edge; right to left every control keeps its distance from the container's right side); the
    // reading order may change with it.
    void relocate();

    // The control's own Enabled and Visible settings (a disabled frame leaves its keys' settings alone).
    virtual bool isEnabled() const;
    virtual void setEnabled(bool enabled);
    bool isVisible() const;
    void setVisible(bool visible);

    bool takesFocus() const { return kind_ == Kind::OptionButton; }
    int tabIndex() const { return tabIndex_; }

    // Follows the window's scale (below 1 only on a window smaller than its design): fonts and
    // pictures shrink with the layout.
    void rescale();

    // Its name aloud: the accessible name where the design gives one (a key showing a picture),
    // else its caption.
    QString spokenName() const;
    // What a screen reader calls the control, where no caption says it.
    void setAccessibleName(const QString& name);
    // What a screen reader says of the control beyond its name.
    void setAccessibleDescription(const QString& description);
    // When set, the spoken name is computed when asked (a frame telling how many things it shows).
    std::function<QString()> accessibleSummary;

    ControlEvents on;

protected:
    Control(Window& window, const ControlSpec& spec, Control* container);
    // The widget is made by the kind, as a child of parentWidget(); with a font, at the window's scale.
    void setWidget(QWidget* widget, const std::optional<FontSpec>& font = std::nullopt);
    QWidget* parentWidget() const;
    // Places the widget from the twips geometry.
    virtual void place();
    // Where every kind's place() ends: the widget at a rectangle of its container as the design has
    // it left to right, mirrored in a right-to-left window.
    void setPixelGeometry(QRect rect);
    void update();

    Window& window_;
    QRectF twips_;

private:
    Kind kind_;
    QString name_;
    int index_;
    int tabIndex_;
    Control* container_;
    const char* accessibleName_;
    QWidget* widget_ = nullptr;
    std::optional<FontSpec> font_;
};

class Frame final : public Control {
public:
    Frame(Window& window, const ControlSpec& spec, Control* container);
    QColor backColor() const { return back_; }
    bool hasBorder() const { return border_; }

private:
    QColor back_;
    bool border_;
};

class Label final : public Control {
public:
    Label(Window& window, const ControlSpec& spec, Control* container);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor backColor() const { return back_; }
    void setBackColor(const QColor& color);
    QColor foreColor() const { return fore_; }
    bool isTransparent() const { return transparent_; }
    Qt::Alignment alignment() const { return align_; }
    QString toolTip() const;

private:
    QString caption_;
    QColor back_, fore_;
    bool transparent_;
    Qt::Alignment align_;
};

// An option button drawn as a push button. It has no keyboard behaviour of its own: keys become
// KeyDown/KeyPress/KeyUp for the program, and Tab stays the toolkit's focus navigation.
class OptionButton final : public Control {
public:
    OptionButton(Window& window, const ControlSpec& spec, Control* container);

    QString caption() const { return caption_; }
    // Made when first asked for, at the first paint: the window shows without waiting for it.
    QPixmap picture() const;
    QColor backColor() const { return back_; }
    void setBackColor(const QColor& color);
    QColor foreColor() const { return fore_; }
    // Selected is drawn pressed.
    bool isSelected() const { return selected_; }
    void setSelected(bool selected);

private:
    QString caption_;
    PictureSource pictureSource_;
    mutable std::optional<QPixmap> picture_;
    QColor back_, fore_;
    bool selected_ = false;
};

// Shows its picture at the picture's own size from its top-left corner: never scaled up, and never
// clipped to the cell (the widget grows to hold a larger picture). Right to left the corner is the
// top-right one: the cell and the picture are where the mirror image of the window has them,
// and a larger picture grows to the left; the picture itself is not mirrored.
class Image final : public Control {
public:
    Image(Window& window, const ControlSpec& spec, Control* container);

    QPixmap picture() const { return picture_; }
    // The picture with the name a screen reader gives it ("sedia"); an empty picture shows nothing.
    void setPicture(const QPixmap& picture, const QString& name = {});

protected:
    void place() override;

private:
    QPixmap picture_;
};

// A plain panel docked to the left or right edge of the window: full height, only its width varies.
class Panel final : public Control {
public:
    Panel(Window& window, const ControlSpec& spec, Control* container);
    Dock dock() const { return dock_; }
    QColor backColor() const { return back_; }
protected:
    void place() override;

private:
    QColor back_;
    Dock dock_;
};

// A filled rounded rectangle with an outline drawn inside its bounds.
class Shape final : public Control {
public:
    Shape(Window& window, const ControlSpec& spec, Control* container);
    QColor fillColor() const { return fill_; }
    QColor outlineColor() const { return outline_; }
    int outlineWidth() const { return outlineWidth_; }

private:
    QColor fill_, outline_;
    int outlineWidth_;
};

class Timer final : public Control {
public:
    Timer(Window& window, const ControlSpec& spec, Control* container);

    bool isEnabled() const override { return enabled_; }
    void setEnabled(bool enabled) override;
    int interval() const { return timer_.interval(); }
    // Raises the Timer event once, as a tick of the system timer does.
    void tick();

private:
    QTimer timer_;
    bool enabled_ = false;
};

} // namespace tk
