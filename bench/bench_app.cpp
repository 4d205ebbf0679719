// Times the program's start-up, the entering of its list screens, one tick and
// a flick in the shopping screen, and measures its peak memory, each beside a
// floor measured in the same run (a bare window, or the same road with a
// 5-item list), and prints one table.
//
// Every measurement runs in a fresh child process: the program runs itself
// again with "--child <case>" and reports on its standard output.

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QQuickItem>
#include <QQuickView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

#include "peakResident.h"
#include "ptApplicationManager.h"
#include "ptListDataModel.h"
#include "ptListsDataModel.h"
#include "ptStartup.h"

namespace {

const int Runs = 5;
const int StartRuns = 9;
const int Ticks = 40;
// Pixels a frame: 6,000 px/s at 60 frames a second, faster than the rows'
// fastest flick (2,500 px/s).
const int FlickStep = 100;

void report(const QByteArray &pKey, double pValue)
{
    std::printf("%s %.6f\n", pKey.constData(), pValue);
    std::fflush(stdout);
}

double median(QList<double> pValues)
{
    if (pValues.isEmpty())
        return -1.0;
    std::sort(pValues.begin(), pValues.end());
    return pValues.at(pValues.size() / 2);
}

// Runs pWhenShown once the first frame for which pReady holds has been shown.
void onFirstFrame(QQuickView *pView, const std::function<bool()> &pReady,
                  const std::function<void()> &pWhenShown)
{
    auto *connection = new QMetaObject::Connection;
    *connection = QObject::connect(pView, &QQuickWindow::frameSwapped, pView, [=]() {
        if (!pReady())
            return;
        QObject::disconnect(*connection);
        delete connection;
        pWhenShown();
    });
}

// The CPU time of this process so far, in all its threads.
double cpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Waits until the window has shown one more frame.
bool waitForFrame(QQuickView *pView, int pTimeoutMs = 5000)
{
    bool swapped = false;
    const QMetaObject::Connection connection = QObject::connect(
            pView, &QQuickWindow::frameSwapped, pView, [&swapped]() { swapped = true; });
    pView->update();
    QElapsedTimer timer;
    timer.start();
    while (!swapped && timer.elapsed() < pTimeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QObject::disconnect(connection);
    return swapped;
}

void settle(int pMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < pMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

QList<QQuickItem *> allItems(QQuickItem *pFrom)
{
    QList<QQuickItem *> found;
    QList<QQuickItem *> pending {pFrom};
    while (!pending.isEmpty()) {
        QQuickItem *item = pending.takeFirst();
        if (!item)
            continue;
        found.append(item);
        pending.append(item->childItems());
    }
    return found;
}

QQuickItem *named(QQuickItem *pFrom, const QString &pName)
{
    const QList<QQuickItem *> items = allItems(pFrom);
    for (QQuickItem *item : items) {
        if (item->objectName() == pName)
            return item;
    }
    return nullptr;
}

QQuickItem *loaded(QQuickItem *pFrom, const QString &pLoaderName)
{
    QQuickItem *loader = named(pFrom, pLoaderName);
    return loader ? qvariant_cast<QQuickItem *>(loader->property("item")) : nullptr;
}

// The rows of the shopping and editing screens, once shown.
QQuickItem *shopScreen(QQuickItem *pRoot)
{
    return named(pRoot, QStringLiteral("shopRows"));
}

QQuickItem *editScreen(QQuickItem *pRoot)
{
    return named(pRoot, QStringLiteral("pageList"));
}

// The rows of the lists screen (a page with the row signals), once it shows
// a row.
QQuickItem *listRows(QQuickItem *pRoot)
{
    QQuickItem *lists = loaded(pRoot, QStringLiteral("mainLoader"));
    if (!lists || !named(lists, QStringLiteral("listNameText")))
        return nullptr;
    const QList<QQuickItem *> items = allItems(lists);
    for (QQuickItem *item : items) {
        if (item->metaObject()->indexOfSignal("editClicked(int)") >= 0)
            return item;
    }
    return nullptr;
}

// ---------------------------------------------------------------- children

int childFloor(int argc, char *argv[], const QString &pScene, bool pMemory)
{
    QGuiApplication app(argc, argv);
    QQuickView view;
    view.setSource(QUrl(pScene));
    view.resize(800, 480);
    onFirstFrame(
            &view, []() { return true; },
            [&]() {
                std::printf("ready\n");
                std::fflush(stdout);
                if (!pMemory) {
                    QCoreApplication::exit(0);
                    return;
                }
                settle(600);
                report("hwm", double(peakResidentKb()));
                QCoreApplication::exit(0);
            });
    view.show();
    return QCoreApplication::exec();
}

// The start-up path of the program, up to its event loop.
struct App
{
    std::unique_ptr<QThread> fonts = ptStartup::readFonts();
    ptApplicationManager manager;
    QQuickView view;

    bool start()
    {
        if (!manager.initialize())
            return false;
        ptStartup::loadRootScene(&view, &manager);
        view.resize(800, 480);
        return true;
    }
    ~App()
    {
        manager.setView(nullptr);
        fonts->wait();
    }
};

int childStartup(int argc, char *argv[])
{
    QElapsedTimer phases;
    phases.start();
    const bool trace = qEnvironmentVariableIsSet("PANTRIX_BENCH_PHASES");
    const auto phase = [&](const char *pName) {
        if (trace)
            std::fprintf(stderr, "%-28s %7.1f ms\n", pName, double(phases.nsecsElapsed()) / 1e6);
    };
    ptStartup::setIdentity();
    QApplication app(argc, argv);
    phase("application object");
    App pantrix;
    phase("controller made");
    if (!pantrix.manager.initialize())
        return 1;
    phase("controller initialised");
    ptStartup::loadRootScene(&pantrix.view, &pantrix.manager);
    pantrix.view.resize(800, 480);
    phase("root scene loaded");
    QObject::connect(&pantrix.view, &QQuickWindow::frameSwapped, &pantrix.view,
                     [&]() { phase("frame swapped"); });
    onFirstFrame(
            &pantrix.view,
            [&]() { return loaded(pantrix.view.rootObject(), QStringLiteral("mainLoader")); },
            []() {
                std::printf("ready\n");
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
    pantrix.view.show();
    return QCoreApplication::exec();
}

// Starts the program, waits for the lists screen and lets its start-up timers
// run out.
bool startAndSettle(App &pApp)
{
    if (!pApp.start())
        return false;
    pApp.view.show();
    QElapsedTimer timer;
    timer.start();
    while (!listRows(pApp.view.rootObject()) && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!listRows(pApp.view.rootObject()))
        return false;
    settle(800);
    return waitForFrame(&pApp.view);
}

// Runs the event loop until the window has shown no frame for pQuietMs (a
// loop that sleeps while it waits, so that it adds no CPU time of its own).
void waitUntilIdle(QQuickView *pView, int pQuietMs = 300)
{
    QEventLoop loop;
    QTimer quiet;
    quiet.setSingleShot(true);
    quiet.setInterval(pQuietMs);
    QObject::connect(&quiet, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(pView, &QQuickWindow::frameSwapped, &quiet, qOverload<>(&QTimer::start));
    quiet.start();
    loop.exec();
}

// Times a tap on the first row (or on its edit zone): the wall time to the
// next frame, which shows the screen that tap opens, and the CPU time until
// the program is idle again (its slide-in has ended).
int childEnter(int argc, char *argv[], bool pShop, bool pMemory)
{
    ptStartup::setIdentity();
    QApplication app(argc, argv);
    App pantrix;
    if (!startAndSettle(pantrix))
        return 1;
    QQuickItem *root = pantrix.view.rootObject();
    QQuickItem *row = listRows(root);
    if (pMemory)
        report("hwm-lists", double(peakResidentKb()));

    QEventLoop firstFrame;
    double elapsed = -1.0;
    QElapsedTimer timer;
    QObject::connect(&pantrix.view, &QQuickWindow::frameSwapped, &firstFrame, [&]() {
        if (elapsed < 0.0)
            elapsed = double(timer.nsecsElapsed()) / 1e6;
        firstFrame.quit();
    });
    timer.start();
    const double cpuStart = cpuMs();
    QMetaObject::invokeMethod(row, pShop ? "tapped" : "editClicked", Q_ARG(int, 0));
    if (elapsed < 0.0)
        firstFrame.exec();
    if (!(pShop ? shopScreen(root) : editScreen(root)))
        return 1;
    waitUntilIdle(&pantrix.view);
    report("ms", elapsed);
    report("cpu", cpuMs() - cpuStart);
    report("hwm", double(peakResidentKb()));
    return 0;
}

// Starts the program and opens the stored list's shopping screen the way its
// row's tap does; returns the root scene once the screen is shown, or null.
QQuickItem *openShop(App &pApp)
{
    if (!startAndSettle(pApp))
        return nullptr;
    QQuickItem *root = pApp.view.rootObject();
    QMetaObject::invokeMethod(listRows(root), "tapped", Q_ARG(int, 0));
    settle(800);
    return waitForFrame(&pApp.view) ? root : nullptr;
}

// Scrolls the shopping screen's rows from top to bottom by pStep pixels a
// frame, each step as soon as the frame before has been shown, and reports
// the longest and the median time between two frames.
int childFlick(int argc, char *argv[], int pStep)
{
    ptStartup::setIdentity();
    QApplication app(argc, argv);
    App pantrix;
    QQuickItem *root = openShop(pantrix);
    QQuickItem *rows = root ? named(root, QStringLiteral("shopRows")) : nullptr;
    if (!rows)
        return 1;
    const double end = rows->property("contentHeight").toDouble() - rows->height();

    QList<double> frames;
    bool done = false;
    QElapsedTimer timer;
    QObject::connect(&pantrix.view, &QQuickWindow::frameSwapped, &pantrix.view, [&]() {
        if (done)
            return;
        if (timer.isValid())
            frames.append(double(timer.nsecsElapsed()) / 1e6);
        timer.start();
        const double y = rows->property("contentY").toDouble();
        if (y >= end) {
            done = true;
            return;
        }
        rows->setProperty("contentY", std::min(end, y + pStep));
    });
    pantrix.view.update();
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    report("frames", double(frames.size()));
    report("max", *std::max_element(frames.cbegin(), frames.cend()));
    report("median", median(frames));
    return 0;
}

// Times ticks of the top item row in the shopping screen, each from the call
// the row makes once its tick animation has run to the next frame; without
// pWriting, the list is not written while it changes.
int childTick(int argc, char *argv[], bool pWriting)
{
    ptStartup::setIdentity();
    QApplication app(argc, argv);
    App pantrix;
    QQuickItem *root = openShop(pantrix);
    QQuickItem *shop = root ? shopScreen(root) : nullptr;
    if (!shop)
        return 1;
    ptListDataModel *model = pantrix.manager.listDataModel();
    if (!pWriting)
        QObject::disconnect(model, &ptListDataModel::documentChanged, nullptr, nullptr);

    bool swapped = false;
    QObject::connect(&pantrix.view, &QQuickWindow::frameSwapped, &pantrix.view,
                     [&swapped]() { swapped = true; });
    QList<double> times;
    for (int tick = 0; tick < Ticks; ++tick) {
        int row = 0;
        while (row < model->rowCount() && model->itemHeight(row) != 70)
            ++row;
        if (row >= model->rowCount())
            return 1;
        swapped = false;
        QElapsedTimer timer;
        timer.start();
        QMetaObject::invokeMethod(shop, "tapped", Q_ARG(int, row));
        while (!swapped)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        times.append(double(timer.nsecsElapsed()) / 1e6);
        settle(30);
    }
    report("ms", median(times));
    return 0;
}

// Another device's version of the stored list, renamed over it as Syncthing
// does while the lists screen shows it: the time from the rename to the frame
// that shows its name.
int childFollow(int argc, char *argv[])
{
    ptStartup::setIdentity();
    QApplication app(argc, argv);
    App pantrix;
    if (!startAndSettle(pantrix))
        return 1;
    const QString document = ptApplicationManager::listDocumentPath();
    const QString temporary = QFileInfo(document).dir().filePath(".syncthing.demo-list.ptl.tmp");
    // A name of its own in each run, as the stored list may bear the last one.
    const QString name = QStringLiteral("Other %1").arg(QCoreApplication::applicationPid());
    ptListDataModel other;
    if (!QFile::copy(document, temporary) || !other.loadModel(temporary)
        || !other.updateModelInfo(name, 0, QString()) || !other.saveModel())
        return 1;
    other.releaseModel();
    settle(500);

    const QModelIndex first = pantrix.manager.listsDataModel()->index(0);
    bool shown = false;
    QElapsedTimer timer;
    QObject::connect(&pantrix.view, &QQuickWindow::frameSwapped, &pantrix.view, [&]() {
        if (!shown && first.data(ptListsDataModel::ListNameRole).toString().contains(name)) {
            shown = true;
            report("ms", double(timer.nsecsElapsed()) / 1e6);
        }
    });
    timer.start();
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(document).constData())
        != 0)
        return 1;
    while (!shown && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return shown ? 0 : 1;
}

// Writes the stored list of pCount items the way the program does.
int childPrepare(int argc, char *argv[], int pCount)
{
    ptStartup::setIdentity();
    QCoreApplication app(argc, argv);
    ptApplicationManager manager;
    if (!manager.initialize())
        return 1;
    if (pCount <= 0) {
        report("prepared", 0);
        return 0;
    }
    if (!manager.createNewList(QStringLiteral("Bench"), 0, QStringLiteral("bench")))
        return 1;
    ptListDataModel *model = manager.listDataModel();
    for (int i = 0; i < pCount; ++i) {
        model->addItem(QStringLiteral("Item %1").arg(i), QStringLiteral("Category %1").arg(i % 40),
                       QString::number(i % 17) + QStringLiteral(",25"), QString::number(i % 5 + 1),
                       i % 16, i % 3 == 0 ? QStringLiteral("note %1").arg(i) : QString());
    }
    if (!model->saveModel())
        return 1;
    report("prepared", pCount);
    return 0;
}

// ------------------------------------------------------------------ parent

struct Result
{
    double readyMs = -1.0; // from the start of the process to its "ready" line
    QHash<QByteArray, double> values;
};

// The scenes' compilation cache of the children (the QML disk cache lives
// under XDG_CACHE_HOME); empty names a fresh one for each child.
QString g_cacheHome;

Result runChild(const QString &pCase, const QString &pDataHome)
{
    QTemporaryDir freshCache;
    const QString cacheHome = g_cacheHome.isEmpty() ? freshCache.path() : g_cacheHome;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), pDataHome);
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), cacheHome);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    Result result;
    QByteArray output;
    QElapsedTimer timer;
    timer.start();
    process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), pCase});
    while (process.state() != QProcess::NotRunning || process.bytesAvailable() > 0) {
        process.waitForReadyRead(20);
        output += process.readAllStandardOutput();
        if (result.readyMs < 0.0 && output.contains("ready\n"))
            result.readyMs = double(timer.nsecsElapsed()) / 1e6;
        if (process.state() == QProcess::NotRunning && process.bytesAvailable() == 0)
            break;
    }
    process.waitForFinished();
    output += process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        QTextStream(stderr) << "child " << pCase << " failed: " << process.readAllStandardError()
                            << Qt::endl;
        return Result();
    }
    const QList<QByteArray> lines = output.split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() == 2)
            result.values.insert(fields.at(0), fields.at(1).toDouble());
    }
    return result;
}

