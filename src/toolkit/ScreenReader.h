#pragma once
// Whether a screen reader is at work: it then says key names and outcomes itself, and the
// program's own voice leaves them to it. Read from the accessibility bus's status, which screen
// readers set; the bus being enabled is not enough, as switch access and on-screen keyboards
// enable it too, and their users need the names said most.

#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace tk {

class ScreenReader final : public QObject {
    Q_OBJECT

public:
    bool isActive() const { return active_; }
    void setActive(bool active) { active_ = active; }

    // Follows the desktop's setting over the session bus, by its address or at $XDG_RUNTIME_DIR/bus,
    // without waiting for an answer. Without a session bus there is no screen reader; none is
    // started for the asking.
    void follow();

private slots:
    void propertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);

private:
    bool active_ = false;
};

} // namespace tk
