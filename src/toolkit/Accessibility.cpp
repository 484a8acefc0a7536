#include "Accessibility.h"

#include "Controls.h"
#include "Input.h"
#include "Window.h"

#include <QAccessibleWidget>

#include <algorithm>

namespace tk {

namespace {

enum class Exposure {
    Shown,
    Hidden,     // decoration, or nothing to say now
    Flattened,  // a frame that only groups: its children stand in its place
};

Exposure exposureOf(const Control& c)
{
    switch (c.kind()) {
    case Kind::OptionButton: return Exposure::Shown;
    case Kind::Label:
        return c.isVisible() && !static_cast<const Label&>(c).caption().isEmpty() ? Exposure::Shown : Exposure::Hidden;
    case Kind::Image:
        return c.isVisible() && !static_cast<const Image&>(c).picture().isNull() ? Exposure::Shown : Exposure::Hidden;
    case Kind::Frame:
        return c.accessibleSummary || !c.spokenName().isEmpty() ? Exposure::Shown : Exposure::Flattened;
    case Kind::Shape:
    case Kind::Panel:
    case Kind::Timer: break;
    }
    return Exposure::Hidden;
}

const Control* controlOf(const QObject* object)
{
    const auto* widget = dynamic_cast<const ControlWidget*>(object);
    return widget ? &widget->control() : nullptr;
}

// What assistive technologies see inside a window or a shown frame, in table order.
void collect(const QWidget& container, QList<QWidget*>& shown)
{
    for (QObject* child : container.children()) {
        const Control* c = controlOf(child);
        if (!c)
            continue;
        switch (exposureOf(*c)) {
        case Exposure::Shown: shown << c->widget(); break;
        case Exposure::Flattened: collect(*c->widget(), shown); break;
        case Exposure::Hidden: break;
        }
    }
}

// In reading order, whatever the stacking: top to bottom, then from where a line of the window's
// language starts, the left or the right.
QList<QWidget*> shownChildren(const QWidget& container, Qt::LayoutDirection direction)
{
    QList<QWidget*> shown;
    collect(container, shown);
    const QWidget* window = container.window();
    const bool rightToLeft = direction == Qt::RightToLeft;
    std::stable_sort(shown.begin(), shown.end(), [window, rightToLeft](const QWidget* a, const QWidget* b) {
        const QPoint pa = a->mapTo(window, QPoint()), pb = b->mapTo(window, QPoint());
        if (rightToLeft)
            return std::pair(pa.y(), -(pa.x() + a->width())) < std::pair(pb.y(), -(pb.x() + b->width()));
        return std::pair(pa.y(), pa.x()) < std::pair(pb.y(), pb.x());
    });
    return shown;
}

// A window or a shown frame, with only what carries meaning as its children. A screen reader asks
// for them one by one: they are sorted once, and again only after the window says they may have
// changed or its direction did.
class Container : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return static_cast<int>(shown().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*>& children = shown();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(shown().indexOf(child->object())) : -1;
    }

private:
    const QList<QWidget*>& shown() const
    {
        const auto* window = dynamic_cast<const Window*>(widget()->window());
        const Qt::LayoutDirection direction = widget()->window()->layoutDirection();
        if (!window || !sorted_ || window->accessibleRevision() != revision_ || direction != direction_) {
            shown_ = shownChildren(*widget(), direction);
            sorted_ = window != nullptr;
            revision_ = window ? window->accessibleRevision() : 0;
            direction_ = direction;
        }
        return shown_;
    }

    mutable QList<QWidget*> shown_;
    mutable bool sorted_ = false;
    mutable unsigned revision_ = 0;
    mutable Qt::LayoutDirection direction_ = Qt::LeftToRight;
};

// A window is a frame, named by its caption.
class WindowAccessible final : public Container {
public:
    explicit WindowAccessible(Window* window) : Container(window, QAccessible::Window) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? widget()->windowTitle() : QAccessibleWidget::text(t);
    }
};

QAccessible::Role roleOf(Kind kind)
{
    switch (kind) {
    case Kind::OptionButton: return QAccessible::Button;
    case Kind::Label: return QAccessible::StaticText;
    case Kind::Frame: return QAccessible::Grouping;
    case Kind::Image: return QAccessible::Graphic;
    case Kind::Shape:
    case Kind::Panel:
    case Kind::Timer: break;
    }
    return QAccessible::Pane;
}

class ControlAccessible final : public Container {
public:
    ControlAccessible(ControlWidget* widget, Control& control)
        : Container(widget, roleOf(control.kind())), widget_(widget), control_(control)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return control_.accessibleSummary ? control_.accessibleSummary() : control_.spokenName();
        case QAccessible::Description: return widget()->accessibleDescription();
        default: return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (control_.kind() == Kind::OptionButton) {
            s.pressed = static_cast<const OptionButton&>(control_).isSelected();
            s.focused = control_.window().focusedControl() == &control_;
        }
        return s;
    }

    // The nearest window or frame that assistive technologies see.
    QAccessibleInterface* parent() const override
    {
        for (QWidget* up = widget()->parentWidget(); up; up = up->parentWidget()) {
            const Control* c = controlOf(up);
            if (!c || exposureOf(*c) == Exposure::Shown)
                return QAccessible::queryAccessibleInterface(up);
        }
        return nullptr;
    }

    int childCount() const override { return control_.kind() == Kind::Frame ? Container::childCount() : 0; }

    // Keys are pressed and focused as by the mouse; pictures that take a click are pressed.
    QStringList actionNames() const override
    {
        if (control_.kind() == Kind::OptionButton)
            return {pressAction(), setFocusAction()};
        if (control_.kind() == Kind::Image && control_.on.click)
            return {pressAction()};
        return {};
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            widget_->click();
        else if (action == setFocusAction() && control_.kind() == Kind::OptionButton)
            control_.window().giveFocus(control_);
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    ControlWidget* widget_;
    Control& control_;
};

QAccessibleInterface* factory(const QString&, QObject* object)
{
    if (auto* window = dynamic_cast<Window*>(object))
        return new WindowAccessible(window);
    if (auto* widget = dynamic_cast<ControlWidget*>(object))
        return new ControlAccessible(widget, widget->control());
    return nullptr;
}

} // namespace

bool isExposed(const Control& control)
{
    return exposureOf(control) == Exposure::Shown;
}

void announceChange(Control& control, bool wasExposed)
{
    const bool exposed = isExposed(control);
    if (exposed != wasExposed)
        control.window().accessibleTreeChanged();
    if (!control.widget() || !QAccessible::isActive())
        return;
    const QAccessible::Event type = exposed == wasExposed ? QAccessible::NameChanged
                                    : exposed             ? QAccessible::ObjectCreated
                                                          : QAccessible::ObjectDestroyed;
    QAccessibleEvent event(control.widget(), type);
    QAccessible::updateAccessibility(&event);
}

void summariseArea(Control& area, std::function<QString(int shown)> words)
{
    area.accessibleSummary = [&area, words = std::move(words)] {
        int shown = 0;
        for (const Control* c : area.window().controls())
            shown += c->container() == &area && isExposed(*c);
        return words(shown);
    };
    area.window().accessibleTreeChanged();  // a frame with a summary is seen, no longer flattened
}

void installAccessibility()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(factory);
        installed = true;
    }
}

} // namespace tk
