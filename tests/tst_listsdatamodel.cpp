#include "ptListsDataModel.h"
#include "ptRoleFilterProxy.h"
#include "ptXmlText.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray firstList = "<pantrix_list version=\"1.0.0\" name=\"Groceries\" note=\"Friday\" "
                             "items_list=\"3\" price_list=\"12.50\" currency=\"44\">"
                             "<item name=\"Milk\"/></pantrix_list>";
const QByteArray secondList = "<pantrix_list version=\"1.0.0\" name=\"Hardware\" note=\"\" "
                              "items_list=\"1\" price_list=\"4.00\" currency=\"143\"/>";

class ExposedLists : public ptListsDataModel
{
public:
    QModelIndex rawIndex(int pRow, int pColumn = 0) const { return createIndex(pRow, pColumn); }
};

} // namespace

class tst_ListsDataModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void emptyPathList();
    void missingFileIsSkipped();
    void emptyFileStopsLoad();
    void undecompressableStopsLoad();
    void documentsWithoutRow();
    void versionOnlyRoot();
    void filenameAttributeReplaced();
    void reloadReplacesRows();
    void deleteList();
    void listFileNameBounds();
    void dataAndHeader();
    void zlibBombsRefused();

private:
    QString path(const QString &pName) const { return m_dir->filePath(pName); }
    QString writeRaw(const QString &pName, const QByteArray &pBytes) const;
    QString writeDocument(const QString &pName, const QByteArray &pXml) const
    {
        return writeRaw(pName, qCompress(pXml, 9));
    }

    QTemporaryDir *m_dir = nullptr;
    ptListsDataModel *m_model = nullptr;
    ptRoleFilterProxy *m_proxy = nullptr;
    QAbstractItemModelTester *m_tester = nullptr;
};

QString tst_ListsDataModel::writeRaw(const QString &pName, const QByteArray &pBytes) const
{
    QFile file(path(pName));
    if (!file.open(QIODevice::WriteOnly) || file.write(pBytes) != pBytes.size())
        return QString();
    return file.fileName();
}

