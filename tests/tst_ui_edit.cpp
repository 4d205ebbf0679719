#include <QtTest>

#include <QFile>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include "ptApplicationManager.h"
#include "ptStartup.h"

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
    void updateFromCart();
    void russianTexts();

private:
    using Predicate = std::function<bool(QQuickItem *)>;

    void startApp();
    QQuickItem *root() const { return m_view->rootObject(); }
    static bool isShown(QQuickItem *pItem);
    QList<QQuickItem *> findAll(const Predicate &pPredicate, QQuickItem *pFrom = nullptr) const;
    QQuickItem *named(const QString &pName, QQuickItem *pFrom = nullptr) const;
    QQuickItem *button(const QString &pLabel, QQuickItem *pFrom = nullptr) const;
    QQuickItem *editScreen() const;
    QQuickItem *shopScreen() const;
    QQuickItem *itemDialog() const;
    qreal editFooterY() const;
    QQuickItem *rowOf(const QString &pPage, const QString &pText) const;
    void click(QQuickItem *pItem);
    void typeText(const QString &pText);
    void typeInto(const QString &pInputName, const QString &pText);
    void createList(const QString &pName);
    void addItem(const QString &pName, const QString &pCategory, const QString &pPrice,
                 const QString &pAmount);
    void openMenuEntry(QQuickItem *pHeader, const QString &pEntry);
    void tickRow(const QString &pName);
    QString roleText(QAbstractItemModel *pModel, int pRow, const QByteArray &pRole) const;
    int rowOfName(QAbstractItemModel *pModel, const QString &pName) const;
    QString sign() const;
    int unitIndex(const QString &pName) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ptApplicationManager> m_manager;
    std::unique_ptr<QQuickView> m_view;
};

void tst_ui_edit::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("XDG_DATA_HOME", m_dir->path().toUtf8());

    // Until the list model answers its roles there is nothing to drive.
    if (ptListDataModel().roleNames().isEmpty())
        QSKIP("the list model is still a placeholder");
    startApp();
}

void tst_ui_edit::cleanup()
{
    if (m_manager)
        m_manager->setView(nullptr);
    m_view.reset();
    m_manager.reset();
    m_dir.reset();
}

void tst_ui_edit::startApp()
{
    m_manager = std::make_unique<ptApplicationManager>();
    QVERIFY(m_manager->initialize());
    m_manager->setCurrentLanguage(0); // the person has chosen English
    m_view = std::make_unique<QQuickView>();
    m_manager->setView(m_view.get());

    ptStartup::publishModels(m_view->rootContext(), m_manager.get());

    m_view->setSource(QUrl(QStringLiteral("qrc:/qml/qml/main.qml")));
    m_view->setResizeMode(QQuickView::SizeRootObjectToView);
    m_view->resize(800, 480);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    QVERIFY(root());
    QTRY_VERIFY(button(QStringLiteral("new list")));
}

bool tst_ui_edit::isShown(QQuickItem *pItem)
{
    for (QQuickItem *item = pItem; item; item = item->parentItem()) {
        if (!item->isVisible() || item->opacity() <= 0.0)
            return false;
    }
    return true;
}

QList<QQuickItem *> tst_ui_edit::findAll(const Predicate &pPredicate, QQuickItem *pFrom) const
{
    QList<QQuickItem *> found;
    QList<QQuickItem *> pending {pFrom ? pFrom : root()};
    while (!pending.isEmpty()) {
        QQuickItem *item = pending.takeFirst();
        if (pPredicate(item))
            found.append(item);
        pending.append(item->childItems());
    }
    return found;
}

QQuickItem *tst_ui_edit::named(const QString &pName, QQuickItem *pFrom) const
{
    const QList<QQuickItem *> found = findAll(
            [&](QQuickItem *pItem) { return pItem->objectName() == pName && isShown(pItem); },
            pFrom);
    return found.isEmpty() ? nullptr : found.first();
}

QQuickItem *tst_ui_edit::button(const QString &pLabel, QQuickItem *pFrom) const
{
    const QList<QQuickItem *> found = findAll(
            [&](QQuickItem *pItem) {
                const QVariant label = pItem->property("buttonLabel");
                return label.isValid() && label.toString() == pLabel && isShown(pItem);
            },
            pFrom);
    return found.isEmpty() ? nullptr : found.last();
}

QQuickItem *tst_ui_edit::editScreen() const
{
    QQuickItem *page = named(QStringLiteral("pageEdit"));
    return page ? qvariant_cast<QQuickItem *>(page->property("item")) : nullptr;
}

QQuickItem *tst_ui_edit::shopScreen() const
{
    QQuickItem *page = named(QStringLiteral("pageShop"));
    return page ? qvariant_cast<QQuickItem *>(page->property("item")) : nullptr;
}

QQuickItem *tst_ui_edit::itemDialog() const
{
    QQuickItem *form = named(QStringLiteral("pageNewItem"));
    if (!form)
        form = named(QStringLiteral("pageCategories"));
    if (!form)
        form = named(QStringLiteral("pageAmountUnits"));
    return form ? form->parentItem() : nullptr;
}

// Where the editing screen's button bar is; -1 while the screen is not shown.
qreal tst_ui_edit::editFooterY() const
{
    QQuickItem *newItem = named(QStringLiteral("buttonNewItem"));
    return newItem ? newItem->parentItem()->y() : -1;
}