struct Probe
{
    QString childCase;
    QString dataHome;
    QByteArray key; // "ready" for the time to the first frame
};

// The medians over pRuns fresh children of each probe's figures, by key
// ("ready" for the time to the first frame). The probes take turns, so that a
// change in the machine's load meets them all alike.
QList<QHash<QByteArray, double>> measureAll(const QList<Probe> &pProbes, int pRuns = Runs)
{
    QList<QHash<QByteArray, QList<double>>> values(pProbes.size());
    // The first children fill the disk cache, as the first start after an
    // installation does; they are not counted.
    if (!g_cacheHome.isEmpty()) {
        for (const Probe &probe : pProbes)
            runChild(probe.childCase, probe.dataHome);
    }
    for (int run = 0; run < pRuns; ++run) {
        for (qsizetype i = 0; i < pProbes.size(); ++i) {
            const Probe &probe = pProbes.at(i);
            Result result = runChild(probe.childCase, probe.dataHome);
            if (result.readyMs >= 0.0)
                result.values.insert("ready", result.readyMs);
            for (auto value = result.values.cbegin(); value != result.values.cend(); ++value)
                values[i][value.key()].append(value.value());
        }
    }
    QList<QHash<QByteArray, double>> medians(pProbes.size());
    for (qsizetype i = 0; i < pProbes.size(); ++i) {
        for (auto probeValues = values.at(i).cbegin(); probeValues != values.at(i).cend();
             ++probeValues)
            medians[i].insert(probeValues.key(), median(probeValues.value()));
    }
    return medians;
}

