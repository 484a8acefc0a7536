#pragma once
// A form's controls and control arrays, each declared once as a member with its design name:
// the form binds them when its window is built and lets them go when it is unloaded. A name or a
// kind the window does not have stops the program at once, where it is bound. Arrays keep their
// real indices, and an index the design does not have is a programming error, not a silent
// off-by-one.

#include "Window.h"

#include <QtGlobal>

#include <vector>

namespace tk {

class Form;

class Binding {
public:
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;

    const char* name() const { return name_; }
    virtual void bind(const Window& window) = 0;
    virtual void clear() = 0;

protected:
    Binding(Form& form, const char* name);
    ~Binding() = default;
    [[noreturn]] void missing(const Window& window, const char* what) const;

private:
    const char* name_;
};

// One control that is not a member of an array.
template <class T>
class ControlRef final : public Binding {
public:
    ControlRef(Form& form, const char* name) : Binding(form, name) {}

    void bind(const Window& window) override
    {
        control_ = dynamic_cast<T*>(window.find(QString::fromLatin1(name())));
        if (!control_)
            missing(window, "control");
    }
    void clear() override { control_ = nullptr; }

    T* get() const { return control_; }
    T* operator->() const { return control_; }
    T& operator*() const { return *control_; }
    operator T*() const { return control_; }

private:
    T* control_ = nullptr;
};

template <class T>
class ControlArray final : public Binding {
public:
    ControlArray(Form& form, const char* name) : Binding(form, name) {}

    void bind(const Window& window) override
    {
        clear();
        const QString wanted = QString::fromLatin1(name());
        int low = 0, high = -1;
        for (const Control* c : window.controls()) {
            if (c->name() != wanted || c->index() < 0)
                continue;
            low = high < low ? c->index() : std::min(low, c->index());
            high = std::max(high, c->index());
        }
        if (high < low)
            missing(window, "control array");
        first_ = low;
        members_.assign(static_cast<std::size_t>(high - low + 1), nullptr);
        for (Control* c : window.controls())
            if (c->name() == wanted && c->index() >= 0) {
                T* member = dynamic_cast<T*>(c);
                if (!member)
                    missing(window, "control array of this kind");
                members_[static_cast<std::size_t>(c->index() - low)] = member;
            }
    }
    void clear() override
    {
        members_.clear();
        first_ = 0;
    }

    bool has(int index) const
    {
        return index >= first_ && index < first_ + count() && members_[static_cast<std::size_t>(index - first_)];
    }
    T* operator[](int index) const
    {
        if (!has(index))
            qFatal("control array %s: no member %d", name(), index);
        return members_[static_cast<std::size_t>(index - first_)];
    }
    int lowerBound() const { return first_; }
    int upperBound() const { return first_ + count() - 1; }
    int count() const { return static_cast<int>(members_.size()); }
    bool isBound() const { return !members_.empty(); }

private:
    std::vector<T*> members_;
    int first_ = 0;
};

} // namespace tk
