#include "Controls.h"

#include "Accessibility.h"
#include "Input.h"
#include "Painting.h"
#include "Window.h"

#include <QApplication>


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

int pixels(double twips) { return std::max(0, toPixels(twips)); }

} // namespace

// ---- Control

Control::Control(Window& window, const ControlSpec& spec, Control* container)
    : window_(window),
      twips_(spec.left, spec.top, spec.width, spec.height),
      kind_(spec.kind),
      name_(QString::fromLatin1(spec.name)),
      index_(spec.index),
      tabIndex_(spec.tabIndex),
      container_(container),
      accessibleName_(spec.accessibleName)
{
}

void Control::setWidget(QWidget* widget, const std::optional<FontSpec>& font)
{
    widget_ = widget;
    widget_->setObjectName(name_);
    if (accessibleName_)
        widget_->setAccessibleName(layoutText(accessibleName_));
    font_ = font;
    if (font_)
        widget_->setFont(fontFor(font_, window_.scale()));
    relocate();
}

void Control::rescale()
{
    if (!widget_)
        return;
    if (font_)
        widget_->setFont(fontFor(font_, window_.scale()));
    relocate();
    update();
}

QString Control::spokenName() const
{
    if (widget_ && !widget_->accessibleName().isEmpty())
        return widget_->accessibleName();
    switch (kind_) {
    case Kind::OptionButton: return static_cast<const OptionButton*>(this)->caption();
    case Kind::Label: return static_cast<const Label*>(this)->caption().trimmed();
    default: return {};
    }
}

void Control::setAccessibleName(const QString& name)
{
    if (!widget_ || name == widget_->accessibleName())
        return;
    const bool wasExposed = isExposed(*this);  // a frame with a name is seen, one without is not
    widget_->setAccessibleName(name);
    if (isExposed(*this) != wasExposed)
        window_.accessibleTreeChanged();
}

void Control::setAccessibleDescription(const QString& description)
{
    if (widget_ && description != widget_->accessibleDescription())
        widget_->setAccessibleDescription(description);
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
    relocate();
}

void Control::relocate()
{
    place();
    window_.accessibleTreeChanged();
}

void Control::place()
{
    if (widget_)
        setPixelGeometry(QRect(toPixels(twips_.x()), toPixels(twips_.y()), pixels(twips_.width()),
                               pixels(twips_.height())));
}

// The layout tables are drawn left to right and Qt does not mirror absolute positions: right to left,
// each control stands where the mirror image of its container has it, x' = width - x - w.
void Control::setPixelGeometry(QRect rect)
{
    if (!window_.isRightToLeft()) {
        widget_->setGeometry(rect);
        return;
    }
    rect.moveLeft(parentWidget()->width() - rect.x() - rect.width());
    const bool resized = rect.width() != widget_->width();
    widget_->setGeometry(rect);
    // A frame's children keep their distance from its right side.
    if (resized && kind_ == Kind::Frame)
        for (Control* c : window_.controls())
            if (c->container() == this)
                c->place();
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
    window_.focus().mayHaveMoved();
}

bool Control::isVisible() const
{
    return widget_ && !widget_->isHidden();
}

void Control::setVisible(bool visible)
{
    if (!widget_ || visible == isVisible())
        return;
    const bool wasExposed = isExposed(*this);
    widget_->setVisible(visible);
    if (isExposed(*this) != wasExposed)
        announceChange(*this, wasExposed);
    window_.focus().mayHaveMoved();
}

// ---- The kinds

Frame::Frame(Window& window, const ControlSpec& spec, Control* container)
    : Control(window, spec, container), back_(colorOr(spec.back, defaultFace())), border_(spec.border)
{
    setWidget(createWidget(*this, parentWidget()), spec.font.value_or(FontSpec{}));
}

Label::Label(Window& window, const ControlSpec& spec, Control* container)
    : Control(window, spec, container),
      caption_(layoutText(spec.caption)),
      back_(colorOr(spec.back, defaultFace())),
      fore_(colorOr(spec.fore, defaultText())),
      transparent_(spec.transparent),
      align_(alignmentOf(spec.align))
{
    setWidget(createWidget(*this, parentWidget()), spec.font.value_or(FontSpec{}));
    if (spec.toolTip)
        widget()->setToolTip(layoutText(spec.toolTip));
}

void Label::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    const bool wasExposed = isExposed(*this);
    caption_ = caption;
    update();
    announceChange(*this, wasExposed);
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

OptionButton::OptionButton(Window& window, const ControlSpec& spec, Control* container)
    : Control(window, spec, container),
      caption_(layoutText(spec.caption)),
      pictureSource_(spec.picture),
      back_(colorOr(spec.back, defaultFace())),
      fore_(colorOr(spec.fore, defaultText()))
{
    setWidget(createWidget(*this, parentWidget()), spec.font.value_or(FontSpec{}));
}

QPixmap OptionButton::picture() const
{
    if (!picture_)
        picture_ = pictureSource_ ? pictureSource_() : QPixmap();
    return *picture_;
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

Image::Image(Window& window, const ControlSpec& spec, Control* container) : Control(window, spec, container)
{
    setWidget(createWidget(*this, parentWidget()));
}

void Image::setPicture(const QPixmap& picture, const QString& name)
{
    setAccessibleName(name);
    if (picture.cacheKey() == picture_.cacheKey())
        return;
    const bool wasExposed = isExposed(*this);
    picture_ = picture;
    relocate();
    update();
    if (isExposed(*this) != wasExposed)
        announceChange(*this, wasExposed);
}

void Image::place()
{
    QSize size(pixels(twips_.width()), pixels(twips_.height()));
    if (!picture_.isNull())
        size = size.expandedTo(scaledSize(picture_, window_.scale()));
    setPixelGeometry(QRect(QPoint(toPixels(twips_.x()), toPixels(twips_.y())), size));
}

Panel::Panel(Window& window, const ControlSpec& spec, Control* container)
    : Control(window, spec, container), back_(colorOr(spec.back, defaultFace())), dock_(spec.dock)
{
    setWidget(createWidget(*this, parentWidget()));
}

void Panel::place()
{
    if (dock_ == Dock::None) {
        Control::place();
        return;
    }
    const QWidget* parent = parentWidget();
    const int w = pixels(twips_.width());
    const int x = dock_ == Dock::Left ? 0 : parent->width() - w;
    setPixelGeometry(QRect(x, 0, w, parent->height()));
}

Shape::Shape(Window& window, const ControlSpec& spec, Control* container)
    : Control(window, spec, container),
      fill_(colorOr(spec.back, QApplication::palette().color(QPalette::Base))),
      outline_(colorOr(spec.outline, QApplication::palette().color(QPalette::WindowText))),
      outlineWidth_(std::max(1, spec.outlineWidth))
{
    setWidget(createWidget(*this, parentWidget()));
}

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
    if (enabled_)
        window_.raise(on.timer, index());
}

} // namespace tk
