#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <sys/mount.h>
#include <sys/resource.h>
#include <csignal>

#include "ptApplicationManager.h"
#include "ptStartup.h"

namespace {

QByteArray readFile(const QString &pPath)
{
    QFile file(pPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray settingsDocument(int pLanguage)
{
    // The stream writer's auto-formatting starts the document with a line
    // break and ends it without one.
    return QByteArray("\n<pantrix_settings version=\"1.0.0\">\n"
                      "    <item name=\"language\" value=\"")
            + QByteArray::number(pLanguage)
            + "\"/>\n"
              "    <item name=\"currency\" value=\"0\"/>\n"
              "</pantrix_settings>";
}

void addItems(ptListDataModel *pList, int pCount)
{
    for (int i = 0; i < pCount; ++i)
        pList->addItem(QStringLiteral("Item number %1 with a long name").arg(i),
                       QStringLiteral("Category %1").arg(i % 7), QStringLiteral("1.25"),
                       QStringLiteral("2"), 0, QStringLiteral("note %1").arg(i));
}

// Fills the file system holding pDirectory until nothing more fits.
void fillUp(const QString &pDirectory)
{
    QFile filler(QDir(pDirectory).filePath(QStringLiteral("filler")));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray block(512, 'x');
    while (filler.write(block) == block.size() && filler.flush()) { }
    while (filler.write("x", 1) == 1 && filler.flush()) { }
}

} // namespace

// A small real file system for the data directory: a tmpfs where mounting is
// allowed, otherwise a file-size limit that makes writes fail the same way.
class tst_Faults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fullDiskLeavesTheOldFiles();
    void readOnlyDataDirectory();
    void killedWhileSavingRestartsIntoAWorkingApp_data();
    void killedWhileSavingRestartsIntoAWorkingApp();

private:
    bool mountSmall(const QString &pOptions);
    void restrictWrites();
    void allowWrites();

    std::unique_ptr<QTemporaryDir> m_dataDir;
    bool m_mounted = false;
    rlimit m_savedLimit {};
    bool m_limited = false;
};

void tst_Faults::initTestCase()
{
    ptStartup::setIdentity();
    std::signal(SIGXFSZ, SIG_IGN);
}

void tst_Faults::init()
{
    m_dataDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dataDir->isValid());
    qputenv("XDG_DATA_HOME", m_dataDir->path().toLocal8Bit());
}

void tst_Faults::cleanup()
{
    allowWrites();
    if (m_mounted)
        umount2(m_dataDir->path().toLocal8Bit().constData(), MNT_DETACH);
    m_mounted = false;
}

bool tst_Faults::mountSmall(const QString &pOptions)
{
    m_mounted = mount("tmpfs", m_dataDir->path().toLocal8Bit().constData(), "tmpfs", 0,
                      pOptions.toLocal8Bit().constData())
            == 0;
    return m_mounted;
}

// Without a small file system of our own, writes fail through the limit.
void tst_Faults::restrictWrites()
{
    if (m_mounted)
        return;
    getrlimit(RLIMIT_FSIZE, &m_savedLimit);
    rlimit limit = m_savedLimit;
    limit.rlim_cur = 0;
    setrlimit(RLIMIT_FSIZE, &limit);
    m_limited = true;
}

void tst_Faults::allowWrites()
{
    if (m_limited)
        setrlimit(RLIMIT_FSIZE, &m_savedLimit);
    m_limited = false;
}

