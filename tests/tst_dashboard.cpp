#include <QDBusConnection>
#include <QGuiApplication>
#include <QProcess>
#include <QQuickView>
#include <QTemporaryDir>
#include <QtTest>

#include "ptApplicationManager.h"

// Counts the task-switcher signals that reach a second bus connection.
class DashboardListener : public QObject
{
    Q_OBJECT

public:
    int count = 0;

public slots:
    void onExitAppView() { ++count; }
};

class tst_Dashboard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sendsTheSignalTwice();
    void withoutBusStillMinimises();
    void comesBackFullScreen();

private:
    QTemporaryDir m_dataDir;
    QProcess m_busDaemon;
};

void tst_Dashboard::init()
{
    QVERIFY(m_dataDir.isValid());
    qputenv("XDG_DATA_HOME", m_dataDir.path().toLocal8Bit());
}

void tst_Dashboard::cleanup()
{
    if (m_busDaemon.state() != QProcess::NotRunning) {
        m_busDaemon.kill();
        m_busDaemon.waitForFinished();
    }
}

void tst_Dashboard::sendsTheSignalTwice()
{
    if (qgetenv("DBUS_SESSION_BUS_ADDRESS").contains("/nonexistent"))
        QSKIP("this run has no bus");

    // A private session bus, so that nothing outside the test sees the signal.
    m_busDaemon.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--print-address=1")});
    QVERIFY2(m_busDaemon.waitForStarted(), "dbus-daemon is needed for this test");
    QTRY_VERIFY(m_busDaemon.canReadLine());
    const QByteArray address = m_busDaemon.readLine().trimmed();
    QVERIFY(!address.isEmpty());
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);

    QDBusConnection watcher = QDBusConnection::connectToBus(QString::fromLatin1(address),
                                                            QStringLiteral("watcher"));
    QVERIFY(watcher.isConnected());
    DashboardListener listener;
    QVERIFY(watcher.connect(QString(), QStringLiteral("/"),
                            QStringLiteral("com.nokia.hildon_desktop"),
                            QStringLiteral("exit_app_view"), &listener, SLOT(onExitAppView())));

    ptApplicationManager manager;
    QQuickView view;
    view.resize(800, 480);
    view.show();
    manager.setView(&view);

    manager.showDashboard();
    QTRY_COMPARE(listener.count, 2);
    QTRY_VERIFY(view.windowStates() & Qt::WindowMinimized);

    // Nothing more arrives later.
    QTest::qWait(200);
    QCOMPARE(listener.count, 2);
    QDBusConnection::disconnectFromBus(QStringLiteral("watcher"));
}

void tst_Dashboard::withoutBusStillMinimises()
{
    // Run by CTest with DBUS_SESSION_BUS_ADDRESS pointing nowhere.
    if (!qgetenv("DBUS_SESSION_BUS_ADDRESS").contains("/nonexistent"))
        QSKIP("needs DBUS_SESSION_BUS_ADDRESS pointing at a missing bus");

    ptApplicationManager manager;
    QQuickView view;
    view.resize(800, 480);
    view.show();
    manager.setView(&view);

    manager.showDashboard();
    QTRY_VERIFY(view.windowStates() & Qt::WindowMinimized);
    QVERIFY(!QDBusConnection::sessionBus().isConnected());
}

void tst_Dashboard::comesBackFullScreen()
{
    ptApplicationManager manager;
    QQuickView view;
    view.showFullScreen();
    manager.setView(&view);

    manager.showDashboard();
    QTRY_VERIFY(view.windowStates() & Qt::WindowMinimized);
    // What a window manager may report when it restores the window.
    view.showNormal();
    QTRY_COMPARE(view.windowStates(), Qt::WindowStates(Qt::WindowFullScreen));
}

QTEST_MAIN(tst_Dashboard)
#include "tst_dashboard.moc"
