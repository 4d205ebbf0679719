#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <csignal>

#include "ptApplicationManager.h"
#include "ptStartup.h"
#include "quitroad.h"

namespace {

QStringList itemNames(ptApplicationManager *pManager)
{
    QStringList names;
    const QList<QHash<QString, QString>> items = pManager->listDataModel()->items(true);
    for (const QHash<QString, QString> &item : items)
        names.append(item.value(QStringLiteral("name")));
    names.sort();
    return names;
}

// What a fresh start of the program finds on disk: the stored list's item
// names and the stored currency.
void checkStoredChange()
{
    ptApplicationManager manager;
    QVERIFY(manager.initialize());
    QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencyIndex(), quitroad::ChangedCurrency);
    QVERIFY(manager.loadList(0));
    QCOMPARE(itemNames(&manager),
             QStringList({QStringLiteral("Bread"), quitroad::addedItemName()}));
    // Reading must not count as the change: the next start sees the same.
    manager.listDataModel()->releaseModel();
}

// Starts the program's start-up in a child process on the data directory.
void startApp(QProcess *pApp, const QString &pDataDir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), pDataDir);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    pApp->setProcessEnvironment(environment);
    pApp->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    pApp->start(QStringLiteral(PANTRIX_QUITAPP), QStringList());
}

// The child's first line: "ready" once it runs; empty when it ended first.
QByteArray firstLine(QProcess *pApp)
{
    QByteArray output;
    while (!output.contains('\n') && pApp->waitForReadyRead(60000))
        output += pApp->readAllStandardOutput();
    return output;
}

// The list document and the settings file as they are on disk.
QByteArray storedFiles()
{
    QByteArray bytes;
    for (const QString &path :
         {ptApplicationManager::listDocumentPath(), ptApplicationManager::settingsFilePath()}) {
        QFile file(path);
        bytes += file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
    }
    return bytes;
}

} // namespace

// Ending the program by other means than its quit button: the window closed
// by the desktop, a signal from the session or a service manager. Each must
// leave the open list and the settings on disk as the quit button does.
class tst_Quit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void closingTheWindowSavesListAndSettings_data();
    void closingTheWindowSavesListAndSettings();
    void signalSavesListAndSettings_data();
    void signalSavesListAndSettings();
    void oneProgramPerDataDirectory_data();
    void oneProgramPerDataDirectory();

private:
    std::unique_ptr<QTemporaryDir> m_dataDir;
};

void tst_Quit::initTestCase()
{
    ptStartup::setIdentity();
}

void tst_Quit::init()
{
    m_dataDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dataDir->isValid());
    qputenv("XDG_DATA_HOME", m_dataDir->path().toLocal8Bit());
    QVERIFY(quitroad::storeList());
}

void tst_Quit::closingTheWindowSavesListAndSettings_data()
{
    QTest::addColumn<bool>("quitOnLastWindowClosed");
    QTest::newRow("Qt's default") << true;
    QTest::newRow("without quit on last window closed") << false;
}

void tst_Quit::closingTheWindowSavesListAndSettings()
{
    QFETCH(bool, quitOnLastWindowClosed);
    QGuiApplication::setQuitOnLastWindowClosed(quitOnLastWindowClosed);
    auto restore = qScopeGuard([] { QGuiApplication::setQuitOnLastWindowClosed(true); });

    // Should the window's close not end the event loop, this ends it with a
    // code the check below refuses, instead of hanging the test.
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, this, [] { QCoreApplication::exit(99); });
    guard.start(60000);

    bool changed = false;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, this, [&] {
        QQuickView *view = quitroad::runningView();
        if (!view)
            return;
        poll.stop();
        changed = quitroad::changeOpenList(quitroad::managerOf(view));
        view->close();
    });
    poll.start();

    struct sigaction before = {};
    QCOMPARE(::sigaction(SIGTERM, nullptr, &before), 0);

    QCOMPARE(ptStartup::run(), 0);
    QVERIFY(changed);

    // The signal handling of the run is gone with it.
    struct sigaction after = {};
    QCOMPARE(::sigaction(SIGTERM, nullptr, &after), 0);
    QCOMPARE(reinterpret_cast<void *>(after.sa_handler),
             reinterpret_cast<void *>(before.sa_handler));

    checkStoredChange();
}

void tst_Quit::signalSavesListAndSettings_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

void tst_Quit::signalSavesListAndSettings()
{
    QFETCH(int, signalNumber);

    QProcess app;
    startApp(&app, m_dataDir->path());
    QVERIFY2(app.waitForStarted(), qPrintable(app.errorString()));
    QCOMPARE(firstLine(&app), QByteArray("ready\n"));

    QCOMPARE(::kill(pid_t(app.processId()), signalNumber), 0);
    QVERIFY(app.waitForFinished(60000));
    QCOMPARE(app.exitStatus(), QProcess::NormalExit);
    QCOMPARE(app.exitCode(), 0);

    checkStoredChange();
}

void tst_Quit::oneProgramPerDataDirectory_data()
{
    QTest::addColumn<bool>("afterKilledProgram");
    QTest::addColumn<bool>("otherDirectory");
    QTest::newRow("second start") << false << false;
    QTest::newRow("lock of a killed program") << true << false;
    QTest::newRow("other data directory") << false << true;
}

// The program runs in the test; a second one starts in a child process.
void tst_Quit::oneProgramPerDataDirectory()
{
    QFETCH(bool, afterKilledProgram);
    QFETCH(bool, otherDirectory);
    QTemporaryDir other;
    if (otherDirectory) {
        qputenv("XDG_DATA_HOME", other.path().toLocal8Bit());
        QVERIFY(quitroad::storeList());
        qputenv("XDG_DATA_HOME", m_dataDir->path().toLocal8Bit());
    }
    if (afterKilledProgram) {
        QProcess killed;
        startApp(&killed, m_dataDir->path());
        QCOMPARE(firstLine(&killed), QByteArray("ready\n"));
        killed.kill();
        QVERIFY(killed.waitForFinished());
    }

    QProcess second;
    QByteArray output;
    bool untouched = false;
    bool front = false;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, this, [&] {
        QQuickView *view = quitroad::runningView();
        if (!view)
            return;
        poll.stop();
        view->showMinimized();
        const QByteArray stored = storedFiles();
        startApp(&second, otherDirectory ? other.path() : m_dataDir->path());
        output = firstLine(&second);
        if (second.state() == QProcess::Running)
            ::kill(pid_t(second.processId()), SIGTERM);
        second.waitForFinished(60000);
        untouched = storedFiles() == stored;
        front = QTest::qWaitFor([view] { return view->windowStates() == Qt::WindowFullScreen; });
        quitroad::managerOf(view)->quit();
    });
    poll.start();

    QCOMPARE(ptStartup::run(), 0);
    QCOMPARE(output, otherDirectory ? QByteArray("ready\n") : QByteArray());
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(untouched);
    QCOMPARE(front, !otherDirectory);
}

QTEST_MAIN(tst_Quit)
#include "tst_quit.moc"
