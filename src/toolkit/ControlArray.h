#pragma once
// A control array bound by name: members keep their real indices, and an index the design does
// not have is a programming error, not a silent off-by-one.

#include "Window.h"

#include <QtGlobal>

#include <vector>

namespace tk {

template <class T>
class ControlArray {
public:
    void bind(const Window& window, const char* name)
    {
        members_.clear();
        first_ = 0;
        const QString wanted = QString::fromLatin1(name);
        int low = 0, high = -1;
        for (Control* c : window.controls()) {
            if (c->name() != wanted || c->index() < 0)
                continue;
            if (high < low) {
                low = high = c->index();
            } else {
                low = std::min(low, c->index());
                high = std::max(high, c->index());
            }
        }
        if (high < low)
            return;
        first_ = low;
        members_.assign(static_cast<std::size_t>(high - low + 1), nullptr);
        for (Control* c : window.controls())
            if (c->name() == wanted && c->index() >= 0)
                members_[static_cast<std::size_t>(c->index() - low)] = dynamic_cast<T*>(c);
    }
    void clear() { members_.clear(); }

    bool has(int index) const
    {
        return index >= first_ && index < first_ + count() && members_[static_cast<std::size_t>(index - first_)];
    }
    T* operator[](int index) const
    {
        if (!has(index))
            qFatal("control array: no member %d", index);
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
