#include "ptCategoriesDataModel.h"
#include "ptRoleFilterProxy.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

using Roles = ptCategoriesDataModel::ItemRoles;

const QString Marker = QString(QChar(0xF000));
const QString MarkerHeader = QStringLiteral("[") + Marker + QStringLiteral("]");

// The model with the structure checker attached for its whole life.
struct Catalogue
{
    ptCategoriesDataModel model;
    ptRoleFilterProxy proxy {&model};
    QAbstractItemModelTester tester {&proxy,
                                     QAbstractItemModelTester::FailureReportingMode::QtTest};
};

bool add(ptCategoriesDataModel &model, const QString &pName, const QString &pCategory,
         const QString &pPrice = QStringLiteral("1"), const QString &pCode = QStringLiteral("EUR"))
{
    return model.addItem(pName, pCategory, pPrice, pCode, QStringLiteral("2"), 3,
                         QStringLiteral("a note"));
}

QString text(const ptCategoriesDataModel &model, int pRow, int pRole)
{
    return model.data(model.index(pRow, 0), pRole).toString();
}

// "[category]" for a header row, the name for an item row.
QStringList layout(const ptCategoriesDataModel &model)
{
    QStringList rows;
    for (int r = 0; r < model.rowCount(); ++r) {
        if (text(model, r, Roles::ItemTypeRole) == QLatin1String("category"))
            rows << QLatin1Char('[') + text(model, r, Roles::ItemCategoryRole) + QLatin1Char(']');
        else
            rows << text(model, r, Roles::ItemNameRole);
    }
    return rows;
}

// Every role of every row, to compare two states of the rows exactly.
QStringList snapshot(const ptCategoriesDataModel &model)
{
    QStringList rows;
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList values;
        for (int role = Roles::ItemNameRole; role <= Roles::ItemTypeRole; ++role)
            values << text(model, r, role);
        rows << values.join(QLatin1Char('|'));
    }
    return rows;
}

QStringList categories(ptCategoriesDataModel &model)
{
    QStringList names;
    for (int i = 0; i < model.categoriesCount(); ++i)
        names << model.categoryName(i);
    return names;
}

int rowOf(const ptCategoriesDataModel &model, const QString &pName)
{
    for (int r = 0; r < model.rowCount(); ++r) {
        if (text(model, r, Roles::ItemTypeRole) == QLatin1String("item")
            && text(model, r, Roles::ItemNameRole) == pName)
            return r;
    }
    return -1;
}

QStringList selectedNames(const ptCategoriesDataModel &model)
{
    QStringList names;
    const QList<QHash<QString, QString>> selected = model.selectedItems();
    for (const QHash<QString, QString> &entry : selected)
        names << entry.value(QStringLiteral("name"));
    return names;
}

// Records the row, reset and count notifications in the order they arrive.
void recordSignals(ptCategoriesDataModel *pModel, QStringList *pLog)
{
    QObject::connect(pModel, &QAbstractItemModel::rowsAboutToBeRemoved, pModel,
                     [pLog](const QModelIndex &, int pFirst, int pLast) {
                         *pLog << QStringLiteral("aboutToRemove %1-%2").arg(pFirst).arg(pLast);
                     });
    QObject::connect(pModel, &QAbstractItemModel::rowsRemoved, pModel,
                     [pLog](const QModelIndex &, int pFirst, int pLast) {
                         *pLog << QStringLiteral("removed %1-%2").arg(pFirst).arg(pLast);
                     });
    QObject::connect(pModel, &QAbstractItemModel::modelAboutToBeReset, pModel,
                     [pLog]() { *pLog << QStringLiteral("aboutToReset"); });
    QObject::connect(pModel, &QAbstractItemModel::modelReset, pModel,
                     [pLog]() { *pLog << QStringLiteral("reset"); });
    QObject::connect(
            pModel, &QAbstractItemModel::dataChanged, pModel,
            [pLog](const QModelIndex &pFrom, const QModelIndex &pTo) {
                *pLog << QStringLiteral("dataChanged %1-%2").arg(pFrom.row()).arg(pTo.row());
            });
    QObject::connect(pModel, &ptCategoriesDataModel::selectedCountChanged, pModel,
                     [pLog]() { *pLog << QStringLiteral("selectedCount"); });
}

} // namespace

