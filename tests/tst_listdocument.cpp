#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <QXmlStreamReader>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "ptListDataModel.h"
#include "ptRoleFilterProxy.h"
#include "ptXmlText.h"

using Record = QHash<QString, QString>;

namespace {

struct Element
{
    QString name;
    QStringList attributeNames;
    Record attributes;
};

// Every start element of the document, with its attributes in written order.
QList<Element> elements(const QByteArray &pXml)
{
    QList<Element> result;
    QXmlStreamReader reader(pXml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        Element element;
        element.name = reader.qualifiedName().toString();
        for (const QXmlStreamAttribute &attribute : reader.attributes()) {
            element.attributeNames.append(attribute.qualifiedName().toString());
            element.attributes.insert(attribute.qualifiedName().toString(),
                                      attribute.value().toString());
        }
        result.append(element);
    }
    if (reader.hasError())
        qWarning() << "XML error" << reader.errorString();
    return result;
}

QByteArray readFile(const QString &pFileName)
{
    QFile file(pFileName);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool writeFile(const QString &pFileName, const QByteArray &pData)
{
    QFile file(pFileName);
    return file.open(QIODevice::WriteOnly) && file.write(pData) == pData.size();
}

int rowOfName(ptListDataModel &pModel, const QString &pName)
{
    for (int row = 0; row < pModel.rowCount(); ++row) {
        if (pModel.data(pModel.index(row), ptListDataModel::ItemNameRole).toString() == pName)
            return row;
    }
    return -1;
}

// Random text that includes what XML cannot carry: control characters, lone
// surrogates, U+FFFE/U+FFFF, markup characters and characters outside the BMP.
QString randomText(QRandomGenerator &pRandom)
{
    static const char16_t pool[] = {u'a',   u'Z',   u' ',   u'\t',  u'\n',  u'\r', u'<',   u'&',
                                    u'"',   u'\'',  u'>',   0x01,   0x1F,   0x7F,  0xD800, 0xDC00,
                                    0xFFFE, 0xFFFF, 0xF000, 0x0416, 0x00E9, u',',  u'.',   u'1'};
    QString text;
    const int length = pRandom.bounded(12);
    for (int i = 0; i < length; ++i) {
        if (pRandom.bounded(10) == 0) {
            text.append(QChar(0xD83D));
            text.append(QChar(0xDE00));
        } else {
            text.append(QChar(pool[pRandom.bounded(int(std::size(pool)))]));
        }
    }
    return text;
}

} // namespace

class tst_ListDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void documentBytes();
    void unknownAttributes();
    void unreadableFiles();
    void malformedXml();
    void countAndSum_data();
    void countAndSum();
    void randomTextRoundTrip();
    void unwritableDirectory();
    void shortWrite_data();
    void shortWrite();
    void newModelAndRelease();
    void destructorSaves();
    void crashWhileSaving();

private:
    QString path(const QString &pName) const { return m_work->filePath(pName); }
    QByteArray documentWithItems(const QList<Record> &pItems) const;

    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_work;
};

void tst_ListDocument::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("XDG_DATA_HOME", m_home.path().toLocal8Bit());
}

void tst_ListDocument::init()
{
    m_work = std::make_unique<QTemporaryDir>(m_home.filePath(QStringLiteral("work-XXXXXX")));
    QVERIFY(m_work->isValid());
}

QByteArray tst_ListDocument::documentWithItems(const QList<Record> &pItems) const
{
    QByteArray xml = "<pantrix_list version=\"1.0.0\" name=\"N\" currency=\"0\" note=\"\">";
    for (const Record &item : pItems) {
        xml += "<item";
        for (auto it = item.cbegin(); it != item.cend(); ++it)
            xml += " " + it.key().toUtf8() + "=\"" + it.value().toUtf8() + "\"";
        xml += "/>";
    }
    xml += "</pantrix_list>";
    return qCompress(xml, 9);
}

