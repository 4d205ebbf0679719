#include <QtTest>

#include <climits>
#include <memory>

#include "ptCategoriesDataModel.h"
#include "ptListDataModel.h"
#include "ptListDocument.h"
#include "ptListMerge.h"
#include "ptListText.h"
#include "ptListsDataModel.h"
#include "ptRoleFilterProxy.h"
#include "ptTestFiles.h"
#include "ptXmlText.h"

using namespace Qt::StringLiterals;

const QString Marker = QString(QChar(0xF000));

// The rows as the scenes show them, separated by blanks: "[category]" for a
// header, else the name and, when there is one, "/" and the price.
static QString rowsOf(const QAbstractItemModel &pModel)
{
    const QHash<int, QByteArray> roles = pModel.roleNames();
    QStringList rows;
    for (int row = 0; row < pModel.rowCount(); ++row) {
        const auto text = [&](const char *pRole) {
            return pModel.index(row, 0).data(roles.key(pRole)).toString();
        };
        const QString name = text("item_name");
        const QString price = text("item_price");
        rows.append(text("item_type") == u"category"_s ? '[' + text("item_category") + ']'
                            : price.isEmpty()          ? name
                                                       : name + '/' + price);
    }
    return rows.join(' ').replace(Marker, u"-"_s);
}

// Adds items given as "category|name|price", separated by blanks.
static void addAll(ptListDataModel &pModel, const QString &pItems)
{
    for (const QString &item : pItems.split(' ', Qt::SkipEmptyParts)) {
        const QStringList fields = item.split('|');
        QVERIFY(pModel.addItem(fields.at(1), fields.at(0), fields.value(2), "", 0, ""));
    }
}

// Adds catalogue entries written as "name/category", separated by "|".
static void addEntries(ptCategoriesDataModel &pModel, const QString &pEntries)
{
    for (const QString &entry : pEntries.split('|'))
        pModel.addItem(entry.section('/', 0, 0), entry.section('/', 1), "1", "EUR", "", 0, "");
}

// The row of the item or entry named pName; both models give the name first.
static int rowOf(const QAbstractItemModel &pModel, const QString &pName)
{
    return pModel
            .match(pModel.index(0, 0), ptListDataModel::ItemNameRole, pName, 1, Qt::MatchExactly)
            .value(0)
            .row();
}

// A version of a list written as "#name" and items "name[@category][=price][*]"
// (* for ticked), separated by blanks; the category is "c" unless given.
static ptListDocument::Content version(const QString &pText)
{
    ptListDocument::Content content;
    for (const QString &token : pText.split(' ', Qt::SkipEmptyParts)) {
        if (token.startsWith('#')) {
            content.info.insert(u"name"_s, token.mid(1));
            continue;
        }
        static const QRegularExpression item(u"^([^@=*]+)(?:@([^=*]+))?(?:=([^*]+))?(\\*?)$"_s);
        const QRegularExpressionMatch match = item.match(token);
        ptItemRecord &record = content.items.emplaceBack();
        record.set(ptItemRecord::NameField, match.captured(1));
        record.set(ptItemRecord::CategoryField,
                   match.captured(2).isEmpty() ? u"c"_s : match.captured(2));
        record.set(ptItemRecord::PriceField, match.captured(3));
        record.set(ptItemRecord::StatusField,
                   match.captured(4).isEmpty() ? u"unchecked"_s : u"checked"_s);
    }
    return content;
}

static QString textOf(const ptListDocument::Content &pContent)
{
    QStringList tokens;
    if (pContent.info.contains(u"name"_s))
        tokens.append('#' + pContent.info.value(u"name"_s));
    for (const ptItemRecord &item : pContent.items) {
        const QString category = item.value(ptItemRecord::CategoryField);
        const QString price = item.value(ptItemRecord::PriceField);
        tokens.append(
                item.value(ptItemRecord::NameField)
                + (category == u"c"_s ? QString() : '@' + category)
                + (price.isEmpty() ? QString() : '=' + price)
                + (item.value(ptItemRecord::StatusField) == u"checked"_s ? u"*"_s : QString()));
    }
    return tokens.join(' ');
}

static const ptListText::Words Words {
        {u"item"_s, u"g"_s, u"kg"_s, u"l"_s}, u"€"_s, u"Uncategorised"_s};

