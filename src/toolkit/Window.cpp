#include "Window.h"

#include <QCloseEvent>
#include <QPainter>

#include <algorithm>

namespace tk {

namespace {
bool isWindowed(Kind kind)
{
    return kind == Kind::Frame || kind == Kind::OptionButton || kind == Kind::Panel;
}
} // namespace

Window::Window(Runtime& runtime, const WindowSpec& spec, WindowHost& host)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint),
      runtime_(runtime),
      spec_(spec),
      host_(host),
      back_(spec.back.color())
{
    setObjectName(QString::fromLatin1(spec.name));
    setWindowTitle(layoutText(spec.caption));
    if (spec.icon)
        setWindowIcon(spec.icon());
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(toPixels(spec.clientWidth), toPixels(spec.clientHeight));
    build();
}

Window::~Window()
{
    detached_ = true;
    accessibleTreeChanged();
    // The widgets refer to their controls: they go first.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        delete child;
}

void Window::build()
{
    controls_.reserve(spec_.controls.size());
    for (const ControlSpec& spec : spec_.controls) {
        Control* container = nullptr;
        if (spec.container) {
            container = find(QString::fromLatin1(spec.container));
            if (!container || container->kind() != Kind::Frame)
                qFatal("%s: container %s must be a frame listed earlier", spec.name, spec.container);
        }
        owned_.push_back(create(spec, container));
        controls_.push_back(owned_.back().get());
    }
    stack();

    std::vector<Control*> tabOrder;
    for (Control* c : controls_)
        if (c->takesFocus())
            tabOrder.push_back(c);
    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex() < b->tabIndex(); });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1]->widget(), tabOrder[i]->widget());
    focus_.setTabOrder(std::move(tabOrder));

    // A press is the switch, wherever it lands: it neither reaches a control nor focuses one.
    if (runtime_.isScanning()) {
        installEventFilter(this);
        for (Control* c : controls_)
            if (QWidget* w = c->widget()) {
                w->installEventFilter(this);
                w->setFocusPolicy(Qt::FocusPolicy(w->focusPolicy() & ~Qt::ClickFocus));
            }
    }
}

std::unique_ptr<Control> Window::create(const ControlSpec& spec, Control* container)
{
    switch (spec.kind) {
    case Kind::Frame: return std::make_unique<Frame>(*this, spec, container);
    case Kind::Label: return std::make_unique<Label>(*this, spec, container);
    case Kind::OptionButton: return std::make_unique<OptionButton>(*this, spec, container);
    case Kind::Image: return std::make_unique<Image>(*this, spec, container);
    case Kind::Panel: return std::make_unique<Panel>(*this, spec, container);
    case Kind::Shape: return std::make_unique<Shape>(*this, spec, container);
    case Kind::Timer: return std::make_unique<Timer>(*this, spec, container);
    }
    Q_UNREACHABLE();
}

// Tables list each container's children front-most first; windowed controls (frames, keys, panels)
// always lie above light ones (labels, shapes, images) of the same container.
void Window::stack()
{
    for (bool windowed : {false, true})
        for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
            if (QWidget* w = (*it)->widget(); w && isWindowed((*it)->kind()) == windowed)
                w->raise();
}

Control* Window::find(const QString& name, int index) const
{
    for (Control* c : controls_)
        if (c->index() == index && c->name() == name)
            return c;
    return nullptr;
}

double Window::outerWidth() const
{
    return frameGeometry().width() * double(twipsPerPixel);
}

// ---- The window's own events

void Window::detach()
{
    if (detached_)
        return;
    for (Control* c : controls_)
        if (c->kind() == Kind::Timer)
            c->setEnabled(false);
    detached_ = true;
    focus_.scan().setActive(false);
    hide();
}

void Window::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const double scale = std::min({1.0, innerWidth() / spec_.clientWidth, innerHeight() / spec_.clientHeight});
    if (scale != scale_) {
        // Every control is placed again, against the new size.
        scale_ = scale;
        for (Control* c : controls_)
            c->rescale();
    } else {
        for (Control* c : controls_)
            if (c->kind() == Kind::Panel || (isRightToLeft() && !c->container()))
                c->relocate();
    }
    raise([this] { host_.windowResized(); });
}

void Window::closeEvent(QCloseEvent* event)
{
    // Closing is unloading, which the form does itself, in its own order.
    event->ignore();
    raise([this] { host_.windowCloseRequested(); });
}

void Window::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange)
        for (Control* c : controls_)
            c->relocate();
    if (event->type() == QEvent::ActivationChange)
        focus_.scan().setActive(isActiveWindow() && isVisible());
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) {
        runtime_.keyboard().windowActivated(*this);
        raise([this] { host_.windowActivated(); });
    }
}

void Window::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), back_);
}

bool Window::event(QEvent* event)
{
    if (event->type() == QEvent::Hide) {
        focus_.scan().setActive(false);
        mouseSwitchDown_ = false;  // its release, if any, goes to another window
    }
    return focus_.handleTab(*event) || QWidget::event(event);
}

// The press and its release go to the switch, not to the control under the pointer. While one
// button holds the switch down, another adds nothing: a held switch acts once.
bool Window::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!std::exchange(mouseSwitchDown_, true))
            focus_.switchPressed();
        return true;
    case QEvent::MouseButtonRelease:
        if (std::exchange(mouseSwitchDown_, false))
            focus_.switchReleased();
        return true;
    default: return QWidget::eventFilter(watched, event);
    }
}

void Window::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    focus_.handleKeyPress(*event);
}

void Window::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
    focus_.handleKeyRelease(*event);
}

} // namespace tk