// The median of each probe's own figure.
QList<double> measureTogether(const QList<Probe> &pProbes, int pRuns = Runs)
{
    const QList<QHash<QByteArray, double>> all = measureAll(pProbes, pRuns);
    QList<double> medians;
    for (qsizetype i = 0; i < pProbes.size(); ++i)
        medians.append(all.at(i).value(pProbes.at(i).key, -1.0));
    return medians;
}

double measure(const QString &pCase, const QString &pDataHome, const QByteArray &pKey)
{
    return measureTogether({Probe {pCase, pDataHome, pKey}}).value(0, -1.0);
}

// One line of the table: the program's figure, and beside it its floor and
// their ratio, or with pDifference their difference.
QString row(const QString &pName, const QString &pUnit, double pValue, double pFloor,
            const QString &pGoal, bool pDifference = false)
{
    QString text
            = QStringLiteral("%1 %2 %3").arg(pName, -46).arg(pValue, 10, 'f', 1).arg(pUnit, -3);
    if (pFloor > 0.0 && pDifference) {
        const QString sign = pValue >= pFloor ? QStringLiteral("+") : QString();
        text += QStringLiteral(" %1 %2 %3")
                        .arg(pFloor, 10, 'f', 1)
                        .arg(pUnit, -3)
                        .arg(sign + QString::number(pValue - pFloor, 'f', 0), 7);
    } else if (pFloor > 0.0) {
        text += QStringLiteral(" %1 %2 %3x")
                        .arg(pFloor, 10, 'f', 1)
                        .arg(pUnit, -3)
                        .arg(pValue / pFloor, 6, 'f', 2);
    } else {
        text += QStringLiteral(" %1").arg(QString(), 22);
    }
    return text + QStringLiteral("  ") + pGoal;
}