// Items as "name[@category][+amount unit][=price][~note][*]", separated by
// " | "; the category is left out when there is none.
static QString itemsOf(const QList<ptItemRecord> &pItems)
{
    QStringList tokens;
    for (const ptItemRecord &item : pItems) {
        const auto field = [&item](ptItemRecord::Field pField, const QString &pMark) {
            const QString value = item.value(pField);
            return value.isEmpty() || value == Marker ? QString() : pMark + value;
        };
        const QString amount = field(ptItemRecord::CountField, u"+"_s);
        tokens.append(
                item.value(ptItemRecord::NameField) + field(ptItemRecord::CategoryField, u"@"_s)
                + (amount.isEmpty() ? QString()
                                    : amount + ' '
                                   + Words.units.value(
                                           item.value(ptItemRecord::CountUnitField).toInt()))
                + field(ptItemRecord::PriceField, u"="_s) + field(ptItemRecord::NoteField, u"~"_s)
                + (item.value(ptItemRecord::StatusField) == u"checked"_s ? u"*"_s : QString()));
    }
    return tokens.join(u" | "_s);
}

static QString figures(const ptListDataModel &pModel)
{
    return pModel.listItemsAmount() + ' ' + pModel.listItemsPrice() + ' ' + pModel.cartItemsAmount()
            + ' ' + pModel.cartItemsPrice();
}

// The list model and the catalogue, each watched by QAbstractItemModelTester;
// the list document and the lists overview that reads it.
class tst_models : public QObject
{
    Q_OBJECT

    std::unique_ptr<ptListDataModel> m_model;
    std::unique_ptr<ptRoleFilterProxy> m_proxy;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    QTemporaryDir m_home;

