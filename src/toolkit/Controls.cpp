#include "Controls.h"

#include "Keys.h"
#include "Runtime.h"
#include "Window.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>

#include <cmath>

namespace tk {

namespace {

QColor defaultFace() { return QApplication::palette().color(QPalette::Button); }
QColor defaultText() { return QApplication::palette().color(QPalette::ButtonText); }

QColor colorOr(const std::optional<Rgb>& rgb, const QColor& fallback)
{
    return rgb ? rgb->color() : fallback;
}

Qt::Alignment alignmentOf(Align align)
{
    switch (align) {
    case Align::Center: return Qt::AlignHCenter;
    case Align::Right: return Qt::AlignRight;
    case Align::Left: break;
    }
    return Qt::AlignLeft;
}

// Classic 3-D edges: raised for a key at rest, sunken for a key held down.
void drawBevel(QPainter& p, const QRect& r, bool sunken)
{
    const QColor light(255, 255, 255), face(223, 223, 223), shadow(128, 128, 128), dark(0, 0, 0);
    const int x0 = r.left(), y0 = r.top(), x1 = r.right(), y1 = r.bottom();
    auto edge = [&](int inset, const QColor& topLeft, const QColor& bottomRight) {
        p.setPen(topLeft);
        p.drawLine(x0 + inset, y1 - inset, x0 + inset, y0 + inset);
        p.drawLine(x0 + inset, y0 + inset, x1 - inset, y0 + inset);
        p.setPen(bottomRight);
        p.drawLine(x1 - inset, y0 + inset, x1 - inset, y1 - inset);
        p.drawLine(x1 - inset, y1 - inset, x0 + inset, y1 - inset);
    };
    if (sunken) {
        edge(0, dark, light);
        edge(1, shadow, face);
    } else {
        edge(0, light, dark);
        edge(1, face, shadow);
    }
}

} // namespace

QFont fontFor(const std::optional<FontSpec>& spec, double scale)
{
    const FontSpec f = spec.value_or(FontSpec{});
    QFont font(QString::fromLatin1(f.face));
    // Point sizes are meant at 96 dots per inch, like the twips: so are the pixels.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(f.points * 96.0 / 72.0 * scale))));
    font.setBold(f.bold);
    return font;
}

QSize scaledSize(const QPixmap& picture, double scale)
{
    const QSizeF size = picture.deviceIndependentSize();
    if (scale >= 1)
        return size.toSize();
    return QSize(static_cast<int>(std::lround(size.width() * scale)), static_cast<int>(std::lround(size.height() * scale)));
}

namespace {
// At the design scale a picture is drawn pixel for pixel; below it, smoothly shrunk.
void drawPicture(QPainter& p, const QPoint& corner, const QPixmap& picture, double scale)
{
    if (scale >= 1) {
        p.drawPixmap(corner, picture);
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(QRect(corner, scaledSize(picture, scale)), picture);
}
} // namespace

// ---- Control

Control::Control(Window& window, const ControlSpec& spec, Control* container)
    : window_(window),
      twips_(spec.left, spec.top, spec.width, spec.height),
      kind_(spec.kind),
      name_(QString::fromLatin1(spec.name)),
      index_(spec.index),
      tabIndex_(spec.tabIndex),
      container_(container)
{
}

void Control::setWidget(QWidget* widget, const std::optional<FontSpec>& font)
{
    widget_ = widget;
    widget_->setObjectName(name_);
    font_ = font;
    if (font_)
        widget_->setFont(fontFor(font_, window_.scale()));
    place();
}

void Control::rescale()
{
    if (!widget_)
        return;
    if (font_)
        widget_->setFont(fontFor(font_, window_.scale()));
    place();
    update();
}

void Control::setAccessibleDescription(const QString& description)
{
    if (widget_)
        widget_->setAccessibleDescription(description);
}

void Control::announceNameChange()
{
    if (widget_ && QAccessible::isActive()) {
        QAccessibleEvent event(widget_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

QWidget* Control::parentWidget() const
{
    return container_ ? container_->widget() : &window_;
}

void Control::update()
{
    if (widget_)
        widget_->update();
}

void Control::move(double left, double top, double width, double height)
{
    if (!hasGeometry())
        return;
    twips_ = QRectF(left, top, width, height);
    place();
}

void Control::place()
{
    if (widget_)
        widget_->setGeometry(toPixels(twips_.x()), toPixels(twips_.y()), std::max(0, toPixels(twips_.width())),
                             std::max(0, toPixels(twips_.height())));
}

bool Control::isEnabled() const
{
    // Qt marks a widget disabled by its own setting as "force disabled"; a disabled container only
    // makes it disabled in effect.
    return widget_ && !widget_->testAttribute(Qt::WA_ForceDisabled);
}

void Control::setEnabled(bool enabled)
{
    if (!widget_ || enabled == isEnabled())
        return;
    widget_->setEnabled(enabled);
    window_.controlStateChanged();
}

bool Control::isVisible() const
{
    return widget_ && !widget_->isHidden();
}

void Control::setVisible(bool visible)
{
    if (!widget_ || visible == isVisible())
        return;
    widget_->setVisible(visible);
    window_.controlStateChanged();
}

namespace {

// The widgets behind the controls: they paint from their control's settings and turn Qt's input
// into the control's events.

class FrameWidget final : public QWidget, public ControlWidget {
public:
    Control& control() const override { return const_cast<Frame&>(frame_); }

    FrameWidget(const Frame& frame, QWidget* parent) : QWidget(parent), frame_(frame) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), frame_.backColor());
        if (!frame_.hasBorder() || width() < 2 || height() < 2)
            return;
        // Etched: a shadow line with a light line one pixel inside and below it.
        p.setPen(QColor(128, 128, 128));
        p.drawRect(0, 0, width() - 2, height() - 2);
        p.setPen(QColor(255, 255, 255));
        p.drawLine(1, 1, width() - 3, 1);
        p.drawLine(1, 1, 1, height() - 3);
        p.drawLine(0, height() - 1, width() - 1, height() - 1);
        p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    }

private:
    const Frame& frame_;
};

class LabelWidget final : public QWidget, public ControlWidget {
public:
    Control& control() const override { return const_cast<Label&>(label_); }

    LabelWidget(const Label& label, QWidget* parent) : QWidget(parent), label_(label) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (!label_.isTransparent())
            p.fillRect(rect(), label_.backColor());
        if (label_.caption().isEmpty())
            return;
        p.setPen(label_.foreColor());
        p.drawText(rect(), int(Qt::AlignTop | label_.alignment() | Qt::TextWordWrap), label_.caption());
    }

private:
    const Label& label_;
};

class ButtonWidget final : public QWidget, public ControlWidget {
public:
    Control& control() const override { return const_cast<OptionButton&>(button_); }