class tst_CategoriesDataModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // contents, grouping and sorting
    void emptyCatalogue();
    void addItemSimplifiesTexts();
    void addItemNormalisesCategory_data();
    void addItemNormalisesCategory();
    void translatedUncategorised();
    void categoryRowsOrder();
    void sameNameInTwoCategories();
    void emptyNameHiddenByLaterHeader();
    void emptyNameTakesHeaderKey();
    void categoryListOrder();
    void pricesPerCurrency();
    void addItemRefreshesEntry();
    void updateItemFindsEntry();
    void updateItemByRow();
    void sortWithoutRebuild();

    // selection
    void toggleItemCountsSelection();
    void toggleInvalidRowsDoNothing();
    void clearSelection();
    void selectedItemsInCreationOrder();
    void deletedEntriesNeverSelected();

    // deletion
    void deleteOnlyItemPrunesHeader();
    void deleteLastCategoryAtEnd();
    void deleteOneOfTwoKeepsHeader();
    void deleteSortedByProduct();
    void deleteItemRefusesBadRows();
    void deleteCategoryKeepingItems();
    void deleteUncategorisedGroup();
    void deleteCategoryRefused();
    void releaseModel();

    void randomisedOperations_data();
    void randomisedOperations();

private:
    QTemporaryDir m_dataDir;
};

void tst_CategoriesDataModel::initTestCase()
{
    QVERIFY(m_dataDir.isValid());
    qputenv("XDG_DATA_HOME", m_dataDir.path().toLocal8Bit());
}

void tst_CategoriesDataModel::emptyCatalogue()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.categoriesCount(), 0);
    QCOMPARE(model.selectedCount(), 0);
    QVERIFY(!model.isLoaded());
    QVERIFY(model.loadModel());
    QVERIFY(model.saveModel());
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(!model.isLoaded());
    QCOMPARE(resets.count(), 0);
    QCOMPARE(model.categoryName(0), QString());
    QCOMPARE(model.property("categoriesCount").toInt(), 0);
    QCOMPARE(model.property("selectedCount").toInt(), 0);

    QCOMPARE(model.roleNames().value(Roles::ItemNameRole), QByteArray("item_name"));
    QCOMPARE(model.roleNames().value(Roles::ItemTypeRole), QByteArray("item_type"));
    QCOMPARE(int(Roles::ItemNameRole), Qt::UserRole + 1);
    QCOMPARE(int(Roles::ItemTypeRole), Qt::UserRole + 8);
    QCOMPARE(model.headerData(4, Qt::Horizontal).toString(), QStringLiteral("Column 4"));
    QCOMPARE(model.headerData(2, Qt::Vertical).toString(), QStringLiteral("Row 2"));
    QVERIFY(!model.headerData(2, Qt::Vertical, Qt::EditRole).isValid());

    // Bad indexes and roles answer with empty text, not an invalid value.
    add(model, QStringLiteral("milk"), QStringLiteral("Dairy"));
    const QList<QVariant> answers = {
            model.data(QModelIndex(), Roles::ItemNameRole),
            model.data(model.index(model.rowCount(), 0), Roles::ItemNameRole),
            model.data(model.index(1, 0), Qt::EditRole),
            model.data(model.index(1, 0), Roles::ItemTypeRole + 1),
            model.data(model.index(0, 0), Qt::DisplayRole),
    };
    for (const QVariant &answer : answers) {
        QCOMPARE(answer.typeId(), int(QMetaType::QString));
        QCOMPARE(answer.toString(), QString());
    }
    QCOMPARE(model.data(model.index(1, 0), Qt::DisplayRole).toString(), QStringLiteral("milk"));
}

void tst_CategoriesDataModel::addItemSimplifiesTexts()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    QVERIFY(!add(model, QStringLiteral("  \t "), QStringLiteral("Dairy")));
    QVERIFY(!add(model, QString(), QStringLiteral("Dairy")));
    QCOMPARE(resets.count(), 0);
    QVERIFY(!model.isLoaded());

    QVERIFY(add(model, QStringLiteral("  skimmed   milk "), QStringLiteral(" dairy  and\teggs ")));
    QCOMPARE(layout(model), QStringList({"[dairy and eggs]", "skimmed milk"}));
    QCOMPARE(categories(model), QStringList({"dairy and eggs"}));
    QCOMPARE(text(model, 1, Roles::ItemCategoryRole), QStringLiteral("dairy and eggs"));
    QCOMPARE(text(model, 1, Roles::ItemNoteRole), QString());
    QCOMPARE(text(model, 1, Roles::ItemAmountRole), QStringLiteral("2"));
    QCOMPARE(text(model, 1, Roles::ItemAmountUnitRole), QStringLiteral("3"));
    QCOMPARE(text(model, 1, Roles::ItemStatusRole), QStringLiteral("checked"));
    QCOMPARE(model.selectedCount(), 0);
    QVERIFY(model.isLoaded());
}

void tst_CategoriesDataModel::addItemNormalisesCategory_data()
{
    QTest::addColumn<QString>("category");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << QStringLiteral("   ");
    QTest::newRow("word") << QStringLiteral("Uncategorised");
    QTest::newRow("padded word") << QStringLiteral("  Uncategorised ");
    QTest::newRow("marker") << Marker;
}

