#include <QDBusConnection>
#include <QQuickView>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <memory>
#include <sys/mount.h>
#include <sys/resource.h>

#include "ptApplicationManager.h"
#include "ptCategoriesDataModel.h"
#include "ptSceneDriver.h"
#include "ptStartup.h"
#include "ptTestFiles.h"

using namespace Qt::StringLiterals;

// A screen saver on the test's own bus: it hands out cookies and keeps those
// not released yet.
class FakeScreenSaver : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    QSet<uint> m_held;
    uint m_issued = 0;

public slots:
    uint Inhibit(const QString &, const QString &) { return *m_held.insert(++m_issued); }
    void UnInhibit(uint pCookie) { m_held.remove(pCookie); }
};

// Notes of random hex digits keep the compressed document large.
static void addItems(ptListDataModel *pList, int pCount)
{
    for (int i = 0; i < pCount; ++i)
        pList->addItem(QStringLiteral("Item %1").arg(i), QStringLiteral("Category %1").arg(i % 7),
                       QStringLiteral("1.25"), QStringLiteral("2"), 0,
                       QUuid::createUuid().toString());
}

// A list with pItems items, and the settings of a first start.
static bool storeList(int pItems)
{
    ptApplicationManager manager;
    if (!manager.initialize() || !manager.createNewList(QStringLiteral("Weekly"), 0, QString()))
        return false;
    addItems(manager.listDataModel(), pItems);
    return manager.listDataModel()->saveModel();
}

// The stored list's name and number of items as a restarted program finds
// them; empty when it does not load.
static QString storedList(ptApplicationManager *pManager)
{
    const ptListDataModel *list = pManager->listDataModel();
    return pManager->loadList(0) ? list->listName() + ' ' + QString::number(list->items().size())
                                 : QString();
}

// The child's next line; empty when it ended first.
static QByteArray nextLine(QProcess *pChild)
{
    while (!pChild->canReadLine() && pChild->waitForReadyRead(60000)) { }
    return pChild->readLine();
}

// Starts the child, which inherits XDG_DATA_HOME, and returns its first line.
static QByteArray startChild(QProcess *pChild, const QStringList &pArguments)
{
    pChild->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    pChild->start(QStringLiteral(PANTRIX_CHILD), pArguments);
    return nextLine(pChild);
}

static void endChild(QProcess *pChild, int pSignal)
{
    if (pSignal != 0)
        QCOMPARE(::kill(pid_t(pChild->processId()), pSignal), 0);
    QVERIFY(pChild->waitForFinished(60000) || pChild->state() == QProcess::NotRunning);
    QCOMPARE(pChild->exitStatus(), QProcess::NormalExit);
    QCOMPARE(pChild->exitCode(), 0);
}

