#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

#include "ptApplicationManager.h"
#include "ptStartup.h"

namespace {

// The attributes of the root element of a list document, read straight from
// the file.
QHash<QString, QString> documentRoot(const QString &pPath)
{
    QHash<QString, QString> attributes;
    QFile file(pPath);
    if (!file.open(QIODevice::ReadOnly))
        return attributes;
    QXmlStreamReader reader(qUncompress(file.readAll()));
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("pantrix_list")) {
            for (const QXmlStreamAttribute &attribute : reader.attributes())
                attributes.insert(attribute.name().toString(), attribute.value().toString());
            break;
        }
    }
    return attributes;
}

// The names in the desktop's trash, which Qt keeps under XDG_DATA_HOME.
QStringList trashedFiles()
{
    return QDir(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Trash/files"))
            .entryList(QDir::Files);
}

} // namespace

class tst_ApplicationManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void initializeMakesTheListsDirectory();
    void unreadableDocumentStartsWithoutRow_data();
    void unreadableDocumentStartsWithoutRow();
    void createNewListKeepsTheNameAndSimplifiesTheNote();
    void createNewListReplacesTheDocument();
    void loadListRefusesMinusOneAndVanishedDocuments();
    void loadListShowsTheListByCategory();
    void deleteListRoads();
    void updateListsDataModelWithoutListsDirectory();
    void addItemReachesListAndCatalogue();
    void updateItemOnTheListPage();
    void updateItemOnTheMyItemsPage();
    void updateListItemsUsesTheCurrentCurrency();
    void currencyChangeReachesTheCatalogue();
    void setInputHintsWithoutViewDoesNothing();

private:
    std::unique_ptr<QTemporaryDir> m_dataDir;
};

void tst_ApplicationManager::initTestCase()
{
    ptStartup::setIdentity();
}

void tst_ApplicationManager::init()
{
    m_dataDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dataDir->isValid());
    qputenv("XDG_DATA_HOME", m_dataDir->path().toLocal8Bit());
}

void tst_ApplicationManager::initializeMakesTheListsDirectory()
{
    ptApplicationManager manager;
    QVERIFY(manager.initialize());
    QVERIFY(QDir(ptApplicationManager::listsDirectoryPath()).exists());
    QCOMPARE(QLocale().name(), QStringLiteral("en_US"));
    QCOMPARE(manager.listsDataModel()->rowCount(), 0);
    QVERIFY(!manager.listDocumentExists());
    QVERIFY(ptApplicationManager::listDocumentPath().endsWith(
            QStringLiteral("/Orvelle/PantrixApp/lists/demo-list.ptl")));
}

void tst_ApplicationManager::unreadableDocumentStartsWithoutRow_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray document = "<pantrix_list version=\"1.0.0\" name=\"A\"/>";
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("plain XML") << document;
    QTest::newRow("truncated") << qCompress(document).left(20);
    QTest::newRow("random bytes") << QByteArray::fromHex("8f3a00d17c52e4b9aa0163f2");
}

void tst_ApplicationManager::unreadableDocumentStartsWithoutRow()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(QDir().mkpath(ptApplicationManager::listsDirectoryPath()));
    QFile file(ptApplicationManager::listDocumentPath());
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    {
        ptApplicationManager manager;
        QVERIFY(manager.initialize());
        QCOMPARE(manager.listsDataModel()->rowCount(), 0);
        QVERIFY(manager.listDocumentExists());
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
}

void tst_ApplicationManager::createNewListKeepsTheNameAndSimplifiesTheNote()
{
    ptApplicationManager manager;
    QVERIFY(manager.initialize());
    const QString name = QStringLiteral("  My   Weekly  List ");
    QVERIFY(manager.createNewList(name, 113, QStringLiteral("  Buy   EARLY\tin the  Morning ")));

    const QHash<QString, QString> root = documentRoot(ptApplicationManager::listDocumentPath());
    QCOMPARE(root.value(QStringLiteral("name")), name.simplified());
    QCOMPARE(root.value(QStringLiteral("note")), QStringLiteral("buy early in the morning"));
    QCOMPARE(root.value(QStringLiteral("currency")), QStringLiteral("113"));
    QCOMPARE(manager.listDataModel()->listFileName(), ptApplicationManager::listDocumentPath());
}