void tst_CategoriesDataModel::addItemNormalisesCategory()
{
    QFETCH(QString, category);
    Catalogue c;
    ptCategoriesDataModel &model = c.model;

    QVERIFY(add(model, QStringLiteral("zeta"), QStringLiteral("Zoo")));
    QVERIFY(add(model, QStringLiteral("bag"), category));
    QCOMPARE(layout(model), QStringList({"[Zoo]", "zeta", MarkerHeader, "bag"}));
    QCOMPARE(text(model, 3, Roles::ItemCategoryRole), Marker);
    QCOMPARE(categories(model), QStringList({"Zoo"}));

    // The same item again refreshes the one entry.
    QVERIFY(add(model, QStringLiteral("bag"), QStringLiteral("Uncategorised")));
    QCOMPARE(model.rowCount(), 4);
}

void tst_CategoriesDataModel::translatedUncategorised()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    const QString russian = QStringLiteral("Без категории");

    QVERIFY(add(model, QStringLiteral("bag"), russian));
    QCOMPARE(categories(model), QStringList({russian}));

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/tr/tst_categoriesdatamodel_ru.qm")));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QVERIFY(add(model, QStringLiteral("box"), QStringLiteral(" Без  категории ")));
    QVERIFY(add(model, QStringLiteral("cup"), QStringLiteral("Uncategorised")));
    QVERIFY(QCoreApplication::removeTranslator(&translator));

    QCOMPARE(layout(model), QStringList({"[" + russian + "]", "bag", MarkerHeader, "box", "cup"}));
    QCOMPARE(categories(model), QStringList({russian}));
}

void tst_CategoriesDataModel::categoryRowsOrder()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("x"), QStringLiteral("A"));
    add(model, QStringLiteral("none"), QString());
    add(model, QStringLiteral("y"), QStringLiteral("A1"));
    add(model, QStringLiteral("w"), QStringLiteral("a"));
    add(model, QStringLiteral("b"), QStringLiteral("A"));
    add(model, QStringLiteral("B"), QStringLiteral("A"));

    // The digit sorts before ":", capitals before small letters, the marker last.
    QCOMPARE(layout(model),
             QStringList({"[A1]", "y", "[A]", "B", "b", "x", "[a]", "w", MarkerHeader, "none"}));

    model.sortByProduct(true);
    QCOMPARE(layout(model), QStringList({"B", "b", "none", "w", "x", "y"}));
    model.sortByCategory(true);
    QCOMPARE(model.rowCount(), 10);
}

void tst_CategoriesDataModel::sameNameInTwoCategories()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("milk"), QStringLiteral("Shop"), QStringLiteral("1"));
    add(model, QStringLiteral("milk"), QStringLiteral("Dairy"), QStringLiteral("2"));
    model.setCurrencyCode(QStringLiteral("EUR"));

    QCOMPARE(layout(model), QStringList({"[Dairy]", "milk", "[Shop]", "milk"}));

    model.sortByProduct(true);
    QCOMPARE(layout(model), QStringList({"milk"}));
    QCOMPARE(text(model, 0, Roles::ItemCategoryRole), QStringLiteral("Dairy"));
    QCOMPARE(text(model, 0, Roles::ItemPriceRole), QStringLiteral("2"));
    QCOMPARE(model.selectedItems().size(), 2);
}

// Sorted by category an empty name gives the item key "A:", the header key.
// A later entry of the category sets it back to the header.
void tst_CategoriesDataModel::emptyNameHiddenByLaterHeader()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("x"), QStringLiteral("A"));
    add(model, QStringLiteral("y"), QStringLiteral("A"));
    QVERIFY(model.updateItem(rowOf(model, QStringLiteral("x")), QString(), QStringLiteral("A"),
                             QStringLiteral("5"), QStringLiteral("EUR"), QString(), 0, QString()));

    QCOMPARE(layout(model), QStringList({"[A]", "y"}));
    QCOMPARE(text(model, 0, Roles::ItemTypeRole), QStringLiteral("category"));

    model.sortByProduct(true);
    QCOMPARE(layout(model), QStringList({"", "y"}));
    QCOMPARE(text(model, 0, Roles::ItemPriceRole), QString());
}

void tst_CategoriesDataModel::emptyNameTakesHeaderKey()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("y"), QStringLiteral("A"));
    add(model, QStringLiteral("x"), QStringLiteral("A"));
    QVERIFY(model.updateItem(rowOf(model, QStringLiteral("x")), QStringLiteral("   "),
                             QStringLiteral("A"), QStringLiteral("5"), QStringLiteral("EUR"),
                             QString(), 0, QString()));

    // The empty-named item stands where the header would be.
    QCOMPARE(layout(model), QStringList({"", "y"}));
    QCOMPARE(text(model, 0, Roles::ItemTypeRole), QStringLiteral("item"));
    QCOMPARE(text(model, 0, Roles::ItemCategoryRole), QStringLiteral("A"));

    model.clearSelection();
    model.toggleItem(0);
    QCOMPARE(model.selectedCount(), 1);
    QCOMPARE(selectedNames(model), QStringList({""}));

    QVERIFY(model.deleteItem(0));
    QCOMPARE(layout(model), QStringList({"[A]", "y"}));
    QCOMPARE(model.selectedItems().size(), 0);
}