void tst_Faults::fullDiskLeavesTheOldFiles()
{
    mountSmall(QStringLiteral("size=256k"));
    const QString listPath = ptApplicationManager::listDocumentPath();
    {
        ptApplicationManager manager;
        QVERIFY(manager.initialize());
        manager.setCurrentLanguage(1);
        QVERIFY(manager.createNewList(QStringLiteral("Saved"), 0, QString()));
        addItems(manager.listDataModel(), 3);
        QVERIFY(manager.listDataModel()->saveModel());
        const QByteArray savedList = readFile(listPath);
        const QByteArray savedSettings = readFile(ptApplicationManager::settingsFilePath());
        QCOMPARE(savedSettings, settingsDocument(1));

        if (m_mounted)
            fillUp(m_dataDir->path());
        else
            restrictWrites();

        addItems(manager.listDataModel(), 3000);
        QVERIFY(!manager.listDataModel()->saveModel());
        QCOMPARE(readFile(listPath), savedList);
        manager.setCurrentLanguage(0);
        QCOMPARE(readFile(ptApplicationManager::settingsFilePath()), savedSettings);
        QCOMPARE(QDir(ptApplicationManager::listsDirectoryPath()).entryList(QDir::Files),
                 QStringList {QStringLiteral("demo-list.ptl")});

        // The app keeps running: the overview still reads the old list.
        QVERIFY(manager.updateListsDataModel());
        QCOMPARE(manager.listsDataModel()->rowCount(), 1);
        manager.listDataModel()->releaseModel();
    }

    // The next start works and finds the old list.
    ptApplicationManager restarted;
    QVERIFY(restarted.initialize());
    QCOMPARE(restarted.languagesDataModel()->currentLanguageIndex(), 1);
    QVERIFY(restarted.loadList(0));
    QCOMPARE(restarted.listDataModel()->listName(), QStringLiteral("Saved"));
    QCOMPARE(restarted.listDataModel()->items().size(), 3);

    allowWrites();
    QFile::remove(QDir(m_dataDir->path()).filePath(QStringLiteral("filler")));
    QVERIFY(restarted.listDataModel()->saveModel());
}

void tst_Faults::readOnlyDataDirectory()
{
    const bool mounted = mountSmall(QStringLiteral("size=256k"));
    {
        ptApplicationManager manager;
        QVERIFY(manager.initialize());
        QVERIFY(manager.createNewList(QStringLiteral("Stored"), 0, QString()));
        manager.listDataModel()->releaseModel();
    }
    const QByteArray savedList = readFile(ptApplicationManager::listDocumentPath());
    const QByteArray savedSettings = readFile(ptApplicationManager::settingsFilePath());
    QVERIFY(!savedList.isEmpty());

    if (mounted)
        QCOMPARE(mount("tmpfs", m_dataDir->path().toLocal8Bit().constData(), "tmpfs",
                       MS_REMOUNT | MS_RDONLY, nullptr),
                 0);
    else
        restrictWrites();

    {
        ptApplicationManager manager;
        QVERIFY(manager.initialize());
        QVERIFY(manager.loadList(0));
        addItems(manager.listDataModel(), 2);
        QVERIFY(!manager.listDataModel()->saveModel());
        manager.setCurrentLanguage(1);
        QCOMPARE(manager.languagesDataModel()->currentLanguageIndex(), 1);
        QVERIFY(!manager.createNewList(QStringLiteral("New"), 0, QString()));
    }
    QCOMPARE(readFile(ptApplicationManager::listDocumentPath()), savedList);
    QCOMPARE(readFile(ptApplicationManager::settingsFilePath()), savedSettings);
}

void tst_Faults::killedWhileSavingRestartsIntoAWorkingApp_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("settings") << QStringLiteral("settings");
    QTest::newRow("list document") << QStringLiteral("list");
}

void tst_Faults::killedWhileSavingRestartsIntoAWorkingApp()
{
    QFETCH(QString, mode);
    const QString saver = QCoreApplication::applicationDirPath() + QStringLiteral("/faultsaver");
    QVERIFY(QFile::exists(saver));

    QRandomGenerator random(20261206);
    for (int round = 0; round < 20; ++round) {
        QProcess process;
        process.start(saver, {mode});
        QVERIFY(process.waitForStarted());
        QVERIFY(process.waitForReadyRead(60000));
        QTest::qWait(int(random.bounded(250)));
        QCOMPARE(process.state(), QProcess::Running);
        process.kill();
        QVERIFY(process.waitForFinished());

        ptApplicationManager manager;
        QVERIFY(manager.initialize());
        if (mode == QLatin1String("settings")) {
            const QByteArray settings = readFile(ptApplicationManager::settingsFilePath());
            QVERIFY2(settings == settingsDocument(0) || settings == settingsDocument(1),
                     settings.constData());
        } else {
            QCOMPARE(manager.listsDataModel()->rowCount(), 1);
            QVERIFY(manager.loadList(0));
            const QString name = manager.listDataModel()->listName();
            QVERIFY2(name == QLatin1String("Small") || name == QLatin1String("Large")
                             || name == QLatin1String("Old"),
                     qPrintable(name));
            // A large list is first written empty, then with its items.
            const qsizetype items = manager.listDataModel()->items().size();
            QVERIFY(items == 0 || (name == QLatin1String("Large") && items == 500));
            manager.listDataModel()->releaseModel();
        }
    }
}

QTEST_MAIN(tst_Faults)
#include "tst_faults.moc"