void tst_ApplicationManager::createNewListReplacesTheDocument()
{
    ptApplicationManager manager;
    QVERIFY(manager.initialize());
    QVERIFY(manager.createNewList(QStringLiteral("First"), 0, QString()));
    QVERIFY(manager.updateListsDataModel());
    QCOMPARE(manager.listsDataModel()->rowCount(), 1);

    QVERIFY(manager.createNewList(QStringLiteral("Second"), 44, QString()));
    QCOMPARE(documentRoot(ptApplicationManager::listDocumentPath()).value(QStringLiteral("name")),
             QStringLiteral("Second"));
    // The replaced list can be restored from the trash.
    QCOMPARE(trashedFiles(), QStringList(QStringLiteral("demo-list.ptl")));
    QCOMPARE(documentRoot(m_dataDir->filePath(QStringLiteral("Trash/files/demo-list.ptl")))
                     .value(QStringLiteral("name")),
             QStringLiteral("First"));

    // The overview keeps the old summary until it is refreshed.
    const QModelIndex row = manager.listsDataModel()->index(0, 0);
    QCOMPARE(manager.listsDataModel()->data(row, ptListsDataModel::ListNameRole).toString(),
             QStringLiteral("First"));
    QVERIFY(manager.updateListsDataModel());
    QCOMPARE(manager.listsDataModel()
                     ->data(manager.listsDataModel()->index(0, 0), ptListsDataModel::ListNameRole)
                     .toString(),
             QStringLiteral("Second"));
}

void tst_ApplicationManager::loadListRefusesMinusOneAndVanishedDocuments()
{
    ptApplicationManager manager;
    QVERIFY(manager.initialize());
    QVERIFY(!manager.loadList(-1));
    QVERIFY(!manager.loadList(0));
    QCOMPARE(manager.listDataModel()->listFileName(), QString());

    QVERIFY(manager.createNewList(QStringLiteral("Gone"), 0, QString()));
    manager.listDataModel()->releaseModel();
    QVERIFY(manager.updateListsDataModel());
    QCOMPARE(manager.listsDataModel()->rowCount(), 1);
    QVERIFY(QFile::remove(ptApplicationManager::listDocumentPath()));
    QVERIFY(!manager.loadList(0));
    QCOMPARE(manager.listDataModel()->rowCount(), 0);
}

void tst_ApplicationManager::loadListShowsTheListByCategory()
{
    ptApplicationManager manager;
    QVERIFY(manager.initialize());
    ptListDataModel *list = manager.listDataModel();
    QVERIFY(manager.createNewList(QStringLiteral("Shop"), 0, QString()));
    QVERIFY(list->addItem(QStringLiteral("Bread"), QStringLiteral("Bakery"), QString(), QString(),
                          0, QString()));
    QVERIFY(list->addItem(QStringLiteral("apple"), QStringLiteral("Fruit"), QString(), QString(), 0,
                          QString()));
    QVERIFY(list->saveModel());
    list->sortByProduct(true);
    list->displayCart(true);
    list->releaseModel();
    QVERIFY(manager.updateListsDataModel());

    QSignalSpy resets(list, &QAbstractItemModel::modelReset);
    QVERIFY(manager.loadList(0));
    QVERIFY(resets.count() >= 1);
    QVERIFY(list->isSortByCategory());
    QVERIFY(list->isDisplayList());
    QCOMPARE(list->rowCount(), 4);
    QCOMPARE(list->data(list->index(1, 0), ptListDataModel::ItemNameRole).toString(),
             QStringLiteral("Bread"));
}

