#include "schedule/DesktopNotifier.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QVariantMap>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace nudgeon {

// A notification service on a private bus that records what it is asked.
class FakeNotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Call {
        QString appName;
        uint replacesId;
        QString summary;
        QString body;
        QVariantMap hints;
        int expireTimeout;
    };
    std::vector<Call> Notified;
    std::vector<uint> Closed;
    uint nextId = 41;

public slots:
    uint Notify(const QString& appName, uint replacesId, const QString&, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap& hints,
                int expireTimeout)
    {
        Notified.push_back({appName, replacesId, summary, body, hints, expireTimeout});
        return replacesId != 0 ? replacesId : ++nextId;
    }
    void CloseNotification(uint id) { Closed.push_back(id); }
};

namespace {

class DesktopNotifierTest : public testing::Test {
protected:
    QProcess daemon;
    QString address;
    FakeNotificationService service;

    void SetUp() override
    {
        const QString program = QStandardPaths::findExecutable("dbus-daemon");
        if (program.isEmpty())
            GTEST_SKIP() << "dbus-daemon is not installed";
        daemon.start(program, {"--session", "--nofork", "--print-address=1"});
        ASSERT_TRUE(daemon.waitForReadyRead(10000));
        address = QString::fromUtf8(daemon.readLine()).trimmed();
        ASSERT_FALSE(address.isEmpty());
    }
    void TearDown() override
    {
        QDBusConnection::disconnectFromBus("service");
        QDBusConnection::disconnectFromBus("client");
        daemon.kill();
        daemon.waitForFinished();
    }

    void StartService()
    {
        QDBusConnection bus = QDBusConnection::connectToBus(address, "service");
        ASSERT_TRUE(bus.isConnected());
        ASSERT_TRUE(bus.registerObject("/org/freedesktop/Notifications", &service,
                                       QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(bus.registerService("org.freedesktop.Notifications"));
    }
    QDBusConnection Client() { return QDBusConnection::connectToBus(address, "client"); }
};

TEST_F(DesktopNotifierTest, AnAnnouncementStaysUntilItIsWithdrawn)
{
    StartService();
    TFreedesktopNotifier notifier(Client());
    notifier.Announce("Reminder Notification", "Call <Bob> & Ann");
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifier.ShownId() != 0; }, 5000));

    ASSERT_EQ(service.Notified.size(), 1u);
    const auto& call = service.Notified[0];
    EXPECT_EQ(call.appName, "Nudgeon!");
    EXPECT_EQ(call.replacesId, 0u);
    EXPECT_EQ(call.summary, "Reminder Notification");
    EXPECT_EQ(call.body, "Call &lt;Bob&gt; &amp; Ann");
    EXPECT_EQ(call.hints.value("urgency").toInt(), 2);
    EXPECT_EQ(call.expireTimeout, 0);
    EXPECT_EQ(notifier.ShownId(), 42u);

    notifier.Withdraw();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !service.Closed.empty(); }, 5000));
    EXPECT_EQ(service.Closed, std::vector<uint>{42});
    EXPECT_EQ(notifier.ShownId(), 0u);
}

TEST_F(DesktopNotifierTest, ASecondAnnouncementReplacesTheFirst)
{
    StartService();
    TFreedesktopNotifier notifier(Client());
    notifier.Announce("Reminder Notification", "first");
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifier.ShownId() != 0; }, 5000));
    notifier.Announce("Reminder Notification", "second");
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.Notified.size() == 2; }, 5000));
    EXPECT_EQ(service.Notified[1].replacesId, notifier.ShownId());
}

TEST_F(DesktopNotifierTest, AWithdrawalBeforeTheServiceAnswersStillClosesIt)
{
    StartService();
    TFreedesktopNotifier notifier(Client());
    notifier.Announce("Reminder Notification", "Call Bob");
    notifier.Withdraw();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !service.Closed.empty(); }, 5000));
    EXPECT_EQ(service.Closed, std::vector<uint>{42});
    EXPECT_EQ(notifier.ShownId(), 0u);
}

// Qt keeps the session bus it reached first for the life of the process, so both cases share one
// test: had the first reached for a bus, the second would find that dead one.
TEST_F(DesktopNotifierTest, TheSessionBusIsReachedOnlyWhenTheSessionHasOne)
{
    const QByteArray savedAddress = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    QTemporaryDir emptyRuntime;
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("XDG_RUNTIME_DIR", emptyRuntime.path().toUtf8());
    {
        TFreedesktopNotifier notifier;
        notifier.Announce("Reminder Notification", "Call Bob");
        notifier.Withdraw();
        EXPECT_EQ(notifier.ShownId(), 0u);
    }

    StartService();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
    TFreedesktopNotifier notifier;
    notifier.Announce("Reminder Notification", "Call Bob");
    EXPECT_TRUE(QTest::qWaitFor([&] { return notifier.ShownId() != 0; }, 5000));

    qputenv("DBUS_SESSION_BUS_ADDRESS", savedAddress);
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
}

TEST_F(DesktopNotifierTest, WithoutAServiceNothingHappensAndNothingBreaks)
{
    QDBusConnection client = Client();
    TFreedesktopNotifier notifier(client);
    notifier.Announce("Reminder Notification", "Call Bob");
    // The bus answers in order: once this answer is in, so is the error for the announcement.
    EXPECT_FALSE(client.interface()->isServiceRegistered("org.freedesktop.Notifications"));
    QCoreApplication::processEvents();
    EXPECT_EQ(notifier.ShownId(), 0u);
    notifier.Withdraw();

    TFreedesktopNotifier unconnected(
        QDBusConnection::connectToBus("unix:path=/nonexistent", "none"));
    unconnected.Announce("Reminder Notification", "Call Bob");
    unconnected.Withdraw();
    EXPECT_EQ(unconnected.ShownId(), 0u);
    QDBusConnection::disconnectFromBus("none");
}

} // namespace
} // namespace nudgeon

#include "DesktopNotifierTest.moc"