void tst_ListDocument::documentBytes()
{
    const QString fileName = path(QStringLiteral("demo-list.ptl"));
    ptListDataModel model;
    QVERIFY(model.newModel(fileName, QStringLiteral("  Week   shop "), 5, QStringLiteral("a & b")));
    QVERIFY(model.addItem(QStringLiteral("Milk"), QStringLiteral("Dairy"), QStringLiteral("2"),
                          QStringLiteral("3"), 1, QString()));
    QVERIFY(model.addItem(QStringLiteral("Bread"), QString(), QStringLiteral("1,25"), QString(), 0,
                          QStringLiteral("<fresh>")));
    QVERIFY(model.addItem(QStringLiteral("Gone"), QStringLiteral("Dairy"), QStringLiteral("9"),
                          QString(), 0, QString()));
    QVERIFY(model.addItem(QStringLiteral("Jam"), QStringLiteral("Sweets"), QStringLiteral("4"),
                          QString(), 0, QString()));
    QVERIFY(model.deleteItem(rowOfName(model, QStringLiteral("Gone"))));
    model.toggleItem(rowOfName(model, QStringLiteral("Jam")));
    QVERIFY(model.saveModel());

    const QByteArray file = readFile(fileName);
    QVERIFY(file.size() > 6);
    const QByteArray xml = qUncompress(file);
    QVERIFY(!xml.isEmpty());
    // Length prefix (big-endian), zlib header of level 9, and exactly qCompress's output.
    const quint32 length = (quint32(uchar(file[0])) << 24) | (quint32(uchar(file[1])) << 16)
            | (quint32(uchar(file[2])) << 8) | quint32(uchar(file[3]));
    QCOMPARE(length, quint32(xml.size()));
    QCOMPARE(uchar(file[4]), uchar(0x78));
    QCOMPARE(uchar(file[5]), uchar(0xDA));
    QCOMPARE(file, qCompress(xml, 9));

    QVERIFY(!xml.contains("<?xml"));
    QVERIFY(xml.contains("<pantrix_list version=\"1.0.0\" name=\"Week shop\" currency=\"5\" "
                         "note=\"a &amp; b\" items_list=\"2\" price_list=\"7.25\">\n"));
    QVERIFY(xml.contains("\n    <item "));
    QVERIFY(xml.contains("\xEF\x80\x80"));
    QVERIFY(!xml.contains("Gone"));

    const QList<Element> all = elements(xml);
    QCOMPARE(all.size(), 4);
    QCOMPARE(all.at(0).attributeNames,
             QStringList({"version", "name", "currency", "note", "items_list", "price_list"}));
    QCOMPARE(all.at(1).name, QStringLiteral("item"));
    const Record milk
            = {{"name", "Milk"},    {"category", "Dairy"}, {"price", "2"},         {"count", "3"},
               {"count_unit", "1"}, {"note", ""},          {"status", "unchecked"}};
    QCOMPARE(all.at(1).attributes, milk);
    QCOMPARE(all.at(2).attributes.value("category"), QString(QChar(0xF000)));
    QCOMPARE(all.at(2).attributes.value("note"), QStringLiteral("<fresh>"));
    QCOMPARE(all.at(3).attributes.value("name"), QStringLiteral("Jam"));
    QCOMPARE(all.at(3).attributes.value("status"), QStringLiteral("checked"));

    // Deleting everything writes an empty root element.
    model.displayCart(true);
    QVERIFY(model.deleteItem(1));
    model.displayList(true);
    while (model.rowCount() > 0)
        QVERIFY(model.deleteItem(1));
    QVERIFY(model.saveModel());
    const QByteArray empty = qUncompress(readFile(fileName));
    QVERIFY(empty.contains("price_list=\"0.00\"/>"));
    QVERIFY(!empty.contains("<item"));
}