void tst_ApplicationManager::deleteListRoads()
{
    ptApplicationManager manager;
    QVERIFY(manager.initialize());
    QVERIFY(manager.createNewList(QStringLiteral("A"), 0, QString()));
    QVERIFY(manager.updateListsDataModel());

    // A missing path is refused and the overview is not refreshed.
    QVERIFY(!manager.deleteList(m_dataDir->filePath(QStringLiteral("missing.ptl"))));
    QCOMPARE(manager.listsDataModel()->rowCount(), 1);

    QVERIFY(manager.deleteListByIndex(5));
    QCOMPARE(manager.listsDataModel()->rowCount(), 1);

    QVERIFY(manager.deleteList(ptApplicationManager::listDocumentPath()));
    QVERIFY(!QFile::exists(ptApplicationManager::listDocumentPath()));
    QCOMPARE(manager.listsDataModel()->rowCount(), 0);
    QCOMPARE(trashedFiles().size(), 1);

    QVERIFY(manager.createNewList(QStringLiteral("B"), 0, QString()));
    QVERIFY(manager.updateListsDataModel());
    QVERIFY(manager.deleteListByIndex(0));
    QCOMPARE(manager.listsDataModel()->rowCount(), 0);
    QCOMPARE(trashedFiles().size(), 2);
    QVERIFY(manager.deleteListByIndex(0));

    // Where there is no trash the document is removed.
    QVERIFY(QDir(m_dataDir->filePath(QStringLiteral("Trash"))).removeRecursively());
    QVERIFY(QFile(m_dataDir->filePath(QStringLiteral("Trash"))).open(QIODevice::WriteOnly));
    QVERIFY(manager.createNewList(QStringLiteral("C"), 0, QString()));
    QVERIFY(manager.deleteList(ptApplicationManager::listDocumentPath()));
    QVERIFY(!QFile::exists(ptApplicationManager::listDocumentPath()));
}

void tst_ApplicationManager::updateListsDataModelWithoutListsDirectory()
{
    ptApplicationManager manager;
    QVERIFY(manager.initialize());
    QVERIFY(manager.createNewList(QStringLiteral("A"), 0, QString()));
    QVERIFY(manager.updateListsDataModel());
    QCOMPARE(manager.listsDataModel()->rowCount(), 1);

    QVERIFY(QDir(ptApplicationManager::listsDirectoryPath()).removeRecursively());
    QVERIFY(manager.updateListsDataModel());
    QVERIFY(QDir(ptApplicationManager::listsDirectoryPath()).exists());
    QCOMPARE(manager.listsDataModel()->rowCount(), 0);
}

void tst_ApplicationManager::addItemReachesListAndCatalogue()
{
    ptApplicationManager manager;
    QVERIFY(manager.initialize());
    manager.currencyUnitsDataModel()->setCurrentCurrency(44);
    QVERIFY(manager.createNewList(QStringLiteral("A"), 44, QString()));

    manager.addItem(0, QStringLiteral("Milk"), QStringLiteral("Dairy"), QStringLiteral("1.10"),
                    QStringLiteral("2"), 4, QStringLiteral("fresh"));
    QCOMPARE(manager.listDataModel()->items().size(), 1);
    ptCategoriesDataModel *catalogue = manager.categoriesDataModel();
    QCOMPARE(catalogue->rowCount(), 2);
    QCOMPARE(catalogue->data(catalogue->index(1, 0), ptCategoriesDataModel::ItemPriceRole)
                     .toString(),
             QStringLiteral("1.10"));
    QCOMPARE(catalogue->selectedItems().first().value(QStringLiteral("priceEUR")),
             QStringLiteral("1.10"));

    // From the My Items page only the catalogue learns of it.
    manager.addItem(1, QStringLiteral("Tea"), QString(), QStringLiteral("3"), QString(), 0,
                    QString());
    QCOMPARE(manager.listDataModel()->items().size(), 1);
    QCOMPARE(catalogue->rowCount(), 4);
}

void tst_ApplicationManager::updateItemOnTheListPage()
{
    ptApplicationManager manager;
    QVERIFY(manager.initialize());
    ptListDataModel *list = manager.listDataModel();
    ptCategoriesDataModel *catalogue = manager.categoriesDataModel();
    QVERIFY(manager.createNewList(QStringLiteral("A"), 0, QString()));

    // Stored texts equal to the lower-cased new ones: updated in place.
    manager.addItem(0, QStringLiteral("milk"), QStringLiteral("dairy"), QStringLiteral("1"),
                    QString(), 0, QString());
    QCOMPARE(catalogue->rowCount(), 2);
    manager.updateItem(0, 1, QStringLiteral("milk"), QStringLiteral("dairy"), QStringLiteral("2"),
                       QString(), 0, QString());
    QCOMPARE(catalogue->rowCount(), 2);
    QCOMPARE(catalogue->data(catalogue->index(1, 0), ptCategoriesDataModel::ItemPriceRole)
                     .toString(),
             QStringLiteral("2"));
    QCOMPARE(list->data(list->index(1, 0), ptListDataModel::ItemPriceRole).toString(),
             QStringLiteral("2"));

    // Another name: a second catalogue entry, the old one stays.
    manager.updateItem(0, 1, QStringLiteral("Cream"), QStringLiteral("dairy"), QStringLiteral("3"),
                       QString(), 0, QString());
    QCOMPARE(catalogue->rowCount(), 3);
    QCOMPARE(list->items().size(), 1);
    QCOMPARE(list->items().first().value(QStringLiteral("name")), QStringLiteral("Cream"));
}

