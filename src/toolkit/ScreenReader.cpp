#include "ScreenReader.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

#include <sys/stat.h>

namespace tk {

namespace {
const QString service = QStringLiteral("org.a11y.Bus");
const QString path = QStringLiteral("/org/a11y/bus");
const QString status = QStringLiteral("org.a11y.Status");
const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString screenReaderEnabled = QStringLiteral("ScreenReaderEnabled");

// The session bus where libdbus finds it: the address it is given, else the socket that systemd
// keeps in the runtime folder. Never one started for the asking, as autolaunch would.
QDBusConnection sessionBus()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return QDBusConnection::sessionBus();
    const QByteArray socket = qgetenv("XDG_RUNTIME_DIR") + "/bus";
    struct stat info {};
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") || ::stat(socket.constData(), &info) != 0
        || !S_ISSOCK(info.st_mode))
        return QDBusConnection(QString());
    // An address escapes every byte but [-0-9A-Za-z_/.*].
    const QByteArray address = "unix:path=" + socket.toPercentEncoding("/*", "~");
    return QDBusConnection::connectToBus(QString::fromLatin1(address), QStringLiteral("quantella-screen-reader"));
}
} // namespace

void ScreenReader::follow()
{
    QDBusConnection bus = sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(service, path, properties, QStringLiteral("PropertiesChanged"), this,
                SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    QDBusMessage get = QDBusMessage::createMethodCall(service, path, properties, QStringLiteral("Get"));
    get << status << screenReaderEnabled;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (!reply.isError())
            active_ = reply.value().variant().toBool();
        call->deleteLater();
    });
}

void ScreenReader::propertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList&)
{
    if (interface == status && changed.contains(screenReaderEnabled))
        active_ = changed.value(screenReaderEnabled).toBool();
}

} // namespace tk
