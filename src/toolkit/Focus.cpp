// The window's focus and keys: where the program's focus rests, and what Tab and the other keys
// do on the way to the focused control.

#include "Window.h"

#include "Keys.h"

#include <algorithm>

namespace tk {

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
    if (!runtime_.screenReader().isActive())
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

} // namespace tk
