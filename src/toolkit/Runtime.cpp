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

Runtime::Runtime(Clock& clock, Random& random, Speech& speech) : clock_(clock), random_(random), voice_(speech)
{
    installFontSubstitutes();
    installAccessibility();
    // Once per process, as the program has one connection to the display; where it is refused,
    // the keyboard still tells repeats by their timestamps.
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

void Runtime::settleFocusLater(Window& window)
{
    if (depth_ == 0) {
        raise([&window] { window.focus().settle(); });
        return;
    }
    if (std::find(unsettled_.begin(), unsettled_.end(), &window) == unsettled_.end())
        unsettled_.emplace_back(&window);
}

void Runtime::endOfEvent()
{
    // Settling raises focus events, whose handlers may move the focus again: the loop takes those
    // too, one event at a time, until the focus rests.
    ++depth_;
    while (!unsettled_.empty()) {
        QPointer<Window> window = unsettled_.front();
        unsettled_.erase(unsettled_.begin());
        if (window)
            window->focus().settle();
    }
    --depth_;
}

} // namespace tk