void tst_ListDocument::unknownAttributes()
{
    const QString fileName = path(QStringLiteral("extra.ptl"));
    const QByteArray xml
            = "<pantrix_list version=\"1.0.0\" name=\"Extra\" currency=\"7\" note=\"n\" "
              "owner=\"me\" filename=\"/elsewhere.ptl\">"
              "<item name=\"Milk\" category=\"Dairy\" status=\"unchecked\" shop=\"Corner\"/>"
              "<group><item xmlns:x=\"urn:x\" x:aisle=\"3\" name=\"Tea\" "
              "status=\"checked\"/></group>"
              "<item name=\"Salt\" status=\"unchecked\"/>"
              "</pantrix_list>";
    QVERIFY(writeFile(fileName, qCompress(xml, 9)));

    ptListDataModel model;
    QSignalSpy nameSpy(&model, &ptListDataModel::listNameChanged);
    QVERIFY(model.loadModel(fileName));
    QCOMPARE(nameSpy.count(), 1);
    QCOMPARE(model.listName(), QStringLiteral("Extra"));
    QCOMPARE(model.listCurrency(), 7);
    QCOMPARE(model.listFileName(), fileName);
    QCOMPARE(model.items(true).size(), 2);
    QCOMPARE(model.items(false).size(), 1);
    QCOMPARE(model.items(true).at(0).value("shop"), QStringLiteral("Corner"));
    // Loading does not build rows or recount.
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(model.listItemsAmount().isEmpty());

    QVERIFY(model.saveModel());
    const QList<Element> all = elements(qUncompress(readFile(fileName)));
    QCOMPARE(all.size(), 4);
    QCOMPARE(all.at(0).attributeNames,
             QStringList({"version", "name", "currency", "note", "items_list", "price_list"}));
    QCOMPARE(all.at(1).attributes.value("shop"), QStringLiteral("Corner"));
    // A prefixed name cannot be written without its declaration; it is left
    // out rather than making the rest of the document unreadable.
    QCOMPARE(all.at(2).attributes.value("name"), QStringLiteral("Tea"));
    QCOMPARE(all.at(3).attributes.value("name"), QStringLiteral("Salt"));

    // A document without the root element loads, but has no file name to save to.
    QVERIFY(writeFile(fileName,
                      qCompress("<other><item name=\"X\" status=\"unchecked\"/></other>", 9)));
    QVERIFY(model.loadModel(fileName));
    QCOMPARE(model.items().size(), 1);
    QVERIFY(model.listFileName().isEmpty());
    QVERIFY(!model.saveModel());
}

void tst_ListDocument::unreadableFiles()
{
    const QString good = path(QStringLiteral("good.ptl"));
    ptListDataModel model;
    QVERIFY(model.newModel(good, QStringLiteral("Good"), 0, QString()));
    QVERIFY(model.addItem(QStringLiteral("Milk"), QString(), QString(), QString(), 0, QString()));

    // Missing path or file: the open list stays.
    QVERIFY(!model.loadModel(QString()));
    QVERIFY(!model.loadModel(path(QStringLiteral("missing.ptl"))));
    QCOMPARE(model.listName(), QStringLiteral("Good"));
    QCOMPARE(model.items().size(), 1);

    // Readable files that are not documents leave the model empty.
    const QString plain = path(QStringLiteral("plain.ptl"));
    QVERIFY(writeFile(plain, "<pantrix_list name=\"Plain\"><item name=\"X\"/></pantrix_list>"));
    QVERIFY(!model.loadModel(plain));
    QVERIFY(model.listName().isEmpty());
    QVERIFY(model.items().isEmpty());

    const QString empty = path(QStringLiteral("empty.ptl"));
    QVERIFY(writeFile(empty, QByteArray()));
    QVERIFY(model.loadModel(good));
    QVERIFY(!model.loadModel(empty));
    QVERIFY(model.listFileName().isEmpty());

    // A length prefix claiming more than the bound is refused before inflating.
    QByteArray huge = qCompress("<pantrix_list/>", 9);
    huge[0] = char(0x7F);
    QVERIFY(writeFile(empty, huge));
    QVERIFY(!model.loadModel(empty));
}