void tst_CategoriesDataModel::categoryListOrder()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    QSignalSpy countChanges(&model, &ptCategoriesDataModel::categoriesCountChanged);

    add(model, QStringLiteral("x"), QStringLiteral("B"));
    add(model, QStringLiteral("y"), QStringLiteral("A"));
    add(model, QStringLiteral("z"), QStringLiteral("B"));
    add(model, QStringLiteral("n"), QString());
    QCOMPARE(categories(model), QStringList({"B", "A"}));
    QCOMPARE(countChanges.count(), 4);

    model.updateModel();
    QCOMPARE(countChanges.count(), 5);

    QCOMPARE(model.categoryName(-1), QString());
    QCOMPARE(model.categoryName(model.categoriesCount()), QString());

    // The list follows storage order, not the rows.
    model.updateItem(rowOf(model, QStringLiteral("x")), QStringLiteral("x"), QStringLiteral("C"),
                     QString(), QStringLiteral("EUR"), QString(), 0, QString());
    QCOMPARE(categories(model), QStringList({"C", "A", "B"}));
}

void tst_CategoriesDataModel::pricesPerCurrency()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("milk"), QStringLiteral("Dairy"), QStringLiteral("1.50"),
        QStringLiteral("EUR"));
    add(model, QStringLiteral("milk"), QStringLiteral("Dairy"), QStringLiteral("2,10"),
        QStringLiteral("USD"));

    QCOMPARE(model.rowCount(), 2);
    const QList<QHash<QString, QString>> entries = model.selectedItems();
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().value(QStringLiteral("priceEUR")), QStringLiteral("1.50"));
    QCOMPARE(entries.first().value(QStringLiteral("priceUSD")), QStringLiteral("2,10"));
    QVERIFY(!entries.first().contains(QStringLiteral("price")));
    QCOMPARE(text(model, 1, Roles::ItemPriceRole), QString());

    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy countChanges(&model, &ptCategoriesDataModel::categoriesCountChanged);
    model.setCurrencyCode(QStringLiteral("EUR"));
    QCOMPARE(resets.count() + changes.count() + countChanges.count(), 0);

    model.updateModel();
    QCOMPARE(text(model, 1, Roles::ItemPriceRole), QStringLiteral("1.50"));
    model.setCurrencyCode(QStringLiteral("USD"));
    model.updateModel();
    QCOMPARE(text(model, 1, Roles::ItemPriceRole), QStringLiteral("2,10"));
    model.setCurrencyCode(QStringLiteral("RUB"));
    model.updateModel();
    QCOMPARE(text(model, 1, Roles::ItemPriceRole), QString());
}

void tst_CategoriesDataModel::addItemRefreshesEntry()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    model.setCurrencyCode(QStringLiteral("EUR"));
    add(model, QStringLiteral("milk"), QStringLiteral("Dairy"), QStringLiteral("1"));
    add(model, QStringLiteral("milk"), QStringLiteral("Dairy"), QStringLiteral("3"),
        QStringLiteral("USD"));
    model.clearSelection();
    QVERIFY(model.deleteItem(1));
    QCOMPARE(model.rowCount(), 0);

    // A deleted entry comes back, selected, with its other prices kept.
    QVERIFY(model.addItem(QStringLiteral("milk"), QStringLiteral("Dairy"), QStringLiteral("4"),
                          QStringLiteral("USD"), QStringLiteral("6"), 11,
                          QStringLiteral("ignored")));
    QCOMPARE(layout(model), QStringList({"[Dairy]", "milk"}));
    QCOMPARE(text(model, 1, Roles::ItemStatusRole), QStringLiteral("checked"));
    QCOMPARE(text(model, 1, Roles::ItemPriceRole), QStringLiteral("1"));
    QCOMPARE(text(model, 1, Roles::ItemAmountRole), QStringLiteral("6"));
    QCOMPARE(text(model, 1, Roles::ItemAmountUnitRole), QStringLiteral("11"));
    QCOMPARE(text(model, 1, Roles::ItemNoteRole), QString());
    QCOMPARE(model.selectedCount(), 0);
    QCOMPARE(model.selectedItems().size(), 1);
    QCOMPARE(model.selectedItems().first().value(QStringLiteral("priceUSD")), QStringLiteral("4"));

    // Matching is exact: another case is another entry.
    add(model, QStringLiteral("Milk"), QStringLiteral("Dairy"));
    add(model, QStringLiteral("milk"), QStringLiteral("dairy"));
    QCOMPARE(model.selectedItems().size(), 3);
}