class tst_lifecycle : public QObject
{
    Q_OBJECT

public slots:
    void onExitAppView() { ++m_exitAppViews; }

private slots:
    // CTest runs the bus tests once more with the session bus address
    // pointing nowhere; otherwise the test brings its own bus, so that
    // nothing outside the test sees what the program sends.
    void initTestCase()
    {
        ptStartup::setIdentity();
        std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &m_fileSizeLimit), 0);
        m_noBus = qgetenv("DBUS_SESSION_BUS_ADDRESS").contains("/nonexistent");
        if (!m_noBus) {
            m_busDaemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
            QVERIFY2(m_busDaemon.waitForStarted(), "dbus-daemon is needed for this test");
            qputenv("DBUS_SESSION_BUS_ADDRESS", nextLine(&m_busDaemon).trimmed());
        }
    }

    void cleanupTestCase()
    {
        m_busDaemon.kill();
        m_busDaemon.waitForFinished();
    }

    void init()
    {
        m_dataDir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dataDir->isValid());
        qputenv("XDG_DATA_HOME", m_dataDir->path().toLocal8Bit());
    }

    void cleanup()
    {
        setrlimit(RLIMIT_FSIZE, &m_fileSizeLimit);
        if (m_mounted)
            umount2(m_dataDir->path().toLocal8Bit().constData(), MNT_DETACH);
        m_mounted = false;
    }

    void quitSavesListAndSettings_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("quit button") << "quit" << 0;
        QTest::newRow("window closed") << "close" << 0;
        QTest::newRow("SIGTERM") << "wait" << int(SIGTERM);
        QTest::newRow("SIGINT") << "wait" << int(SIGINT);
        QTest::newRow("SIGHUP") << "wait" << int(SIGHUP);
    }

    // The child adds an item to the open list and changes the currency, then
    // ends this way; neither change was saved before.
    void quitSavesListAndSettings()
    {
        QFETCH(QString, how);
        QFETCH(int, signalNumber);
        QVERIFY(storeList(1));
        QProcess child;
        QCOMPARE(startChild(&child, {"run", how}), QByteArray("ready\n"));
        endChild(&child, signalNumber);

        ptApplicationManager restarted;
        QVERIFY(restarted.initialize());
        QCOMPARE(restarted.currencyUnitsDataModel()->currentCurrencyIndex(), 44);
        QCOMPARE(storedList(&restarted), QStringLiteral("Weekly 2"));
    }

    void firstRun_data()
    {
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<bool>("settingsFile");
        QTest::addColumn<QByteArray>("codes");
        QTest::newRow("Russia") << QByteArray("ru_RU.UTF-8") << false << QByteArray("ru RUB\n");
        QTest::newRow("Germany") << QByteArray("de_DE.UTF-8") << false << QByteArray("en EUR\n");
        QTest::newRow("C") << QByteArray("C") << false << QByteArray("en AFN\n");
        QTest::newRow("settings rule")
                << QByteArray("ru_RU.UTF-8") << true << QByteArray("en ALL\n");
    }

    // Without a settings file the program speaks the system's language and
    // prices in its currency, where the tables have them; then it keeps them.
    void firstRun()
    {
        QFETCH(QByteArray, lang);
        QFETCH(bool, settingsFile);
        if (settingsFile) {
            ptApplicationManager manager;
            QVERIFY(manager.initialize());
            manager.currencyUnitsDataModel()->setCurrentCurrency(1);
        }
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString &name : {u"LC_ALL"_s, u"LC_NUMERIC"_s, u"LC_MONETARY"_s, u"LANGUAGE"_s})
            environment.remove(name);
        environment.insert(u"LANG"_s, QString::fromLatin1(lang));
        child.setProcessEnvironment(environment);
        QTEST(startChild(&child, {u"first"_s}), "codes");
        endChild(&child, 0);
        QProcess again;
        QTEST(startChild(&again, {u"first"_s}), "codes");
        endChild(&again, 0);
    }

    void oneProgramPerDataDirectory_data()
    {
        QTest::addColumn<bool>("otherDirectory");
        // A second start after the lock's first holder was killed.
        QTest::newRow("lock of a killed program") << false;
        QTest::newRow("other data directory") << true;
    }

    void oneProgramPerDataDirectory()
    {
        QFETCH(bool, otherDirectory);
        QProcess first;
        QCOMPARE(startChild(&first, {"run", "wait"}), QByteArray("ready\n"));
        QTemporaryDir other;
        if (otherDirectory) {
            qputenv("XDG_DATA_HOME", other.path().toLocal8Bit());
        } else {
            first.kill();
            QVERIFY(first.waitForFinished());
            QCOMPARE(startChild(&first, {"run", "wait"}), QByteArray("ready\n"));
        }
        QProcess second;
        QCOMPARE(startChild(&second, {"run", "wait"}), QByteArray(otherDirectory ? "ready\n" : ""));
        endChild(&second, otherDirectory ? SIGTERM : 0);
        // The running program comes to the front.
        if (!otherDirectory)
            QCOMPARE(nextLine(&first), QByteArray("front\n"));
        QCOMPARE(first.state(), QProcess::Running);
        endChild(&first, SIGTERM);
    }

    // A start that waits for a running program that does not answer (it holds
    // the lock but has no window yet) ends cleanly on SIGTERM: the handlers
    // are in place before the first file is read.
    void terminatedWhileStarting()
    {
        const QString directory = m_dataDir->filePath(u"Orvelle/PantrixApp"_s);
        QLockFile lock(directory + u"/pantrix.lock"_s);
        QVERIFY(QDir().mkpath(directory) && lock.tryLock(0));
        QProcess child;
        child.start(QStringLiteral(PANTRIX_CHILD), {"run", "wait"});
        QVERIFY(child.waitForStarted());
        QTest::qWait(500);
        endChild(&child, SIGTERM);
    }

    void failedSaveKeepsTheOldFiles_data()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<QByteArray>("remount");
        QTest::addColumn<int>("fileSizeLimit");
        QTest::newRow("disk full during a large write") << 5000 << QByteArray() << 16384;
        QTest::newRow("small write on a full disk") << 30 << QByteArray("size=8k") << 0;
        QTest::newRow("read-only data directory") << 30 << QByteArray("ro") << 0;
    }

    // A tmpfs as the data directory where mounting is allowed, remounted full
    // (its two pages hold the stored files) or read-only; otherwise a file
    // size limit. A small document stays in the write buffer until commit.
    void failedSaveKeepsTheOldFiles()
    {
        QFETCH(int, items);
        QFETCH(QByteArray, remount);
        QFETCH(int, fileSizeLimit);
        const QByteArray point = m_dataDir->path().toLocal8Bit();
        m_mounted = mount("tmpfs", point, "tmpfs", 0, "size=64k") == 0;
        QVERIFY(storeList(3));
        const QByteArray list = readFile(ptApplicationManager::listDocumentPath());
        const QByteArray settings = readFile(ptApplicationManager::settingsFilePath());
        const rlimit limit {rlim_t(fileSizeLimit), m_fileSizeLimit.rlim_max};
        if (!m_mounted)
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        else if (!remount.isEmpty())
            QCOMPARE(mount("tmpfs", point, "tmpfs", MS_REMOUNT, remount.constData()), 0);
        {
            ptApplicationManager manager;
            QVERIFY(manager.initialize());
            QVERIFY(manager.loadList(0));
            addItems(manager.listDataModel(), items);
            QVERIFY(!manager.listDataModel()->saveModel());
            manager.setCurrentLanguage(1);
        }
        QCOMPARE(readFile(ptApplicationManager::listDocumentPath()), list);
        QCOMPARE(QDir(ptApplicationManager::listsDirectoryPath()).entryList(QDir::Files),
                 QStringList {"demo-list.ptl"});
        // Once the failed list save has given its room back, the settings fit.
        QCOMPARE(readFile(ptApplicationManager::settingsFilePath()) == settings, !fileSizeLimit);
    }

    void killedWhileSaving_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QStringList>("wholeLists");
        QTest::newRow("settings") << "settings" << QStringList {"Weekly 0"};
        QTest::newRow("list document") << "list" << QStringList {"Small 0", "Large 0", "Large 500"};
    }

    // The saver is killed at a random moment after its first save; the
    // restarted program must find files that were written whole.
    void killedWhileSaving()
    {
        QFETCH(QString, what);
        QFETCH(QStringList, wholeLists);
        QVERIFY(storeList(0));
        QRandomGenerator random(20261206);
        for (int round = 0; round < 20; ++round) {
            QProcess saver;
            QCOMPARE(startChild(&saver, {what}), QByteArray("saving\n"));
            QTest::qWait(int(random.bounded(250)));
            QCOMPARE(saver.state(), QProcess::Running);
            saver.kill();
            QVERIFY(saver.waitForFinished());

            const QByteArray settings = readFile(ptApplicationManager::settingsFilePath());
            {
                ptApplicationManager restarted;
                QVERIFY(restarted.initialize());
                const QString list = storedList(&restarted);
                QVERIFY2(wholeLists.contains(list), qPrintable(list));
            }
            // Settings that were read whole are written back unchanged.
            QCOMPARE(readFile(ptApplicationManager::settingsFilePath()), settings);
        }
    }

    // The program makes changes on the editing and shopping screens and is
    // killed at random moments (PANTRIX_KILLS times, 200 unless set), mostly
    // early, a quarter after the first second: each time the document and My
    // Items read whole and hold every change made more than a second before
    // the kill.
    void killedWhileChanging()
    {
        QVERIFY(storeList(0));
        const QString path = ptApplicationManager::listDocumentPath();
        const QByteArray empty = readFile(path);
        const QByteArray kills = qgetenv("PANTRIX_KILLS");
        QRandomGenerator random(20261208);
        for (int round = 0; round < (kills.isEmpty() ? 200 : kills.toInt()); ++round) {
            QVERIFY(writeFile(path, empty));
            QFile::remove(ptApplicationManager::myItemsFilePath());
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            QElapsedTimer clock;
            clock.start();
            child.start(QStringLiteral(PANTRIX_CHILD), {"changes"});
            QVERIFY(child.waitForStarted());
            const qint64 killAt
                    = random.bounded(4) ? random.bounded(600) : 1000 + random.bounded(400);
            QList<std::pair<qint64, int>> changes; // when each change was reported
            while (clock.elapsed() < killAt) {
                child.waitForReadyRead(int(qMax<qint64>(1, killAt - clock.elapsed())));
                while (child.canReadLine())
                    changes.append({clock.elapsed(), child.readLine().trimmed().toInt()});
            }
            QCOMPARE(::kill(pid_t(child.processId()), SIGKILL), 0);
            QVERIFY(child.waitForFinished());
            int older = -1;
            for (const auto &[when, change] : std::as_const(changes)) {
                if (when < clock.elapsed() - 1000)
                    older = change;
            }
            ptListDataModel list;
            QVERIFY2(list.loadModel(path), "a torn document");
            QVERIFY2(list.items(true).size() + list.items(false).size() >= qMin(older + 1, 40)
                             && list.items(false).size() >= older - 39,
                     qPrintable(QStringLiteral("change %1 lost").arg(older)));
            list.releaseModel();
            ptCategoriesDataModel myItems; // each new item went to My Items too
            myItems.setFileName(ptApplicationManager::myItemsFilePath());
            QVERIFY2(myItems.loadModel(), "a torn My Items file");
            QVERIFY2(myItems.entries().size() >= qMin(older + 1, 40),
                     qPrintable(QStringLiteral("My Items lost change %1").arg(older)));
        }
    }

    // A burst of replacements and conflict copies by another program while
    // the open list has a change of its own: every version is merged, and a
    // second later the program is idle and ends at once on SIGTERM.
    void settlesAfterOtherPrograms()
    {
        QVERIFY(storeList(3));
        QProcess child;
        QCOMPARE(startChild(&child, {"run", "wait"}), QByteArray("ready\n"));
        const QDir lists(ptApplicationManager::listsDirectoryPath());
        QTemporaryDir scratch;
        const QString written = scratch.filePath(u"other.ptl"_s);
        ptListDataModel other;
        QVERIFY(other.newModel(written, u"Other"_s, 0, QString()));
        for (int i = 0; i < 40; ++i) {
            QVERIFY(other.addItem(QString::number(i), QString(), QString(), QString(), 0, QString())
                    && other.saveModel());
            const QString copy = i % 10
                    ? u".syncthing.demo-list.ptl.tmp"_s
                    : u"demo-list.sync-conflict-20261208-1015%1-ABCDEFG.ptl"_s.arg(
                            i, 2, 10, QLatin1Char('0'));
            QVERIFY(QFile::copy(written, lists.filePath(copy)));
            if (i % 10)
                QCOMPARE(std::rename(QFile::encodeName(lists.filePath(copy)).constData(),
                                     QFile::encodeName(lists.filePath(u"demo-list.ptl"_s))),
                         0);
            QTest::qWait(i % 7 * 10);
        }
        other.releaseModel();

        QTest::qWait(1500);
        const auto cpuTicks = [&child] {
            const QList<QByteArray> stat
                    = readFile(u"/proc/%1/stat"_s.arg(child.processId())).split(' ');
            return stat.value(13).toLongLong() + stat.value(14).toLongLong();
        };
        const qint64 before = cpuTicks();
        QTest::qWait(1000);
        QVERIFY2(cpuTicks() - before <= 5, "busy while nothing changes"); // in 1/100 s
        QElapsedTimer ending;
        ending.start();
        endChild(&child, SIGTERM);
        QVERIFY(ending.elapsed() < 2000);
        ptApplicationManager restarted;
        QVERIFY(restarted.initialize());
        // The other's last version followed the program's write with Milk and
        // lacks it: to a merge, Milk was deleted there.
        QCOMPARE(storedList(&restarted), u"Other 40"_s);
        QCOMPARE(lists.entryList(QDir::Files | QDir::Hidden), QStringList {u"demo-list.ptl"_s});
    }

    void dashboard()
    {
        QDBusConnection::connectToBus(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), "watcher")
                .connect(QString(), "/", "com.nokia.hildon_desktop", "exit_app_view", this,
                         SLOT(onExitAppView()));

        ptApplicationManager manager;
        QQuickView view;
        view.showFullScreen();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        manager.setView(&view);
        manager.showDashboard();
        QTRY_COMPARE(view.windowStates(), Qt::WindowFullScreen | Qt::WindowMinimized);
        QTRY_COMPARE(m_exitAppViews, m_noBus ? 0 : 2);
        QTest::qWait(200); // and no more
        QCOMPARE(m_exitAppViews, m_noBus ? 0 : 2);

        // What a window manager may do when it brings the window back.
        view.showNormal();
        QTRY_COMPARE(view.windowStates(), Qt::WindowStates(Qt::WindowFullScreen));
    }

    // The screen saver is held off from the tap on a list until the way back
    // to the lists, and from the next tap until the program ends.
    void screenKeptOn()
    {
        FakeScreenSaver saver;
        QDBusConnection service = QDBusConnection::connectToBus(
                qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), "screensaver");
        QCOMPARE(service.registerService("org.freedesktop.ScreenSaver"), !m_noBus);
        service.registerObject("/org/freedesktop/ScreenSaver", &saver,
                               QDBusConnection::ExportAllSlots);
        const qsizetype shopping = m_noBus ? 0 : 1;
        {
            ptSceneDriver ui;
            QVERIFY(ui.startWithList(0, {{"Milk", "Dairy", "1.00"}}));
            ui.click(u"listNameText"_s);
            ui.waitFor(u"shopRows"_s);
            QTRY_COMPARE(saver.m_held.size(), shopping);
            ui.click(u"screenHeaderRight"_s, ui.named(u"shopHeader"_s));
            QTRY_COMPARE(saver.m_held.size(), 0);
            ui.click(u"listNameText"_s);
            QTRY_COMPARE(saver.m_held.size(), shopping);
        }
        QTRY_COMPARE(saver.m_held.size(), 0);
        QCOMPARE(saver.m_issued, uint(2 * shopping));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dataDir;
    bool m_mounted = false;
    rlimit m_fileSizeLimit {};
    int m_exitAppViews = 0;
    bool m_noBus = false;
    QProcess m_busDaemon;
};

QTEST_MAIN(tst_lifecycle)
#include "tst_lifecycle.moc"
