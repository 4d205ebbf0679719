#include <QtTest>

#include <QFile>
#include <QQuickItem>
#include <QQuickView>
#include <QTemporaryDir>

#include <memory>

#include "ptApplicationManager.h"
#include "ptSceneDriver.h"

// Drives the list editing screen, the item dialog and the shopping screen
// through the real scenes and the real controller, by taps and key presses.
class tst_ui_edit : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void wholeRoad();
    void backWritesDocument();
    void itemDialogFields();
    void itemDialogPickers();
    void rememberedCategory();
    void categoryDeleteQuestions();
    void myItemsPage();
    void myItemsSelectionAndCurrency();
    void updateFromCart();
    void hiddenLayersLetTapsThrough();
    void russianTexts();

private:
    QQuickItem *editScreen() const;
    QQuickItem *shopScreen() const;
    QQuickItem *itemDialog() const;
    qreal editFooterY() const;
    qreal barY(const QString &pButton) const;
    QQuickItem *rowOf(const QString &pPage, const QString &pText) const;
    void createList(const QString &pName);
    void addItem(const QString &pName, const QString &pCategory, const QString &pPrice,
                 const QString &pAmount);
    void openMenuEntry(QQuickItem *pHeader, const QString &pEntry);
    QQuickItem *openQuery(QQuickItem *pDeleteButton);
    void closeMenuOutside(const QString &pMenu);
    void goShopping();
    QQuickItem *listsRow(const QString &pName) const;
    void tickRow(const QString &pName);
    int rowOfName(QAbstractItemModel *pModel, const QString &pName) const;
    QString sign() const;
    int unitIndex(const QString &pName) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    ptSceneDriver m_ui;
};

void tst_ui_edit::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("XDG_DATA_HOME", m_dir->path().toUtf8());

    QVERIFY(m_ui.start());
    m_ui.manager()->setCurrentLanguage(0); // the person has chosen English
}

void tst_ui_edit::cleanup()
{
    m_ui.stop();
    m_dir.reset();
}

QQuickItem *tst_ui_edit::editScreen() const
{
    QQuickItem *page = m_ui.named(QStringLiteral("pageEdit"));
    return page ? qvariant_cast<QQuickItem *>(page->property("item")) : nullptr;
}

QQuickItem *tst_ui_edit::shopScreen() const
{
    QQuickItem *page = m_ui.named(QStringLiteral("pageShop"));
    return page ? qvariant_cast<QQuickItem *>(page->property("item")) : nullptr;
}

QQuickItem *tst_ui_edit::itemDialog() const
{
    QQuickItem *form = m_ui.named(QStringLiteral("pageNewItem"));
    if (!form)
        form = m_ui.named(QStringLiteral("pageCategories"));
    if (!form)
        form = m_ui.named(QStringLiteral("pageAmountUnits"));
    return form ? form->parentItem() : nullptr;
}

// Where the editing screen's button bar is; -1 while the screen is not shown.
qreal tst_ui_edit::editFooterY() const
{
    return barY(QStringLiteral("buttonNewItem"));
}

// Where the button bar holding that button is; -1 while there is none.
qreal tst_ui_edit::barY(const QString &pButton) const
{
    QQuickItem *button = m_ui.find(pButton);
    return button ? button->parentItem()->y() : -1;
}

// The delegate on the named page whose name or category text is pText.
QQuickItem *tst_ui_edit::rowOf(const QString &pPage, const QString &pText) const
{
    QQuickItem *page = m_ui.named(pPage);
    if (!page)
        return nullptr;
    const QList<QQuickItem *> texts = m_ui.findAll(
            [&](QQuickItem *pItem) {
                return (pItem->objectName() == QLatin1String("itemNameText")
                        || pItem->objectName() == QLatin1String("categoryText"))
                        && pItem->property("text").toString() == pText
                        && ptSceneDriver::isShown(pItem);
            },
            page);
    if (texts.isEmpty())
        return nullptr;
    // text -> content -> rectangle -> row (names); text -> rectangle -> row (categories)
    QQuickItem *item = texts.first();
    while (item && !item->property("item_type").isValid())
        item = item->parentItem();
    return item;
}

void tst_ui_edit::createList(const QString &pName)
{
    m_ui.click(m_ui.button(QStringLiteral("new list")));
    QQuickItem *sheet = nullptr;
    QTRY_VERIFY((sheet = m_ui.findAll([](QQuickItem *pItem) {
                                 return pItem->property("listNameString").isValid()
                                         && ptSceneDriver::isShown(pItem);
                             }).value(0)));
    const QList<QQuickItem *> inputs = m_ui.findAll(
            [](QQuickItem *pItem) {
                return pItem->inherits("QQuickTextInput") && ptSceneDriver::isShown(pItem);
            },
            sheet);
    QVERIFY(!inputs.isEmpty());
    m_ui.click(inputs.first());
    m_ui.typeText(pName);
    QCOMPARE(sheet->property("listNameString").toString(), pName);
    m_ui.click(m_ui.button(QStringLiteral("Ok"), sheet));

    QTRY_VERIFY(editScreen());
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("pageList")), 1.0);
    QTRY_COMPARE(editFooterY(), 0.0);
}

void tst_ui_edit::addItem(const QString &pName, const QString &pCategory, const QString &pPrice,
                          const QString &pAmount)
{
    m_ui.click(m_ui.named(QStringLiteral("buttonNewItem")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));
    m_ui.typeInto(QStringLiteral("nameInput"), pName);
    m_ui.typeInto(QStringLiteral("categoryInput"), pCategory);
    m_ui.typeInto(QStringLiteral("priceInput"), pPrice);
    m_ui.typeInto(QStringLiteral("amountInput"), pAmount);
    m_ui.click(m_ui.named(QStringLiteral("newItemOk")));
    QTRY_VERIFY(!itemDialog());
}

void tst_ui_edit::openMenuEntry(QQuickItem *pHeader, const QString &pEntry)
{
    QVERIFY(pHeader);
    m_ui.click(pHeader); // the centre of the header is its menu zone
    QQuickItem *entry = nullptr;
    QTRY_VERIFY((entry = m_ui.named(pEntry)));
    QTRY_COMPARE(entry->parentItem()->parentItem()->y(), 0.0);
    QTRY_COMPARE(entry->parentItem()->parentItem()->parentItem()->parentItem()->opacity(), 1.0);
    m_ui.click(entry);
}

// Taps a delete button and returns the question once it has grown to full size.
QQuickItem *tst_ui_edit::openQuery(QQuickItem *pDeleteButton)
{
    m_ui.click(pDeleteButton);
    QQuickItem *query = nullptr;
    if (!QTest::qWaitFor([&] {
            query = m_ui.named(QStringLiteral("editQuery"));
            return query && query->property("winScale").toDouble() == 1.0;
        }))
        return nullptr;
    return query;
}

// Closes the open menu by a tap beside its entries and waits until it is gone.
void tst_ui_edit::closeMenuOutside(const QString &pMenu)
{
    QTRY_COMPARE(m_ui.opacity(pMenu), 1.0);
    m_ui.clickAt(QPoint(20, 400));
    QTRY_COMPARE(m_ui.opacity(pMenu), 0.0);
}