void tst_CategoriesDataModel::updateItemFindsEntry()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    model.setCurrencyCode(QStringLiteral("EUR"));
    add(model, QStringLiteral("milk"), QStringLiteral("Dairy"), QStringLiteral("1"));
    add(model, QStringLiteral("tea"), QString());
    model.clearSelection();

    QVERIFY(!model.updateItem(-1, QStringLiteral("milk"), QStringLiteral("Shop"), QString(),
                              QStringLiteral("EUR"), QString(), 0, QString()));
    QVERIFY(model.updateItem(-1, QStringLiteral(" milk "), QStringLiteral("Dairy "),
                             QStringLiteral("7"), QStringLiteral("EUR"), QStringLiteral("9"), 4,
                             QStringLiteral("ignored")));
    const int milk = rowOf(model, QStringLiteral("milk"));
    QCOMPARE(text(model, milk, Roles::ItemPriceRole), QStringLiteral("7"));
    QCOMPARE(text(model, milk, Roles::ItemAmountRole), QStringLiteral("9"));
    QCOMPARE(text(model, milk, Roles::ItemAmountUnitRole), QStringLiteral("4"));
    QCOMPARE(text(model, milk, Roles::ItemNoteRole), QString());
    QCOMPARE(text(model, milk, Roles::ItemStatusRole), QStringLiteral("unchecked"));

    QVERIFY(model.updateItem(-1, QStringLiteral("tea"), QStringLiteral("Uncategorised"),
                             QStringLiteral("2"), QStringLiteral("EUR"), QString(), 0, QString()));

    // A deleted entry is found but stays deleted.
    QVERIFY(model.deleteItem(milk));
    QVERIFY(model.updateItem(-1, QStringLiteral("milk"), QStringLiteral("Dairy"),
                             QStringLiteral("8"), QStringLiteral("EUR"), QString(), 0, QString()));
    QCOMPARE(layout(model), QStringList({MarkerHeader, "tea"}));
}

void tst_CategoriesDataModel::updateItemByRow()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("milk"), QStringLiteral("Dairy"));
    add(model, QStringLiteral("tea"), QStringLiteral("Drinks"));
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    for (int row : {-2, 0, 2, model.rowCount()})
        QVERIFY(!model.updateItem(row, QStringLiteral("x"), QString(), QString(),
                                  QStringLiteral("EUR"), QString(), 0, QString()));
    QCOMPARE(resets.count(), 0);

    QVERIFY(model.updateItem(3, QStringLiteral(" green  tea"), QStringLiteral("Dairy"), QString(),
                             QStringLiteral("EUR"), QString(), 0, QString()));
    QCOMPARE(layout(model), QStringList({"[Dairy]", "green tea", "milk"}));
    QCOMPARE(categories(model), QStringList({"Dairy"}));
    QCOMPARE(text(model, 1, Roles::ItemStatusRole), QStringLiteral("checked"));

    QVERIFY(model.updateItem(1, QString(), QString(), QString(), QStringLiteral("EUR"), QString(),
                             0, QString()));
    // Alone in its group, the empty name takes the header's key.
    QCOMPARE(layout(model), QStringList({"[Dairy]", "milk", ""}));
    QCOMPARE(text(model, 2, Roles::ItemCategoryRole), Marker);
}

void tst_CategoriesDataModel::sortWithoutRebuild()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("milk"), QStringLiteral("Dairy"));
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    model.sortByProduct(false);
    QCOMPARE(resets.count(), 0);
    QCOMPARE(model.rowCount(), 2);
    model.updateModel();
    QCOMPARE(layout(model), QStringList({"milk"}));
    model.sortByCategory(false);
    QCOMPARE(model.rowCount(), 1);
    add(model, QStringLiteral("tea"), QStringLiteral("Dairy"));
    QCOMPARE(layout(model), QStringList({"[Dairy]", "milk", "tea"}));
}

void tst_CategoriesDataModel::toggleItemCountsSelection()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("milk"), QStringLiteral("Dairy"));
    add(model, QStringLiteral("tea"), QStringLiteral("Dairy"));
    QCOMPARE(model.selectedCount(), 0);

    // A new entry is already checked, so the first toggle takes it away.
    QStringList log;
    recordSignals(&model, &log);
    model.toggleItem(1);
    QCOMPARE(log, QStringList({"selectedCount", "dataChanged 1-1"}));
    QCOMPARE(model.selectedCount(), -1);
    QCOMPARE(text(model, 1, Roles::ItemStatusRole), QStringLiteral("unchecked"));

    model.clearSelection();
    log.clear();
    model.toggleItem(1);
    model.toggleItem(2);
    QCOMPARE(model.selectedCount(), 2);
    model.toggleItem(1);
    QCOMPARE(log,
             QStringList({"selectedCount", "dataChanged 1-1", "selectedCount", "dataChanged 2-2",
                          "selectedCount", "dataChanged 1-1"}));
    QCOMPARE(model.selectedCount(), 1);
    QCOMPARE(text(model, 1, Roles::ItemStatusRole), QStringLiteral("unchecked"));
    QCOMPARE(text(model, 2, Roles::ItemStatusRole), QStringLiteral("checked"));
    QCOMPARE(selectedNames(model), QStringList({"tea"}));

    // Adding or refreshing never moves the count.
    add(model, QStringLiteral("milk"), QStringLiteral("Dairy"));
    add(model, QStringLiteral("bread"), QStringLiteral("Bakery"));
    QCOMPARE(model.selectedCount(), 1);
    QCOMPARE(selectedNames(model), QStringList({"milk", "tea", "bread"}));
}