bool prepare(const QString &pDataHome, int pCount)
{
    return runChild(QStringLiteral("prepare-%1").arg(pCount), pDataHome)
                   .values.value("prepared", -1.0)
            == double(pCount);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 3 && qstrcmp(argv[1], "--child") == 0) {
        const QByteArray child = argv[2];
        const QString floor = QStringLiteral("qrc:/bench/floor.qml");
        if (child == "floor")
            return childFloor(argc, argv, floor, false);
        if (child == "floor-memory")
            return childFloor(argc, argv, floor, true);
        if (child == "floor-content")
            return childFloor(argc, argv, QStringLiteral("qrc:/bench/floor-content.qml"), false);
        if (child == "startup")
            return childStartup(argc, argv);
        if (child == "enter-shop")
            return childEnter(argc, argv, true, false);
        if (child == "enter-edit")
            return childEnter(argc, argv, false, false);
        if (child == "shop-memory")
            return childEnter(argc, argv, true, true);
        if (child == "tick")
            return childTick(argc, argv, true);
        if (child == "tick-unwritten")
            return childTick(argc, argv, false);
        if (child == "follow")
            return childFollow(argc, argv);
        if (child == "flick")
            return childFlick(argc, argv, FlickStep);
        if (child.startsWith("prepare-"))
            return childPrepare(argc, argv, child.mid(8).toInt());
        return 2;
    }

    QCoreApplication app(argc, argv);
    QTemporaryDir empty;
    QTemporaryDir list5;
    QTemporaryDir list500;
    QTemporaryDir list1000;
    if (!empty.isValid() || !list5.isValid() || !list500.isValid() || !list1000.isValid())
        return 1;
    if (!prepare(empty.path(), 0) || !prepare(list5.path(), 5) || !prepare(list500.path(), 500)
        || !prepare(list1000.path(), 1000))
        return 1;

    QTextStream out(stdout);
    out << QStringLiteral("%1 %2 %3 %4  %5")
                    .arg(QStringLiteral("measurement (median of %1+ processes)").arg(Runs), -46)
                    .arg(QStringLiteral("program"), 14)
                    .arg(QStringLiteral("floor"), 14)
                    .arg(QStringLiteral("ratio"), 7)
                    .arg(QStringLiteral("goal"))
        << Qt::endl;

    // Without a disk cache: the first start after an installation.
    const QList<double> cold
            = measureTogether({Probe {QStringLiteral("floor"), empty.path(), "ready"},
                               Probe {QStringLiteral("startup"), empty.path(), "ready"}});
    const double floorCold = cold.at(0);
    const double startCold = cold.at(1);
    out << row(QStringLiteral("first start (no QML disk cache), no list"), QStringLiteral("ms"),
               startCold, floorCold, QStringLiteral("(none)"))
        << Qt::endl;

    QTemporaryDir cache;
    if (!cache.isValid())
        return 1;
    g_cacheHome = cache.path();
    const QList<double> warm
            = measureTogether({Probe {QStringLiteral("floor"), empty.path(), "ready"},
                               Probe {QStringLiteral("startup"), empty.path(), "ready"},
                               Probe {QStringLiteral("startup"), list1000.path(), "ready"},
                               Probe {QStringLiteral("floor-content"), empty.path(), "ready"}},
                              StartRuns);
    const double floorStart = warm.at(0);
    const double startEmpty = warm.at(1);
    const double start1000 = warm.at(2);
    const double content = warm.at(3);
    out << row(QStringLiteral("start-up to first frame, no stored list"), QStringLiteral("ms"),
               startEmpty, floorStart, QStringLiteral("<= 1.5x"))
        << Qt::endl;
    out << row(QStringLiteral("start-up to first frame, 1,000-item list"), QStringLiteral("ms"),
               start1000, floorStart, QStringLiteral("<= 1.5x"))
        << Qt::endl;
    out << row(QStringLiteral("bare window: lists screen's texts and icons"), QStringLiteral("ms"),
               content, floorStart, QStringLiteral("(none)"))
        << Qt::endl;

    // Entering a screen with 500 items beside the same road with 5 items.
    for (const char *screen : {"shop", "edit"}) {
        const QString childCase = QStringLiteral("enter-%1").arg(QLatin1String(screen));
        const QString name = QLatin1String(screen) == QLatin1String("shop")
                ? QStringLiteral("shopping")
                : QStringLiteral("editing");
        const QList<QHash<QByteArray, double>> figures = measureAll(
                {Probe {childCase, list500.path(), {}}, Probe {childCase, list5.path(), {}}});
        const QHash<QByteArray, double> &big = figures.at(0);
        const QHash<QByteArray, double> &small = figures.at(1);
        out << row(QStringLiteral("enter %1 screen, CPU to idle, 500 (5) items").arg(name),
                   QStringLiteral("ms"), big.value("cpu"), small.value("cpu"),
                   QStringLiteral("<= +150 ms"), true)
            << Qt::endl;
        out << row(QStringLiteral("enter %1 screen, peak RSS, 500 (5) items").arg(name),
                   QStringLiteral("MB"), big.value("hwm") / 1024.0, small.value("hwm") / 1024.0,
                   QStringLiteral("<= +40 MB"), true)
            << Qt::endl;
        out << row(QStringLiteral("enter %1 screen, to first frame, 500 (5)").arg(name),
                   QStringLiteral("ms"), big.value("ms"), small.value("ms"),
                   QStringLiteral("(none)"), true)
            << Qt::endl;
    }

    const QList<double> ticks
            = measureTogether({Probe {QStringLiteral("tick"), list500.path(), "ms"},
                               Probe {QStringLiteral("tick-unwritten"), list500.path(), "ms"}});
    out << row(QStringLiteral("tick in shopping screen, 500 items (median)"), QStringLiteral("ms"),
               ticks.at(0), 0.0, QStringLiteral("< 16 ms"))
        << Qt::endl;
    out << row(QStringLiteral("tick, written (not written), 500 items"), QStringLiteral("ms"),
               ticks.at(0), ticks.at(1), QStringLiteral("(none)"))
        << Qt::endl;
    const double follow = measure(QStringLiteral("follow"), list500.path(), "ms");
    out << row(QStringLiteral("another device's version shown, 500 items"), QStringLiteral("ms"),
               follow, 0.0, QStringLiteral("<= 2000 ms"))
        << Qt::endl;
    const QHash<QByteArray, double> flick
            = measureAll({Probe {QStringLiteral("flick"), list500.path(), {}}}).at(0);
    const double flickLongest = flick.value("max");
    const double flickMedian = flick.value("median");
    out << row(QStringLiteral("flick 500 items top to bottom, longest frame"), QStringLiteral("ms"),
               flickLongest, 0.0, QStringLiteral("<= 32 ms"))
        << Qt::endl;
    out << row(QStringLiteral("flick 500 items top to bottom, median frame"), QStringLiteral("ms"),
               flickMedian, 0.0, QStringLiteral("(none)"))
        << Qt::endl;

    const QList<double> memory = measureTogether(
            {Probe {QStringLiteral("floor-memory"), empty.path(), "hwm"},
             Probe {QStringLiteral("shop-memory"), list1000.path(), "hwm"},
             Probe {QStringLiteral("shop-memory"), list5.path(), "hwm"},
             Probe {QStringLiteral("shop-memory"), list1000.path(), "hwm-lists"}});
    const double floorMemory = memory.at(0);
    const double shopMemory = memory.at(1);
    const double shopMemory5 = memory.at(2);
    const double listsMemory = memory.at(3);
    out << row(QStringLiteral("peak RSS, lists screen, 1,000 items (bare)"), QStringLiteral("MB"),
               listsMemory / 1024.0, floorMemory / 1024.0, QStringLiteral("(none)"))
        << Qt::endl;
    out << row(QStringLiteral("peak RSS, shopping screen, 1,000 (5) items"), QStringLiteral("MB"),
               shopMemory / 1024.0, shopMemory5 / 1024.0, QStringLiteral("<= 1.3x"))
        << Qt::endl;
    return 0;
}