// The delegate on the named page whose name or category text is pText.
QQuickItem *tst_ui_edit::rowOf(const QString &pPage, const QString &pText) const
{
    QQuickItem *page = named(pPage);
    if (!page)
        return nullptr;
    const QList<QQuickItem *> texts = findAll(
            [&](QQuickItem *pItem) {
                return (pItem->objectName() == QLatin1String("itemNameText")
                        || pItem->objectName() == QLatin1String("categoryText"))
                        && pItem->property("text").toString() == pText && isShown(pItem);
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

void tst_ui_edit::click(QQuickItem *pItem)
{
    QVERIFY(pItem);
    QVERIFY(isShown(pItem));
    const QPointF centre = pItem->mapToScene(QPointF(pItem->width() / 2, pItem->height() / 2));
    QTest::mouseClick(m_view.get(), Qt::LeftButton, Qt::NoModifier, centre.toPoint());
}

void tst_ui_edit::typeText(const QString &pText)
{
    for (const QChar ch : pText)
        QTest::keyClick(m_view.get(), ch.toLatin1());
}

void tst_ui_edit::typeInto(const QString &pInputName, const QString &pText)
{
    QQuickItem *input = named(pInputName);
    QVERIFY2(input, qPrintable(pInputName));
    click(input);
    QTRY_VERIFY(input->hasActiveFocus());
    QTest::keyClick(m_view.get(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(m_view.get(), Qt::Key_Backspace);
    typeText(pText);
}

void tst_ui_edit::createList(const QString &pName)
{
    click(button(QStringLiteral("new list")));
    QQuickItem *sheet = nullptr;
    QTRY_VERIFY((sheet = findAll([](QQuickItem *pItem) {
                             return pItem->property("listNameString").isValid() && isShown(pItem);
                         }).value(0)));
    const QList<QQuickItem *> inputs = findAll(
            [](QQuickItem *pItem) { return pItem->inherits("QQuickTextInput") && isShown(pItem); },
            sheet);
    QVERIFY(!inputs.isEmpty());
    click(inputs.first());
    typeText(pName);
    QCOMPARE(sheet->property("listNameString").toString(), pName);
    click(button(QStringLiteral("Ok"), sheet));

    QTRY_VERIFY(editScreen());
    QTRY_COMPARE(named(QStringLiteral("pageList"))->opacity(), 1.0);
    QTRY_COMPARE(editFooterY(), 0.0);
}

void tst_ui_edit::addItem(const QString &pName, const QString &pCategory, const QString &pPrice,
                          const QString &pAmount)
{
    click(named(QStringLiteral("buttonNewItem")));
    QTRY_VERIFY(named(QStringLiteral("pageNewItem")));
    typeInto(QStringLiteral("nameInput"), pName);
    typeInto(QStringLiteral("categoryInput"), pCategory);
    typeInto(QStringLiteral("priceInput"), pPrice);
    typeInto(QStringLiteral("amountInput"), pAmount);
    click(named(QStringLiteral("newItemOk")));
    QTRY_VERIFY(!itemDialog());
}

void tst_ui_edit::openMenuEntry(QQuickItem *pHeader, const QString &pEntry)
{
    QVERIFY(pHeader);
    click(pHeader); // the centre of the header is its menu zone
    QQuickItem *entry = nullptr;
    QTRY_VERIFY((entry = named(pEntry)));
    QTRY_COMPARE(entry->parentItem()->parentItem()->y(), 0.0);
    QTRY_COMPARE(entry->parentItem()->parentItem()->parentItem()->parentItem()->opacity(), 1.0);
    click(entry);
}

void tst_ui_edit::tickRow(const QString &pName)
{
    const int rows = m_manager->listDataModel()->rowCount();
    QQuickItem *row = rowOf(QStringLiteral("shopRows"), pName);
    QVERIFY2(row, qPrintable(pName));
    click(row);
    QTRY_VERIFY(m_manager->listDataModel()->rowCount() < rows);
}

QString tst_ui_edit::roleText(QAbstractItemModel *pModel, int pRow, const QByteArray &pRole) const
{
    return pModel->data(pModel->index(pRow, 0), pModel->roleNames().key(pRole)).toString();
}

int tst_ui_edit::rowOfName(QAbstractItemModel *pModel, const QString &pName) const
{
    for (int row = 0; row < pModel->rowCount(); ++row) {
        if (roleText(pModel, row, "item_name") == pName)
            return row;
    }
    return -1;
}

QString tst_ui_edit::sign() const
{
    return m_manager->currencyUnitsDataModel()->currencySign(
            m_manager->listDataModel()->listCurrency());
}

int tst_ui_edit::unitIndex(const QString &pName) const
{
    ptMeasureUnitsDataModel *units = m_manager->amountUnitsDataModel();
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

    ptListDataModel *list = m_manager->listDataModel();
    QCOMPARE(list->rowCount(), 5); // two headers, three items
    QTRY_COMPARE(named(QStringLiteral("editSummaryText"))->property("text").toString(),
                 QStringLiteral("6.40 ") + sign() + QStringLiteral("<br>3 items"));

    openMenuEntry(named(QStringLiteral("editHeader")), QStringLiteral("menuGoShopping"));
    QTRY_VERIFY(shopScreen());
    QVERIFY(!editScreen());
    QTRY_COMPARE(named(QStringLiteral("buttonCart"))->parentItem()->y(), 0.0);
    QCOMPARE(named(QStringLiteral("shopHeader"))->property("headerLabel3").toString(),
             QStringLiteral("shopping - list"));

    tickRow(QStringLiteral("milk"));
    tickRow(QStringLiteral("bread"));
    QVERIFY(!named(QStringLiteral("checkout")));
    tickRow(QStringLiteral("cheese"));

    QQuickItem *checkout = nullptr;
    QTRY_VERIFY((checkout = named(QStringLiteral("checkout"))));
    QTRY_COMPARE(checkout->property("winScale").toDouble(), 1.0);
    QCOMPARE(named(QStringLiteral("checkoutSummary"))->property("text").toString(),
             QStringLiteral("Number of items: 3<br>Total sum: 6.40 ") + sign());

    click(named(QStringLiteral("checkoutNo")));
    QTRY_VERIFY(!named(QStringLiteral("checkout")));
    QVERIFY(shopScreen());
    QVERIFY(list->isDisplayList());
    QCOMPARE(list->rowCount(), 0);

    // The shown view's button is disabled.
    click(named(QStringLiteral("buttonList")));
    QTest::qWait(300);
    QVERIFY(list->isDisplayList());

    click(named(QStringLiteral("buttonCart")));
    QTRY_VERIFY(!list->isDisplayList());
    QTRY_COMPARE(named(QStringLiteral("shopRows"))->opacity(), 1.0);
    QCOMPARE(list->rowCount(), 5);
    QCOMPARE(named(QStringLiteral("shopHeader"))->property("headerLabel3").toString(),
             QStringLiteral("shopping - cart"));
    QTRY_COMPARE(named(QStringLiteral("shopSummaryText"))->property("text").toString(),
                 QStringLiteral("6.40 ") + sign() + QStringLiteral("<br>3 items"));

    click(named(QStringLiteral("buttonList")));
    QTRY_VERIFY(list->isDisplayList());
    QTRY_COMPARE(named(QStringLiteral("shopRows"))->opacity(), 1.0);
    QCOMPARE(list->rowCount(), 0);

    click(named(QStringLiteral("buttonCart")));
    QTRY_VERIFY(!list->isDisplayList());
    QTRY_COMPARE(named(QStringLiteral("shopRows"))->opacity(), 1.0);
    tickRow(QStringLiteral("bread")); // back to the list; no checkout in the cart view
    QVERIFY(!named(QStringLiteral("checkout")));

    click(named(QStringLiteral("buttonList")));
    QTRY_VERIFY(list->isDisplayList());
    QTRY_COMPARE(named(QStringLiteral("shopRows"))->opacity(), 1.0);
    QCOMPARE(list->rowCount(), 2);
    tickRow(QStringLiteral("bread"));

    QTRY_VERIFY((checkout = named(QStringLiteral("checkout"))));
    QTRY_COMPARE(checkout->property("winScale").toDouble(), 1.0);
    QVERIFY(QFile::exists(ptApplicationManager::listDocumentPath()));
    click(named(QStringLiteral("checkoutYes")));

    QTRY_COMPARE(root()->property("state").toString(), QString());
    QVERIFY(!QFile::exists(ptApplicationManager::listDocumentPath()));
    QCOMPARE(m_manager->listsDataModel()->rowCount(), 0);
    QTRY_VERIFY(button(QStringLiteral("new list")));
}

void tst_ui_edit::backWritesDocument()
{
    createList(QStringLiteral("party"));
    addItem(QStringLiteral("cola"), QStringLiteral("Drinks"), QStringLiteral("1.50"),
            QStringLiteral("2"));
    addItem(QStringLiteral("chips"), QString(), QStringLiteral("2"), QString());

    QQuickItem *header = named(QStringLiteral("editHeader"));
    const QPointF back = header->mapToScene(QPointF(header->width() - 35, 40));
    QTest::mouseClick(m_view.get(), Qt::LeftButton, Qt::NoModifier, back.toPoint());

    QTRY_COMPARE(root()->property("state").toString(), QString());
    QTRY_VERIFY(!editScreen());
    ptListsDataModel *lists = m_manager->listsDataModel();
    QCOMPARE(lists->rowCount(), 1);
    QCOMPARE(roleText(lists, 0, "list_name"), QStringLiteral("party"));
    QCOMPARE(roleText(lists, 0, "items_list"), QStringLiteral("2"));
    QCOMPARE(roleText(lists, 0, "price_list"), QStringLiteral("5.00"));

    // The document on disk holds both items: opening it for shopping shows them.
    QVERIFY(m_manager->loadList(0));
    m_manager->listDataModel()->updateCountPrice();
    QCOMPARE(m_manager->listDataModel()->numberOfItems(), 2);
}

void tst_ui_edit::itemDialogFields()
{
    createList(QStringLiteral("dialog"));
    click(named(QStringLiteral("buttonNewItem")));
    QTRY_VERIFY(named(QStringLiteral("pageNewItem")));
    QQuickItem *dialog = itemDialog();
    QCOMPARE(dialog->property("screenHeaderString").toString(), QStringLiteral("New item"));

    // An empty name keeps Ok disabled.
    QQuickItem *ok = named(QStringLiteral("newItemOk"));
    QCOMPARE(ok->opacity(), 0.5);
    click(ok);
    QTest::qWait(100);
    QVERIFY(itemDialog());
    typeInto(QStringLiteral("nameInput"), QStringLiteral("a"));
    QCOMPARE(ok->opacity(), 1.0);

    // Validators and the numeric keyboard hint.
    QQuickItem *price = named(QStringLiteral("priceInput"));
    QQuickItem *amount = named(QStringLiteral("amountInput"));
    QCOMPARE(price->property("inputMethodHints").toInt(), int(Qt::ImhFormattedNumbersOnly));
    QCOMPARE(amount->property("inputMethodHints").toInt(), int(Qt::ImhFormattedNumbersOnly));
    typeInto(QStringLiteral("priceInput"), QStringLiteral("12.505"));
    QCOMPARE(price->property("text").toString(), QStringLiteral("12.50"));
    typeInto(QStringLiteral("priceInput"), QStringLiteral("-3"));
    QCOMPARE(price->property("text").toString(), QStringLiteral("3"));
    typeInto(QStringLiteral("priceInput"), QStringLiteral("ab"));
    QCOMPARE(price->property("text").toString(), QString());
    typeInto(QStringLiteral("priceInput"), QStringLiteral("12.5"));
    QCOMPARE(price->property("text").toString(), QStringLiteral("12.5"));
    typeInto(QStringLiteral("amountInput"), QStringLiteral("0.1255"));
    QCOMPARE(amount->property("text").toString(), QStringLiteral("0.125"));

    click(named(QStringLiteral("newItemOk")));
    QTRY_VERIFY(!itemDialog());
    ptListDataModel *list = m_manager->listDataModel();
    const int row = rowOfName(list, QStringLiteral("a"));
    QVERIFY(row >= 0);
    QCOMPARE(roleText(list, row, "item_price"), QStringLiteral("12.5"));
    QCOMPARE(roleText(list, row, "item_amount"), QStringLiteral("0.125"));

    // Tapping the dimmed area cancels.
    click(named(QStringLiteral("buttonNewItem")));
    QTRY_VERIFY(named(QStringLiteral("pageNewItem")));
    QTest::mouseClick(m_view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(400, 10));
    QTRY_VERIFY(!itemDialog());
    QCOMPARE(list->rowCount(), 2);
}

void tst_ui_edit::itemDialogPickers()
{
    createList(QStringLiteral("pickers"));
    click(named(QStringLiteral("buttonNewItem")));
    QTRY_VERIFY(named(QStringLiteral("pageNewItem")));

    // An empty catalogue: no category rows, Ok gives an empty category.
    typeInto(QStringLiteral("categoryInput"), QStringLiteral("x"));
    click(named(QStringLiteral("categoryButton")));
    QTRY_VERIFY(named(QStringLiteral("pageCategories")));
    QVERIFY(!named(QStringLiteral("pageNewItem")));
    QCOMPARE(named(QStringLiteral("categoriesList"))->property("count").toInt(), 0);
    click(named(QStringLiteral("categoriesOk")));
    QTRY_VERIFY(named(QStringLiteral("pageNewItem")));
    QCOMPARE(named(QStringLiteral("categoryInput"))->property("text").toString(), QString());

    // Choosing kg changes both unit labels; the highlight is kept between openings.
    const int kg = unitIndex(QStringLiteral("kg"));
    QVERIFY(kg > 0);
    click(named(QStringLiteral("amountUnitButton")));
    QTRY_VERIFY(named(QStringLiteral("pageAmountUnits")));
    QQuickItem *units = named(QStringLiteral("unitsList"));
    QCOMPARE(units->property("currentIndex").toInt(), 0);
    QMetaObject::invokeMethod(units, "positionViewAtIndex", Q_ARG(int, kg), Q_ARG(int, 0));
    QQuickItem *kgRow = nullptr;
    QTRY_VERIFY((kgRow = findAll([](QQuickItem *pItem) {
                             return pItem->property("measure_name").toString() == "kg"
                                     && isShown(pItem);
                         }).value(0)));
    click(kgRow);
    QTRY_COMPARE(units->property("currentIndex").toInt(), kg);
    click(named(QStringLiteral("unitsOk")));
    QTRY_VERIFY(named(QStringLiteral("pageNewItem")));
    QCOMPARE(named(QStringLiteral("amountUnitLabel"))->property("text").toString(),
             QStringLiteral("kg"));
    QCOMPARE(named(QStringLiteral("priceUnitLabel"))->property("text").toString(),
             sign() + QStringLiteral("/kg"));
    click(named(QStringLiteral("amountUnitButton")));
    QTRY_VERIFY(named(QStringLiteral("pageAmountUnits")));
    QCOMPARE(named(QStringLiteral("unitsList"))->property("currentIndex").toInt(), kg);
    click(named(QStringLiteral("unitsCancel")));
    QTRY_VERIFY(named(QStringLiteral("pageNewItem")));

    typeInto(QStringLiteral("nameInput"), QStringLiteral("flour"));
    typeInto(QStringLiteral("categoryInput"), QStringLiteral("Baking"));
    click(named(QStringLiteral("newItemOk")));
    QTRY_VERIFY(!itemDialog());

    // Editing an item of unit kg: both pickers still start on their first row.
    QQuickItem *row = rowOf(QStringLiteral("pageList"), QStringLiteral("flour"));
    QVERIFY(row);
    click(named(QStringLiteral("itemEditButton"), row));
    QTRY_VERIFY(named(QStringLiteral("pageNewItem")));
    QCOMPARE(itemDialog()->property("screenHeaderString").toString(),
             QStringLiteral("Update item"));
    QCOMPARE(itemDialog()->property("itemAmountUnitIndex").toInt(), kg);
    click(named(QStringLiteral("amountUnitButton")));
    QTRY_VERIFY(named(QStringLiteral("pageAmountUnits")));
    QCOMPARE(named(QStringLiteral("unitsList"))->property("currentIndex").toInt(), 0);
    click(named(QStringLiteral("unitsCancel")));
    QTRY_VERIFY(named(QStringLiteral("pageNewItem")));
    click(named(QStringLiteral("categoryButton")));
    QTRY_VERIFY(named(QStringLiteral("pageCategories")));
    QCOMPARE(named(QStringLiteral("categoriesList"))->property("count").toInt(), 1);
    QCOMPARE(named(QStringLiteral("categoriesList"))->property("currentIndex").toInt(), 0);
    click(named(QStringLiteral("categoriesCancel")));
    QTRY_VERIFY(named(QStringLiteral("pageNewItem")));
    QCOMPARE(named(QStringLiteral("categoryInput"))->property("text").toString(),
             QStringLiteral("Baking"));
}

void tst_ui_edit::rememberedCategory()
{
    createList(QStringLiteral("remember"));
    addItem(QStringLiteral("milk"), QStringLiteral("Dairy"), QString(), QString());

    click(named(QStringLiteral("buttonNewItem")));
    QTRY_VERIFY(named(QStringLiteral("pageNewItem")));
    QCOMPARE(named(QStringLiteral("categoryInput"))->property("text").toString(),
             QStringLiteral("Dairy"));
    QCOMPARE(named(QStringLiteral("nameInput"))->property("text").toString(), QString());
    click(named(QStringLiteral("newItemCancel")));
    QTRY_VERIFY(!itemDialog());

    openMenuEntry(named(QStringLiteral("editHeader")), QStringLiteral("menuGoShopping"));
    QTRY_VERIFY(shopScreen());
    QTRY_COMPARE(shopScreen()->opacity(), 1.0);
    openMenuEntry(named(QStringLiteral("shopHeader")), QStringLiteral("menuEditList"));
    QTRY_VERIFY(editScreen());
    QTRY_COMPARE(editFooterY(), 0.0);

    click(named(QStringLiteral("buttonNewItem")));
    QTRY_VERIFY(named(QStringLiteral("pageNewItem")));
    QCOMPARE(named(QStringLiteral("categoryInput"))->property("text").toString(), QString());
}

void tst_ui_edit::categoryDeleteQuestions()
{
    createList(QStringLiteral("categories"));
    addItem(QStringLiteral("milk"), QStringLiteral("Dairy"), QString(), QString());
    addItem(QStringLiteral("cheese"), QStringLiteral("Dairy"), QString(), QString());
    addItem(QStringLiteral("salt"), QString(), QString(), QString());
    ptListDataModel *list = m_manager->listDataModel();
    QCOMPARE(list->rowCount(), 5);

    // A named category, answered No: its items stay, uncategorised.
    QQuickItem *header = rowOf(QStringLiteral("pageList"), QStringLiteral("Dairy"));
    QVERIFY(header);
    click(named(QStringLiteral("categoryDeleteButton"), header));
    QQuickItem *query = nullptr;
    QTRY_VERIFY((query = named(QStringLiteral("editQuery"))));
    QCOMPARE(query->property("queryString").toString(),
             QStringLiteral("Category \"Dairy\" will be deleted. Do you want to delete all its "
                            "items?"));
    QCOMPARE(query->property("buttonNoOpacity").toDouble(), 1.0);
    QTRY_COMPARE(query->property("winScale").toDouble(), 1.0);
    click(button(QStringLiteral("No"), query));
    QTRY_VERIFY(!named(QStringLiteral("editQuery")));
    QCOMPARE(list->rowCount(), 4);
    QVERIFY(!rowOf(QStringLiteral("pageList"), QStringLiteral("Dairy")));
    QVERIFY(rowOf(QStringLiteral("pageList"), QStringLiteral("Uncategorised")));
    QVERIFY(rowOfName(list, QStringLiteral("milk")) >= 0);
    QVERIFY(rowOfName(list, QStringLiteral("cheese")) >= 0);

    // The uncategorised group: only Cancel and Yes.
    header = rowOf(QStringLiteral("pageList"), QStringLiteral("Uncategorised"));
    click(named(QStringLiteral("categoryDeleteButton"), header));
    QTRY_VERIFY((query = named(QStringLiteral("editQuery"))));
    QCOMPARE(query->property("queryString").toString(),
             QStringLiteral("All items of selected category \"Uncategorised\" will be deleted. "
                            "Continue?"));
    QCOMPARE(query->property("buttonNoOpacity").toDouble(), 0.0);
    QVERIFY(!button(QStringLiteral("No"), query));
    QTRY_COMPARE(query->property("winScale").toDouble(), 1.0);

    click(button(QStringLiteral("Cancel"), query));
    QTRY_VERIFY(!named(QStringLiteral("editQuery")));
    QCOMPARE(list->rowCount(), 4);

    click(named(QStringLiteral("categoryDeleteButton"), header));
    QTRY_VERIFY((query = named(QStringLiteral("editQuery"))));
    QTRY_COMPARE(query->property("winScale").toDouble(), 1.0);
    click(button(QStringLiteral("Yes"), query));
    QTRY_COMPARE(list->rowCount(), 0);
    QTRY_COMPARE(named(QStringLiteral("editSummaryText"))->property("text").toString(),
                 QStringLiteral("0.00 ") + sign() + QStringLiteral("<br>0 items"));
}

void tst_ui_edit::myItemsPage()
{
    createList(QStringLiteral("catalogue"));
    addItem(QStringLiteral("tea"), QStringLiteral("Drinks"), QStringLiteral("4.25"), QString());
    addItem(QStringLiteral("jam"), QStringLiteral("Sweet"), QStringLiteral("2.75"), QString());
    addItem(QStringLiteral("rice"), QStringLiteral("Grain"), QStringLiteral("1"), QString());

    // Empty the list through the rows' delete buttons.
    ptListDataModel *list = m_manager->listDataModel();
    for (const QString &name :
         {QStringLiteral("tea"), QStringLiteral("jam"), QStringLiteral("rice")}) {
        QQuickItem *row = rowOf(QStringLiteral("pageList"), name);
        QVERIFY(row);
        const int rows = list->rowCount();
        click(named(QStringLiteral("itemDeleteButton"), row));
        QTRY_VERIFY(list->rowCount() < rows);
    }
    QCOMPARE(list->rowCount(), 0);

    ptCategoriesDataModel *catalogue = m_manager->categoriesDataModel();
    QTRY_COMPARE(catalogue->rowCount(), 6);
    click(named(QStringLiteral("buttonMyItems")));
    QTRY_COMPARE(named(QStringLiteral("pageMyItems"))->opacity(), 1.0);
    QCOMPARE(named(QStringLiteral("editHeader"))->property("headerLabel3").toString(),
             QStringLiteral("my items"));
    for (int row = 0; row < catalogue->rowCount(); ++row) {
        if (roleText(catalogue, row, "item_type") == QLatin1String("item"))
            QCOMPARE(roleText(catalogue, row, "item_status"), QStringLiteral("unchecked"));
    }
    QCOMPARE(catalogue->selectedCount(), 0);

    QQuickItem *addSelected = nullptr;
    QTRY_VERIFY((addSelected = named(QStringLiteral("buttonAddSelected"))));
    QTRY_COMPARE(addSelected->parentItem()->y(), 0.0);
    QCOMPARE(addSelected->opacity(), 0.5);
    click(addSelected);
    QTest::qWait(100);
    QCOMPARE(named(QStringLiteral("pageMyItems"))->opacity(), 1.0);
    QCOMPARE(list->rowCount(), 0);

    click(named(QStringLiteral("itemRect"), rowOf(QStringLiteral("pageMyItems"), "tea")));
    click(named(QStringLiteral("itemRect"), rowOf(QStringLiteral("pageMyItems"), "rice")));
    QTRY_COMPARE(catalogue->selectedCount(), 2);
    QCOMPARE(named(QStringLiteral("itemRect"), rowOf(QStringLiteral("pageMyItems"), "tea"))
                     ->property("color")
                     .value<QColor>(),
             QColor(QStringLiteral("#606060")));
    QTRY_COMPARE(addSelected->opacity(), 1.0);
    click(addSelected);

    QTRY_COMPARE(named(QStringLiteral("pageList"))->opacity(), 1.0);
    QCOMPARE(catalogue->selectedCount(), 0);
    QCOMPARE(list->rowCount(), 4);
    QCOMPARE(roleText(list, rowOfName(list, QStringLiteral("tea")), "item_price"),
             QStringLiteral("4.25"));
    QCOMPARE(roleText(list, rowOfName(list, QStringLiteral("rice")), "item_price"),
             QStringLiteral("1"));
    QCOMPARE(rowOfName(list, QStringLiteral("jam")), -1);
    QTRY_COMPARE(named(QStringLiteral("editSummaryText"))->property("text").toString(),
                 QStringLiteral("5.25 ") + sign() + QStringLiteral("<br>2 items"));
}

void tst_ui_edit::updateFromCart()
{
    createList(QStringLiteral("cart"));
    addItem(QStringLiteral("eggs"), QStringLiteral("Farm"), QStringLiteral("2"), QString());
    addItem(QStringLiteral("honey"), QStringLiteral("Farm"), QStringLiteral("5"), QString());

    openMenuEntry(named(QStringLiteral("editHeader")), QStringLiteral("menuGoShopping"));
    QTRY_VERIFY(shopScreen());
    QTRY_COMPARE(named(QStringLiteral("buttonCart"))->parentItem()->y(), 0.0);
    tickRow(QStringLiteral("eggs"));
    click(named(QStringLiteral("buttonCart")));
    ptListDataModel *list = m_manager->listDataModel();
    QTRY_VERIFY(!list->isDisplayList());
    QTRY_COMPARE(named(QStringLiteral("shopRows"))->opacity(), 1.0);
    QCOMPARE(list->rowCount(), 2);

    QQuickItem *row = rowOf(QStringLiteral("shopRows"), QStringLiteral("eggs"));
    click(named(QStringLiteral("itemEditButton"), row));
    QTRY_VERIFY(named(QStringLiteral("pageNewItem")));
    QCOMPARE(itemDialog()->property("screenHeaderString").toString(),
             QStringLiteral("Update item"));
    QCOMPARE(named(QStringLiteral("priceInput"))->property("text").toString(), QStringLiteral("2"));
    typeInto(QStringLiteral("priceInput"), QStringLiteral("2.40"));
    click(named(QStringLiteral("newItemOk")));
    QTRY_VERIFY(!itemDialog());

    QCOMPARE(list->rowCount(), 2);
    QCOMPARE(roleText(list, rowOfName(list, QStringLiteral("eggs")), "item_price"),
             QStringLiteral("2.40"));
    QCOMPARE(roleText(list, rowOfName(list, QStringLiteral("eggs")), "item_status"),
             QStringLiteral("checked"));
    QTRY_COMPARE(named(QStringLiteral("shopSummaryText"))->property("text").toString(),
                 QStringLiteral("2.40 ") + sign() + QStringLiteral("<br>1 item"));
}

void tst_ui_edit::russianTexts()
{
    createList(QStringLiteral("ru"));
    addItem(QStringLiteral("salt"), QString(), QStringLiteral("2"), QString());
    m_manager->setCurrentLanguage(1);

    QQuickItem *header = named(QStringLiteral("editHeader"));
    QTRY_COMPARE(header->property("headerLabel3").toString(),
                 QStringLiteral("редактирование списка"));
    QVERIFY(button(QStringLiteral("новый элемент")));
    QVERIFY(button(QStringLiteral("мои элементы")));
    QCOMPARE(named(QStringLiteral("editSummaryText"))->property("text").toString(),
             QStringLiteral("2.00 ") + sign() + QStringLiteral("<br>1 шт"));
    QQuickItem *row = rowOf(QStringLiteral("pageList"), QStringLiteral("Без категории"));
    QVERIFY(row);
    row = rowOf(QStringLiteral("pageList"), QStringLiteral("salt"));
    QCOMPARE(named(QStringLiteral("itemPriceText"), row)->property("text").toString(),
             QStringLiteral("2 ") + sign() + QStringLiteral("/")
                     + m_manager->amountUnitsDataModel()->measureName(0));

    click(header);
    QTRY_VERIFY(named(QStringLiteral("menuSortByProduct")));
    const QStringList editMenu = {
            QStringLiteral("Сортировать по продуктам"), QStringLiteral("Сортировать по категориям"),
            QStringLiteral("Редактировать информацию списка"), QStringLiteral("В магазин")};
    const QStringList editEntries
            = {QStringLiteral("menuSortByProduct"), QStringLiteral("menuSortByCategory"),
               QStringLiteral("menuEditListInfo"), QStringLiteral("menuGoShopping")};
    for (int i = 0; i < editEntries.size(); ++i)
        QCOMPARE(named(editEntries.at(i))->property("label").toString(), editMenu.at(i));
    QTRY_COMPARE(named(QStringLiteral("editMenu"))->opacity(), 1.0);
    QTest::mouseClick(m_view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 400));
    QTRY_VERIFY(!named(QStringLiteral("editMenu")));

    // The item dialog.
    click(named(QStringLiteral("buttonNewItem")));
    QTRY_VERIFY(named(QStringLiteral("pageNewItem")));
    QQuickItem *dialog = itemDialog();
    QCOMPARE(dialog->property("screenHeaderString").toString(), QStringLiteral("Новый элемент"));
    const QStringList labels = {QStringLiteral("Название: "), QStringLiteral("Категория: "),
                                QStringLiteral("Цена: "), QStringLiteral("Количество: "),
                                QStringLiteral("Заметка: ")};
    for (const QString &label : labels) {
        QVERIFY2(!findAll(
                          [&](QQuickItem *pItem) {
                              return pItem->property("text").toString() == label && isShown(pItem);
                          },
                          dialog)
                          .isEmpty(),
                 qPrintable(label));
    }
    QVERIFY(button(QStringLiteral("Отмена"), dialog));
    QVERIFY(button(QStringLiteral("Ok"), dialog));
    click(named(QStringLiteral("amountUnitButton")));
    QTRY_VERIFY(named(QStringLiteral("pageAmountUnits")));
    QVERIFY(!findAll([](QQuickItem *pItem) {
                 return pItem->property("text").toString()
                         == QStringLiteral("Выберите единицу измерения")
                         && isShown(pItem);
             }).isEmpty());
    click(named(QStringLiteral("unitsCancel")));
    click(named(QStringLiteral("categoryButton")));
    QTRY_VERIFY(named(QStringLiteral("pageCategories")));
    QVERIFY(!findAll([](QQuickItem *pItem) {
                 return pItem->property("text").toString() == QStringLiteral("Выберите категорию")
                         && isShown(pItem);
             }).isEmpty());
    click(named(QStringLiteral("categoriesCancel")));
    click(named(QStringLiteral("newItemCancel")));
    QTRY_VERIFY(!itemDialog());

    // The shopping screen and the checkout window.
    openMenuEntry(header, QStringLiteral("menuGoShopping"));
    QTRY_VERIFY(shopScreen());
    QTRY_COMPARE(named(QStringLiteral("buttonCart"))->parentItem()->y(), 0.0);
    QQuickItem *shopHeader = named(QStringLiteral("shopHeader"));
    QCOMPARE(shopHeader->property("headerLabel3").toString(), QStringLiteral("покупки - список"));
    QCOMPARE(named(QStringLiteral("buttonList"))->property("buttonLabel").toString(),
             QStringLiteral("список"));
    QCOMPARE(named(QStringLiteral("buttonCart"))->property("buttonLabel").toString(),
             QStringLiteral("корзина"));
    row = rowOf(QStringLiteral("shopRows"), QStringLiteral("salt"));
    QCOMPARE(named(QStringLiteral("itemPriceText"), row)->property("text").toString(),
             QStringLiteral("2 ") + sign() + QStringLiteral("/")
                     + m_manager->amountUnitsDataModel()->measureName(0));
    QVERIFY(rowOf(QStringLiteral("shopRows"), QStringLiteral("Без категории")));

    click(shopHeader);
    QTRY_VERIFY(named(QStringLiteral("menuEditList")));
    QCOMPARE(named(QStringLiteral("menuSortByProduct"))->property("label").toString(),
             QStringLiteral("Сортировать по продуктам"));
    QCOMPARE(named(QStringLiteral("menuSortByCategory"))->property("label").toString(),
             QStringLiteral("Сортировать по категориям"));
    QCOMPARE(named(QStringLiteral("menuEditList"))->property("label").toString(),
             QStringLiteral("Редактировать список"));
    QTRY_COMPARE(named(QStringLiteral("shopMenu"))->opacity(), 1.0);
    QTest::mouseClick(m_view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 400));
    QTRY_VERIFY(!named(QStringLiteral("shopMenu")));

    click(named(QStringLiteral("itemEditButton"), row));
    QTRY_VERIFY(named(QStringLiteral("pageNewItem")));
    QCOMPARE(itemDialog()->property("screenHeaderString").toString(),
             QStringLiteral("Обновление элемента"));
    QCOMPARE(itemDialog()->property("itemCategoryString").toString(),
             QStringLiteral("Без категории"));
    click(named(QStringLiteral("newItemCancel")));
    QTRY_VERIFY(!itemDialog());

    // Back to editing: the screen is made anew, so its fixed questions are in Russian.
    openMenuEntry(shopHeader, QStringLiteral("menuEditList"));
    QTRY_VERIFY(editScreen());
    QTRY_COMPARE(named(QStringLiteral("pageList"))->opacity(), 1.0);
    QTRY_COMPARE(editFooterY(), 0.0);
    header = named(QStringLiteral("editHeader"));

    // The category question.
    click(named(QStringLiteral("categoryDeleteButton"),
                rowOf(QStringLiteral("pageList"), QStringLiteral("Без категории"))));
    QQuickItem *query = nullptr;
    QTRY_VERIFY((query = named(QStringLiteral("editQuery"))));
    QCOMPARE(query->property("queryString").toString(),
             QStringLiteral("Все элементы выбранной категории \"Без категории\" будут удалены. "
                            "Продолжить?"));
    click(button(QStringLiteral("Отмена"), query));
    QTRY_VERIFY(!named(QStringLiteral("editQuery")));

    // My Items page and its question.
    click(named(QStringLiteral("buttonMyItems")));
    QTRY_COMPARE(named(QStringLiteral("pageMyItems"))->opacity(), 1.0);
    QCOMPARE(header->property("headerLabel3").toString(), QStringLiteral("мои элементы"));
    QTRY_VERIFY(button(QStringLiteral("отмена")));
    QVERIFY(button(QStringLiteral("добавить выделенные")));
    row = rowOf(QStringLiteral("pageMyItems"), QStringLiteral("salt"));
    click(named(QStringLiteral("itemDeleteButton"), row));
    QTRY_VERIFY((query = named(QStringLiteral("editQuery"))));
    QCOMPARE(query->property("queryString").toString(),
             QStringLiteral("Item \"salt\" будет удален. Продолжить?"));
    click(button(QStringLiteral("Отмена"), query));
    QTRY_VERIFY(!named(QStringLiteral("editQuery")));
    click(button(QStringLiteral("отмена")));
    QTRY_COMPARE(named(QStringLiteral("pageList"))->opacity(), 1.0);
    header = named(QStringLiteral("editHeader"));

    openMenuEntry(header, QStringLiteral("menuGoShopping"));
    QTRY_VERIFY(shopScreen());
    QTRY_COMPARE(named(QStringLiteral("buttonCart"))->parentItem()->y(), 0.0);
    tickRow(QStringLiteral("salt"));
    QTRY_VERIFY(named(QStringLiteral("checkout")));
    QCOMPARE(named(QStringLiteral("checkoutSummary"))->property("text").toString(),
             QStringLiteral("Количество элементов: 1<br>Общая сумма: 2.00 ") + sign());
    QCOMPARE(named(QStringLiteral("checkoutQuestion"))->property("text").toString(),
             QStringLiteral("Список пуст. Хотите удалить его?"));
    QVERIFY(button(QStringLiteral("Нет")));
    QVERIFY(button(QStringLiteral("Да")));
    QTRY_COMPARE(shopScreen()->property("state").toString(), QStringLiteral("checkout"));
    QVERIFY(!findAll([](QQuickItem *pItem) {
                 return pItem->property("text").toString() == QStringLiteral("Касса")
                         && isShown(pItem);
             }).isEmpty());
}

QTEST_MAIN(tst_ui_edit)

#include "tst_ui_edit.moc"