void tst_ui_edit::goShopping()
{
    openMenuEntry(m_ui.named(QStringLiteral("editHeader")), QStringLiteral("menuGoShopping"));
    QTRY_VERIFY(shopScreen());
    QTRY_COMPARE(barY(QStringLiteral("buttonCart")), 0.0);
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("shopRows")), 1.0);
}

// The shown row of the lists screen with that list name.
QQuickItem *tst_ui_edit::listsRow(const QString &pName) const
{
    const QList<QQuickItem *> names = m_ui.findAll([&](QQuickItem *pItem) {
        return pItem->objectName() == QLatin1String("listNameText")
                && pItem->property("text").toString() == pName && ptSceneDriver::isShown(pItem);
    });
    return names.isEmpty() ? nullptr : names.first()->parentItem();
}

void tst_ui_edit::tickRow(const QString &pName)
{
    const int rows = m_ui.manager()->listDataModel()->rowCount();
    QQuickItem *row = rowOf(QStringLiteral("shopRows"), pName);
    QVERIFY2(row, qPrintable(pName));
    m_ui.click(row);
    QTRY_VERIFY(m_ui.manager()->listDataModel()->rowCount() < rows);
}

int tst_ui_edit::rowOfName(QAbstractItemModel *pModel, const QString &pName) const
{
    for (int row = 0; row < pModel->rowCount(); ++row) {
        if (ptSceneDriver::roleText(pModel, row, "item_name") == pName)
            return row;
    }
    return -1;
}

QString tst_ui_edit::sign() const
{
    return m_ui.manager()->currencyUnitsDataModel()->currencySign(
            m_ui.manager()->listDataModel()->listCurrency());
}

int tst_ui_edit::unitIndex(const QString &pName) const
{
    ptMeasureUnitsDataModel *units = m_ui.manager()->amountUnitsDataModel();
    for (int row = 0; row < units->rowCount(); ++row) {
        if (units->measureName(row) == pName)
            return row;
    }
    return -1;
}

void tst_ui_edit::wholeRoad()
{
    createList(QStringLiteral("weekend"));
    addItem(QStringLiteral("milk"), QStringLiteral("Dairy"), QStringLiteral("1.20"),
            QStringLiteral("2"));
    addItem(QStringLiteral("cheese"), QStringLiteral("Dairy"), QStringLiteral("3.10"), QString());
    addItem(QStringLiteral("bread"), QStringLiteral("Bakery"), QStringLiteral("0.90"), QString());

    ptListDataModel *list = m_ui.manager()->listDataModel();
    QCOMPARE(list->rowCount(), 5); // two headers, three items
    QTRY_COMPARE(m_ui.named(QStringLiteral("editSummaryText"))->property("text").toString(),
                 QStringLiteral("6.40 ") + sign() + QStringLiteral("<br>3 items"));

    openMenuEntry(m_ui.named(QStringLiteral("editHeader")), QStringLiteral("menuGoShopping"));
    QTRY_VERIFY(shopScreen());
    QVERIFY(!editScreen());
    QTRY_COMPARE(barY(QStringLiteral("buttonCart")), 0.0);
    QCOMPARE(m_ui.named(QStringLiteral("shopHeader"))->property("headerLabel3").toString(),
             QStringLiteral("shopping - list"));

    tickRow(QStringLiteral("milk"));
    tickRow(QStringLiteral("bread"));
    QVERIFY(!m_ui.named(QStringLiteral("checkout")));
    tickRow(QStringLiteral("cheese"));

    QQuickItem *checkout = nullptr;
    QTRY_VERIFY((checkout = m_ui.named(QStringLiteral("checkout"))));
    QTRY_COMPARE(checkout->property("winScale").toDouble(), 1.0);
    QCOMPARE(m_ui.named(QStringLiteral("checkoutSummary"))->property("text").toString(),
             QStringLiteral("Number of items: 3<br>Total sum: 6.40 ") + sign());

    m_ui.click(m_ui.named(QStringLiteral("checkoutNo")));
    QTRY_VERIFY(!m_ui.named(QStringLiteral("checkout")));
    QVERIFY(shopScreen());
    QVERIFY(list->isDisplayList());
    QCOMPARE(list->rowCount(), 0);

    // The shown view's button is disabled: no fade starts.
    m_ui.click(m_ui.named(QStringLiteral("buttonList")));
    QVERIFY(m_ui.waitForFrames(2));
    QCOMPARE(m_ui.opacity(QStringLiteral("shopRows")), 1.0);
    QVERIFY(list->isDisplayList());

    m_ui.click(m_ui.named(QStringLiteral("buttonCart")));
    QTRY_VERIFY(!list->isDisplayList());
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("shopRows")), 1.0);
    QCOMPARE(list->rowCount(), 5);
    QCOMPARE(m_ui.named(QStringLiteral("shopHeader"))->property("headerLabel3").toString(),
             QStringLiteral("shopping - cart"));
    QTRY_COMPARE(m_ui.named(QStringLiteral("shopSummaryText"))->property("text").toString(),
                 QStringLiteral("6.40 ") + sign() + QStringLiteral("<br>3 items"));

    m_ui.click(m_ui.named(QStringLiteral("buttonList")));
    QTRY_VERIFY(list->isDisplayList());
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("shopRows")), 1.0);
    QCOMPARE(list->rowCount(), 0);

    m_ui.click(m_ui.named(QStringLiteral("buttonCart")));
    QTRY_VERIFY(!list->isDisplayList());
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("shopRows")), 1.0);
    tickRow(QStringLiteral("bread")); // back to the list; no checkout in the cart view
    QVERIFY(!m_ui.named(QStringLiteral("checkout")));

    m_ui.click(m_ui.named(QStringLiteral("buttonList")));
    QTRY_VERIFY(list->isDisplayList());
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("shopRows")), 1.0);
    QCOMPARE(list->rowCount(), 2);
    tickRow(QStringLiteral("bread"));

    QTRY_VERIFY((checkout = m_ui.named(QStringLiteral("checkout"))));
    QTRY_COMPARE(checkout->property("winScale").toDouble(), 1.0);
    QVERIFY(QFile::exists(ptApplicationManager::listDocumentPath()));
    m_ui.click(m_ui.named(QStringLiteral("checkoutYes")));

    QTRY_COMPARE(m_ui.root()->property("state").toString(), QString());
    QVERIFY(!QFile::exists(ptApplicationManager::listDocumentPath()));
    QCOMPARE(m_ui.manager()->listsDataModel()->rowCount(), 0);
    QTRY_VERIFY(m_ui.button(QStringLiteral("new list")));
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("mainLoader")), 1.0);
    QVERIFY(!listsRow(QStringLiteral("weekend")));
    QVERIFY(m_ui.findAll([](QQuickItem *pItem) {
                    return pItem->objectName() == QLatin1String("listNameText")
                            && ptSceneDriver::isShown(pItem);
                }).isEmpty());
}

