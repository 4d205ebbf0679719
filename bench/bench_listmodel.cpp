// Times the list model's document and editing operations against the work a
// plain implementation cannot avoid, and prints one table (median of several runs).

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUndoStack>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <functional>
#include <utility>

#include "peakResident.h"
#include "ptApplicationManager.h"
#include "ptCategoriesDataModel.h"
#include "ptListDataModel.h"
#include "ptListsDataModel.h"
#include "ptUndoCommand.h"

namespace {

const int Runs = 11;

double medianMsOf(const std::function<void()> &pPrepare, const std::function<void()> &pWork,
                  int pRuns)
{
    QList<double> times;
    for (int run = 0; run < pRuns; ++run) {
        pPrepare();
        QElapsedTimer timer;
        timer.start();
        pWork();
        times.append(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

double medianMs(const std::function<void()> &pPrepare, const std::function<void()> &pWork)
{
    return medianMsOf(pPrepare, pWork, Runs);
}

// The medians of two measurements taken in turns, so that a change in the
// machine's load meets both alike.
std::pair<double, double> medianPairMs(const std::function<void()> &pPrepare,
                                       const std::function<void()> &pWork,
                                       const std::function<void()> &pFloorPrepare,
                                       const std::function<void()> &pFloorWork)
{
    QList<double> times;
    QList<double> floorTimes;
    for (int run = 0; run < Runs; ++run) {
        times.append(medianMsOf(pPrepare, pWork, 1));
        floorTimes.append(medianMsOf(pFloorPrepare, pFloorWork, 1));
    }
    std::sort(times.begin(), times.end());
    std::sort(floorTimes.begin(), floorTimes.end());
    return {times.at(times.size() / 2), floorTimes.at(floorTimes.size() / 2)};
}

void fill(ptListDataModel &pModel, int pCount)
{
    for (int i = 0; i < pCount; ++i) {
        pModel.addItem(QStringLiteral("Item %1").arg(i), QStringLiteral("Category %1").arg(i % 40),
                       QString::number(i % 17) + QStringLiteral(",25"), QString::number(i % 5 + 1),
                       i % 16, i % 3 == 0 ? QStringLiteral("note %1").arg(i) : QString());
    }
}

// The document the model writes, built with the stream writer alone from
// the records (taken from the model beforehand).
QByteArray plainDocument(ptListDataModel &pModel, const QList<QHash<QString, QString>> &pItems)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartElement(QStringLiteral("pantrix_list"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0.0"));
    writer.writeAttribute(QStringLiteral("name"), pModel.listName());
    writer.writeAttribute(QStringLiteral("currency"), QString::number(pModel.listCurrency()));
    writer.writeAttribute(QStringLiteral("note"), pModel.listNote());
    writer.writeAttribute(QStringLiteral("items_list"), pModel.listItemsAmount());
    writer.writeAttribute(QStringLiteral("price_list"), pModel.listItemsPrice());
    for (const QHash<QString, QString> &item : pItems) {
        writer.writeEmptyElement(QStringLiteral("item"));
        for (auto it = item.cbegin(); it != item.cend(); ++it)
            writer.writeAttribute(it.key(), it.value());
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml;
}

QString row(const QString &pName, int pCount, double pModel, double pFloor)
{
    QString text
            = QStringLiteral("%1 %2 %3 ms").arg(pName, -44).arg(pCount, 7).arg(pModel, 10, 'f', 3);
    if (pFloor > 0.0)
        text += QStringLiteral(" %1 ms %2x")
                        .arg(pFloor, 10, 'f', 3)
                        .arg(pModel / pFloor, 6, 'f', 2);
    return text;
}

// Every attribute value of every element, each item's values in one list:
// the document's texts held with no index at all.
QList<QStringList> plainRecords(const QByteArray &pCompressed)
{
    QList<QStringList> records;
    QXmlStreamReader reader(qUncompress(pCompressed));
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        QStringList values;
        const QXmlStreamAttributes attributes = reader.attributes();
        for (const QXmlStreamAttribute &attribute : attributes)
            values.append(attribute.value().toString());
        records.append(values);
    }
    return records;
}

// In a child process: opens the document with the model, or holds its texts
// plainly, and prints the peak resident size in kB.
int memoryChild(const QString &pWhat, const QString &pFileName)
{
    const qint64 before = peakResidentKb();
    if (pWhat == QLatin1String("model")) {
        ptListDataModel model;
        if (!model.loadModel(pFileName))
            return 1;
        model.updateModel();
        QTextStream(stdout) << peakResidentKb() << ' ' << before << Qt::endl;
        model.releaseModel();
        return 0;
    }
    QFile file(pFileName);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QList<QStringList> records = plainRecords(file.readAll());
    QTextStream(stdout) << peakResidentKb() << ' ' << before << ' ' << records.size() << Qt::endl;
    return 0;
}

double childPeakKb(const QString &pWhat, const QString &pFileName)
{
    QList<double> peaks;
    for (int run = 0; run < 5; ++run) {
        QProcess process;
        process.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--memory"), pWhat, pFileName});
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            return -1.0;
        peaks.append(process.readAllStandardOutput().split(' ').value(0).toDouble());
    }
    std::sort(peaks.begin(), peaks.end());
    return peaks.at(peaks.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--memory") == 0)
        return memoryChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    QTemporaryDir directory;
    if (!directory.isValid())
        return 1;
    qputenv("XDG_DATA_HOME", directory.path().toLocal8Bit());
    QTextStream out(stdout);
    out << QStringLiteral("%1 %2 %3 %4 %5")
                    .arg(QStringLiteral("operation"), -44)
                    .arg(QStringLiteral("items"), 7)
                    .arg(QStringLiteral("model"), 13)
                    .arg(QStringLiteral("floor"), 13)
                    .arg(QStringLiteral("ratio"), 7)
        << Qt::endl;

    for (int count : {100, 1000, 10000}) {
        const QString fileName = directory.filePath(QStringLiteral("list-%1.ptl").arg(count));
        ptListDataModel model;
        model.newModel(fileName, QStringLiteral("Bench"), 3, QStringLiteral("bench"));
        fill(model, count);

        const QList<QHash<QString, QString>> records = model.items(true) + model.items(false);
        const auto [save, saveFloor] = medianPairMs([]() {}, [&]() { model.saveModel(); }, []() {},
                                                    [&]() {
                                                        const QByteArray compressed = qCompress(
                                                                plainDocument(model, records), 9);
                                                        Q_UNUSED(compressed);
                                                    });
        out << row(QStringLiteral("saveModel"), count, save, saveFloor) << Qt::endl;

        QFile file(fileName);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        file.close();
        QFile::remove(directory.filePath(QStringLiteral("base.ptl")));
        QFile::copy(fileName, directory.filePath(QStringLiteral("base.ptl")));
        // The previous document is released before the clock starts; its
        // release has a row of its own.
        ptListDataModel loaded;
        const auto [load, loadFloor]
                = medianPairMs([&]() { loaded.releaseModel(); },
                               [&]() {
                                   loaded.loadModel(fileName);
                                   loaded.updateModel();
                               },
                               []() {},
                               [&]() {
                                   QXmlStreamReader reader(qUncompress(bytes));
                                   qsizetype attributes = 0;
                                   while (!reader.atEnd()) {
                                       if (reader.readNext() == QXmlStreamReader::StartElement)
                                           attributes += reader.attributes().size();
                                   }
                                   Q_UNUSED(attributes);
                               });
        out << row(QStringLiteral("loadModel + updateModel"), count, load, loadFloor) << Qt::endl;

        // Another program's version (ten items more, every tenth ticked)
        // replaces the document: followed by a reload in place, or, with a
        // change of the model's own, by a merge; beside reading it.
        if (count >= 1000) {
            const QString otherName = directory.filePath(QStringLiteral("other-%1.ptl").arg(count));
            {
                ptListDataModel other;
                other.newModel(otherName, QStringLiteral("Bench"), 3, QStringLiteral("bench"));
                fill(other, count + 10);
                for (int row = 1; row < other.rowCount(); row += 10)
                    other.toggleItem(row);
                other.saveModel();
                other.releaseModel();
            }
            QFile otherFile(otherName);
            otherFile.open(QIODevice::ReadOnly);
            const QByteArray otherBytes = otherFile.readAll();
            for (bool changed : {false, true}) {
                ptListDataModel follower;
                const auto [follow, followFloor] = medianPairMs(
                        [&]() {
                            QFile::remove(fileName);
                            QFile::copy(directory.filePath(QStringLiteral("base.ptl")), fileName);
                            follower.loadModel(fileName);
                            follower.updateModel();
                            if (changed)
                                follower.toggleItem(1);
                            QFile replaced(fileName);
                            replaced.open(QIODevice::WriteOnly | QIODevice::Truncate);
                            replaced.write(otherBytes);
                        },
                        [&]() { follower.followFile(); }, [&]() { loaded.releaseModel(); },
                        [&]() {
                            loaded.loadModel(otherName);
                            loaded.updateModel();
                        });
                out << row(changed ? QStringLiteral("followFile, merge vs loadModel")
                                   : QStringLiteral("followFile, reload vs loadModel"),
                           count, follow, followFloor)
                    << Qt::endl;
                follower.releaseModel();
            }
        }

        QList<QStringList> texts;
        const auto [release, releaseFloor] = medianPairMs(
                [&]() {
                    loaded.loadModel(fileName);
                    loaded.updateModel();
                },
                [&]() { loaded.releaseModel(); }, [&]() { texts = plainRecords(bytes); },
                [&]() { texts.clear(); });
        out << row(QStringLiteral("releaseModel vs freeing the texts"), count, release,
                   releaseFloor)
            << Qt::endl;

        ptListsDataModel overview;
        const auto [summary, summaryFloor] = medianPairMs(
                []() {}, [&]() { overview.loadData({fileName}); }, []() {},
                [&]() {
                    QFile document(fileName);
                    document.open(QIODevice::ReadOnly);
                    QXmlStreamReader reader(qUncompress(document.readAll()));
                    while (!reader.atEnd() && reader.readNext() != QXmlStreamReader::StartElement) {
                    }
                    const QXmlStreamAttributes attributes = reader.attributes();
                    Q_UNUSED(attributes);
                });
        out << row(QStringLiteral("lists overview loadData"), count, summary, summaryFloor)
            << Qt::endl;

        if (count == 10000) {
            const double modelPeak = childPeakKb(QStringLiteral("model"), fileName);
            const double floorPeak = childPeakKb(QStringLiteral("floor"), fileName);
            out << QStringLiteral("%1 %2 %3 MB %4 MB %5x")
                            .arg(QStringLiteral("peak RSS after loadModel + updateModel"), -44)
                            .arg(count, 7)
                            .arg(modelPeak / 1024.0, 10, 'f', 1)
                            .arg(floorPeak / 1024.0, 10, 'f', 1)
                            .arg(modelPeak / floorPeak, 6, 'f', 2)
                << Qt::endl;
        }
        loaded.releaseModel();
        model.releaseModel();
    }

    {
        std::unique_ptr<ptListDataModel> model;
        const double add = medianMs([&]() { model = std::make_unique<ptListDataModel>(); },
                                    [&]() { fill(*model, 10000); });
        out << row(QStringLiteral("addItem, distinct items"), 10000, add, 0.0) << Qt::endl;

        const double addProduct = medianMs(
                [&]() {
                    model = std::make_unique<ptListDataModel>();
                    model->sortByProduct(false);
                },
                [&]() { fill(*model, 10000); });
        out << row(QStringLiteral("addItem, distinct items, by product"), 10000, addProduct, 0.0)
            << Qt::endl;
    }

    {
        std::unique_ptr<ptListDataModel> model;
        const double toggle = medianMs(
                [&]() {
                    model = std::make_unique<ptListDataModel>();
                    fill(*model, 1000);
                },
                [&]() {
                    while (model->rowCount() > 0) {
                        const int middle = model->rowCount() / 2;
                        model->toggleItem(model->itemHeight(middle) == 50 ? middle + 1 : middle);
                    }
                });
        out << row(QStringLiteral("toggleItem, every item to the cart"), 1000, toggle, 0.0)
            << Qt::endl;

        // Each tick kept for undo as the controller keeps it: the list before
        // and after it, in a stack of ptApplicationManager::UndoLimit.
        QUndoStack history;
        history.setUndoLimit(ptApplicationManager::UndoLimit);
        const double undoable = medianMs(
                [&]() {
                    history.clear();
                    model = std::make_unique<ptListDataModel>();
                    fill(*model, 1000);
                },
                [&]() {
                    while (model->rowCount() > 0) {
                        const int middle = model->rowCount() / 2;
                        auto *tick
                                = new ptUndoCommand(model.get(), nullptr, ptUndoCommand::ListPart);
                        model->toggleItem(model->itemHeight(middle) == 50 ? middle + 1 : middle);
                        tick->finish(ptUndoCommand::Change, QStringLiteral("Tick"));
                        history.push(tick);
                    }
                });
        out << row(QStringLiteral("the same, kept for undo (not kept)"), 1000, undoable, toggle)
            << Qt::endl;
        history.clear();
    }

    {
        // My Items is read as the program starts, before its first frame.
        QTemporaryDir dir;
        ptCategoriesDataModel written;
        written.setFileName(dir.filePath(QStringLiteral("my-items.xml")));
        for (int i = 0; i < 1000; ++i)
            written.addItem(QStringLiteral("Item %1").arg(i),
                            QStringLiteral("Category %1").arg(i % 40),
                            QString::number(i % 17) + QStringLiteral(".25"), QStringLiteral("EUR"),
                            QString::number(i % 5 + 1), i % 16, QString());
        written.saveModel();
        std::unique_ptr<ptCategoriesDataModel> read;
        const double load = medianMs(
                [&]() {
                    read = std::make_unique<ptCategoriesDataModel>();
                    read->setFileName(dir.filePath(QStringLiteral("my-items.xml")));
                },
                [&]() { read->loadModel(); });
        out << row(QStringLiteral("My Items loadModel"), 1000, load, 0.0) << Qt::endl;
    }

    {
        // A list's items are shared with its undo history until either
        // changes; with a deleted record among them they are copied.
        ptListDataModel model;
        fill(model, 1000);
        const auto snapshots = [&model]() {
            for (int i = 0; i < 1000; ++i)
                (void)model.content();
        };
        const double shared = medianMs([]() {}, snapshots);
        model.deleteItem(1);
        const double copied = medianMs([]() {}, snapshots);
        out << row(QStringLiteral("content() x1000, shared (copied)"), 1000, shared, copied)
            << Qt::endl;
    }

    {
        ptListDataModel model;
        fill(model, 10000);
        // The same keys in the same order as the rebuild meets them.
        QStringList keys;
        QSet<QString> headers;
        const QList<QHash<QString, QString>> items = model.items();
        for (const QHash<QString, QString> &item : items) {
            const QString header = item.value(QStringLiteral("category")) + QLatin1Char(':');
            if (!headers.contains(header)) {
                headers.insert(header);
                keys.append(header);
            }
            keys.append(header + item.value(QStringLiteral("name")));
        }
        QStringList copy;
        const auto [rebuild, sortFloor]
                = medianPairMs([]() {}, [&]() { model.updateModel(); }, [&]() { copy = keys; },
                               [&]() { std::sort(copy.begin(), copy.end()); });
        out << row(QStringLiteral("updateModel vs std::sort of the keys"), 10000, rebuild,
                   sortFloor)
            << Qt::endl;
    }
    return 0;
}
