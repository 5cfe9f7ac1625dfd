// Desktop notifications that tell the user a reminder is waiting when its window may not be seen.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace nudgeon {

class DesktopNotifier {
public:
    virtual ~DesktopNotifier() = default;
    // Shows a notification in place of the one shown before.
    virtual void Announce(const QString& summary, const QString& body) = 0;
    // Takes the notification away again, when one is shown.
    virtual void Withdraw() = 0;
};

// Over the freedesktop.org notification service on D-Bus. Calls never wait for the service,
// and without one (no session bus, no service) nothing happens.
class TFreedesktopNotifier : public QObject, public DesktopNotifier {
    Q_OBJECT

public:
    // On the user's session bus, reached at the first announcement.
    explicit TFreedesktopNotifier(QObject* parent = nullptr);
    explicit TFreedesktopNotifier(QDBusConnection bus, QObject* parent = nullptr);

    void Announce(const QString& summary, const QString& body) override;
    void Withdraw() override;

    // The service's number of the notification shown now; 0 when none is known to be shown.
    quint32 ShownId() const { return shownId_; }

private:
    void Shown(quint64 announcement, quint32 id);
    void Close(quint32 id);
    QDBusConnection& Bus();

    std::optional<QDBusConnection> bus_;
    quint32 shownId_ = 0;
    // Counts announcements, so that an answer arriving after a later Announce or Withdraw is
    // recognised as stale and its notification closed.
    quint64 lastAnnouncement_ = 0;
    quint64 wantedAnnouncement_ = 0;
};

} // namespace nudgeon