void tst_ListDocument::malformedXml()
{
    const QString fileName = path(QStringLiteral("broken.ptl"));
    const QByteArray xml = "<pantrix_list name=\"Broken\" note=\"x\">"
                           "<item name=\"One\" status=\"unchecked\"/>"
                           "<item name=\"Two\" status=\"checked\"/>"
                           "<item name=\"Three\" status=\"unchecked\"></wrong>"
                           "<item name=\"Four\" status=\"unchecked\"/>";
    QVERIFY(writeFile(fileName, qCompress(xml, 9)));
    ptListDataModel model;
    QVERIFY(model.loadModel(fileName));
    QCOMPARE(model.listName(), QStringLiteral("Broken"));
    QCOMPARE(model.items(true).size(), 2);
    QCOMPARE(model.items(true).at(1).value("name"), QStringLiteral("Three"));
    QCOMPARE(model.items(false).size(), 1);
}

void tst_ListDocument::countAndSum_data()
{
    QTest::addColumn<QList<Record>>("items");
    QTest::addColumn<QStringList>("figures"); // list amount, list price, cart amount, cart price

    auto item = [](const QString &pPrice, const QString &pCount, const QString &pStatus) {
        return Record {{"name", "x"}, {"price", pPrice}, {"count", pCount}, {"status", pStatus}};
    };
    QTest::newRow("empty") << QList<Record>() << QStringList {"0", "0.00", "0", "0.00"};
    QTest::newRow("point and comma")
            << QList<Record> {item("2", "3", "unchecked"), item("1,25", "2", "unchecked")}
            << QStringList {"2", "8.50", "0", "0.00"};
    QTest::newRow("thousands separators")
            << QList<Record> {item("1,500", "", "unchecked"), item("1.500,25", "2", "checked")}
            << QStringList {"1", "1500.00", "1", "3000.50"};
    QTest::newRow("not numbers count but add nothing")
            << QList<Record> {item("abc", "2", "unchecked"), item("3", "many", "unchecked"),
                              item("", "4", "unchecked")}
            << QStringList {"3", "0.00", "0", "0.00"};
    QTest::newRow("white space and sign")
            << QList<Record> {item(" 2.5 ", " 2 ", "unchecked"), item("-1", "3", "checked")}
            << QStringList {"1", "5.00", "1", "-3.00"};
    QTest::newRow("deleted and other states count nowhere")
            << QList<Record> {item("5", "1", "deleted"), item("5", "1", ""),
                              item("5", "1", "Checked"), item("0,5", "0,5", "checked")}
            << QStringList {"0", "0.00", "1", "0.25"};
}

void tst_ListDocument::countAndSum()
{
    QFETCH(QList<Record>, items);
    QFETCH(QStringList, figures);

    const QString fileName = path(QStringLiteral("sums.ptl"));
    QVERIFY(writeFile(fileName, documentWithItems(items)));
    ptListDataModel model;
    QVERIFY(model.loadModel(fileName));
    QSignalSpy countSpy(&model, &ptListDataModel::numberOfItemsChanged);
    QSignalSpy priceSpy(&model, &ptListDataModel::itemsPriceChanged);
    model.updateCountPrice();
    QCOMPARE(countSpy.count(), 1);
    QCOMPARE(priceSpy.count(), 1);
    QCOMPARE(QStringList({model.listItemsAmount(), model.listItemsPrice(), model.cartItemsAmount(),
                          model.cartItemsPrice()}),
             figures);
    QCOMPARE(model.numberOfItems(), figures.at(0).toInt());
    QCOMPARE(model.itemsPrice(), figures.at(1));
    model.displayCart(false);
    QCOMPARE(model.numberOfItems(), figures.at(2).toInt());
    QCOMPARE(model.itemsPrice(), figures.at(3));
    QCOMPARE(model.checkoutAmount(), figures.at(2));
    QCOMPARE(model.checkoutPrice(), figures.at(3));

    // The summary attributes follow the same figures.
    QVERIFY(model.saveModel());
    const Record root = elements(qUncompress(readFile(fileName))).at(0).attributes;
    QCOMPARE(root.value("items_list"), figures.at(0));
    QCOMPARE(root.value("price_list"), figures.at(1));
}

