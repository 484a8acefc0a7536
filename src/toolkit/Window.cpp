#include "Window.h"

#include "Keys.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QPainter>

#include <algorithm>

namespace tk {

namespace {
bool isWindowed(Kind kind)
{
    return kind == Kind::Frame || kind == Kind::OptionButton || kind == Kind::Panel;
}
} // namespace

Window::Window(Runtime& runtime, const WindowSpec& spec, WindowHost& host)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint),
      runtime_(runtime),
      spec_(spec),
      host_(host),
      back_(spec.back.color())
{
    setObjectName(QString::fromLatin1(spec.name));
    setWindowTitle(QString::fromUtf8(spec.caption));
    if (spec.icon)
        setWindowIcon(spec.icon());
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(toPixels(spec.clientWidth), toPixels(spec.clientHeight));
    build();
}

Window::~Window()
{
    detached_ = true;
    // The widgets refer to their controls: they go first.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        delete child;
}

void Window::build()
{
    controls_.reserve(spec_.controls.size());
    for (const ControlSpec& spec : spec_.controls) {
        Control* container = nullptr;
        if (spec.container) {
            container = find(QString::fromLatin1(spec.container));
            if (!container || container->kind() != Kind::Frame)
                qFatal("%s: container %s must be a frame listed earlier", spec.name, spec.container);
        }
        owned_.push_back(create(spec, container));
        controls_.push_back(owned_.back().get());
    }
    stack();

    for (Control* c : controls_)
        if (c->takesFocus())
            tabOrder_.push_back(c);
    std::stable_sort(tabOrder_.begin(), tabOrder_.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex() < b->tabIndex(); });
    for (std::size_t i = 1; i < tabOrder_.size(); ++i)
        QWidget::setTabOrder(tabOrder_[i - 1]->widget(), tabOrder_[i]->widget());
}

std::unique_ptr<Control> Window::create(const ControlSpec& spec, Control* container)
{
    switch (spec.kind) {
    case Kind::Frame: return std::make_unique<Frame>(*this, spec, container);
    case Kind::Label: return std::make_unique<Label>(*this, spec, container);
    case Kind::OptionButton: return std::make_unique<OptionButton>(*this, spec, container);
    case Kind::Image: return std::make_unique<Image>(*this, spec, container);
    case Kind::Panel: return std::make_unique<Panel>(*this, spec, container);
    case Kind::Shape: return std::make_unique<Shape>(*this, spec, container);
    case Kind::Timer: return std::make_unique<Timer>(*this, spec, container);
    }
    Q_UNREACHABLE();
}

// Tables list each container's children front-most first; windowed controls (frames, keys, panels)
// always lie above light ones (labels, shapes, images) of the same container.
void Window::stack()
{
    for (bool windowed : {false, true})
        for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
            if (QWidget* w = (*it)->widget(); w && isWindowed((*it)->kind()) == windowed)
                w->raise();
}

Control* Window::find(const QString& name, int index) const
{
    for (Control* c : controls_)
        if (c->index() == index && c->name() == name)
            return c;
    return nullptr;
}

double Window::outerWidth() const
{
    return frameGeometry().width() * double(twipsPerPixel);
}

Control* Window::controlOf(QWidget* widget) const
{
    if (!widget || widget == this)
        return nullptr;
    for (Control* c : tabOrder_)
        if (c->widget() == widget)
            return c;
    return nullptr;
}

// ---- Focus

bool Window::canTakeFocus(const Control& control) const
{
    const QWidget* w = control.widget();
    return control.takesFocus() && w && w->isEnabled() && w->isVisibleTo(this);
}

bool Window::giveFocus(Control& control)
{
    if (detached_ || !canTakeFocus(control))
        return false;
    control.widget()->setFocus(Qt::OtherFocusReason);
    focusMayHaveMoved();
    return true;
}

void Window::focusMayHaveMoved()
{
    if (!detached_)
        runtime_.settleFocusLater(*this);
}

