#pragma once
// A window in the form-designer sense: a plain object that lives as long as the program and owns
// its window-level variables, and an on-screen window built from its layout table when loaded.
// Loading runs Load each time; unloading destroys the on-screen window but keeps the object.

#include "ControlArray.h"
#include "LayoutTable.h"
#include "Runtime.h"
#include "Window.h"

#include <QPointer>

#include <functional>
#include <vector>

namespace tk {

class Form : private WindowHost {
public:
    Form(Runtime& runtime, const WindowSpec& spec);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    bool isLoaded() const { return window_ != nullptr; }
    bool isVisible() const { return window_ && window_->isVisible(); }
    Window* window() const { return window_; }
    const WindowSpec& spec() const { return spec_; }

    // Builds the window and runs Load, unless already loaded.
    void load();
    // Loads if needed, shows the window (maximised at its first showing) and makes it the active one.
    void show();
    void hide();
    // Runs Unload, then destroys the window; the form object and its variables stay.
    void unload();

    // Called once the form has unloaded.
    std::function<void()> onUnloaded;

protected:
    Runtime& runtime() const { return runtime_; }

    // Hooks the program's handlers onto the freshly bound controls, before Load.
    virtual void connectEvents() {}

    virtual void Load() {}
    virtual void Activate() {}
    virtual void Resize() {}
    virtual void Unload() {}

private:
    friend class Binding;
    friend class Runtime;
    void raiseActivate();

    void windowResized() override;
    void windowCloseRequested() override;
    void windowActivated() override;

    Runtime& runtime_;
    const WindowSpec& spec_;
    QPointer<Window> window_;
    std::vector<Binding*> bindings_;
    bool loading_ = false;
    bool unloading_ = false;
    bool shownBefore_ = false;
};

} // namespace tk
