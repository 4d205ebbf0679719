#include "ptCategoriesDataModel.h"

#include <QtTest>

using Roles = ptCategoriesDataModel::ItemRoles;

const QString Marker = QString(QChar(0xF000));

// Adds the entries written as "name/category", separated by "|".
static void addAll(ptCategoriesDataModel &model, const QString &pEntries)
{
    for (const QString &entry : pEntries.split('|'))
        model.addItem(entry.section('/', 0, 0), entry.section('/', 1), "1", "EUR", "", 0, "");
}

// "[category]" for a header row, the name for an item row; "-" is the marker.
static QString layout(const ptCategoriesDataModel &model)
{
    QStringList rows;
    for (int r = 0; r < model.rowCount(); ++r) {
        const QModelIndex index = model.index(r, 0);
        if (index.data(Roles::ItemTypeRole).toString() == QLatin1String("category"))
            rows << '[' + index.data(Roles::ItemCategoryRole).toString().replace(Marker, "-") + ']';
        else
            rows << index.data(Roles::ItemNameRole).toString();
    }
    return rows.join(' ');
}

class tst_catalogue : public QObject
{
    Q_OBJECT

private slots:
    void rows_data()
    {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<bool>("russian");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("categoryCount");

        const QString none = "[-] bag";
        QTest::newRow("empty") << "bag/" << false << none << 0;
        QTest::newRow("word") << "bag/ Uncategorised " << false << none << 0;
        QTest::newRow("Russian word, English")
                << "bag/Без категории" << false << "[Без категории] bag" << 1;
        QTest::newRow("Russian word, Russian") << "bag/ Без  категории " << true << none << 0;
        QTest::newRow("English word, Russian") << "bag/Uncategorised" << true << none << 0;
        // A digit sorts before the ":" ending a header key; the marker sorts last.
        QTest::newRow("order") << "x/A|none/|y/A1|w/a|b/A|B/A" << false
                               << "[A1] y [A] B b x [a] w [-] none" << 3;
        // Equal keys, different entries: each keeps a row of its own.
        QTest::newRow("equal keys") << "b:c/a|c/a:b|c/" << false << "[a] [a:b] c b:c [-] c" << 2;
    }

    void rows()
    {
        QFETCH(QString, entries);
        QFETCH(bool, russian);
        ptCategoriesDataModel model;
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/languages/pantrix_ru.qm")));
        if (russian)
            QCoreApplication::installTranslator(&translator);
        addAll(model, entries);
        QCoreApplication::removeTranslator(&translator);

        QTEST(layout(model), "rows");
        QTEST(model.categoriesCount(), "categoryCount");
        // Added entries are selected, and counted.
        QCOMPARE(model.selectedCount(), model.selectedItems().size());
        model.sortByProduct(true); // each entry keeps a row of its own
        QCOMPARE(model.rowCount(), entries.count('|') + 1);
    }

    void selection_data()
    {
        QTest::addColumn<QList<int>>("toggles");
        QTest::addColumn<int>("deletedRow");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("selected");

        // Rows by product: apple, milk, tea; created as tea, apple, milk.
        QTest::newRow("one") << QList<int> {1} << -1 << 1 << "milk";
        QTest::newRow("on and off") << QList<int> {1, 1} << -1 << 0 << QString();
        QTest::newRow("creation order") << QList<int> {1, 2} << -1 << 2 << "tea milk";
        QTest::newRow("selected deleted") << QList<int> {1, 2} << 1 << 1 << "tea";
    }

    void selection()
    {
        QFETCH(QList<int>, toggles);
        QFETCH(int, deletedRow);
        ptCategoriesDataModel model;
        addAll(model, "tea/Drinks|apple/Fruit|milk/Dairy");
        model.sortByProduct(false);
        model.clearSelection();
        for (int row : toggles)
            model.toggleItem(row);
        QCOMPARE(model.deleteItem(deletedRow), deletedRow >= 0);

        QTEST(model.selectedCount(), "count");
        QStringList names;
        for (const QHash<QString, QString> &entry : model.selectedItems())
            names << entry.value(QStringLiteral("name"));
        QTEST(names.join(' '), "selected");
    }

    void refusedRows_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("-1") << -1;
        QTest::newRow("INT_MIN") << INT_MIN;
        QTest::newRow("row count") << 4;
        QTest::newRow("header") << 2;
    }

    void refusedRows()
    {
        QFETCH(int, row);
        ptCategoriesDataModel model;
        addAll(model, "x/A|y/B");
        QSignalSpy changes(&model, &ptCategoriesDataModel::selectedCountChanged);
        model.toggleItem(row);
        QCOMPARE(changes.count(), 0);
        QVERIFY(!model.deleteItem(row));
        QVERIFY(!model.updateItem(row, "X", "Y", "", "EUR", "", 0, ""));
        QCOMPARE(model.deleteCategory(row, true), row == 2);
    }

    void deleteItem_data()
    {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("rows");

        const QString three = "x/A|y/A|z/B|n/"; // [A] x y [B] z [-] n
        QTest::newRow("only one, first") << "x/A|y/B|z/B" << 1 << "[B] y z";
        QTest::newRow("only one, last") << three << 6 << "[A] x y [B] z";
        QTest::newRow("first of two") << three << 1 << "[A] y [B] z [-] n";
    }

    // The removals announced before the rebuild must leave a view with the
    // rebuilt rows already.
    void deleteItem()
    {
        QFETCH(QString, entries);
        QFETCH(int, row);
        ptCategoriesDataModel model;
        addAll(model, entries);
        QString beforeReset;
        connect(&model, &QAbstractItemModel::modelAboutToBeReset, this,
                [&]() { beforeReset = layout(model); });
        QVERIFY(model.deleteItem(row));
        QTEST(beforeReset, "rows");
    }
};

QTEST_GUILESS_MAIN(tst_catalogue)
#include "tst_catalogue.moc"
