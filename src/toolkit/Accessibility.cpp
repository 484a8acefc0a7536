#include "Accessibility.h"

#include "Controls.h"
#include "Input.h"
#include "Window.h"

#include <QAccessibleWidget>

namespace tk {

namespace {

class ControlAccessible final : public QAccessibleWidget {
public:
    ControlAccessible(QWidget* widget, Control& control, QAccessible::Role role)
        : QAccessibleWidget(widget, role), control_(control)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return name();
        case QAccessible::Description:
            return widget()->accessibleDescription();
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

private:
    QString name() const
    {
        return control_.accessibleSummary ? control_.accessibleSummary() : control_.spokenName();
    }

    Control& control_;
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

QAccessibleInterface* factory(const QString&, QObject* object)
{
    auto* widget = dynamic_cast<ControlWidget*>(object);
    if (!widget)
        return nullptr;
    Control& control = widget->control();
    return new ControlAccessible(widget, control, roleOf(control.kind()));
}

} // namespace

void summariseArea(Control& area, const QString& one, const QString& many)
{
    area.accessibleSummary = [&area, one, many] {
        int shown = 0;
        for (const Control* c : area.window().controls()) {
            if (c->container() != &area || !c->isVisible())
                continue;
            if (c->kind() == Kind::Image)
                shown += !static_cast<const Image*>(c)->picture().isNull();
            else if (c->kind() == Kind::Label)
                shown += !static_cast<const Label*>(c)->caption().isEmpty();
        }
        return QStringLiteral("%1 %2").arg(shown).arg(shown == 1 ? one : many);
    };
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