void tst_ui_edit::backWritesDocument()
{
    createList(QStringLiteral("party"));
    addItem(QStringLiteral("cola"), QStringLiteral("Drinks"), QStringLiteral("1.50"),
            QStringLiteral("2"));
    addItem(QStringLiteral("chips"), QString(), QStringLiteral("2"), QString());

    QQuickItem *header = m_ui.named(QStringLiteral("editHeader"));
    const QPointF back = header->mapToScene(QPointF(header->width() - 35, 40));
    QTest::mouseClick(m_ui.view(), Qt::LeftButton, Qt::NoModifier, back.toPoint());

    QTRY_COMPARE(m_ui.root()->property("state").toString(), QString());
    QTRY_VERIFY(!editScreen());
    ptListsDataModel *lists = m_ui.manager()->listsDataModel();
    QCOMPARE(lists->rowCount(), 1);
    QCOMPARE(ptSceneDriver::roleText(lists, 0, "list_name"), QStringLiteral("party"));
    QCOMPARE(ptSceneDriver::roleText(lists, 0, "items_list"), QStringLiteral("2"));
    QCOMPARE(ptSceneDriver::roleText(lists, 0, "price_list"), QStringLiteral("5.00"));
    QQuickItem *row = nullptr;
    QTRY_VERIFY((row = listsRow(QStringLiteral("party"))));
    QCOMPARE(m_ui.named(QStringLiteral("listCountText"), row)->property("text").toString(),
             QStringLiteral("2 items"));
    QCOMPARE(m_ui.named(QStringLiteral("listPriceText"), row)->property("text").toString(),
             QStringLiteral("5.00 ")
                     + m_ui.manager()->currencyUnitsDataModel()->currencySign(
                             ptSceneDriver::roleText(lists, 0, "price_unit").toInt()));

    // The document on disk holds both items: opening it for shopping shows them.
    QVERIFY(m_ui.manager()->loadList(0));
    m_ui.manager()->listDataModel()->updateCountPrice();
    QCOMPARE(m_ui.manager()->listDataModel()->numberOfItems(), 2);
}

void tst_ui_edit::itemDialogFields()
{
    createList(QStringLiteral("dialog"));
    m_ui.click(m_ui.named(QStringLiteral("buttonNewItem")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));
    QQuickItem *dialog = itemDialog();
    QCOMPARE(dialog->property("screenHeaderString").toString(), QStringLiteral("New item"));

    // An empty name keeps Ok disabled.
    QQuickItem *ok = m_ui.named(QStringLiteral("newItemOk"));
    QCOMPARE(ok->opacity(), 0.5);
    m_ui.click(ok);
    QVERIFY(m_ui.waitForFrames(1));
    QVERIFY(itemDialog());
    QCOMPARE(m_ui.manager()->listDataModel()->rowCount(), 0);
    m_ui.typeInto(QStringLiteral("nameInput"), QStringLiteral("a"));
    QCOMPARE(ok->opacity(), 1.0);

    // Validators and the numeric keyboard hint.
    QQuickItem *price = m_ui.named(QStringLiteral("priceInput"));
    QQuickItem *amount = m_ui.named(QStringLiteral("amountInput"));
    QCOMPARE(price->property("inputMethodHints").toInt(), int(Qt::ImhFormattedNumbersOnly));
    QCOMPARE(amount->property("inputMethodHints").toInt(), int(Qt::ImhFormattedNumbersOnly));
    m_ui.typeInto(QStringLiteral("priceInput"), QStringLiteral("12.505"));
    QCOMPARE(price->property("text").toString(), QStringLiteral("12.50"));
    m_ui.typeInto(QStringLiteral("priceInput"), QStringLiteral("-3"));
    QCOMPARE(price->property("text").toString(), QStringLiteral("3"));
    m_ui.typeInto(QStringLiteral("priceInput"), QStringLiteral("ab"));
    QCOMPARE(price->property("text").toString(), QString());
    m_ui.typeInto(QStringLiteral("priceInput"), QStringLiteral("12.5"));
    QCOMPARE(price->property("text").toString(), QStringLiteral("12.5"));
    m_ui.typeInto(QStringLiteral("amountInput"), QStringLiteral("0.1255"));
    QCOMPARE(amount->property("text").toString(), QStringLiteral("0.125"));

    m_ui.click(m_ui.named(QStringLiteral("newItemOk")));
    QTRY_VERIFY(!itemDialog());
    ptListDataModel *list = m_ui.manager()->listDataModel();
    const int row = rowOfName(list, QStringLiteral("a"));
    QVERIFY(row >= 0);
    QCOMPARE(ptSceneDriver::roleText(list, row, "item_price"), QStringLiteral("12.5"));
    QCOMPARE(ptSceneDriver::roleText(list, row, "item_amount"), QStringLiteral("0.125"));

    // Tapping the dimmed area cancels.
    m_ui.click(m_ui.named(QStringLiteral("buttonNewItem")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));
    QTest::mouseClick(m_ui.view(), Qt::LeftButton, Qt::NoModifier, QPoint(400, 10));
    QTRY_VERIFY(!itemDialog());
    QCOMPARE(list->rowCount(), 2);
}