void tst_ListsDataModel::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    qputenv("XDG_DATA_HOME", m_dir->path().toUtf8());
    m_model = new ptListsDataModel;
    m_proxy = new ptRoleFilterProxy(m_model);
    m_tester = new QAbstractItemModelTester(m_proxy,
                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void tst_ListsDataModel::cleanup()
{
    delete m_tester;
    delete m_proxy;
    delete m_model;
    delete m_dir;
    m_tester = nullptr;
    m_proxy = nullptr;
    m_model = nullptr;
    m_dir = nullptr;
}

void tst_ListsDataModel::emptyPathList()
{
    QVERIFY(m_model->loadData({writeDocument(QStringLiteral("a.ptl"), firstList)}));
    QCOMPARE(m_model->rowCount(), 1);

    QSignalSpy reset(m_model, &QAbstractItemModel::modelReset);
    QVERIFY(m_model->loadData({}));
    QCOMPARE(m_model->rowCount(), 0);
    QCOMPARE(reset.count(), 1);
}

void tst_ListsDataModel::missingFileIsSkipped()
{
    const QString valid = writeDocument(QStringLiteral("valid.ptl"), firstList);
    QVERIFY(m_model->loadData({path(QStringLiteral("missing.ptl")), valid}));
    QCOMPARE(m_model->rowCount(), 1);
    QCOMPARE(m_model->listFileName(0), valid);
    QCOMPARE(m_model->data(m_model->index(0), ptListsDataModel::ListNameRole).toString(),
             QStringLiteral("Groceries"));
}

void tst_ListsDataModel::emptyFileStopsLoad()
{
    const QString first = writeDocument(QStringLiteral("1.ptl"), firstList);
    const QString empty = writeRaw(QStringLiteral("2.ptl"), QByteArray());
    const QString third = writeDocument(QStringLiteral("3.ptl"), secondList);

    QSignalSpy reset(m_model, &QAbstractItemModel::modelReset);
    QVERIFY(!m_model->loadData({first, empty, third}));
    // The row read before the empty file is kept, and views heard of it.
    QCOMPARE(m_model->rowCount(), 1);
    QCOMPARE(m_model->listFileName(0), first);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(m_proxy->rowCount(), 1);
}

void tst_ListsDataModel::undecompressableStopsLoad()
{
    const QString first = writeDocument(QStringLiteral("1.ptl"), firstList);
    const QString plain = writeRaw(QStringLiteral("2.ptl"), secondList);
    const QString third = writeDocument(QStringLiteral("3.ptl"), secondList);
    QVERIFY(!m_model->loadData({first, plain, third}));
    QCOMPARE(m_model->rowCount(), 1);

    // Too short to carry the length prefix, and a stream that inflates to nothing.
    QVERIFY(!m_model->loadData({writeRaw(QStringLiteral("4.ptl"), "ab"), third}));
    QCOMPARE(m_model->rowCount(), 0);
    QVERIFY(!m_model->loadData({writeDocument(QStringLiteral("5.ptl"), QByteArray()), third}));
    QCOMPARE(m_model->rowCount(), 0);
}

void tst_ListsDataModel::documentsWithoutRow()
{
    const QString last = writeDocument(QStringLiteral("last.ptl"), secondList);
    const QStringList paths = {
            writeDocument(QStringLiteral("bare.ptl"), "<pantrix_list/>"),
            writeDocument(QStringLiteral("other.ptl"),
                          "<shopping name=\"x\"><item name=\"y\"/></shopping>"),
            writeDocument(QStringLiteral("broken.ptl"), "<root name=\"x\"><unclosed"),
            writeDocument(QStringLiteral("text.ptl"), "not xml at all"),
            last,
    };
    QVERIFY(m_model->loadData(paths));
    QCOMPARE(m_model->rowCount(), 1);
    QCOMPARE(m_model->listFileName(0), last);

    // The first "pantrix_list" counts, also when it is not the root, and only
    // the start tag is read: what follows it may be broken.
    const QString nested = writeDocument(
            QStringLiteral("nested.ptl"),
            "<wrapper><pantrix_list name=\"Inner\"></wrapper><pantrix_list name=\"Second\">");
    QVERIFY(m_model->loadData({nested}));
    QCOMPARE(m_model->rowCount(), 1);
    QCOMPARE(m_model->data(m_model->index(0), ptListsDataModel::ListNameRole).toString(),
             QStringLiteral("Inner"));
}

void tst_ListsDataModel::versionOnlyRoot()
{
    const QString file = writeDocument(QStringLiteral("v.ptl"),
                                       "<pantrix_list version=\"1.0.0\"></pantrix_list>");
    QVERIFY(m_model->loadData({file}));
    QCOMPARE(m_model->rowCount(), 1);
    const QModelIndex index = m_model->index(0);
    for (int role : {int(Qt::DisplayRole), int(ptListsDataModel::ListNameRole),
                     int(ptListsDataModel::ListNoteRole), int(ptListsDataModel::ItemsListRole),
                     int(ptListsDataModel::PriceListRole), int(ptListsDataModel::PriceUnitRole)}) {
        const QVariant value = m_model->data(index, role);
        QCOMPARE(value.typeId(), int(QMetaType::QString));
        QVERIFY(value.toString().isEmpty());
    }
    QCOMPARE(m_model->data(index, ptListsDataModel::FilenameRole).toString(), file);
}

void tst_ListsDataModel::filenameAttributeReplaced()
{
    const QString file = writeDocument(QStringLiteral("f.ptl"),
                                       "<pantrix_list name=\"N\" filename=\"/etc/passwd\"/>");
    QVERIFY(m_model->loadData({file}));
    QCOMPARE(m_model->listFileName(0), file);
    QCOMPARE(m_model->data(m_model->index(0), ptListsDataModel::FilenameRole).toString(), file);
}

void tst_ListsDataModel::reloadReplacesRows()
{
    const QString first = writeDocument(QStringLiteral("1.ptl"), firstList);
    const QString second = writeDocument(QStringLiteral("2.ptl"), secondList);
    QVERIFY(m_model->loadData({second, first, second}));
    QCOMPARE(m_model->rowCount(), 3);
    QCOMPARE(m_model->listFileName(0), second);
    QCOMPARE(m_model->listFileName(1), first);
    QCOMPARE(m_model->listFileName(2), second);

    QVERIFY(m_model->loadData({first}));
    QCOMPARE(m_model->rowCount(), 1);
    QCOMPARE(m_model->listFileName(0), first);
}

void tst_ListsDataModel::deleteList()
{
    const QString first = writeDocument(QStringLiteral("1.ptl"), firstList);
    const QString second = writeDocument(QStringLiteral("2.ptl"), secondList);
    QVERIFY(m_model->loadData({first, second}));

    QVERIFY(!m_model->deleteList(-1));
    QVERIFY(!m_model->deleteList(m_model->rowCount()));
    QVERIFY(QFile::exists(first));
    QVERIFY(QFile::exists(second));

    QVERIFY(m_model->deleteList(1));
    QVERIFY(!QFile::exists(second));
    QVERIFY(QFile::exists(path(QStringLiteral("Trash/files/2.ptl"))));
    QVERIFY(QFile::exists(first));
    // The row stays until the next load; its file is gone now.
    QCOMPARE(m_model->rowCount(), 2);
    QVERIFY(!m_model->deleteList(1));

    QVERIFY(QFile::remove(first));
    QVERIFY(!m_model->deleteList(0));
    QCOMPARE(m_model->rowCount(), 2);
}

void tst_ListsDataModel::listFileNameBounds()
{
    QVERIFY(m_model->listFileName(0).isEmpty());
    const QString first = writeDocument(QStringLiteral("1.ptl"), firstList);
    QVERIFY(m_model->loadData({first}));
    QCOMPARE(m_model->listFileName(0), first);
    QVERIFY(m_model->listFileName(m_model->rowCount()).isEmpty());
    QVERIFY(m_model->listFileName(-1).isEmpty());
}

void tst_ListsDataModel::dataAndHeader()
{
    ExposedLists model;
    const QString first = writeDocument(QStringLiteral("1.ptl"), firstList);
    QVERIFY(model.loadData({first}));

    const QHash<int, QByteArray> names = model.roleNames();
    QCOMPARE(names.value(ptListsDataModel::ListNameRole), QByteArray("list_name"));
    QCOMPARE(names.value(ptListsDataModel::ListNoteRole), QByteArray("list_note"));
    QCOMPARE(names.value(ptListsDataModel::ItemsListRole), QByteArray("items_list"));
    QCOMPARE(names.value(ptListsDataModel::PriceListRole), QByteArray("price_list"));
    QCOMPARE(names.value(ptListsDataModel::PriceUnitRole), QByteArray("price_unit"));
    QVERIFY(!names.contains(ptListsDataModel::FilenameRole));

    const QModelIndex index = model.index(0);
    QCOMPARE(model.data(index, Qt::DisplayRole).toString(), QStringLiteral("Groceries"));
    QCOMPARE(model.data(index, ptListsDataModel::ListNoteRole).toString(),
             QStringLiteral("Friday"));
    QCOMPARE(model.data(index, ptListsDataModel::ItemsListRole).toString(), QStringLiteral("3"));
    QCOMPARE(model.data(index, ptListsDataModel::PriceListRole).toString(),
             QStringLiteral("12.50"));
    QCOMPARE(model.data(index, ptListsDataModel::PriceUnitRole).toString(), QStringLiteral("44"));
    QCOMPARE(model.data(index, ptListsDataModel::FilenameRole).toString(), first);

    // Outside the table the answer is an invalid variant.
    QVERIFY(!model.data(index, ptListsDataModel::FilenameRole + 1).isValid());
    QVERIFY(!model.data(index, Qt::UserRole).isValid());
    QVERIFY(!model.data(index, Qt::EditRole).isValid());
    QVERIFY(!model.data(QModelIndex(), ptListsDataModel::ListNameRole).isValid());
    QVERIFY(!model.data(model.rawIndex(1), ptListsDataModel::ListNameRole).isValid());
    QVERIFY(!model.data(model.rawIndex(-1), ptListsDataModel::ListNameRole).isValid());
    QVERIFY(!model.data(model.rawIndex(0, -1), ptListsDataModel::ListNameRole).isValid());

    QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), QStringLiteral("Column 3"));
    QCOMPARE(model.headerData(3, Qt::Vertical).toString(), QStringLiteral("Row 3"));
    QCOMPARE(model.headerData(3, Qt::Vertical, Qt::DisplayRole).toString(),
             QStringLiteral("Row 3"));
    QVERIFY(!model.headerData(3, Qt::Vertical, ptListsDataModel::ListNameRole).isValid());
    QCOMPARE(model.rowCount(model.index(0)), 1);

    // The overloads the scenes call by name.
    int rows = -1;
    QVERIFY(QMetaObject::invokeMethod(&model, "rowCount", Q_RETURN_ARG(int, rows)));
    QCOMPARE(rows, 1);
    QVariant header;
    QVERIFY(QMetaObject::invokeMethod(&model, "headerData", Q_RETURN_ARG(QVariant, header),
                                      Q_ARG(int, 2), Q_ARG(Qt::Orientation, Qt::Horizontal)));
    QCOMPARE(header.toString(), QStringLiteral("Column 2"));
}