void tst_ListDocument::randomTextRoundTrip()
{
    const QString fileName = path(QStringLiteral("random.ptl"));
    for (quint32 seed : {1u, 7u, 42u, 2024u}) {
        QRandomGenerator random(seed);
        ptListDataModel model;
        QVERIFY(model.newModel(fileName, QStringLiteral("x") + randomText(random), 1,
                               randomText(random)));
        model.updateModelInfo(QStringLiteral("x") + randomText(random), 2, randomText(random));
        for (int i = 0; i < 200; ++i) {
            model.addItem(QStringLiteral("n%1 ").arg(i) + randomText(random), randomText(random),
                          randomText(random), randomText(random), random.bounded(16),
                          randomText(random));
        }
        const QList<Record> written = model.items();
        QVERIFY(model.saveModel());

        ptListDataModel loaded;
        QVERIFY(loaded.loadModel(fileName));
        QCOMPARE(loaded.listName(), ptXmlText::xmlSafe(model.listName()));
        QCOMPARE(loaded.listNote(), ptXmlText::xmlSafe(model.listNote()));
        const QList<Record> read = loaded.items();
        QCOMPARE(read.size(), written.size());
        for (int i = 0; i < read.size(); ++i) {
            Record expected;
            for (auto it = written.at(i).cbegin(); it != written.at(i).cend(); ++it)
                expected.insert(it.key(), ptXmlText::xmlSafe(it.value()));
            QCOMPARE(read.at(i), expected);
        }
    }
}

void tst_ListDocument::unwritableDirectory()
{
    const QString directory = m_work->filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkpath(directory));
    const QString fileName = QDir(directory).filePath(QStringLiteral("list.ptl"));
    ptListDataModel model;
    QVERIFY(model.newModel(fileName, QStringLiteral("Old"), 0, QString()));
    const QByteArray old = readFile(fileName);
    QVERIFY(model.addItem(QStringLiteral("Milk"), QString(), QString(), QString(), 0, QString()));

    QFile::setPermissions(directory, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(QDir(directory).filePath(QStringLiteral("probe")));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSKIP("This user writes into read-only directories; shortWrite covers the failure.");
    }
    const bool saved = model.saveModel();
    QFile::setPermissions(directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!saved);
    QCOMPARE(readFile(fileName), old);
}

void tst_ListDocument::shortWrite_data()
{
    QTest::addColumn<int>("itemCount");
    QTest::newRow("buffered") << 30;
    QTest::newRow("direct") << 2000;
}

// The file size limit makes every write beyond it fail, for any user.
void tst_ListDocument::shortWrite()
{
    QFETCH(int, itemCount);
    const QString fileName = path(QStringLiteral("list.ptl"));
    ptListDataModel model;
    QVERIFY(model.newModel(fileName, QStringLiteral("Old"), 0, QString()));
    const QByteArray old = readFile(fileName);
    for (int i = 0; i < itemCount; ++i) {
        model.addItem(QStringLiteral("item %1").arg(i), QString(), QString::number(i), QString(), 0,
                      QUuid::createUuid().toString());
    }

    rlimit previous {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = rlim_t(old.size() + 16);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = model.saveModel();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!saved);
    QCOMPARE(readFile(fileName), old);
    QCOMPARE(QDir(m_work->path()).entryList(QDir::Files), QStringList {"list.ptl"});
    QVERIFY(model.saveModel());
    QVERIFY(readFile(fileName) != old);
}

