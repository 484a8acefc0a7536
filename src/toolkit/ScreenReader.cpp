#include "ScreenReader.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace tk {

namespace {
const QString service = QStringLiteral("org.a11y.Bus");
const QString path = QStringLiteral("/org/a11y/bus");
const QString status = QStringLiteral("org.a11y.Status");
const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString screenReaderEnabled = QStringLiteral("ScreenReaderEnabled");
} // namespace

void ScreenReader::follow()
{
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
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
