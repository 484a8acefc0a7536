#include "Runtime.h"

#include "Accessibility.h"
#include "Form.h"
#include "Window.h"

#include <QFont>

#include <algorithm>

namespace tk {

namespace {
void installFontSubstitutes()
{
    // Metric-compatible faces for the classic ones the layouts name.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}
} // namespace

Runtime::Runtime(Clock& clock, Random& random) : clock_(clock), random_(random)
{
    installFontSubstitutes();
    installAccessibility();
    // Once per connection; where it is refused, the keyboard still tells repeats by their timestamps.
    static const bool detectableAutoRepeat = Keyboard::enableDetectableAutoRepeat();
    Q_UNUSED(detectableAutoRepeat);
}

void Runtime::activate(Form& form)
{
    if (activeForm_ == &form)
        return;
    activeForm_ = &form;
    form.raiseActivate();
}

void Runtime::forget(Form& form)
{
    if (activeForm_ == &form)
        activeForm_ = nullptr;
}

Runtime::Scope::Scope(Runtime& runtime) : runtime_(runtime)
{
    ++runtime_.depth_;
}

Runtime::Scope::~Scope()
{
    if (--runtime_.depth_ == 0)
        runtime_.endOfEvent();
}

void Runtime::requestFocusRepair(Window& window)
{
    if (depth_ == 0) {
        window.repairFocus();
        return;
    }
    if (std::find(pendingRepairs_.begin(), pendingRepairs_.end(), &window) == pendingRepairs_.end())
        pendingRepairs_.emplace_back(&window);
}

void Runtime::endOfEvent()
{
    // A repair runs focus handlers, which may ask for further repairs: the loop takes them too.
    ++depth_;
    while (!pendingRepairs_.empty()) {
        QPointer<Window> window = pendingRepairs_.front();
        pendingRepairs_.erase(pendingRepairs_.begin());
        if (window)
            window->repairFocus();
    }
    --depth_;
}

} // namespace tk