void tst_ui_edit::itemDialogPickers()
{
    createList(QStringLiteral("pickers"));
    m_ui.click(m_ui.named(QStringLiteral("buttonNewItem")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));

    // An empty catalogue: no category rows, Ok gives an empty category.
    m_ui.typeInto(QStringLiteral("categoryInput"), QStringLiteral("x"));
    m_ui.click(m_ui.named(QStringLiteral("categoryButton")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageCategories")));
    QVERIFY(!m_ui.named(QStringLiteral("pageNewItem")));
    QCOMPARE(m_ui.named(QStringLiteral("categoriesList"))->property("count").toInt(), 0);
    m_ui.click(m_ui.named(QStringLiteral("categoriesOk")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));
    QCOMPARE(m_ui.named(QStringLiteral("categoryInput"))->property("text").toString(), QString());

    // Choosing kg changes both unit labels; the highlight is kept between openings.
    const int kg = unitIndex(QStringLiteral("kg"));
    QVERIFY(kg > 0);
    m_ui.click(m_ui.named(QStringLiteral("amountUnitButton")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageAmountUnits")));
    QQuickItem *units = m_ui.named(QStringLiteral("unitsList"));
    QCOMPARE(units->property("currentIndex").toInt(), 0);
    QMetaObject::invokeMethod(units, "positionViewAtIndex", Q_ARG(int, kg), Q_ARG(int, 0));
    QQuickItem *kgRow = nullptr;
    QTRY_VERIFY((kgRow = m_ui.findAll([](QQuickItem *pItem) {
                                 return pItem->property("measure_name").toString() == "kg"
                                         && ptSceneDriver::isShown(pItem);
                             }).value(0)));
    m_ui.click(kgRow);
    QTRY_COMPARE(units->property("currentIndex").toInt(), kg);
    m_ui.click(m_ui.named(QStringLiteral("unitsOk")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));
    QCOMPARE(m_ui.named(QStringLiteral("amountUnitLabel"))->property("text").toString(),
             QStringLiteral("kg"));
    QCOMPARE(m_ui.named(QStringLiteral("priceUnitLabel"))->property("text").toString(),
             sign() + QStringLiteral("/kg"));
    m_ui.click(m_ui.named(QStringLiteral("amountUnitButton")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageAmountUnits")));
    QCOMPARE(m_ui.named(QStringLiteral("unitsList"))->property("currentIndex").toInt(), kg);
    m_ui.click(m_ui.named(QStringLiteral("unitsCancel")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));

    m_ui.typeInto(QStringLiteral("nameInput"), QStringLiteral("flour"));
    m_ui.typeInto(QStringLiteral("categoryInput"), QStringLiteral("Baking"));
    m_ui.click(m_ui.named(QStringLiteral("newItemOk")));
    QTRY_VERIFY(!itemDialog());

    // A second category, after Baking in the catalogue's list of categories.
    addItem(QStringLiteral("cocoa"), QStringLiteral("Abroad"), QString(), QString());
    QCOMPARE(m_ui.manager()->categoriesDataModel()->categoryName(1), QStringLiteral("Abroad"));

    // Editing an item of unit kg: the unit picker still starts on its first row.
    m_ui.click(m_ui.named(QStringLiteral("itemEditButton"),
                          rowOf(QStringLiteral("pageList"), QStringLiteral("flour"))));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));
    QCOMPARE(itemDialog()->property("screenHeaderString").toString(),
             QStringLiteral("Update item"));
    QCOMPARE(itemDialog()->property("itemAmountUnitIndex").toInt(), kg);
    m_ui.click(m_ui.named(QStringLiteral("amountUnitButton")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageAmountUnits")));
    QCOMPARE(m_ui.named(QStringLiteral("unitsList"))->property("currentIndex").toInt(), 0);
    m_ui.click(m_ui.named(QStringLiteral("unitsCancel")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));
    m_ui.click(m_ui.named(QStringLiteral("newItemCancel")));
    QTRY_VERIFY(!itemDialog());

    // Editing an item of the second category: the category picker starts on
    // the first row too, drawn highlighted.
    m_ui.click(m_ui.named(QStringLiteral("itemEditButton"),
                          rowOf(QStringLiteral("pageList"), QStringLiteral("cocoa"))));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));
    m_ui.click(m_ui.named(QStringLiteral("categoryButton")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageCategories")));
    QQuickItem *categories = m_ui.named(QStringLiteral("categoriesList"));
    QCOMPARE(categories->property("count").toInt(), 2);
    QCOMPARE(categories->property("currentIndex").toInt(), 0);
    QQuickItem *baking = nullptr;
    QTRY_VERIFY((baking = m_ui.text(QStringLiteral("Baking"), categories)));
    QCOMPARE(baking->parentItem()->property("color").value<QColor>(),
             QColor(QStringLiteral("#C4D5F9")));
    QQuickItem *abroad = m_ui.text(QStringLiteral("Abroad"), categories);
    QVERIFY(abroad);
    m_ui.click(abroad);
    QTRY_COMPARE(categories->property("currentIndex").toInt(), 1);
    m_ui.click(m_ui.named(QStringLiteral("categoriesCancel")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));
    QCOMPARE(m_ui.named(QStringLiteral("categoryInput"))->property("text").toString(),
             QStringLiteral("Abroad"));

    // The highlight is kept for the next opening; Ok takes the highlighted row.
    m_ui.typeInto(QStringLiteral("categoryInput"), QStringLiteral("x"));
    m_ui.click(m_ui.named(QStringLiteral("categoryButton")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageCategories")));
    QCOMPARE(categories->property("currentIndex").toInt(), 1);
    m_ui.click(m_ui.named(QStringLiteral("categoriesOk")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));
    QCOMPARE(m_ui.named(QStringLiteral("categoryInput"))->property("text").toString(),
             QStringLiteral("Abroad"));
}

void tst_ui_edit::rememberedCategory()
{
    createList(QStringLiteral("remember"));
    addItem(QStringLiteral("milk"), QStringLiteral("Dairy"), QString(), QString());

    m_ui.click(m_ui.named(QStringLiteral("buttonNewItem")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));
    QCOMPARE(m_ui.named(QStringLiteral("categoryInput"))->property("text").toString(),
             QStringLiteral("Dairy"));
    QCOMPARE(m_ui.named(QStringLiteral("nameInput"))->property("text").toString(), QString());
    m_ui.click(m_ui.named(QStringLiteral("newItemCancel")));
    QTRY_VERIFY(!itemDialog());

    openMenuEntry(m_ui.named(QStringLiteral("editHeader")), QStringLiteral("menuGoShopping"));
    QTRY_VERIFY(shopScreen());
    QTRY_COMPARE(shopScreen()->opacity(), 1.0);
    openMenuEntry(m_ui.named(QStringLiteral("shopHeader")), QStringLiteral("menuEditList"));
    QTRY_VERIFY(editScreen());
    QTRY_COMPARE(editFooterY(), 0.0);

    m_ui.click(m_ui.named(QStringLiteral("buttonNewItem")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));
    QCOMPARE(m_ui.named(QStringLiteral("categoryInput"))->property("text").toString(), QString());
}

void tst_ui_edit::categoryDeleteQuestions()
{
    createList(QStringLiteral("categories"));
    addItem(QStringLiteral("milk"), QStringLiteral("Dairy"), QString(), QString());
    addItem(QStringLiteral("cheese"), QStringLiteral("Dairy"), QString(), QString());
    addItem(QStringLiteral("salt"), QString(), QString(), QString());
    ptListDataModel *list = m_ui.manager()->listDataModel();
    QCOMPARE(list->rowCount(), 5);

    // A named category, answered No: its items stay, uncategorised.
    QQuickItem *header = rowOf(QStringLiteral("pageList"), QStringLiteral("Dairy"));
    QVERIFY(header);
    m_ui.click(m_ui.named(QStringLiteral("categoryDeleteButton"), header));
    QQuickItem *query = nullptr;
    QTRY_VERIFY((query = m_ui.named(QStringLiteral("editQuery"))));
    QCOMPARE(query->property("queryString").toString(),
             QStringLiteral("Category \"Dairy\" will be deleted. Do you want to delete all its "
                            "items?"));
    QCOMPARE(query->property("buttonNoOpacity").toDouble(), 1.0);
    QTRY_COMPARE(query->property("winScale").toDouble(), 1.0);
    m_ui.click(m_ui.button(QStringLiteral("No"), query));
    QTRY_VERIFY(!m_ui.named(QStringLiteral("editQuery")));
    QCOMPARE(list->rowCount(), 4);
    QVERIFY(!rowOf(QStringLiteral("pageList"), QStringLiteral("Dairy")));
    QVERIFY(rowOf(QStringLiteral("pageList"), QStringLiteral("Uncategorised")));
    QVERIFY(rowOfName(list, QStringLiteral("milk")) >= 0);
    QVERIFY(rowOfName(list, QStringLiteral("cheese")) >= 0);

    // The uncategorised group: only Cancel and Yes.
    header = rowOf(QStringLiteral("pageList"), QStringLiteral("Uncategorised"));
    m_ui.click(m_ui.named(QStringLiteral("categoryDeleteButton"), header));
    QTRY_VERIFY((query = m_ui.named(QStringLiteral("editQuery"))));
    QCOMPARE(query->property("queryString").toString(),
             QStringLiteral("All items of selected category \"Uncategorised\" will be deleted. "
                            "Continue?"));
    QCOMPARE(query->property("buttonNoOpacity").toDouble(), 0.0);
    QVERIFY(!m_ui.button(QStringLiteral("No"), query));
    QTRY_COMPARE(query->property("winScale").toDouble(), 1.0);

    m_ui.click(m_ui.button(QStringLiteral("Cancel"), query));
    QTRY_VERIFY(!m_ui.named(QStringLiteral("editQuery")));
    QCOMPARE(list->rowCount(), 4);

    m_ui.click(m_ui.named(QStringLiteral("categoryDeleteButton"), header));
    QTRY_VERIFY((query = m_ui.named(QStringLiteral("editQuery"))));
    QTRY_COMPARE(query->property("winScale").toDouble(), 1.0);
    m_ui.click(m_ui.button(QStringLiteral("Yes"), query));
    QTRY_COMPARE(list->rowCount(), 0);
    QTRY_COMPARE(m_ui.named(QStringLiteral("editSummaryText"))->property("text").toString(),
                 QStringLiteral("0.00 ") + sign() + QStringLiteral("<br>0 items"));
}

void tst_ui_edit::myItemsPage()
{
    createList(QStringLiteral("catalogue"));
    addItem(QStringLiteral("tea"), QStringLiteral("Drinks"), QStringLiteral("4.25"), QString());
    addItem(QStringLiteral("jam"), QStringLiteral("Sweet"), QStringLiteral("2.75"), QString());
    addItem(QStringLiteral("rice"), QStringLiteral("Grain"), QStringLiteral("1"), QString());

    // Empty the list through the rows' delete buttons.
    ptListDataModel *list = m_ui.manager()->listDataModel();
    for (const QString &name :
         {QStringLiteral("tea"), QStringLiteral("jam"), QStringLiteral("rice")}) {
        QQuickItem *row = rowOf(QStringLiteral("pageList"), name);
        QVERIFY(row);
        const int rows = list->rowCount();
        m_ui.click(m_ui.named(QStringLiteral("itemDeleteButton"), row));
        QTRY_VERIFY(list->rowCount() < rows);
    }
    QCOMPARE(list->rowCount(), 0);

    ptCategoriesDataModel *catalogue = m_ui.manager()->categoriesDataModel();
    QTRY_COMPARE(catalogue->rowCount(), 6);
    m_ui.click(m_ui.named(QStringLiteral("buttonMyItems")));
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("pageMyItems")), 1.0);
    QCOMPARE(m_ui.named(QStringLiteral("editHeader"))->property("headerLabel3").toString(),
             QStringLiteral("my items"));
    for (int row = 0; row < catalogue->rowCount(); ++row) {
        if (ptSceneDriver::roleText(catalogue, row, "item_type") == QLatin1String("item"))
            QCOMPARE(ptSceneDriver::roleText(catalogue, row, "item_status"),
                     QStringLiteral("unchecked"));
    }
    QCOMPARE(catalogue->selectedCount(), 0);

    QQuickItem *addSelected = nullptr;
    QTRY_VERIFY((addSelected = m_ui.named(QStringLiteral("buttonAddSelected"))));
    QTRY_COMPARE(addSelected->parentItem()->y(), 0.0);
    QCOMPARE(addSelected->opacity(), 0.5);
    m_ui.click(addSelected);
    QVERIFY(m_ui.waitForFrames(2));
    QCOMPARE(m_ui.opacity(QStringLiteral("pageMyItems")), 1.0);
    QCOMPARE(list->rowCount(), 0);

    m_ui.click(m_ui.named(QStringLiteral("itemRect"), rowOf(QStringLiteral("pageMyItems"), "tea")));
    m_ui.click(
            m_ui.named(QStringLiteral("itemRect"), rowOf(QStringLiteral("pageMyItems"), "rice")));
    QTRY_COMPARE(catalogue->selectedCount(), 2);
    QCOMPARE(m_ui.named(QStringLiteral("itemRect"), rowOf(QStringLiteral("pageMyItems"), "tea"))
                     ->property("color")
                     .value<QColor>(),
             QColor(QStringLiteral("#606060")));
    QTRY_COMPARE(addSelected->opacity(), 1.0);
    m_ui.click(addSelected);

    QTRY_COMPARE(m_ui.opacity(QStringLiteral("pageList")), 1.0);
    QCOMPARE(catalogue->selectedCount(), 0);
    QCOMPARE(list->rowCount(), 4);
    QCOMPARE(ptSceneDriver::roleText(list, rowOfName(list, QStringLiteral("tea")), "item_price"),
             QStringLiteral("4.25"));
    QCOMPARE(ptSceneDriver::roleText(list, rowOfName(list, QStringLiteral("rice")), "item_price"),
             QStringLiteral("1"));
    QCOMPARE(rowOfName(list, QStringLiteral("jam")), -1);
    QTRY_COMPARE(m_ui.named(QStringLiteral("editSummaryText"))->property("text").toString(),
                 QStringLiteral("5.25 ") + sign() + QStringLiteral("<br>2 items"));
}

void tst_ui_edit::myItemsSelectionAndCurrency()
{
    ptCurrencyUnitsDataModel *currencies = m_ui.manager()->currencyUnitsDataModel();
    ptCategoriesDataModel *catalogue = m_ui.manager()->categoriesDataModel();
    ptListDataModel *list = m_ui.manager()->listDataModel();
    createList(QStringLiteral("currency"));
    const int first = list->listCurrency();
    addItem(QStringLiteral("tea"), QStringLiteral("Drinks"), QStringLiteral("4.25"), QString());
    addItem(QStringLiteral("rice"), QStringLiteral("Grain"), QStringLiteral("1"), QString());
    for (const QString &name : {QStringLiteral("tea"), QStringLiteral("rice")}) {
        const int rows = list->rowCount();
        m_ui.click(m_ui.named(QStringLiteral("itemDeleteButton"),
                              rowOf(QStringLiteral("pageList"), name)));
        QTRY_VERIFY(list->rowCount() < rows);
    }
    QCOMPARE(list->rowCount(), 0);

    // "cancel" keeps the selection; the next "my items" clears it.
    m_ui.click(m_ui.named(QStringLiteral("buttonMyItems")));
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("pageMyItems")), 1.0);
    QTRY_COMPARE(barY(QStringLiteral("buttonAddSelected")), 0.0);
    m_ui.click(m_ui.named(QStringLiteral("itemRect"), rowOf(QStringLiteral("pageMyItems"), "tea")));
    QTRY_COMPARE(catalogue->selectedCount(), 1);
    m_ui.click(m_ui.named(QStringLiteral("buttonCancelMyItems")));
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("pageList")), 1.0);
    QCOMPARE(catalogue->selectedCount(), 1);
    QTRY_COMPARE(editFooterY(), 0.0);
    // The bar coming back lies above the one still sliding out: a tap on "my
    // items" must not reach the (enabled) "add selected" beneath.
    QQuickItem *myItems = m_ui.named(QStringLiteral("buttonMyItems"));
    QQuickItem *target = m_ui.tapTarget(myItems->mapRectToScene(myItems->boundingRect()).center());
    QVERIFY(target && target->parentItem() == myItems);
    m_ui.click(m_ui.named(QStringLiteral("buttonMyItems")));
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("pageMyItems")), 1.0);
    QCOMPARE(catalogue->selectedCount(), 0);
    QCOMPARE(m_ui.named(QStringLiteral("itemRect"), rowOf(QStringLiteral("pageMyItems"), "tea"))
                     ->property("color")
                     .value<QColor>(),
             QColor(QStringLiteral("#202020")));
    m_ui.click(m_ui.named(QStringLiteral("buttonCancelMyItems")));
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("pageList")), 1.0);
    QTRY_COMPARE(editFooterY(), 0.0);

    // Another currency through the list information sheet.
    openMenuEntry(m_ui.named(QStringLiteral("editHeader")), QStringLiteral("menuEditListInfo"));
    QQuickItem *sheet = nullptr;
    QTRY_VERIFY((sheet = m_ui.findAll([](QQuickItem *pItem) {
                                 return pItem->property("listNameString").isValid()
                                         && ptSceneDriver::isShown(pItem);
                             }).value(0)));
    QCOMPARE(sheet->property("listNameString").toString(), QStringLiteral("currency"));
    QCOMPARE(sheet->property("listCurrencyUnitIndex").toInt(), first);
    m_ui.click(m_ui.named(QStringLiteral("listCurrencyField")));
    QQuickItem *currencyList = nullptr;
    QTRY_VERIFY((currencyList = m_ui.named(QStringLiteral("currencyList"))));
    const QString second = ptSceneDriver::roleText(currencies, first + 1, "currency_name")
            + QStringLiteral(" - ")
            + ptSceneDriver::roleText(currencies, first + 1, "currency_sign");
    QQuickItem *currencyRow = nullptr;
    QTRY_VERIFY((currencyRow = m_ui.text(second, currencyList)));
    m_ui.click(currencyRow);
    m_ui.click(m_ui.button(QStringLiteral("Ok"), m_ui.named(QStringLiteral("currencyPanel"))));
    QTRY_VERIFY(m_ui.named(QStringLiteral("listSheet")));
    m_ui.click(m_ui.button(QStringLiteral("Ok"), sheet));
    QTRY_VERIFY(!m_ui.named(QStringLiteral("listSheet")));
    QCOMPARE(list->listCurrency(), first + 1);
    QCOMPARE(currencies->currentCurrencyIndex(), first + 1);
    QCOMPARE(sign(), currencies->currencySign(first + 1));

    // An entry edited on the My Items page shows the list's sign and takes a price
    // in that currency; the (empty) list is not touched.
    m_ui.click(m_ui.named(QStringLiteral("buttonMyItems")));
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("pageMyItems")), 1.0);
    m_ui.click(m_ui.named(QStringLiteral("itemEditButton"),
                          rowOf(QStringLiteral("pageMyItems"), QStringLiteral("tea"))));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));
    QCOMPARE(itemDialog()->property("screenHeaderString").toString(),
             QStringLiteral("Update item"));
    QVERIFY(m_ui.named(QStringLiteral("priceUnitLabel"))
                    ->property("text")
                    .toString()
                    .startsWith(sign() + QStringLiteral("/")));
    m_ui.typeInto(QStringLiteral("priceInput"), QStringLiteral("3.90"));
    m_ui.click(m_ui.named(QStringLiteral("newItemOk")));
    QTRY_VERIFY(!itemDialog());
    QCOMPARE(list->rowCount(), 0);

    // Both added: tea at its price in this currency, rice (priced only in the
    // first one) without a price.
    m_ui.click(m_ui.named(QStringLiteral("itemRect"), rowOf(QStringLiteral("pageMyItems"), "tea")));
    m_ui.click(
            m_ui.named(QStringLiteral("itemRect"), rowOf(QStringLiteral("pageMyItems"), "rice")));
    QTRY_COMPARE(catalogue->selectedCount(), 2);
    QQuickItem *addSelected = m_ui.named(QStringLiteral("buttonAddSelected"));
    QTRY_COMPARE(addSelected->opacity(), 1.0);
    m_ui.click(addSelected);
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("pageList")), 1.0);
    QCOMPARE(list->rowCount(), 4);
    QCOMPARE(ptSceneDriver::roleText(list, rowOfName(list, QStringLiteral("tea")), "item_price"),
             QStringLiteral("3.90"));
    QCOMPARE(ptSceneDriver::roleText(list, rowOfName(list, QStringLiteral("rice")), "item_price"),
             QString());
    QTRY_COMPARE(m_ui.named(QStringLiteral("editSummaryText"))->property("text").toString(),
                 QStringLiteral("3.90 ") + sign() + QStringLiteral("<br>2 items"));
}

