#include "schedule/DesktopNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QStringList>
#include <QVariantMap>

namespace nudgeon {
namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");

constexpr uchar CriticalUrgency = 2;
// Critical notifications stay until the user or the program takes them away.
constexpr int NeverExpires = 0;

// The session bus when the session has one. Without one, asking Qt for it would have D-Bus
// launch a bus of its own, on which no notification service runs.
QDBusConnection SessionBusIfRunning()
{
    const QString runtimeDirectory = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const bool running = qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") ||
                         (!runtimeDirectory.isEmpty() && QFile::exists(runtimeDirectory + "/bus"));
    return running ? QDBusConnection::sessionBus() : QDBusConnection(QString());
}

} // namespace

TFreedesktopNotifier::TFreedesktopNotifier(QObject* parent) : QObject(parent) {}

TFreedesktopNotifier::TFreedesktopNotifier(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus))
{}

QDBusConnection& TFreedesktopNotifier::Bus()
{
    if (!bus_)
        bus_ = SessionBusIfRunning();
    return *bus_;
}

void TFreedesktopNotifier::Announce(const QString& summary, const QString& body)
{
    if (!Bus().isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, "Notify");
    const QVariantMap hints{{"urgency", QVariant::fromValue(CriticalUrgency)}};
    // Services that understand markup in the body would otherwise read "<" and "&" as markup.
    call << QStringLiteral("Nudgeon!") << shownId_ << QStringLiteral("appointment-soon") << summary
         << body.toHtmlEscaped() << QStringList() << hints << NeverExpires;

    const quint64 announcement = ++lastAnnouncement_;
    wantedAnnouncement_ = announcement;
    auto* watcher = new QDBusPendingCallWatcher(Bus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, announcement](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<quint32> reply = *finished;
                if (reply.isValid())
                    Shown(announcement, reply.value());
                finished->deleteLater();
            });
}

void TFreedesktopNotifier::Withdraw()
{
    wantedAnnouncement_ = 0;
    if (shownId_ != 0)
        Close(shownId_);
    shownId_ = 0;
}

void TFreedesktopNotifier::Shown(quint64 announcement, quint32 id)
{
    if (announcement == wantedAnnouncement_)
        shownId_ = id;
    else if (id != shownId_)
        Close(id);
}

void TFreedesktopNotifier::Close(quint32 id)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(Service, Path, Interface, "CloseNotification");
    call << id;
    Bus().asyncCall(call);
}

} // namespace nudgeon
