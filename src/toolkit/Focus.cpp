#include "Focus.h"

#include "Keys.h"
#include "Window.h"

#include <algorithm>

namespace tk {

namespace {
bool isSwitch(const QKeyEvent& event)
{
    const int code = vk::fromEvent(event);
    return code == vk::Return || code == vk::Space;
}
} // namespace

Focus::Focus(Window& window) : window_(window) {}

void Focus::setTabOrder(std::vector<Control*> order)
{
    tabOrder_ = std::move(order);
}

Control* Focus::controlOf(const QWidget* widget) const
{
    if (!widget || widget == &window_)
        return nullptr;
    for (Control* c : tabOrder_)
        if (c->widget() == widget)
            return c;
    return nullptr;
}

bool Focus::canTakeFocus(const Control& control) const
{
    const QWidget* w = control.widget();
    return control.takesFocus() && w && w->isEnabled() && w->isVisibleTo(&window_);
}

bool Focus::giveFocus(Control& control)
{
    if (window_.isDetached() || !canTakeFocus(control))
        return false;
    control.widget()->setFocus(Qt::OtherFocusReason);
    mayHaveMoved();
    return true;
}

void Focus::mayHaveMoved()
{
    if (!window_.isDetached())
        window_.runtime().settleFocusLater(window_);
}

// Where the program's focus belongs now; moves Qt's focus there when it is elsewhere.
Control* Focus::target()
{
    stranded_ = false;
    if (Control* current = controlOf(window_.focusWidget()); current && canTakeFocus(*current))
        return current;
    if (focused_ && canTakeFocus(*focused_)) {
        focused_->widget()->setFocus(Qt::OtherFocusReason);
        return focused_;
    }
    // A key whose frame was disabled under it stays where the user is: it keeps the focus and
    // its highlight, while Qt's focus rests on the window. Moving on from there is the user's.
    if (focused_ && focused_->isEnabled() && focused_->widget()->isVisibleTo(&window_)) {
        stranded_ = true;
        window_.setFocus(Qt::OtherFocusReason);
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

void Focus::settle()
{
    if (window_.isDetached())
        return;
    Control* target = this->target();
    if (target == focused_)
        return;
    Control* old = std::exchange(focused_, target);
    if (old) {
        old->widget()->update();
        window_.raise(old->on.lostFocus, old->index());
    }
    if (target) {
        target->widget()->update();
        window_.raise(target->on.gotFocus, target->index());
    }
    scan_.focusMoved();
    // Whatever moved it; but not over what the same event said (an outcome, a count).
    if (target && scan_.isOn() && !window_.runtime().saidThisEvent())
        speakName(*target);
}

Control* Focus::firstAvailable() const
{
    for (Control* c : tabOrder_)
        if (canTakeFocus(*c))
            return c;
    return nullptr;
}

void Focus::focusFirstAvailable()
{
    if (Control* c = firstAvailable())
        giveFocus(*c);
}

void Focus::sayName(const Control& control)
{
    if (!scan_.isOn())
        speakName(control);
}

void Focus::speakName(const Control& control)
{
    if (!window_.runtime().screenReader().isActive())
        window_.runtime().speech().say(control.spokenName());
}

bool Focus::handleTab(const QEvent& event)
{
    if (event.type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(event);
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const bool forward = key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier);
    if (!forward && key.key() != Qt::Key_Backtab && key.key() != Qt::Key_Tab)
        return false;
    if (window_.isDetached())
        return true;
    // From a stranded key, Tab too leads back to the first available key.
    window_.runtime().raise([this, forward] {
        if (stranded_)
            focusFirstAvailable();
        else
            window_.focusNextPrevChild(forward);
    });
    if (focused_)
        sayName(*focused_);
    return true;
}

// ---- Keys

void Focus::handleKeyPress(const QKeyEvent& event)
{
    if (window_.isDetached())
        return;
    const Keyboard::Press press = window_.runtime().keyboard().press(window_, event);
    if (press == Keyboard::Press::Dropped)
        return;
    if (scan_.isOn() && isSwitch(event)) {
        // Held, it acts once, wherever the scan has gone meanwhile.
        if (press == Keyboard::Press::First)
            switchPressed();
        return;
    }
    if (!focused_)
        return;
    if (stranded_) {
        // Nothing acts on a stranded key; the keys that move lead back to the first available key.
        const int code = vk::fromEvent(event);
        const bool moves = code == vk::Space || (code >= vk::Digit0 && code <= vk::Digit0 + 9)
                           || (code >= vk::Numpad0 && code <= vk::Numpad0 + 9);
        if (press == Keyboard::Press::First && moves) {
            window_.runtime().raise([this] { focusFirstAvailable(); });
            sayName(*focused_);
        }
        return;
    }
    // KeyPress goes to the key that took KeyDown, even if KeyDown moved the focus.
    Control& target = *focused_;
    window_.raise(target.on.keyDown, target.index(), vk::fromEvent(event));
    if (const int character = vk::charFromEvent(event); character != 0)
        window_.raise(target.on.keyPress, target.index(), character);
}

void Focus::handleKeyRelease(const QKeyEvent& event)
{
    if (window_.isDetached())
        return;
    const bool switchKey = scan_.isOn() && isSwitch(event);
    window_.runtime().keyboard().release(window_, event, [this, switchKey] { keyReleased(switchKey); });
}

void Focus::keyReleased(bool fromSwitch)
{
    if (fromSwitch)
        switchReleased();
    else if (!stranded_ && focused_)
        window_.raise(focused_->on.keyUp, focused_->index());
}

// ---- The switch

void Focus::switchPressed()
{
    if (window_.isDetached())
        return;
    Control* key = scan_.pressed();
    if (!key)
        return;
    if (key != focused_) {
        // Back to the key just left; a key stranded there meanwhile takes nothing, as Enter on it.
        if (!giveFocus(*key))
            return;
        settle();
    }
    switchedKey_ = focused_;
    if (stranded_ || !focused_)
        return;
    Control& target = *focused_;
    window_.raise(target.on.keyDown, target.index(), vk::Return);
    window_.raise(target.on.keyPress, target.index(), vk::Return);
}

// The release reaches the key that has the focus now, as a key release does, and the key pressed
// if the press moved the focus away from it: a guard that press left on its row would otherwise
// swallow the next press there, and one switch has no other key to clear it with.
void Focus::switchReleased()
{
    Control* pressed = std::exchange(switchedKey_, nullptr);
    if (!stranded_ && focused_)
        window_.raise(focused_->on.keyUp, focused_->index());
    if (pressed && pressed != focused_)
        window_.raise(pressed->on.keyUp, pressed->index());
}

} // namespace tk