void tst_CategoriesDataModel::toggleInvalidRowsDoNothing()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("milk"), QStringLiteral("Dairy"));
    const QStringList before = snapshot(model);

    QStringList log;
    recordSignals(&model, &log);
    model.toggleItem(-1);
    model.toggleItem(model.rowCount());
    model.toggleItem(0);
    QCOMPARE(log, QStringList());
    QCOMPARE(snapshot(model), before);
    QCOMPARE(model.selectedCount(), 0);
}

void tst_CategoriesDataModel::clearSelection()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("milk"), QStringLiteral("Dairy"));
    add(model, QStringLiteral("tea"), QStringLiteral("Dairy"));
    QVERIFY(model.deleteItem(2));

    QStringList log;
    recordSignals(&model, &log);
    model.clearSelection();
    QCOMPARE(log, QStringList({"selectedCount", "aboutToReset", "reset"}));
    QCOMPARE(model.selectedCount(), 0);
    QCOMPARE(model.selectedItems().size(), 0);
    QCOMPARE(layout(model), QStringList({"[Dairy]", "milk"}));
    QCOMPARE(text(model, 1, Roles::ItemStatusRole), QStringLiteral("unchecked"));

    model.toggleItem(1);
    model.toggleItem(1);
    model.toggleItem(1);
    QCOMPARE(model.selectedCount(), 1);
    model.clearSelection();
    QCOMPARE(model.selectedCount(), 0);
}

void tst_CategoriesDataModel::selectedItemsInCreationOrder()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("tea"), QStringLiteral("Drinks"));
    add(model, QStringLiteral("apple"), QStringLiteral("Fruit"));
    add(model, QStringLiteral("milk"), QStringLiteral("Dairy"));
    model.sortByProduct(true);
    model.clearSelection();

    model.toggleItem(rowOf(model, QStringLiteral("milk")));
    model.toggleItem(rowOf(model, QStringLiteral("tea")));
    QCOMPARE(selectedNames(model), QStringList({"tea", "milk"}));
    const QHash<QString, QString> tea = model.selectedItems().first();
    QCOMPARE(tea.value(QStringLiteral("category")), QStringLiteral("Drinks"));
    QCOMPARE(tea.value(QStringLiteral("count")), QStringLiteral("2"));
    QCOMPARE(tea.value(QStringLiteral("count_unit")), QStringLiteral("3"));
    QCOMPARE(tea.value(QStringLiteral("priceEUR")), QStringLiteral("1"));
}

void tst_CategoriesDataModel::deletedEntriesNeverSelected()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("milk"), QStringLiteral("Dairy"));
    add(model, QStringLiteral("tea"), QStringLiteral("Dairy"));
    add(model, QStringLiteral("salt"), QString());
    model.clearSelection();
    model.toggleItem(rowOf(model, QStringLiteral("milk")));
    model.toggleItem(rowOf(model, QStringLiteral("tea")));
    model.toggleItem(rowOf(model, QStringLiteral("salt")));
    QCOMPARE(model.selectedCount(), 3);

    QVERIFY(model.deleteItem(rowOf(model, QStringLiteral("milk"))));
    QCOMPARE(model.selectedCount(), 3);
    QCOMPARE(selectedNames(model), QStringList({"tea", "salt"}));

    QVERIFY(model.deleteCategory(0, true));
    QCOMPARE(model.selectedCount(), 3);
    QCOMPARE(selectedNames(model), QStringList({"salt"}));

    model.clearSelection();
    QCOMPARE(layout(model), QStringList({MarkerHeader, "salt"}));
}

void tst_CategoriesDataModel::deleteOnlyItemPrunesHeader()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("x"), QStringLiteral("A"));
    add(model, QStringLiteral("y"), QStringLiteral("B"));
    add(model, QStringLiteral("z"), QStringLiteral("B"));
    QCOMPARE(layout(model), QStringList({"[A]", "x", "[B]", "y", "z"}));

    QStringList log;
    recordSignals(&model, &log);
    QSignalSpy countChanges(&model, &ptCategoriesDataModel::categoriesCountChanged);
    QVERIFY(model.deleteItem(1));
    QCOMPARE(log,
             QStringList({"aboutToRemove 1-1", "removed 1-1", "aboutToRemove 0-0", "removed 0-0",
                          "aboutToReset", "reset"}));
    QCOMPARE(layout(model), QStringList({"[B]", "y", "z"}));
    QCOMPARE(model.categoriesCount(), 1);
    QCOMPARE(countChanges.count(), 1);
}