void tst_ApplicationManager::updateItemOnTheMyItemsPage()
{
    ptApplicationManager manager;
    QVERIFY(manager.initialize());
    QVERIFY(manager.createNewList(QStringLiteral("A"), 0, QString()));
    manager.addItem(0, QStringLiteral("Milk"), QString(), QStringLiteral("1"), QString(), 0,
                    QString());
    ptCategoriesDataModel *catalogue = manager.categoriesDataModel();
    manager.updateItem(1, 1, QStringLiteral("Cream"), QString(), QStringLiteral("5"), QString(), 0,
                       QString());
    QCOMPARE(
            catalogue->data(catalogue->index(1, 0), ptCategoriesDataModel::ItemNameRole).toString(),
            QStringLiteral("Cream"));
    QCOMPARE(manager.listDataModel()->items().first().value(QStringLiteral("name")),
             QStringLiteral("Milk"));
}

void tst_ApplicationManager::updateListItemsUsesTheCurrentCurrency()
{
    ptApplicationManager manager;
    QVERIFY(manager.initialize());
    ptListDataModel *list = manager.listDataModel();
    ptCategoriesDataModel *catalogue = manager.categoriesDataModel();
    QVERIFY(manager.createNewList(QStringLiteral("A"), 0, QString()));

    manager.currencyUnitsDataModel()->setCurrentCurrency(143); // USD
    manager.addItem(0, QStringLiteral("Milk"), QStringLiteral("Dairy"), QStringLiteral("1.00"),
                    QString(), 0, QString());
    manager.currencyUnitsDataModel()->setCurrentCurrency(44); // EUR
    manager.addItem(0, QStringLiteral("Milk"), QStringLiteral("Dairy"), QStringLiteral("0.90"),
                    QString(), 0, QString());
    QCOMPARE(list->items().size(), 2);
    QCOMPARE(catalogue->rowCount(), 2);

    list->toggleItem(1);
    list->toggleItem(1);
    QCOMPARE(list->rowCount(), 0);
    catalogue->clearSelection();
    catalogue->toggleItem(1);
    QCOMPARE(catalogue->selectedCount(), 1);

    manager.updateListItems();
    // The euro-priced item was in the cart and comes back; no duplicate.
    QCOMPARE(list->items(true).size(), 1);
    QCOMPARE(list->items(false).size(), 1);
    QCOMPARE(list->rowCount(), 2);
    QCOMPARE(list->data(list->index(1, 0), ptListDataModel::ItemPriceRole).toString(),
             QStringLiteral("0.90"));
}

void tst_ApplicationManager::currencyChangeReachesTheCatalogue()
{
    ptApplicationManager manager;
    QVERIFY(manager.initialize());
    QSignalSpy texts(&manager, &ptApplicationManager::nullStringChanged);
    manager.addItem(1, QStringLiteral("Tea"), QString(), QStringLiteral("3"), QString(), 0,
                    QString());
    manager.currencyUnitsDataModel()->setCurrentCurrency(143);
    QCOMPARE(texts.count(), 1);
    ptCategoriesDataModel *catalogue = manager.categoriesDataModel();
    catalogue->updateModel();
    QCOMPARE(catalogue->data(catalogue->index(1, 0), ptCategoriesDataModel::ItemPriceRole)
                     .toString(),
             QString());
    manager.currencyUnitsDataModel()->setCurrentCurrency(0);
    catalogue->updateModel();
    QCOMPARE(catalogue->data(catalogue->index(1, 0), ptCategoriesDataModel::ItemPriceRole)
                     .toString(),
             QStringLiteral("3"));
}

void tst_ApplicationManager::setInputHintsWithoutViewDoesNothing()
{
    ptApplicationManager manager;
    manager.setInputHints();
    QVERIFY(true);
}

QTEST_MAIN(tst_ApplicationManager)
#include "tst_applicationmanager.moc"