    QString path(const QString &pName) const { return m_home.filePath(pName); }

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
                << QString::fromUcs4(U"[#] n [1] 7 [B] B é [F] a [Z] Z [f] b [] e [-] c [] d");
        const QString milks = "D|Milk|1 D|Milk|2 B|Milk|3 D|Milk|4";
        QTest::newRow("equal keys, newest first")
                << milks << false << "[B] Milk/3 [D] Milk/4 Milk/2 Milk/1";
        QTest::newRow("equal names by product") << milks << true << "Milk/4 Milk/3 Milk/2 Milk/1";
        // The key of the item ":" of category "a" is that of the header of category "a:".
        QTest::newRow("item after a header of its key") << "a:|x a|:" << false << "[a] [a:] : x";
        QTest::newRow("header before an item of its key") << "a|: a:|x" << false << "[a] [a:] : x";
    }

    // Rows as items are added one by one, as a rebuild gives them, and as the
    // catalogue gives them for the same items.
    void rowOrder()
    {
        QFETCH(QString, items);
        QFETCH(bool, byProduct);
        QFETCH(QString, rows);
        ptCategoriesDataModel catalogue;
        if (byProduct) {
            m_model->sortByProduct(true);
            catalogue.sortByProduct(true);
        }
        addAll(*m_model, items);
        QCOMPARE(rowsOf(*m_model), rows);
        m_model->updateModel();
        QCOMPARE(rowsOf(*m_model), rows);
        for (const QString &item : items.split(' ', Qt::SkipEmptyParts))
            catalogue.addItem(item.section('|', 1, 1), item.section('|', 0, 0), "", "EUR", "", 0,
                              "");
        // The catalogue keeps one entry per name and category.
        if (!items.contains(u"Milk"_s))
            QCOMPARE(rowsOf(catalogue), rows);
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

    // In the list, and the same deletions in the catalogue, whose removals
    // must leave a view with the rebuilt rows already.
    void headerPruning()
    {
        QFETCH(bool, toggle);
        QFETCH(QList<int>, rows);
        QFETCH(QString, left);
        addAll(*m_model, "V|l D|m F|a V|k D|b");
        ptCategoriesDataModel catalogue;
        addEntries(catalogue, "l/V|m/D|a/F|k/V|b/D");
        QString beforeReset;
        connect(&catalogue, &QAbstractItemModel::modelAboutToBeReset, this,
                [&] { beforeReset = rowsOf(catalogue); });
        for (int row : std::as_const(rows)) {
            toggle ? m_model->toggleItem(row) : void(m_model->deleteItem(row));
            QVERIFY(catalogue.deleteItem(row));
        }
        QCOMPARE(rowsOf(*m_model), left);
        QCOMPARE(beforeReset, left);
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

    // Nothing happens to a row that is not an item's, in either model.
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

        ptCategoriesDataModel catalogue;
        addEntries(catalogue, "x/A|y/A|z/B");
        QSignalSpy changes(&catalogue, &ptCategoriesDataModel::selectedCountChanged);
        catalogue.toggleItem(row);
        QCOMPARE(changes.count(), 0);
        QVERIFY(!catalogue.deleteItem(row)
                && !catalogue.updateItem(row, "X", "Y", "", "EUR", "", 0, ""));
    }

    void countAndSum_data()
    {
        // Items as "price|amount|state" separated by ";", state u (list), c (cart)
        // or d (deleted); figures: list amount, list sum, cart amount, cart sum.
        QTest::addColumn<QString>("items");
        QTest::addColumn<QString>("figures");
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

    // The figures follow every change without updateCountPrice(), and what
    // the screens show follows the view.
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
        QCOMPARE(::figures(m), figures);
        QSignalSpy shown(&m, &ptListDataModel::itemsPriceChanged);
        QSignalSpy counted(&m, &ptListDataModel::numberOfItemsChanged);
        m.displayCart(false);
        QCOMPARE(shown.count() + counted.count(), 2);
        const QString cart = figures.section(' ', 2);
        QCOMPARE(QString::number(m.numberOfItems()) + ' ' + m.itemsPrice() + ' '
                         + m.checkoutAmount() + ' ' + m.checkoutPrice(),
                 cart + ' ' + cart);
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
        QCOMPARE(rowsOf(m), u"[D] Milk/1 Milk/1.0"_s);
        QVERIFY(m.items().size() == 2 && m.deleteItem(1) && m.addItem("Milk", "D", "1", "", 0, "")
                && m.items().size() == 2);
        // A changed price counts at once.
        m.updateItem(1, "Milk", "D", "3", "2", 0, "");
        QCOMPARE(m.listItemsPrice(), u"7.00"_s);

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
                 "[D] Milk/3 Milk/1.0 [uncategorised] Pear/2 [Без категории] Rye [-] Jam Tea");

        // Without deleting, a category's records of every state join the
        // uncategorised group; with deleting they go.
        m.toggleItem(2);
        QVERIFY(m.deleteCategory(1, false));
        QCOMPARE(rowsOf(m), "[uncategorised] Pear/2 [Без категории] Rye [-] Jam Milk/3 Tea");
        QVERIFY(m.deleteCategory(4, true));
        QVERIFY(m.rowCount() == 4 && m.items(false).isEmpty());
        QCOMPARE(m.listItemsAmount(), u"2"_s);

        // The list's information is announced, currency too.
        QSignalSpy currency(&m, &ptListDataModel::listCurrencyChanged);
        QVERIFY(m.updateModelInfo("x", 44, "y") && currency.count() == 1 && m.listCurrency() == 44);
    }

    void catalogue_data()
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
        QTest::newRow("order") << "x/A|none/|y/A1|w/a|b/A|B/A" << false
                               << "[A1] y [A] B b x [a] w [-] none" << 3;
        // Equal keys, different entries: each keeps a row of its own.
        QTest::newRow("equal keys") << "b:c/a|c/a:b|c/" << false << "[a] [a:b] c b:c [-] c" << 2;
    }

    // The catalogue's rows and categories; added entries are selected and counted.
    void catalogue()
    {
        QFETCH(QString, entries);
        ptCategoriesDataModel model;
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/languages/pantrix_ru.qm")));
        QFETCH(bool, russian);
        if (russian)
            QCoreApplication::installTranslator(&translator);
        addEntries(model, entries);
        QCoreApplication::removeTranslator(&translator);

        QTEST(rowsOf(model), "rows");
        QTEST(model.categoriesCount(), "categoryCount");
        QCOMPARE(model.selectedCount(), model.selectedItems().size());
        model.sortByProduct(true); // each entry keeps a row of its own
        QCOMPARE(model.rowCount(), entries.count('|') + 1);
    }

    void selection_data()
    {
        QTest::addColumn<QList<int>>("toggles");
        QTest::addColumn<int>("deletedRow");
        QTest::addColumn<QString>("selected");
        // Rows by product: apple, milk, tea; created as tea, apple, milk.
        QTest::newRow("one") << QList<int> {1} << -1 << "milk";
        QTest::newRow("on and off") << QList<int> {1, 1} << -1 << QString();
        QTest::newRow("creation order") << QList<int> {1, 2} << -1 << "tea milk";
        QTest::newRow("selected deleted") << QList<int> {1, 2} << 1 << "tea";
    }

    // The selected count is the number of selected entries, announced.
    void selection()
    {
        QFETCH(QList<int>, toggles);
        QFETCH(int, deletedRow);
        ptCategoriesDataModel model;
        addEntries(model, "tea/Drinks|apple/Fruit|milk/Dairy");
        model.sortByProduct(false);
        model.clearSelection();
        QSignalSpy changes(&model, &ptCategoriesDataModel::selectedCountChanged);
        for (int row : toggles)
            model.toggleItem(row);
        QCOMPARE(changes.count(), toggles.size());
        QCOMPARE(model.deleteItem(deletedRow), deletedRow >= 0);
        QStringList names;
        for (const QHash<QString, QString> &entry : model.selectedItems())
            names << entry.value(QStringLiteral("name"));
        QTEST(names.join(' '), "selected");
        QCOMPARE(model.selectedCount(), names.size());
    }

    void listText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("items");
        QTest::newRow("lines") << "milk\n\n  bread \r\n"
                               << "milk | bread";
        QTest::newRow("bullets, boxes, numbers")
                << "- milk\n* bread\n• eggs\n[ ] tea\n[x] jam\n☐ oil\n✓ salt\n1. rice\n2) flour"
                << "milk | bread | eggs | tea | jam* | oil | salt* | rice | flour";
        QTest::newRow("headings") << "Dairy:\n- milk\nFruit:\napple\nUncategorised:\nbag"
                                  << "milk@Dairy | apple@Fruit | bag";
        QTest::newRow("own text")
                << "Week\nfor Sunday\n\nDairy:\n• milk — 2 l — 1.50 € — skimmed\n✓ cheese — 3.20\n"
                   "Uncategorised:\n• bag — 3 item"
                << "milk@Dairy+2 l=1.50~skimmed | cheese@Dairy=3.20* | bag+3 item";
        QTest::newRow("another currency stays in the note") << "• milk — 1.50 $"
                                                            << "milk~1.50 $";
        QTest::newRow("decimal commas") << "• milk — 0,5 l — 1,5 €"
                                        << "milk+0.5 l=1.5";
        QTest::newRow("no bullet, no head") << "Week\n\nmilk"
                                            << "Week | milk";
        QTest::newRow("numbers in names") << "7 up\n1.5 l water\n• 2. x"
                                          << "7 up | 1.5 l water | 2. x";
        QTest::newRow("nothing") << " \n-\n[ ]\n"
                                 << "";
    }

    // Lines of text as items: marks taken away, headings as categories, the
    // copy's own segments read.
    void listText()
    {
        QFETCH(QString, text);
        QTEST(itemsOf(ptListText::read(text, Words)), "items");
    }

    // Generated lists written as text and read back give the same items,
    // sorted by category and by name alike.
    void listTextRoundTrip()
    {
        const QStringList names
                = {u"milk"_s, u"7 up"_s,     u"-dash"_s,   u"x:"_s,   u"milk (2%)"_s,
                   u"שלום"_s, u"1. first"_s, u"[x] box"_s, u"Хлеб"_s, u"a  b"_s};
        const QStringList categories = {Marker, u"Dairy"_s, u"a:b"_s, u"-x"_s, u"Молоко"_s};
        const QStringList notes = {QString(), u"skimmed"_s, u"no sugar, please"_s, u"kg"_s};
        QRandomGenerator random(2026);
        for (int list = 0; list < 200; ++list) {
            ptListDocument::Content content;
            content.info.insert(u"name"_s, u"List %1"_s.arg(list));
            for (int i = random.bounded(30); i >= 0; --i) {
                ptItemRecord &item = content.items.emplaceBack();
                const auto pick = [&random](const QStringList &pFrom) {
                    return pFrom.at(random.bounded(int(pFrom.size())));
                };
                const bool amount = random.bounded(2);
                item.set(ptItemRecord::NameField, pick(names).simplified() + QString::number(i));
                item.set(ptItemRecord::CategoryField, pick(categories));
                item.set(ptItemRecord::PriceField,
                         random.bounded(2)
                                 ? u"%1.%2"_s.arg(random.bounded(100)).arg(random.bounded(10))
                                 : QString());
                item.set(ptItemRecord::CountField,
                         amount ? QString::number(random.bounded(1, 50) / 4.0) : QString());
                item.set(ptItemRecord::CountUnitField,
                         QString::number(amount ? random.bounded(4) : 0));
                item.set(ptItemRecord::NoteField, pick(notes));
                item.set(ptItemRecord::StatusField,
                         random.bounded(2) ? u"checked"_s : u"unchecked"_s);
            }
            QStringList expected = itemsOf(content.items).split(u" | "_s);
            expected.sort();
            for (const bool byCategory : {true, false}) {
                const QString text = ptListText::write(content, byCategory, Words);
                QStringList read = itemsOf(ptListText::read(text, Words)).split(u" | "_s);
                read.sort();
                QVERIFY2(read == expected, qPrintable(text));
            }
        }
    }

    void suggestions_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("names");
        QTest::newRow("starting, then containing, five") << "mi"
                                                         << "Milk Millet Mint Mix almond MILK";
        QTest::newRow("any case") << "MIL"
                                  << "Milk Millet almond MILK Oat milk";
        QTest::newRow("containing only") << " il "
                                         << "almond MILK Milk Millet Oat milk";
        QTest::newRow("one letter") << "m"
                                    << "";
        QTest::newRow("deleted left out") << "se"
                                          << "";
    }

    // What the item dialog offers for a name being typed.
    void suggestions()
    {
        QFETCH(QString, typed);
        ptCategoriesDataModel model;
        addEntries(model,
                   "Oat milk/Dairy|Milk/Dairy|Millet/Grain|almond MILK/Dairy|Mint/|Mix/|Sesame/");
        model.sortByProduct(true);
        QVERIFY(model.deleteItem(rowOf(model, "Sesame")));
        model.setCurrencyCode(u"EUR"_s);
        QStringList names;
        for (const QVariant &entry : model.suggestions(typed))
            names.append(entry.toMap().value(u"name"_s).toString());
        QTEST(names.join(' '), "names");
        const QVariantMap milk = model.suggestions(u"milk"_s).value(0).toMap();
        QCOMPARE(milk.value(u"category"_s).toString() + '/' + milk.value(u"price"_s).toString(),
                 "Dairy/1");
    }

    void myItemsFile_data()
    {
        QTest::addColumn<QByteArray>("file"); // null: as the catalogue writes it
        QTest::addColumn<bool>("loads");
        QTest::addColumn<QString>("rows");
        QTest::newRow("written") << QByteArray() << true << "[Dairy] milk/1.5 [-] bag";
        QTest::newRow("not XML") << QByteArray("milk, bag") << false << "";
        QTest::newRow("another root") << QByteArray("<pantrix_list/>") << false << "";
        QTest::newRow("cut short")
                << QByteArray("<pantrix_items><item name=\"milk\"/><item na") << false << "";
        QTest::newRow("no name, empty name") << QByteArray(
                "<pantrix_items><item category=\"a\"/><item name=\" \"/></pantrix_items>")
                                             << true << "";
    }

    // My Items across a restart: what was written comes back unselected; a
    // file that cannot be read is kept aside, never written over.
    void myItemsFile()
    {
        QFETCH(QByteArray, file);
        const QString fileName = path(u"my-items/items.xml"_s);
        QDir(path(u"my-items"_s)).removeRecursively();
        if (file.isNull()) {
            ptCategoriesDataModel first;
            first.setFileName(fileName);
            first.addItem(u"milk"_s, u"Dairy"_s, u"1.5"_s, u"EUR"_s, u"2"_s, 1, QString());
            first.addItem(u"bag"_s, QString(), QString(), u"EUR"_s, QString(), 0, QString());
            first.addItem(u"gone"_s, QString(), QString(), u"EUR"_s, QString(), 0, QString());
            QVERIFY(first.deleteItem(rowOf(first, "gone")));
            QVERIFY(first.saveModel());
        } else {
            QVERIFY(writeFile(fileName, file));
            QVERIFY(writeFile(fileName + ".damaged", "older")); // kept too
        }
        ptCategoriesDataModel model;
        model.setFileName(fileName);
        model.setCurrencyCode(u"EUR"_s);
        QTEST(model.loadModel(), "loads");
        QTEST(rowsOf(model), "rows");
        QCOMPARE(model.selectedCount(), 0);
        QFETCH(bool, loads);
        if (!loads) {
            QCOMPARE(readFile(fileName + ".damaged2"), file);
            QCOMPARE(readFile(fileName + ".damaged"), "older");
        }
        model.addItem(u"tea"_s, QString(), QString(), u"EUR"_s, QString(), 0, QString());
        QVERIFY(model.saveModel());
        ptCategoriesDataModel again;
        again.setFileName(fileName);
        QVERIFY(again.loadModel());
        QVERIFY(rowsOf(again).endsWith("tea"));
    }

    void merge_data()
    {
        // Versions as version() reads them; no base: a conflict copy.
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("mine");
        QTest::addColumn<QString>("theirs");
        QTest::addColumn<QString>("merged");
        QTest::newRow("added on each side") << "#L a"
                                            << "#L a b"
                                            << "#L a c"
                                            << "#L a b c";
        QTest::newRow("changed there") << "a=1"
                                       << "a=1"
                                       << "a=2"
                                       << "a=2";
        QTest::newRow("changed here") << "a=1"
                                      << "a=3"
                                      << "a=1"
                                      << "a=3";
        QTest::newRow("changed on both, mine wins") << "a=1"
                                                    << "a=3"
                                                    << "a=2"
                                                    << "a=3";
        QTest::newRow("other fields on each side") << "a=1"
                                                   << "a=1*"
                                                   << "a=2"
                                                   << "a=2*";
        QTest::newRow("deleted there, unchanged here") << "a b"
                                                       << "a b"
                                                       << "a"
                                                       << "a";
        QTest::newRow("deleted there, changed here") << "a b=1"
                                                     << "a b=2*"
                                                     << "a"
                                                     << "a b=2*";
        QTest::newRow("deleted here, unchanged there") << "a b*"
                                                       << "a"
                                                       << "a b*"
                                                       << "a";
        QTest::newRow("deleted here, changed there") << "a b=1"
                                                     << "a"
                                                     << "a b=2"
                                                     << "a b=2";
        QTest::newRow("deleted on both") << "a b"
                                         << "b"
                                         << "b"
                                         << "b";
        QTest::newRow("equal keys pair in order") << "a=1 a=2"
                                                  << "a=1 a=3"
                                                  << "a=5 a=2"
                                                  << "a=5 a=3";
        QTest::newRow("key is name and category") << "a"
                                                  << "a a@x=1"
                                                  << "a@x=2 a"
                                                  << "a a@x=1";
        QTest::newRow("added on both, mine wins") << ""
                                                  << "a=1"
                                                  << "a=2 b"
                                                  << "a=1 b";
        QTest::newRow("name changed there") << "#A"
                                            << "#A"
                                            << "#B"
                                            << "#B";
        QTest::newRow("name changed on both") << "#A"
                                              << "#C"
                                              << "#B"
                                              << "#C";
        QTest::newRow("conflict copy") << QString() << "#A a=1 b"
                                       << "#B a=2* c"
                                       << "#A a=1 b c";
    }

    void merge()
    {
        QFETCH(QString, base);
        QFETCH(QString, mine);
        QFETCH(QString, theirs);
        const ptListDocument::Content common = version(base);
        QTEST(textOf(ptListMerge::merge(base.isNull() ? nullptr : &common, version(mine),
                                        version(theirs))),
              "merged");
    }

    // Versions another device wrote one after the other while this one changed
    // the list: each is merged against the version merged before it, so what
    // they deleted in between goes and what was added here stays.
    void mergedTwice()
    {
        const QString fileName = path("demo-list.ptl");
        const auto add = [](ptListDataModel &pList, const QString &pName) {
            return pList.addItem(pName, u"Food"_s, QString(), QString(), 0, QString());
        };
        const auto replace = [&](const QString &pOther, const QStringList &pNames) {
            ptListDataModel other;
            other.newModel(path(pOther), u"Weekend"_s, 0, QString());
            for (const QString &name : pNames)
                add(other, name);
            other.saveModel();
            other.releaseModel();
            return writeFile(fileName, readFile(path(pOther)));
        };
        QVERIFY(m_model->newModel(fileName, u"Weekend"_s, 0, QString()));
        QVERIFY(add(*m_model, u"a"_s) && m_model->saveModel());
        QVERIFY(replace(u"b.ptl"_s, {u"a"_s, u"b"_s}));
        QVERIFY(add(*m_model, u"c"_s) && m_model->followFile());
        QVERIFY(replace(u"no-b.ptl"_s, {u"a"_s}));
        QVERIFY(add(*m_model, u"d"_s) && m_model->followFile());
        QStringList names;
        for (const QHash<QString, QString> &item : m_model->items())
            names.append(item.value(u"name"_s));
        names.sort();
        QCOMPARE(names.join(' '), u"a c d"_s);
    }

    void documentBytes()
    {
        const QString fileName = path("demo-list.ptl");
        ptListDataModel model;
        QVERIFY(!model.newModel("", "x", 0, ""));
        QVERIFY(model.newModel(fileName, "  Week   shop ", 5, "a & b"));
        model.sortByProduct(true);
        addAll(model, "Dairy|Milk|2 |Bread|1,25 Dairy|Gone|9 Sweets|Jam|4");
        model.updateItem(rowOf(model, "Milk"), "Milk", "Dairy", "2", "3", 1, "");
        QVERIFY(model.deleteItem(rowOf(model, "Gone")));
        model.toggleItem(rowOf(model, "Jam"));
        QVERIFY(model.saveModel());

        // The length of the XML text (big-endian) and its zlib stream at level 9.
        const QByteArray file = readFile(fileName);
        const QByteArray xml = qUncompress(file);
        QCOMPARE(file, qCompress(xml, 9));
        QVERIFY(xml.contains("<pantrix_list version=\"1.0.0\" name=\"Week shop\" currency=\"5\" "
                             "note=\"a &amp; b\" items_list=\"2\" price_list=\"7.25\">"));
        QCOMPARE(xml.count("<item "), 3);
        QVERIFY(xml.contains("\xEF\x80\x80") && !xml.contains("<?xml") && !xml.contains("Gone"));

        // Read back, the records are the same; saved again, so is the file.
        ptListDataModel loaded;
        QVERIFY(loaded.loadModel(fileName));
        QCOMPARE(loaded.items(true) + loaded.items(false), model.items(true) + model.items(false));
        QCOMPARE(figures(loaded), figures(model));
        QVERIFY(loaded.saveModel() && readFile(fileName) == file);
    }

    void readingDocuments_data()
    {
        // Files as kinds (see fileOf); the rows of the overview that reads them
        // all, as "name@kind"; the list model that reads the first, with a list
        // "Open" of one record open before: its name, its number of records and
        // whether it can be saved.
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<QString>("list");
        QTest::newRow("no path") << "none" << true << "" << false << "Open 1 saved";
        QTest::newRow("missing file") << "missing A" << true << "A@A" << false << "Open 1 saved";
        QTest::newRow("empty file") << "empty B" << false << "" << false << " 0 unsaved";
        QTest::newRow("plain XML") << "A plain B" << false << "A@A" << true << "A 1 saved";
        QTest::newRow("no attributes") << "bare B" << true << "B@B" << true << " 0 saved";
        QTest::newRow("no root element") << "other B" << true << "B@B" << true << " 1 unsaved";
        QTest::newRow("broken XML")
                << "broken" << true << "Broken@broken" << true << "Broken 1 saved";
        QTest::newRow("version only") << "version" << true << "@version" << true << " 1 saved";
        QTest::newRow("file name attribute")
                << "filename" << true << "F@filename" << true << "F 0 saved";
        QTest::newRow("order and repeats")
                << "B A B" << true << "B@B A@A B@B" << true << "B 0 saved";
        QTest::newRow("claim past the bound") << "claim A" << false << "" << false << " 0 unsaved";
        QTest::newRow("inflating past the bound") << "bomb" << false << "" << false << " 0 unsaved";
        QTest::newRow("understated size")
                << "A understated" << false << "A@A" << true << "A 1 saved";
        // The longest name the program keeps, every character escaped, still
        // reads; a start tag of many attributes does not.
        QTest::newRow("start tag bound")
                << "wide long" << true << "@long" << true << "Wide 0 saved";
    }

    void readingDocuments()
    {
        QFETCH(QString, kinds);
        QStringList paths;
        for (const QString &kind : kinds.split(' '))
            paths.append(fileOf(kind));
        ptListsDataModel overview;
        QVERIFY(overview.loadData({fileOf("A")}));
        QTEST(overview.loadData(paths), "complete");
        QStringList read;
        for (int row = 0; row < overview.rowCount(); ++row) {
            QString name
                    = overview.data(overview.index(row), ptListsDataModel::ListNameRole).toString();
            read.append(name.remove('"') + '@'
                        + QFileInfo(overview.listFileName(row)).completeBaseName());
        }
        QTEST(read.join(' '), "rows");
        for (int row : {-1, INT_MIN, overview.rowCount(), INT_MAX}) {
            QVERIFY(overview.listFileName(row).isEmpty());
            QVERIFY(!overview.data(overview.index(row), ptListsDataModel::ListNameRole).isValid());
        }

        ptListDataModel model;
        QVERIFY(model.newModel(path("open.ptl"), "Open", 0, ""));
        QVERIFY(model.addItem("Milk", "", "", "", 0, ""));
        QTEST(model.loadModel(paths.first()), "loads");
        const qsizetype records = model.items(true).size() + model.items(false).size();
        QTEST(model.listName() + ' ' + QString::number(records) + ' '
                      + (model.saveModel() ? "saved" : "unsaved"),
              "list");
        model.releaseModel();
    }

    void textsXmlCannotCarry_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("read");
        for (char16_t dropped : {0x0, 0x1, 0x8, 0x1F, 0xD800, 0xDC00, 0xFFFE, 0xFFFF})
            QTest::addRow("U+%04X", unsigned(dropped)) << "x" + QString(QChar(dropped)) + "y"
                                                       << "xy";
        const QString kept = QString::fromUcs4(U"<&\"'>\uF000\U0001F34E\u007F\uFFFD");
        QTest::newRow("markup, marker, emoji, DEL, U+FFFD") << kept << kept;
        // Huge texts of pieces, some of which XML cannot carry.
        const QString dropped = QString::fromUcs4(U"\u001B\uFFFE") + QChar(0xD800);
        const QString piece = QString::fromUcs4(U"Молоко\U0001F9C0<&>");
        QTest::newRow("huge") << (piece + dropped).repeated(10000) << piece.repeated(10000);
    }

    // Saved when the model goes, read back as XML can carry it.
    void textsXmlCannotCarry()
    {
        QFETCH(QString, written);
        QFETCH(QString, read);
        QCOMPARE(ptXmlText::xmlSafe(written), read);
        const QString fileName = path("texts.ptl");
        {
            ptListDataModel model;
            QVERIFY(model.newModel(fileName, written, 0, written));
            QVERIFY(model.addItem(written, written, written, written, 0, written));
        }
        ptListDataModel model;
        QVERIFY(model.loadModel(fileName));
        // The list's name and note are kept to their first characters.
        const QString info = ptXmlText::xmlSafe(written.left(ptListDocument::MaxTextLength));
        QCOMPARE(model.listName() + '|' + model.listNote(), info + '|' + info);
        const QHash<QString, QString> item = model.items().value(0);
        for (const char *key : {"name", "category", "price", "count", "note"})
            QCOMPARE(item.value(key), read);
    }