void tst_CategoriesDataModel::deleteLastCategoryAtEnd()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("x"), QStringLiteral("A"));
    add(model, QStringLiteral("y"), QString());

    QStringList log;
    recordSignals(&model, &log);
    QVERIFY(model.deleteItem(3));
    QCOMPARE(log,
             QStringList({"aboutToRemove 3-3", "removed 3-3", "aboutToRemove 2-2", "removed 2-2",
                          "aboutToReset", "reset"}));
    QCOMPARE(layout(model), QStringList({"[A]", "x"}));
    QCOMPARE(model.categoriesCount(), 1);
}

void tst_CategoriesDataModel::deleteOneOfTwoKeepsHeader()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("x"), QStringLiteral("A"));
    add(model, QStringLiteral("y"), QStringLiteral("B"));
    add(model, QStringLiteral("z"), QStringLiteral("B"));

    QStringList log;
    recordSignals(&model, &log);
    QVERIFY(model.deleteItem(3));
    QCOMPARE(log, QStringList({"aboutToRemove 3-3", "removed 3-3", "aboutToReset", "reset"}));
    QCOMPARE(layout(model), QStringList({"[A]", "x", "[B]", "z"}));

    log.clear();
    QVERIFY(model.deleteItem(3));
    QCOMPARE(log,
             QStringList({"aboutToRemove 3-3", "removed 3-3", "aboutToRemove 2-2", "removed 2-2",
                          "aboutToReset", "reset"}));
    QCOMPARE(layout(model), QStringList({"[A]", "x"}));
}

void tst_CategoriesDataModel::deleteSortedByProduct()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("x"), QStringLiteral("A"));
    add(model, QStringLiteral("y"), QStringLiteral("B"));
    model.sortByProduct(true);

    QStringList log;
    recordSignals(&model, &log);
    QVERIFY(model.deleteItem(1));
    QCOMPARE(log, QStringList({"aboutToRemove 1-1", "removed 1-1", "aboutToReset", "reset"}));
    QCOMPARE(layout(model), QStringList({"x"}));
    QCOMPARE(categories(model), QStringList({"A"}));
}

void tst_CategoriesDataModel::deleteItemRefusesBadRows()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("x"), QStringLiteral("A"));

    QStringList log;
    recordSignals(&model, &log);
    QVERIFY(!model.deleteItem(0));
    QVERIFY(!model.deleteItem(-1));
    QVERIFY(!model.deleteItem(model.rowCount()));
    QCOMPARE(log, QStringList());
    QCOMPARE(layout(model), QStringList({"[A]", "x"}));
}

void tst_CategoriesDataModel::deleteCategoryKeepingItems()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("x"), QStringLiteral("A"));
    add(model, QStringLiteral("y"), QStringLiteral("B"));
    add(model, QStringLiteral("w"), QStringLiteral("A"));
    add(model, QStringLiteral("n"), QString());
    model.clearSelection();
    model.toggleItem(rowOf(model, QStringLiteral("x")));
    QCOMPARE(layout(model), QStringList({"[A]", "w", "x", "[B]", "y", MarkerHeader, "n"}));

    QVERIFY(model.deleteCategory(0, false));
    QCOMPARE(layout(model), QStringList({"[B]", "y", MarkerHeader, "n", "w", "x"}));
    QCOMPARE(categories(model), QStringList({"B"}));
    QCOMPARE(model.selectedCount(), 1);
    QCOMPARE(selectedNames(model), QStringList({"x"}));

    // An item row stands for its category too.
    QVERIFY(model.deleteCategory(1, false));
    QCOMPARE(layout(model), QStringList({MarkerHeader, "n", "w", "x", "y"}));
    QCOMPARE(model.categoriesCount(), 0);
}

void tst_CategoriesDataModel::deleteUncategorisedGroup()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("x"), QStringLiteral("A"));
    add(model, QStringLiteral("n"), QString());
    add(model, QStringLiteral("m"), QStringLiteral("Uncategorised"));
    const QStringList before = snapshot(model);

    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QVERIFY(model.deleteCategory(2, false));
    QCOMPARE(resets.count(), 1);
    QCOMPARE(snapshot(model), before);

    QVERIFY(model.deleteCategory(2, true));
    QCOMPARE(layout(model), QStringList({"[A]", "x"}));
    QCOMPARE(categories(model), QStringList({"A"}));
    QCOMPARE(model.selectedItems().size(), 1);
}

void tst_CategoriesDataModel::deleteCategoryRefused()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("x"), QStringLiteral("A"));
    model.sortByProduct(true);

    QStringList log;
    recordSignals(&model, &log);
    QVERIFY(!model.deleteCategory(0, true));
    QVERIFY(!model.deleteCategory(0, false));
    model.sortByCategory(false);
    QVERIFY(!model.deleteCategory(-1, true));
    QVERIFY(!model.deleteCategory(model.rowCount(), true));
    QCOMPARE(log, QStringList());
    QCOMPARE(model.selectedItems().size(), 1);
}