void tst_ListsDataModel::zlibBombsRefused()
{
    const QString valid = writeDocument(QStringLiteral("valid.ptl"), firstList);

    // A length prefix that claims 4 GB in front of a small stream.
    QByteArray claim4G = qCompress(firstList, 9);
    claim4G[0] = char(0xFF);
    claim4G[1] = char(0xFF);
    claim4G[2] = char(0xFF);
    claim4G[3] = char(0xFF);
    QVERIFY(!m_model->loadData({valid, writeRaw(QStringLiteral("claim.ptl"), claim4G)}));
    QCOMPARE(m_model->rowCount(), 1);

    // A real stream that inflates to more than the bound; if it were read it
    // would give a row.
    QByteArray huge = "<pantrix_list name=\"Bomb\">";
    huge.append(QByteArray(qsizetype(ptXmlText::MaxDocumentSize) + 1024, ' '));
    huge.append("</pantrix_list>");
    QByteArray bomb = qCompress(huge, 9);
    huge.clear();
    huge.squeeze();
    QVERIFY(bomb.size() < 1024 * 1024);
    QVERIFY(!m_model->loadData({writeRaw(QStringLiteral("bomb.ptl"), bomb), valid}));
    QCOMPARE(m_model->rowCount(), 0);

    // The same stream behind a prefix that understates its size.
    bomb[0] = 0;
    bomb[1] = 0;
    bomb[2] = 4;
    bomb[3] = 0;
    QVERIFY(!m_model->loadData({writeRaw(QStringLiteral("understated.ptl"), bomb), valid}));
    QCOMPARE(m_model->rowCount(), 0);
}

QTEST_GUILESS_MAIN(tst_ListsDataModel)
#include "tst_listsdatamodel.moc"