private:
    // Writes a file of the named kind and returns its path.
    QString fileOf(const QString &pKind) const
    {
        // A document that inflates past the size bound, with its size claimed.
        static const QByteArray bomb
                = qCompress("<pantrix_list name=\"Bomb\">"
                            + QByteArray(ptListDocument::MaxDocumentSize, ' ') + "</pantrix_list>");
        QByteArray wide = "<pantrix_list name=\"Wide\"";
        for (int i = 0; i < 3000; ++i)
            wide += " a" + QByteArray::number(i) + "=\"\"";
        const QByteArray quotes(1500, '"');
        const QHash<QString, QByteArray> files = {
                {"A", qCompress("<pantrix_list name=\"A\"><item status=\"checked\"/>")},
                {"B", qCompress("<pantrix_list name=\"B\"/>")},
                {"bare", qCompress("<pantrix_list/>")},
                {"other", qCompress("<shop name=\"x\"><item status=\"checked\"/></shop>")},
                {"broken",
                 qCompress("<pantrix_list name=\"Broken\"><item status=\"checked\"></x><item/>")},
                {"version", qCompress("<pantrix_list version=\"1\"><x><item status=\"checked\"/>")},
                {"filename",
                 qCompress("<pantrix_list name=\"F\" filename=\"/nonexistent/F.ptl\"/>")},
                {"empty", ""},
                {"plain", "<pantrix_list name=\"Plain\"/>"},
                {"claim", "\xFF\xFF\xFF\xFF" + qCompress("<pantrix_list name=\"Claim\"/>").mid(4)},
                {"bomb", bomb},
                {"understated", QByteArray("\0\0\4\0", 4) + bomb.mid(4)},
                {"wide", qCompress(wide + "/>")}};
        if (pKind == QLatin1String("long")) {
            ptListDataModel model; // the program's own escaping, of a name and note cut short
            return model.newModel(path("long.ptl"), quotes, 0, quotes) ? path("long.ptl")
                                                                       : QString();
        }
        if (!files.contains(pKind))
            return pKind == QLatin1String("missing") ? path(pKind) : QString();
        return writeFile(path(pKind + ".ptl"), files.value(pKind)) ? path(pKind + ".ptl")
                                                                   : QString();
    }
};

QTEST_MAIN(tst_models)
#include "tst_models.moc"