void tst_ui_edit::updateFromCart()
{
    createList(QStringLiteral("cart"));
    addItem(QStringLiteral("eggs"), QStringLiteral("Farm"), QStringLiteral("2"), QString());
    addItem(QStringLiteral("honey"), QStringLiteral("Farm"), QStringLiteral("5"), QString());

    openMenuEntry(m_ui.named(QStringLiteral("editHeader")), QStringLiteral("menuGoShopping"));
    QTRY_VERIFY(shopScreen());
    QTRY_COMPARE(barY(QStringLiteral("buttonCart")), 0.0);
    tickRow(QStringLiteral("eggs"));
    m_ui.click(m_ui.named(QStringLiteral("buttonCart")));
    ptListDataModel *list = m_ui.manager()->listDataModel();
    QTRY_VERIFY(!list->isDisplayList());
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("shopRows")), 1.0);
    QCOMPARE(list->rowCount(), 2);

    QQuickItem *row = rowOf(QStringLiteral("shopRows"), QStringLiteral("eggs"));
    m_ui.click(m_ui.named(QStringLiteral("itemEditButton"), row));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));
    QCOMPARE(itemDialog()->property("screenHeaderString").toString(),
             QStringLiteral("Update item"));
    QCOMPARE(m_ui.named(QStringLiteral("priceInput"))->property("text").toString(),
             QStringLiteral("2"));
    m_ui.typeInto(QStringLiteral("priceInput"), QStringLiteral("2.40"));
    m_ui.click(m_ui.named(QStringLiteral("newItemOk")));
    QTRY_VERIFY(!itemDialog());

    QCOMPARE(list->rowCount(), 2);
    QCOMPARE(ptSceneDriver::roleText(list, rowOfName(list, QStringLiteral("eggs")), "item_price"),
             QStringLiteral("2.40"));
    QCOMPARE(ptSceneDriver::roleText(list, rowOfName(list, QStringLiteral("eggs")), "item_status"),
             QStringLiteral("checked"));
    QTRY_COMPARE(m_ui.named(QStringLiteral("shopSummaryText"))->property("text").toString(),
                 QStringLiteral("2.40 ") + sign() + QStringLiteral("<br>1 item"));
}

