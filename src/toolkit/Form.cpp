#include "Form.h"

#include <QScreen>

namespace tk {

Binding::Binding(Form& form, const char* name) : name_(name)
{
    form.bindings_.push_back(this);
}

void Binding::missing(const Window& window, const char* what) const
{
    qFatal("%s: the layout has no %s named %s", qPrintable(window.objectName()), what, name_);
}

Form::Form(Runtime& runtime, const WindowSpec& spec) : runtime_(runtime), spec_(spec) {}

Form::~Form()
{
    if (window_) {
        window_->detach();
        delete window_.data();
    }
}

void Form::load()
{
    if (window_ || loading_)
        return;
    runtime_.raise([this] {
        loading_ = true;
        shownBefore_ = false;
        window_ = new Window(runtime_, spec_, *this);
        for (Binding* binding : bindings_)
            binding->bind(*window_);
        connectEvents();
        Load();
        loading_ = false;
    });
}

void Form::show()
{
    runtime_.raise([this] {
        load();
        if (!window_)
            return;
        if (!window_->isVisible()) {
            // A window opens with the focus somewhere: the first control in tab order that can take it.
            if (!window_->focusedControl())
                window_->focus().settle();
            if (!shownBefore_) {
                shownBefore_ = true;
                // Centred for when the user restores it; it opens maximised.
                if (const QScreen* screen = window_->screen()) {
                    const QRect area = screen->availableGeometry();
                    window_->move(area.center() - QPoint(window_->width() / 2, window_->height() / 2));
                }
                window_->showMaximized();
            } else {
                window_->show();
            }
        }
        window_->activateWindow();
        runtime_.activate(*this);
    });
}

void Form::hide()
{
    if (!window_)
        return;
    window_->hide();
    runtime_.forget(*this);
}

void Form::unload()
{
    if (!window_ || unloading_)
        return;
    runtime_.raise([this] {
        unloading_ = true;
        Unload();
        if (Window* window = window_) {
            window_ = nullptr;
            window->detach();
            for (Binding* binding : bindings_)
                binding->clear();
            window->deleteLater();
        }
        runtime_.forget(*this);
        unloading_ = false;
    });
    if (onUnloaded)
        onUnloaded();
}

void Form::raiseActivate()
{
    if (window_)
        Activate();
}

void Form::windowResized()
{
    if (!loading_)
        Resize();
}

void Form::windowCloseRequested()
{
    unload();
}

void Form::windowActivated()
{
    runtime_.activate(*this);
}

} // namespace tk