    ButtonWidget(OptionButton& button, Window& window, QWidget* parent)
        : QWidget(parent), button_(button), window_(window)
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
        return QWidget::event(event);
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRect r = rect();
        p.fillRect(r, button_.backColor());
        if (r.width() < 4 || r.height() < 4)
            return;
        const bool selected = button_.isSelected();
        drawBevel(p, r, selected);
        // A key in a disabled frame keeps its look; only its own Enabled setting greys it.
        const bool enabled = button_.isEnabled();
        const QPoint shift = selected ? QPoint(1, 1) : QPoint(0, 0);

        const QPixmap picture = button_.picture();
        if (!picture.isNull()) {
            const double scale = window_.scale();
            const QSize size = scaledSize(picture, scale);
            const QPoint corner((r.width() - size.width()) / 2, (r.height() - size.height()) / 2);
            p.save();
            p.setClipRect(r.adjusted(2, 2, -2, -2));
            if (enabled) {
                drawPicture(p, corner + shift, picture, scale);
            } else {
                QStyleOption option;
                option.initFrom(this);
                drawPicture(p, corner + shift, style()->generatedIconPixmap(QIcon::Disabled, picture, &option), scale);
            }
            p.restore();
        } else if (!button_.caption().isEmpty()) {
            const QRect inner = r.adjusted(4, 4, -4, -4).translated(shift);
            const int flags = Qt::AlignCenter | Qt::TextWordWrap;
            if (enabled) {
                p.setPen(button_.foreColor());
                p.drawText(inner, flags, button_.caption());
            } else {
                p.setPen(QColor(255, 255, 255));
                p.drawText(inner.translated(1, 1), flags, button_.caption());
                p.setPen(QColor(128, 128, 128));
                p.drawText(inner, flags, button_.caption());
            }
        }