// Closed menus, questions, pickers and the checkout window stay in the scene at
// opacity 0 above what is shown; none of them may take the taps meant for it.
void tst_ui_edit::hiddenLayersLetTapsThrough()
{
    ptListDataModel *list = m_ui.manager()->listDataModel();
    createList(QStringLiteral("layers"));
    addItem(QStringLiteral("soap"), QStringLiteral("Home"), QStringLiteral("2"), QString());

    // Editing screen: the menu layer and the question cover the whole screen.
    m_ui.click(m_ui.named(QStringLiteral("editHeader")));
    closeMenuOutside(QStringLiteral("editMenu"));
    QQuickItem *query = openQuery(m_ui.named(QStringLiteral("categoryDeleteButton"),
                                             rowOf(QStringLiteral("pageList"), "Home")));
    QVERIFY(query);
    m_ui.click(m_ui.button(QStringLiteral("Cancel"), query));
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("editQuery")), 0.0);
    QCOMPARE(list->rowCount(), 2);
    m_ui.click(m_ui.named(QStringLiteral("buttonNewItem")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));

    // Item dialog: both pickers lie over the form.
    m_ui.click(m_ui.named(QStringLiteral("categoryButton")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageCategories")));
    QCOMPARE(m_ui.opacity(QStringLiteral("pageNewItem")), 0.0);
    m_ui.click(m_ui.named(QStringLiteral("categoriesCancel")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));
    m_ui.click(m_ui.named(QStringLiteral("amountUnitButton")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageAmountUnits")));
    m_ui.click(m_ui.named(QStringLiteral("unitsCancel")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));
    QCOMPARE(m_ui.opacity(QStringLiteral("pageCategories")), 0.0);
    QCOMPARE(m_ui.opacity(QStringLiteral("pageAmountUnits")), 0.0);
    m_ui.typeInto(QStringLiteral("nameInput"), QStringLiteral("brush"));
    m_ui.click(m_ui.named(QStringLiteral("newItemOk")));
    QTRY_VERIFY(!itemDialog());
    QCOMPARE(list->rowCount(), 3);

    // Shopping screen: the menu layer and the checkout window cover it all.
    goShopping();
    m_ui.click(m_ui.named(QStringLiteral("shopHeader")));
    closeMenuOutside(QStringLiteral("shopMenu"));
    tickRow(QStringLiteral("soap"));
    tickRow(QStringLiteral("brush"));
    QQuickItem *checkout = nullptr;
    QTRY_VERIFY((checkout = m_ui.named(QStringLiteral("checkout"))));
    QTRY_COMPARE(checkout->property("winScale").toDouble(), 1.0);
    m_ui.click(m_ui.named(QStringLiteral("checkoutNo")));
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("checkout")), 0.0);
    m_ui.click(m_ui.named(QStringLiteral("buttonCart")));
    QTRY_VERIFY(!list->isDisplayList());
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("shopRows")), 1.0);
    tickRow(QStringLiteral("soap"));
    QCOMPARE(ptSceneDriver::roleText(list, rowOfName(list, QStringLiteral("brush")), "item_status"),
             QStringLiteral("checked"));
}