// Where the program's focus belongs now; moves Qt's focus there when it is elsewhere.
Control* Window::focusTarget()
{
    stranded_ = false;
    if (Control* current = controlOf(focusWidget()); current && canTakeFocus(*current))
        return current;
    if (focused_ && canTakeFocus(*focused_)) {
        focused_->widget()->setFocus(Qt::OtherFocusReason);
        return focused_;
    }
    // A key whose frame was disabled under it stays where the user is: it keeps the focus and
    // its highlight, while Qt's focus rests on the window. Moving on from there is the user's.
    if (focused_ && focused_->isEnabled() && focused_->widget()->isVisibleTo(this)) {
        stranded_ = true;
        setFocus(Qt::OtherFocusReason);
        return focused_;
    }
    // A key disabled or hidden under the focus hands it on, in tab order.
    const auto n = static_cast<std::ptrdiff_t>(tabOrder_.size());
    const auto at = std::find(tabOrder_.begin(), tabOrder_.end(), focused_);
    const std::ptrdiff_t from = at == tabOrder_.end() ? -1 : at - tabOrder_.begin();
    for (std::ptrdiff_t step = 1; step <= n; ++step) {
        Control* next = tabOrder_[static_cast<std::size_t>((from + step + n) % n)];
        if (canTakeFocus(*next)) {
            next->widget()->setFocus(Qt::OtherFocusReason);
            return next;
        }
    }
    return nullptr;
}

void Window::settleFocus()
{
    if (detached_)
        return;
    Control* target = focusTarget();
    if (target == focused_)
        return;
    Control* old = std::exchange(focused_, target);
    if (old) {
        old->widget()->update();
        raise(old->on.lostFocus, old->index());
    }
    if (target) {
        target->widget()->update();
        raise(target->on.gotFocus, target->index());
    }
}

void Window::focusFirstAvailable()
{
    for (Control* c : tabOrder_)
        if (giveFocus(*c))
            return;
}

void Window::sayName(const Control& control)
{
    if (!QAccessible::isActive())
        runtime_.speech().say(control.spokenName());
}

bool Window::handleTab(const QEvent& event)
{
    if (event.type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(event);
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const bool forward = key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier);
    if (!forward && key.key() != Qt::Key_Backtab && key.key() != Qt::Key_Tab)
        return false;
    if (detached_)
        return true;
    // From a stranded key, Tab too leads back to the first available key.
    runtime_.raise([this, forward] {
        if (stranded_)
            focusFirstAvailable();
        else
            focusNextPrevChild(forward);
    });
    if (focused_)
        sayName(*focused_);
    return true;
}

// ---- Keys

void Window::handleKeyPress(const QKeyEvent& event)
{
    if (detached_)
        return;
    const Keyboard::Press press = runtime_.keyboard().press(*this, event);
    if (press == Keyboard::Press::Dropped || !focused_)
        return;
    if (stranded_) {
        // Nothing acts on a stranded key; the keys that move lead back to the first available key.
        const int code = vk::fromEvent(event);
        const bool moves = code == vk::Space || (code >= vk::Digit0 && code <= vk::Digit0 + 9)
                           || (code >= vk::Numpad0 && code <= vk::Numpad0 + 9);
        if (press == Keyboard::Press::First && moves) {
            runtime_.raise([this] { focusFirstAvailable(); });
            sayName(*focused_);
        }
        return;
    }
    // KeyPress goes to the key that took KeyDown, even if KeyDown moved the focus.
    Control& target = *focused_;
    raise(target.on.keyDown, target.index(), vk::fromEvent(event));
    if (const int character = vk::charFromEvent(event); character != 0)
        raise(target.on.keyPress, target.index(), character);
}

void Window::handleKeyRelease(const QKeyEvent& event)
{
    if (!detached_)
        runtime_.keyboard().release(*this, event);
}

void Window::keyReleased()
{
    if (!stranded_ && focused_)
        raise(focused_->on.keyUp, focused_->index());
}

bool Window::event(QEvent* event)
{
    return handleTab(*event) || QWidget::event(event);
}

void Window::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    handleKeyPress(*event);
}

void Window::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
    handleKeyRelease(*event);
}

// ---- The window's own events

void Window::detach()
{
    if (detached_)
        return;
    for (Control* c : controls_)
        if (c->kind() == Kind::Timer)
            c->setEnabled(false);
    detached_ = true;
    hide();
}

void Window::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const double scale = std::min({1.0, innerWidth() / spec_.clientWidth, innerHeight() / spec_.clientHeight});
    if (scale != scale_) {
        scale_ = scale;
        for (Control* c : controls_)
            c->rescale();
    }
    for (Control* c : controls_)
        if (c->kind() == Kind::Panel)
            static_cast<Panel*>(c)->redock();
    raise([this] { host_.windowResized(); });
}

void Window::closeEvent(QCloseEvent* event)
{
    // Closing is unloading, which the form does itself, in its own order.
    event->ignore();
    raise([this] { host_.windowCloseRequested(); });
}

void Window::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) {
        runtime_.keyboard().windowActivated(*this);
        raise([this] { host_.windowActivated(); });
    }
}

void Window::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), back_);
}

} // namespace tk