        if (window_.focusedControl() == &button_) {
            p.setPen(QPen(QColor(0, 0, 0), 1, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(3, 3, -4, -4));
        }
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        event->accept();
        window_.handleKeyPress(*event);
    }

    void keyReleaseEvent(QKeyEvent* event) override
    {
        event->accept();
        window_.handleKeyRelease(*event);
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
        Runtime::Scope scope(window_.runtime());
        if (event->button() == Qt::LeftButton)
            button_.setSelected(true);
        if (button_.on.mouseDown)
            button_.on.mouseDown(button_.index());
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        event->accept();
        if (event->button() == grabbing_) {
            grabbing_ = Qt::NoButton;
            releaseMouse();
        }
        if (window_.isDetached())
            return;
        Runtime::Scope scope(window_.runtime());
        if (button_.on.mouseUp)
            button_.on.mouseUp(button_.index());
    }

    void hideEvent(QHideEvent*) override
    {
        if (grabbing_) {
            grabbing_ = Qt::NoButton;
            releaseMouse();
        }
    }

    void focusInEvent(QFocusEvent*) override { window_.syncFocus(); }
    void focusOutEvent(QFocusEvent*) override { window_.syncFocus(); }

private:
    OptionButton& button_;
    Window& window_;
    Qt::MouseButton grabbing_ = Qt::NoButton;
};

class ImageWidget final : public QWidget, public ControlWidget {
public:
    Control& control() const override { return const_cast<Image&>(image_); }

    ImageWidget(Image& image, Window& window, QWidget* parent) : QWidget(parent), image_(image), window_(window) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        const QPixmap picture = image_.picture();
        if (picture.isNull())
            return;
        QPainter p(this);
        drawPicture(p, QPoint(0, 0), picture, window_.scale());
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
        if (!clicked || window_.isDetached())
            return;
        Runtime::Scope scope(window_.runtime());
        if (image_.on.click)
            image_.on.click(image_.index());
    }

private:
    Image& image_;
    Window& window_;
    bool pressed_ = false;
};

class PanelWidget final : public QWidget, public ControlWidget {
public:
    Control& control() const override { return const_cast<Panel&>(panel_); }

    PanelWidget(const Panel& panel, QWidget* parent) : QWidget(parent), panel_(panel) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), panel_.backColor());
    }
    // A press on the panel stops here: nothing beneath it is reached.
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }

private:
    const Panel& panel_;
};

class ShapeWidget final : public QWidget, public ControlWidget {
public:
    Control& control() const override { return const_cast<Shape&>(shape_); }

    ShapeWidget(const Shape& shape, QWidget* parent) : QWidget(parent), shape_(shape)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const double half = shape_.outlineWidth() / 2.0;
        const QRectF bounds = QRectF(rect()).adjusted(half, half, -half, -half);
        const double radius = std::min(bounds.width(), bounds.height()) / 6.0;
        p.setPen(QPen(shape_.outlineColor(), shape_.outlineWidth()));
        p.setBrush(shape_.fillColor());
        p.drawRoundedRect(bounds, radius, radius);
    }

private:
    const Shape& shape_;
};

} // namespace

// ---- Frame

Frame::Frame(Window& window, const ControlSpec& spec, Control* container)
    : Control(window, spec, container), back_(colorOr(spec.back, defaultFace())), border_(spec.border)
{
    setWidget(new FrameWidget(*this, parentWidget()), spec.font.value_or(FontSpec{}));
}

// ---- Label

