#include <QtTest>

#include <climits>
#include <memory>

#include "ptListDataModel.h"
#include "ptRoleFilterProxy.h"

const QString Marker = QString(QChar(0xF000));

// The rows as the scenes show them, separated by blanks: "[category]" for a
// header, else the name and, when there is one, "/" and the price.
static QString rowsOf(const ptListDataModel &pModel)
{
    QStringList rows;
    for (int row = 0; row < pModel.rowCount(); ++row) {
        const auto text
                = [&](int pRole) { return pModel.data(pModel.index(row), pRole).toString(); };
        const QString name = text(ptListDataModel::ItemNameRole);
        const QString price = text(ptListDataModel::ItemPriceRole);
        rows.append(name.isEmpty()            ? '[' + text(ptListDataModel::ItemCategoryRole) + ']'
                            : price.isEmpty() ? name
                                              : name + '/' + price);
    }
    return rows.join(' ');
}

// Adds items given as "category|name|price", separated by blanks.
static void addAll(ptListDataModel &pModel, const QString &pItems)
{
    for (const QString &item : pItems.split(' ', Qt::SkipEmptyParts)) {
        const QStringList fields = item.split('|');
        QVERIFY(pModel.addItem(fields.at(1), fields.at(0), fields.value(2), "", 0, ""));
    }
}

static int rowOf(const ptListDataModel &pModel, const QString &pName)
{
    return pModel.match(pModel.index(0), ptListDataModel::ItemNameRole, pName, 1, Qt::MatchExactly)
            .value(0)
            .row();
}