void tst_ListDocument::newModelAndRelease()
{
    const QString fileName = path(QStringLiteral("new.ptl"));
    QVERIFY(writeFile(fileName, "not a document"));
    ptListDataModel model;
    ptRoleFilterProxy proxy(&model);
    QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);

    QVERIFY(!model.saveModel());
    QVERIFY(!model.newModel(QString(), QStringLiteral("x"), 0, QString()));

    QSignalSpy resetSpy(&model, &QAbstractItemModel::modelReset);
    QSignalSpy nameSpy(&model, &ptListDataModel::listNameChanged);
    QVERIFY(model.newModel(fileName, QStringLiteral("   "), 4, QStringLiteral(" a   note ")));
    QCOMPARE(resetSpy.count(), 1);
    QCOMPARE(nameSpy.count(), 1);
    static const QRegularExpression pattern(
            QStringLiteral("^List \\d\\d\\.\\d\\d\\.\\d{4} \\[\\d\\d\\.\\d\\d\\]$"));
    QVERIFY2(pattern.match(model.listName()).hasMatch(), qPrintable(model.listName()));
    QCOMPARE(model.listNote(), QStringLiteral("a note"));
    QCOMPARE(model.listCurrency(), 4);
    QCOMPARE(QStringList({model.listItemsAmount(), model.listItemsPrice(), model.cartItemsAmount(),
                          model.cartItemsPrice()}),
             QStringList({"0", "0.00", "0", "0.00"}));
    QCOMPARE(qUncompress(readFile(fileName)),
             QByteArray("\n<pantrix_list version=\"1.0.0\" name=\"" + model.listName().toUtf8()
                        + "\" currency=\"4\" note=\"a note\" items_list=\"0\" "
                          "price_list=\"0.00\"/>\n"));

    QVERIFY(model.addItem(QStringLiteral("Milk"), QString(), QString(), QString(), 0, QString()));
    QCOMPARE(model.rowCount(), 2);
    model.releaseModel();
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(model.listFileName().isEmpty());
    QVERIFY(!model.saveModel());
    // The figures survive a release.
    QCOMPARE(model.listItemsPrice(), QStringLiteral("0.00"));

    // A save that fails in newModel keeps the new list open and reports false.
    const QString nowhere = path(QStringLiteral("no/such/dir/list.ptl"));
    nameSpy.clear();
    QVERIFY(!model.newModel(nowhere, QStringLiteral("Lost"), 0, QString()));
    QCOMPARE(nameSpy.count(), 0);
    QCOMPARE(model.listName(), QStringLiteral("Lost"));
    QCOMPARE(model.listFileName(), nowhere);
}

void tst_ListDocument::destructorSaves()
{
    const QString fileName = path(QStringLiteral("kept.ptl"));
    {
        ptListDataModel model;
        QVERIFY(model.newModel(fileName, QStringLiteral("Kept"), 0, QString()));
        QVERIFY(model.addItem(QStringLiteral("Milk"), QStringLiteral("Dairy"), QString(), QString(),
                              0, QString()));
    }
    ptListDataModel model;
    QVERIFY(model.loadModel(fileName));
    QCOMPARE(model.items().size(), 1);
    QCOMPARE(model.items().at(0).value("name"), QStringLiteral("Milk"));
}

void tst_ListDocument::crashWhileSaving()
{
    const QString fileName = path(QStringLiteral("crash.ptl"));
    const int itemCount = 300;
    QRandomGenerator random(12345);
    for (int round = 0; round < 30; ++round) {
        QProcess saver;
        saver.start(QStringLiteral(PANTRIX_CRASHSAVER), {fileName, QString::number(itemCount)});
        QVERIFY(saver.waitForStarted());
        while (!saver.canReadLine())
            QVERIFY(saver.waitForReadyRead(30000));
        QCOMPARE(saver.readLine().trimmed(), QByteArray("ready"));
        QTest::qWait(20 + random.bounded(200));
        saver.kill();
        QVERIFY(saver.waitForFinished());
        QCOMPARE(saver.exitStatus(), QProcess::CrashExit);

        ptListDataModel model;
        QVERIFY2(model.loadModel(fileName), qPrintable(QStringLiteral("round %1").arg(round)));
        const int unchecked = int(model.items(true).size());
        const int checked = int(model.items(false).size());
        if (model.listName() == QLatin1String("A")) {
            QCOMPARE(unchecked, itemCount);
            QCOMPARE(checked, 0);
        } else {
            QCOMPARE(model.listName(), QStringLiteral("B"));
            QCOMPARE(unchecked, 0);
            QCOMPARE(checked, itemCount);
        }
        model.releaseModel();
    }
}

QTEST_GUILESS_MAIN(tst_ListDocument)

#include "tst_listdocument.moc"