Label::Label(Window& window, const ControlSpec& spec, Control* container)
    : Control(window, spec, container),
      caption_(QString::fromUtf8(spec.caption)),
      back_(colorOr(spec.back, defaultFace())),
      fore_(colorOr(spec.fore, defaultText())),
      transparent_(spec.transparent),
      align_(alignmentOf(spec.align))
{
    setWidget(new LabelWidget(*this, parentWidget()), spec.font.value_or(FontSpec{}));
    if (spec.toolTip)
        widget()->setToolTip(QString::fromUtf8(spec.toolTip));
}

void Label::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
    announceNameChange();
}

void Label::setBackColor(const QColor& color)
{
    if (color == back_)
        return;
    back_ = color;
    update();
}

QString Label::toolTip() const
{
    return widget()->toolTip();
}

// ---- OptionButton

OptionButton::OptionButton(Window& window, const ControlSpec& spec, Control* container)
    : Control(window, spec, container),
      caption_(QString::fromUtf8(spec.caption)),
      back_(colorOr(spec.back, defaultFace())),
      fore_(colorOr(spec.fore, defaultText()))
{
    if (spec.picture)
        picture_ = spec.picture();
    setWidget(new ButtonWidget(*this, window, parentWidget()), spec.font.value_or(FontSpec{}));
    if (spec.accessibleName)
        widget()->setAccessibleName(QString::fromUtf8(spec.accessibleName));
}

void OptionButton::setCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void OptionButton::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void OptionButton::setBackColor(const QColor& color)
{
    if (color == back_)
        return;
    back_ = color;
    update();
}

void OptionButton::setSelected(bool selected)
{
    if (selected == selected_)
        return;
    selected_ = selected;
    update();
}

// ---- Image

Image::Image(Window& window, const ControlSpec& spec, Control* container) : Control(window, spec, container)
{
    setWidget(new ImageWidget(*this, window, parentWidget()));
}

void Image::setPicture(const QPixmap& picture)
{
    if (picture.cacheKey() == picture_.cacheKey())
        return;
    picture_ = picture;
    place();
    update();
}

void Image::place()
{
    QSize size(std::max(0, toPixels(twips_.width())), std::max(0, toPixels(twips_.height())));
    if (!picture_.isNull())
        size = size.expandedTo(scaledSize(picture_, window_.scale()));
    widget()->setGeometry(QRect(QPoint(toPixels(twips_.x()), toPixels(twips_.y())), size));
}

// ---- Panel

Panel::Panel(Window& window, const ControlSpec& spec, Control* container)
    : Control(window, spec, container), back_(colorOr(spec.back, defaultFace())), dock_(spec.dock)
{
    setWidget(new PanelWidget(*this, parentWidget()));
}

void Panel::place()
{
    if (dock_ == Dock::None) {
        Control::place();
        return;
    }
    const QWidget* parent = parentWidget();
    const int w = std::max(0, toPixels(twips_.width()));
    const int x = dock_ == Dock::Left ? 0 : parent->width() - w;
    widget()->setGeometry(x, 0, w, parent->height());
}

// ---- Shape

Shape::Shape(Window& window, const ControlSpec& spec, Control* container)
    : Control(window, spec, container),
      fill_(colorOr(spec.back, QApplication::palette().color(QPalette::Base))),
      outline_(colorOr(spec.outline, QApplication::palette().color(QPalette::WindowText))),
      outlineWidth_(std::max(1, spec.outlineWidth))
{
    setWidget(new ShapeWidget(*this, parentWidget()));
}

// ---- Timer

Timer::Timer(Window& window, const ControlSpec& spec, Control* container) : Control(window, spec, container)
{
    timer_.setInterval(spec.interval);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
}

void Timer::setEnabled(bool enabled)
{
    enabled_ = enabled;
    if (enabled && !window_.runtime().manualTimers() && !window_.isDetached())
        timer_.start();
    else
        timer_.stop();
}

void Timer::tick()
{
    if (!enabled_ || window_.isDetached())
        return;
    Runtime::Scope scope(window_.runtime());
    if (on.timer)
        on.timer(index());
}

} // namespace tk