void tst_ui_edit::russianTexts()
{
    createList(QStringLiteral("ru"));
    addItem(QStringLiteral("milk"), QStringLiteral("Dairy"), QString(), QString());
    addItem(QStringLiteral("salt"), QString(), QStringLiteral("2"), QString());
    m_ui.manager()->setCurrentLanguage(1);

    QQuickItem *header = m_ui.named(QStringLiteral("editHeader"));
    QTRY_COMPARE(header->property("headerLabel3").toString(),
                 QStringLiteral("редактирование списка"));
    QVERIFY(m_ui.button(QStringLiteral("новый элемент")));
    QVERIFY(m_ui.button(QStringLiteral("мои элементы")));
    QCOMPARE(m_ui.named(QStringLiteral("editSummaryText"))->property("text").toString(),
             QStringLiteral("2.00 ") + sign() + QStringLiteral("<br>2 шт"));
    QQuickItem *row = rowOf(QStringLiteral("pageList"), QStringLiteral("Без категории"));
    QVERIFY(row);
    row = rowOf(QStringLiteral("pageList"), QStringLiteral("salt"));
    QCOMPARE(m_ui.named(QStringLiteral("itemPriceText"), row)->property("text").toString(),
             QStringLiteral("2 ") + sign() + QStringLiteral("/")
                     + m_ui.manager()->amountUnitsDataModel()->measureName(0));

    m_ui.click(header);
    QTRY_VERIFY(m_ui.named(QStringLiteral("menuSortByProduct")));
    const QStringList editMenu = {
            QStringLiteral("Сортировать по продуктам"), QStringLiteral("Сортировать по категориям"),
            QStringLiteral("Редактировать информацию списка"), QStringLiteral("В магазин")};
    const QStringList editEntries
            = {QStringLiteral("menuSortByProduct"), QStringLiteral("menuSortByCategory"),
               QStringLiteral("menuEditListInfo"), QStringLiteral("menuGoShopping")};
    for (int i = 0; i < editEntries.size(); ++i)
        QCOMPARE(m_ui.named(editEntries.at(i))->property("label").toString(), editMenu.at(i));
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("editMenu")), 1.0);
    QTest::mouseClick(m_ui.view(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 400));
    QTRY_VERIFY(!m_ui.named(QStringLiteral("editMenu")));

    // The item dialog.
    m_ui.click(m_ui.named(QStringLiteral("buttonNewItem")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));
    QQuickItem *dialog = itemDialog();
    QCOMPARE(dialog->property("screenHeaderString").toString(), QStringLiteral("Новый элемент"));
    const QStringList labels = {QStringLiteral("Название: "), QStringLiteral("Категория: "),
                                QStringLiteral("Цена: "), QStringLiteral("Количество: "),
                                QStringLiteral("Заметка: ")};
    for (const QString &label : labels) {
        QVERIFY2(!m_ui.findAll(
                              [&](QQuickItem *pItem) {
                                  return pItem->property("text").toString() == label
                                          && ptSceneDriver::isShown(pItem);
                              },
                              dialog)
                          .isEmpty(),
                 qPrintable(label));
    }
    QVERIFY(m_ui.button(QStringLiteral("Отмена"), dialog));
    QVERIFY(m_ui.button(QStringLiteral("Ok"), dialog));
    m_ui.click(m_ui.named(QStringLiteral("amountUnitButton")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageAmountUnits")));
    QVERIFY(!m_ui.findAll([](QQuickItem *pItem) {
                     return pItem->property("text").toString()
                             == QStringLiteral("Выберите единицу измерения")
                             && ptSceneDriver::isShown(pItem);
                 }).isEmpty());
    m_ui.click(m_ui.named(QStringLiteral("unitsCancel")));
    m_ui.click(m_ui.named(QStringLiteral("categoryButton")));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageCategories")));
    QVERIFY(!m_ui.findAll([](QQuickItem *pItem) {
                     return pItem->property("text").toString()
                             == QStringLiteral("Выберите категорию")
                             && ptSceneDriver::isShown(pItem);
                 }).isEmpty());
    m_ui.click(m_ui.named(QStringLiteral("categoriesCancel")));
    m_ui.click(m_ui.named(QStringLiteral("newItemCancel")));
    QTRY_VERIFY(!itemDialog());

    // The shopping screen and the checkout window.
    openMenuEntry(header, QStringLiteral("menuGoShopping"));
    QTRY_VERIFY(shopScreen());
    QTRY_COMPARE(barY(QStringLiteral("buttonCart")), 0.0);
    QQuickItem *shopHeader = m_ui.named(QStringLiteral("shopHeader"));
    QCOMPARE(shopHeader->property("headerLabel3").toString(), QStringLiteral("покупки - список"));
    QCOMPARE(m_ui.named(QStringLiteral("buttonList"))->property("buttonLabel").toString(),
             QStringLiteral("список"));
    QCOMPARE(m_ui.named(QStringLiteral("buttonCart"))->property("buttonLabel").toString(),
             QStringLiteral("корзина"));
    row = rowOf(QStringLiteral("shopRows"), QStringLiteral("salt"));
    QCOMPARE(m_ui.named(QStringLiteral("itemPriceText"), row)->property("text").toString(),
             QStringLiteral("2 ") + sign() + QStringLiteral("/")
                     + m_ui.manager()->amountUnitsDataModel()->measureName(0));
    QVERIFY(rowOf(QStringLiteral("shopRows"), QStringLiteral("Без категории")));

    m_ui.click(shopHeader);
    QTRY_VERIFY(m_ui.named(QStringLiteral("menuEditList")));
    QCOMPARE(m_ui.named(QStringLiteral("menuSortByProduct"))->property("label").toString(),
             QStringLiteral("Сортировать по продуктам"));
    QCOMPARE(m_ui.named(QStringLiteral("menuSortByCategory"))->property("label").toString(),
             QStringLiteral("Сортировать по категориям"));
    QCOMPARE(m_ui.named(QStringLiteral("menuEditList"))->property("label").toString(),
             QStringLiteral("Редактировать список"));
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("shopMenu")), 1.0);
    QTest::mouseClick(m_ui.view(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 400));
    QTRY_VERIFY(!m_ui.named(QStringLiteral("shopMenu")));

    m_ui.click(m_ui.named(QStringLiteral("itemEditButton"), row));
    QTRY_VERIFY(m_ui.named(QStringLiteral("pageNewItem")));
    QCOMPARE(itemDialog()->property("screenHeaderString").toString(),
             QStringLiteral("Обновление элемента"));
    QCOMPARE(itemDialog()->property("itemCategoryString").toString(),
             QStringLiteral("Без категории"));
    m_ui.click(m_ui.named(QStringLiteral("newItemCancel")));
    QTRY_VERIFY(!itemDialog());

    // Back to editing: the screen is made anew, so its fixed questions are in Russian.
    openMenuEntry(shopHeader, QStringLiteral("menuEditList"));
    QTRY_VERIFY(editScreen());
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("pageList")), 1.0);
    QTRY_COMPARE(editFooterY(), 0.0);
    header = m_ui.named(QStringLiteral("editHeader"));

    // The category question.
    m_ui.click(m_ui.named(QStringLiteral("categoryDeleteButton"),
                          rowOf(QStringLiteral("pageList"), QStringLiteral("Без категории"))));
    QQuickItem *query = nullptr;
    QTRY_VERIFY((query = m_ui.named(QStringLiteral("editQuery"))));
    QCOMPARE(query->property("queryString").toString(),
             QStringLiteral("Все элементы выбранной категории \"Без категории\" будут удалены. "
                            "Продолжить?"));
    QTRY_COMPARE(query->property("winScale").toDouble(), 1.0);
    QVERIFY(m_ui.text(QStringLiteral("Предупреждение"), query));
    m_ui.click(m_ui.button(QStringLiteral("Отмена"), query));
    QTRY_VERIFY(!m_ui.named(QStringLiteral("editQuery")));
    query = openQuery(m_ui.named(QStringLiteral("categoryDeleteButton"),
                                 rowOf(QStringLiteral("pageList"), QStringLiteral("Dairy"))));
    QVERIFY(query);
    QCOMPARE(query->property("queryString").toString(),
             QStringLiteral("Категория \"Dairy\" будет удалена. "
                            "Хотите также удалить все ее элементы?"));
    QVERIFY(m_ui.button(QStringLiteral("Нет"), query));
    QVERIFY(m_ui.button(QStringLiteral("Да"), query));
    m_ui.click(m_ui.button(QStringLiteral("Отмена"), query));
    QTRY_VERIFY(!m_ui.named(QStringLiteral("editQuery")));

    // My Items page and its question.
    m_ui.click(m_ui.named(QStringLiteral("buttonMyItems")));
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("pageMyItems")), 1.0);
    QCOMPARE(header->property("headerLabel3").toString(), QStringLiteral("мои элементы"));
    QTRY_VERIFY(m_ui.button(QStringLiteral("отмена")));
    QVERIFY(m_ui.button(QStringLiteral("добавить выделенные")));
    row = rowOf(QStringLiteral("pageMyItems"), QStringLiteral("salt"));
    m_ui.click(m_ui.named(QStringLiteral("itemDeleteButton"), row));
    QTRY_VERIFY((query = m_ui.named(QStringLiteral("editQuery"))));
    QCOMPARE(query->property("queryString").toString(),
             QStringLiteral("Item \"salt\" будет удален. Продолжить?"));
    m_ui.click(m_ui.button(QStringLiteral("Отмена"), query));
    QTRY_VERIFY(!m_ui.named(QStringLiteral("editQuery")));
    m_ui.click(m_ui.button(QStringLiteral("отмена")));
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("pageList")), 1.0);
    header = m_ui.named(QStringLiteral("editHeader"));

    openMenuEntry(header, QStringLiteral("menuGoShopping"));
    QTRY_VERIFY(shopScreen());
    QTRY_COMPARE(barY(QStringLiteral("buttonCart")), 0.0);
    QTRY_COMPARE(m_ui.named(QStringLiteral("shopSummaryText"))->property("text").toString(),
                 QStringLiteral("2.00 ") + sign() + QStringLiteral("<br>2 шт"));
    tickRow(QStringLiteral("milk"));
    tickRow(QStringLiteral("salt"));
    QTRY_VERIFY(m_ui.named(QStringLiteral("checkout")));
    QCOMPARE(m_ui.named(QStringLiteral("checkoutSummary"))->property("text").toString(),
             QStringLiteral("Количество элементов: 2<br>Общая сумма: 2.00 ") + sign());
    QCOMPARE(m_ui.named(QStringLiteral("checkoutQuestion"))->property("text").toString(),
             QStringLiteral("Список пуст. Хотите удалить его?"));
    QVERIFY(m_ui.button(QStringLiteral("Нет")));
    QVERIFY(m_ui.button(QStringLiteral("Да")));
    QTRY_COMPARE(shopScreen()->property("state").toString(), QStringLiteral("checkout"));
    QVERIFY(!m_ui.findAll([](QQuickItem *pItem) {
                     return pItem->property("text").toString() == QStringLiteral("Касса")
                             && ptSceneDriver::isShown(pItem);
                 }).isEmpty());

    QTRY_COMPARE(m_ui.named(QStringLiteral("checkout"))->property("winScale").toDouble(), 1.0);
    m_ui.click(m_ui.button(QStringLiteral("Нет")));
    QTRY_COMPARE(m_ui.opacity(QStringLiteral("checkout")), 0.0);
    m_ui.click(m_ui.named(QStringLiteral("buttonCart")));
    QTRY_COMPARE(m_ui.named(QStringLiteral("shopHeader"))->property("headerLabel3").toString(),
                 QStringLiteral("покупки - корзина"));
}

QTEST_MAIN(tst_ui_edit)

#include "tst_ui_edit.moc"