void tst_CategoriesDataModel::releaseModel()
{
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    add(model, QStringLiteral("x"), QStringLiteral("A"));
    add(model, QStringLiteral("y"), QStringLiteral("B"));
    model.sortByProduct(true);

    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    model.releaseModel(true);
    QCOMPARE(resets.count(), 1);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.categoriesCount(), 0);
    QVERIFY(!model.isLoaded());
    QVERIFY(model.selectedItems().isEmpty());

    add(model, QStringLiteral("x"), QStringLiteral("A"));
    QCOMPARE(layout(model), QStringList({"[A]", "x"}));
}

void tst_CategoriesDataModel::randomisedOperations_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 7u, 42u, 2024u, 65537u})
        QTest::addRow("seed %u", seed) << seed;
}

// Random operations, each followed by the check that the rows the model
// keeps are the rows a full rebuild gives and that the selected count is
// exactly the toggles counted since the last clear.
void tst_CategoriesDataModel::randomisedOperations()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    Catalogue c;
    ptCategoriesDataModel &model = c.model;
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy selectionChanges(&model, &ptCategoriesDataModel::selectedCountChanged);

    const QStringList names = {"milk", "Milk", " tea ", "", "  ", "a b", "x", "x1"};
    const QStringList categoryTexts = {"", "Uncategorised", "A", "A1", "a", " b  c ", "B"};
    const QStringList codes = {"EUR", "USD"};
    auto pick = [&random](const QStringList &pList) {
        return pList.at(random.bounded(int(pList.size())));
    };
    auto anyRow = [&random, &model]() { return random.bounded(-2, model.rowCount() + 2); };

    int expectedSelected = 0;
    bool stale = false;
    for (int step = 0; step < 400; ++step) {
        const int resetsBefore = resets.count();
        const int operation = random.bounded(12);
        switch (operation) {
        case 0:
        case 1:
            model.addItem(pick(names), pick(categoryTexts), QString::number(step), pick(codes),
                          QString::number(step % 5), step % 16, QStringLiteral("n"));
            break;
        case 2:
            model.updateItem(random.bounded(3) == 0 ? -1 : anyRow(), pick(names),
                             pick(categoryTexts), QString::number(step), pick(codes), QString(),
                             step % 16, QString());
            break;
        case 3:
        case 4:
        case 5: {
            const int row = anyRow();
            const QString status = text(model, row, Roles::ItemStatusRole);
            const bool isItem = text(model, row, Roles::ItemTypeRole) == QLatin1String("item");
            const int changesBefore = selectionChanges.count();
            model.toggleItem(row);
            if (isItem && status == QLatin1String("checked"))
                --expectedSelected;
            else if (isItem && status == QLatin1String("unchecked"))
                ++expectedSelected;
            QCOMPARE(selectionChanges.count() - changesBefore, isItem ? 1 : 0);
            break;
        }
        case 6:
        case 7: {
            const int row = anyRow();
            const bool isItem = text(model, row, Roles::ItemTypeRole) == QLatin1String("item");
            QCOMPARE(model.deleteItem(row), isItem);
            break;
        }
        case 8:
            model.deleteCategory(anyRow(), random.bounded(2) == 0);
            break;
        case 9:
            if (random.bounded(2) == 0)
                model.sortByCategory(random.bounded(2) == 0);
            else
                model.sortByProduct(random.bounded(2) == 0);
            stale = true;
            break;
        case 10:
            model.clearSelection();
            expectedSelected = 0;
            break;
        case 11:
            model.setCurrencyCode(pick(codes));
            break;
        }

        if (resets.count() > resetsBefore)
            stale = false;
        QCOMPARE(model.selectedCount(), expectedSelected);
        const QList<QHash<QString, QString>> selected = model.selectedItems();
        for (const QHash<QString, QString> &entry : selected)
            QCOMPARE(entry.value(QStringLiteral("status")), QStringLiteral("checked"));
        const QStringList listed = categories(model);
        QVERIFY(!listed.contains(Marker));
        QCOMPARE(QSet<QString>(listed.cbegin(), listed.cend()).size(), listed.size());

        // A sort mode set without a rebuild leaves the rows as they were.
        if (stale)
            continue;
        const QStringList rows = snapshot(model);
        model.updateModel();
        QCOMPARE(snapshot(model), rows);
        for (int r = 0; r < model.rowCount(); ++r) {
            if (text(model, r, Roles::ItemTypeRole) == QLatin1String("category")
                && text(model, r, Roles::ItemCategoryRole) != Marker)
                QVERIFY(listed.contains(text(model, r, Roles::ItemCategoryRole)));
        }
    }
}

QTEST_GUILESS_MAIN(tst_CategoriesDataModel)

#include "tst_categoriesdatamodel.moc"