class tst_listmodel : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_tester.reset();
        m_model = std::make_unique<ptListDataModel>(); // the old proxy lets go of its model
        m_proxy = std::make_unique<ptRoleFilterProxy>();
        m_proxy->setSourceModel(m_model.get());
        m_tester = std::make_unique<QAbstractItemModelTester>(
                m_proxy.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    void rowOrder_data()
    {
        QTest::addColumn<QString>("items");
        QTest::addColumn<bool>("byProduct");
        QTest::addColumn<QString>("rows");
        // Digits sort against the ":" of the keys; the marker between its neighbours.
        QTest::newRow("code units, uncategorised last")
                << QString::fromUcs4(U"|c Z|Z f|b F|a 1|7 #|n B|é B|B |d |e") << false
                << QString::fromUcs4(U"[#] n [1] 7 [B] B é [F] a [Z] Z [f] b [] e [") + Marker
                        + QString::fromUcs4(U"] c [] d");
        const QString milks = "D|Milk|1 D|Milk|2 B|Milk|3 D|Milk|4";
        QTest::newRow("equal keys, newest first")
                << milks << false << "[B] Milk/3 [D] Milk/4 Milk/2 Milk/1";
        QTest::newRow("equal names by product") << milks << true << "Milk/4 Milk/3 Milk/2 Milk/1";
        // The key of the item ":" of category "a" is that of the header of category "a:".
        QTest::newRow("item after a header of its key") << "a:|x a|:" << false << "[a] [a:] : x";
        QTest::newRow("header before an item of its key") << "a|: a:|x" << false << "[a] [a:] : x";
    }

    // Rows as items are added one by one, and as a rebuild gives them.
    void rowOrder()
    {
        QFETCH(QString, items);
        QFETCH(bool, byProduct);
        QFETCH(QString, rows);
        if (byProduct)
            m_model->sortByProduct(true);
        addAll(*m_model, items);
        QCOMPARE(rowsOf(*m_model), rows);
        m_model->updateModel();
        QCOMPARE(rowsOf(*m_model), rows);
    }

    void headerPruning_data()
    {
        // The rows are: [D] b m [F] a [V] k l
        QTest::addColumn<bool>("toggle");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QString>("left");
        QTest::newRow("first of two") << false << QList<int> {1} << "[D] m [F] a [V] k l";
        QTest::newRow("only item") << false << QList<int> {4} << "[D] b m [V] k l";
        QTest::newRow("first of two, last group")
                << false << QList<int> {6} << "[D] b m [F] a [V] l";
        QTest::newRow("whole last group to the cart")
                << true << QList<int> {7, 6} << "[D] b m [F] a";
    }

    void headerPruning()
    {
        QFETCH(bool, toggle);
        QFETCH(QList<int>, rows);
        QFETCH(QString, left);
        addAll(*m_model, "V|l D|m F|a V|k D|b");
        for (int row : std::as_const(rows))
            toggle ? m_model->toggleItem(row) : void(m_model->deleteItem(row));
        QCOMPARE(rowsOf(*m_model), left);
        m_model->updateModel();
        QCOMPARE(rowsOf(*m_model), left);
    }

    void rowsOutOfRange_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("-1") << -1;
        QTest::newRow("INT_MIN") << INT_MIN;
        QTest::newRow("row count") << 5;
        QTest::newRow("header row") << 0;
    }

    void rowsOutOfRange()
    {
        QFETCH(int, row);
        // Many records in the cart and few rows, so that a row read from outside
        // the rows is likely to name a record.
        for (int i = 0; i < 40; ++i) {
            addAll(*m_model, QStringLiteral("Cart|c%1").arg(i));
            m_model->toggleItem(1);
        }
        addAll(*m_model, "Dairy|Milk|1.5 Dairy|Cheese Bakery|Bread");
        m_model->updateModel();
        const auto records = m_model->items(true) + m_model->items(false);

        m_model->updateItem(row, "X", "Y", "1", "1", 1, "Z");
        QVERIFY(!m_model->deleteItem(row));
        m_model->toggleItem(row);
        QCOMPARE(m_model->itemHeight(row), row == 0 ? 50 : 70);
        QCOMPARE(m_model->data(m_model->index(row), ptListDataModel::ItemNameRole), QVariant(""));
        QCOMPARE(m_model->items(true) + m_model->items(false), records);
        QCOMPARE(m_model->deleteCategory(row, true), row == 0);
    }

    void countAndSum_data()
    {
        // Items as "price|amount|state" separated by ";", state u (list), c (cart)
        // or d (deleted); figures: list amount, list sum, cart amount, cart sum.
        QTest::addColumn<QString>("items");
        QTest::addColumn<QString>("figures");
        QTest::newRow("empty") << ""
                               << "0 0.00 0 0.00";
        QTest::newRow("point and decimal comma") << "2|3|u;1,25|2|u;0,5|0,5|c"
                                                 << "2 8.50 1 0.25";
        QTest::newRow("thousands separators") << "1,500||u;1.500,25|2|c"
                                              << "1 1500.00 1 3000.50";
        QTest::newRow("not numbers count, add nothing") << "abc|2|u;3|many|u;|4|c"
                                                        << "2 0.00 1 0.00";
        QTest::newRow("white space and signs") << " 2.5 | 2 |u;-1|3|c;4|-1|c"
                                               << "1 5.00 2 -7.00";
        QTest::newRow("deleted counts nowhere") << "5|1|d;2|1|c;7||u"
                                                << "1 7.00 1 2.00";
    }

    void countAndSum()
    {
        QFETCH(QString, items);
        QFETCH(QString, figures);
        ptListDataModel &m = *m_model;
        m.sortByProduct(true);
        const QStringList entries = items.split(';', Qt::SkipEmptyParts);
        for (int i = 0; i < entries.size(); ++i) {
            const QStringList fields = entries.at(i).split('|');
            QVERIFY(m.addItem(QString::number(i), "", fields.at(0), fields.at(1), 0, ""));
            const int row = rowOf(m, QString::number(i));
            if (fields.at(2) != QLatin1String("u"))
                fields.at(2) == QLatin1String("c") ? m.toggleItem(row) : void(m.deleteItem(row));
        }
        m.updateCountPrice();
        QCOMPARE(m.listItemsAmount() + ' ' + m.listItemsPrice() + ' ' + m.cartItemsAmount() + ' '
                         + m.cartItemsPrice(),
                 figures);
        m.displayCart(false); // what the screens show follows the view
        QCOMPARE(QString::number(m.numberOfItems()) + ' ' + m.itemsPrice(),
                 figures.section(' ', 2));
    }

    void editing()
    {
        ptListDataModel &m = *m_model;
        QVERIFY(!m.addItem("  ", "D", "", "", 0, ""));
        addAll(m, "D|Milk|1 D|Milk|1.0");
        QVERIFY(!m.addItem(" Milk", " D ", "1", "", 0, ""));
        // A match in the cart comes back, before the rows of an equal key; a
        // deleted match does not count.
        m.toggleItem(2);
        QVERIFY(m.addItem("Milk", "D", "1", "", 0, ""));
        QCOMPARE(rowsOf(m), QStringLiteral("[D] Milk/1 Milk/1.0"));
        QVERIFY(m.items().size() == 2 && m.deleteItem(1) && m.addItem("Milk", "D", "1", "", 0, "")
                && m.items().size() == 2);

        // No category, the word, and its translation in the language in use.
        QTranslator russian;
        QVERIFY(russian.load(":/languages/pantrix_ru.qm")
                && QCoreApplication::installTranslator(&russian));
        addAll(m, "|Salt Uncategorised|Tea");
        QVERIFY(m.addItem("Jam", " Без   категории", "", "", 0, ""));
        QCoreApplication::removeTranslator(&russian);
        QVERIFY(m.addItem("Rye", "Без категории", "", "", 0, ""));
        m.updateItem(rowOf(m, "Salt"), " Pear ", "uncategorised", "2", "1", 4, "");
        QCOMPARE(rowsOf(m),
                 "[D] Milk/1 Milk/1.0 [uncategorised] Pear/2 [Без категории] Rye [" + Marker
                         + "] Jam Tea");

        // Without deleting, a category's records of every state join the
        // uncategorised group; with deleting they go.
        m.toggleItem(2);
        QVERIFY(m.deleteCategory(1, false));
        QCOMPARE(rowsOf(m),
                 "[uncategorised] Pear/2 [Без категории] Rye [" + Marker + "] Jam Milk/1 Tea");
        QVERIFY(m.deleteCategory(4, true));
        QVERIFY(m.rowCount() == 4 && m.items(false).isEmpty());
    }

private:
    std::unique_ptr<ptListDataModel> m_model;
    std::unique_ptr<ptRoleFilterProxy> m_proxy;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

QTEST_MAIN(tst_listmodel)
#include "tst_listmodel.moc"
