#include "Scan.h"

#include "Window.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tk {

namespace {
// A system timer may wake a little before its time.
constexpr double earlySeconds = 0.002;
} // namespace

Scan::Scan(Window& window, Focus& focus) : window_(window), focus_(focus)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
}

bool Scan::isOn() const
{
    return window_.runtime().isScanning();
}

double Scan::period() const
{
    return window_.runtime().scanPeriod().value_or(0);
}

double Scan::now() const
{
    return window_.runtime().clock().monotonicSeconds();
}

void Scan::setActive(bool active)
{
    active = active && isOn() && !window_.isDetached();
    if (active == running_)
        return;
    running_ = active;
    left_ = nullptr;
    if (running_)
        restart();
    else
        timer_.stop();
}

void Scan::restart()
{
    due_ = now() + period();
    schedule();
}

void Scan::schedule()
{
    if (!running_ || window_.runtime().manualTimers()) {
        timer_.stop();
        return;
    }
    timer_.start(std::max(0, static_cast<int>(std::ceil((due_ - now()) * 1000))));
}

void Scan::tick()
{
    if (!running_ || window_.isDetached())
        return;
    const double t = now();
    if (t + earlySeconds < due_) {
        schedule();
        return;
    }
    // Steps keep their beat: a late tick does not push the next one later.
    due_ += period();
    if (due_ <= t)
        due_ = t + period();
    step();
    schedule();
}

void Scan::step()
{
    Control* from = focus_.focusedControl();
    Control* to = from && !focus_.isStranded() ? nextInRow(*from) : nullptr;
    // Stranded, or alone in its row (Tab can reach "Esci" while its row is disabled): on to where
    // space leads from a stranded key.
    if (!to)
        to = focus_.firstAvailable();
    if (!to || to == from)
        return;
    stepping_ = true;
    const bool moved = focus_.giveFocus(*to);
    focus_.settle();
    stepping_ = false;
    if (moved) {
        left_ = from;
        steppedAt_ = now();
    }
}

// The members of the key's array in index order, from the one after it round to the one before.
Control* Scan::nextInRow(Control& from) const
{
    std::vector<Control*> row;
    for (Control* c : window_.controls())
        if (c->kind() == from.kind() && c->index() >= 0 && c->name() == from.name())
            row.push_back(c);
    std::sort(row.begin(), row.end(), [](const Control* a, const Control* b) { return a->index() < b->index(); });
    const auto at = std::find(row.begin(), row.end(), &from);
    if (at == row.end())
        return nullptr;
    const std::size_t n = row.size(), i = static_cast<std::size_t>(at - row.begin());
    for (std::size_t k = 1; k < n; ++k)
        if (Control* next = row[(i + k) % n]; focus_.canTakeFocus(*next))
            return next;
    return nullptr;
}

void Scan::focusMoved()
{
    if (stepping_ || !isOn())
        return;
    left_ = nullptr;
    restart();
}

Control* Scan::pressed()
{
    Control* key = focus_.focusedControl();
    if (left_ && now() - steppedAt_ < graceSeconds)
        key = left_;
    left_ = nullptr;
    restart();
    return key;
}

} // namespace tk
