// Writes a PNG of every screen, sheet and dialog of the program, in English
// and Russian. It runs the real scenes with the real controller on a scratch
// data directory; nothing in the user's own data directory is touched.
//
//     pantrix_screenshots [--size WxH] [--scale S] [--check] <output directory>
//
// Each file is named <shot>-<language>.png, for example lists-en.png. The
// window is W x H logical pixels (800 x 480 by default) at scale S (1 by
// default). With --check, each scene is also checked as it is saved: nothing
// drawn may stand partly outside the window, no text partly outside a
// clipping box (scrolled rows aside) or running out of its own box, no text
// of a stored list's row cut short, and nothing drawn later may cover a text. The lists,
// editing and shopping screens are then checked once more, without a
// screenshot, with a list of long texts: a long name, a huge total, a
// right-to-left name, a name too long for its row. Each fault is printed and
// the exit code is 1.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QQuickItem>
#include <QQuickView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

#include "ptApplicationManager.h"
#include "ptCategoriesDataModel.h"
#include "ptCurrencyUnitsDataModel.h"
#include "ptListDataModel.h"
#include "ptMeasureUnitsDataModel.h"
#include "ptStartup.h"

namespace {

struct SampleItem
{
    const char *name;
    const char *category;
    const char *price;
    const char *amount;
    const char *unit;
    const char *note;
};

struct SampleList
{
    const char *name;
    const char *note;
    QList<SampleItem> items;
};

// The list every screenshot shows.
const SampleList sampleList = {"Weekend market",
                               "Saturday morning",
                               {
                                       {"Milk", "Dairy", "1.20", "2", "l", ""},
                                       {"Cheese", "Dairy", "4.80", "0.3", "kg", "Mild"},
                                       {"Apples", "Fruit", "2.50", "1.5", "kg", "Green ones"},
                                       {"Bananas", "Fruit", "1.10", "1", "kg", ""},
                                       {"Bread", "Bakery", "2.10", "1", "pc", ""},
                               }};

// The list of long texts the layout is checked with once more.
const SampleList longTexts = {
        "Weekend shopping",
        "Saturday morning",
        {
                {"Cheese", "Dairy", "9999999.99", "1000000", "kg", "Mild"},
                {"\u05D7\u05DC\u05D1", "Dairy", "1.20", "2", "l", ""},
                {"\u0634\u0627\u064A", "Tea", "12.50", "", "", ""},
                {"Parmigiano Reggiano, aged twenty-four months", "Dairy", "1234.56", "1", "kg", ""},
        }};

// What names an item in a fault: its object name, or its type and text.
QString describe(const QQuickItem *pItem)
{
    if (!pItem->objectName().isEmpty())
        return pItem->objectName();
    const QString text = pItem->property("text").toString();
    return QString::fromLatin1(pItem->metaObject()->className())
            + (text.isEmpty() ? QString() : QStringLiteral(" \"%1\"").arg(text));
}

// Whether pInner lies within pOuter, give or take half a pixel.
bool within(const QRectF &pInner, const QRectF &pOuter)
{
    return pOuter.adjusted(-0.5, -0.5, 0.5, 0.5).contains(pInner);
}

// A piece of what a scene draws: the item, what of it is shown, and its layer,
// the nearest item over the whole window (a screen, a dialog, a menu).
struct Drawn
{
    const QQuickItem *layer;
    const QQuickItem *item;
    QRectF area;
    bool text;
};

// Whether pItem is one of the texts of a stored list's row, which the sample
// lists never cut (an item's name may be cut, never covered).
bool isListRowText(const QQuickItem *pItem)
{
    const QQuickItem *parent = pItem->parentItem();
    return parent && QByteArray(parent->metaObject()->className()).startsWith("ScreenItemTexts")
            && pItem->objectName().startsWith(QLatin1String("list"));
}

// Adds the layout faults of pItem and the items under it to pFaults, and what
// they draw to pDrawn, in the order it is drawn. pClip is what the window and
// the clipping boxes around it leave shown; pView is what the scrolled views
// around it show (rows a view cuts off are no fault). A box may be clipped on
// purpose (a rounded box cut to show its top corners only), a text never;
// neither may run past the window.
void checkGeometry(const QQuickItem *pItem, const QQuickItem *pLayer, QRectF pClip, QRectF pView,
                   QList<Drawn> *pDrawn, QStringList *pFaults)
{
    if (!pItem->isVisible() || pItem->opacity() <= 0.0)
        return;
    const QRectF window(QPointF(), pItem->window()->size());
    if (within(window, pItem->mapRectToScene(QRectF(0, 0, pItem->width(), pItem->height()))))
        pLayer = pItem;
    const bool text = pItem->inherits("QQuickText");
    const QRectF area = pItem->mapRectToScene(pItem->boundingRect()) & pView;
    const QRectF shown = text ? pClip : window;
    const QColor color = pItem->property("color").value<QColor>();
    if (pItem->flags().testFlag(QQuickItem::ItemHasContents) && area.intersects(shown)
        && pItem->property("text") != QVariant(QString()) && color.alpha() != 0) {
        if (!within(area, shown))
            pFaults->append(describe(pItem) + QStringLiteral(" is cut off"));
        if (text && pItem->property("contentWidth").toReal() > pItem->width() + 0.5)
            pFaults->append(describe(pItem) + QStringLiteral(" runs out of its box"));
        if (text && isListRowText(pItem) && pItem->property("truncated").toBool())
            pFaults->append(describe(pItem) + QStringLiteral(" is cut short"));
        pDrawn->append({pLayer, pItem, area & pClip, text});
    }

    if (pItem->clip()) {
        const QRectF own = pItem->mapRectToScene(QRectF(0, 0, pItem->width(), pItem->height()));
        if (pItem->inherits("QQuickFlickable"))
            pView &= own;
        else
            pClip &= own;
    }
    QList<QQuickItem *> children = pItem->childItems();
    std::stable_sort(children.begin(), children.end(),
                     [](const QQuickItem *pA, const QQuickItem *pB) { return pA->z() < pB->z(); });
    for (const QQuickItem *child : std::as_const(children))
        checkGeometry(child, pLayer, pClip, pView, pDrawn, pFaults);
}

// Adds a fault for every text that something drawn after it on its layer
// covers: another text, or a box that is not behind it.
void checkOverlaps(const QList<Drawn> &pDrawn, QStringList *pFaults)
{
    for (qsizetype i = 0; i < pDrawn.size(); ++i) {
        for (qsizetype j = i + 1; pDrawn[i].text && j < pDrawn.size(); ++j) {
            const QRectF common = pDrawn[i].area & pDrawn[j].area;
            if (pDrawn[i].layer == pDrawn[j].layer && common.width() > 1 && common.height() > 1)
                pFaults->append(describe(pDrawn[i].item)
                                + (pDrawn[j].text ? QStringLiteral(" runs into ")
                                                  : QStringLiteral(" lies under "))
                                + describe(pDrawn[j].item));
        }
    }
}

void wait(int pMilliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(pMilliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

class ScreenshotSession
{
public:
    ScreenshotSession(const QString &pOutput, const QSize &pSize, bool pCheck)
        : m_output(pOutput), m_size(pSize), m_check(pCheck)
    { }

    bool start();
    void shoot(const QString &pLanguage);
    int written() const { return m_written.size(); }
    int faults() const { return m_faults; }

private:
    using Step = std::function<void()>;

    QQuickItem *find(const QString &pName, QQuickItem *pFrom = nullptr) const;
    QQuickItem *listsScreen() const { return loadedItem(QStringLiteral("mainLoader")); }
    QQuickItem *loadedItem(const QString &pLoader, QQuickItem *pFrom = nullptr) const;
    void setState(QQuickItem *pItem, const char *pState);
    void save(const QString &pShot, const QString &pLanguage, bool pWrite = true);
    void shootEditing(const QString &pLanguage);
    void shootShopping(const QString &pLanguage);
    void checkLongTexts(const QString &pLanguage);
    QQuickItem *row(QQuickItem *pPage, const char *pType, const QString &pText) const;
    static bool tap(QQuickItem *pZone);
    int listRow(const QString &pName) const;
    void seedList(const SampleList &pList);
    int currencyIndex(const QString &pCode) const;
    int unitIndex(const QString &pName) const;

    QString m_output;
    QSize m_size;
    bool m_check = false;
    int m_faults = 0;
    std::unique_ptr<ptApplicationManager> m_manager;
    std::unique_ptr<QQuickView> m_view;
    QStringList m_written;
};

bool ScreenshotSession::start()
{
    m_manager = std::make_unique<ptApplicationManager>();
    if (!m_manager->initialize())
        return false;
    seedList(sampleList);

    m_view = std::make_unique<QQuickView>();
    ptStartup::loadRootScene(m_view.get(), m_manager.get());
    m_view->resize(m_size);
    m_view->show();
    wait(800);
    return m_view->rootObject() && listsScreen();
}

void ScreenshotSession::seedList(const SampleList &pList)
{
    m_manager->createNewList(QString::fromUtf8(pList.name), currencyIndex(QStringLiteral("EUR")),
                             QString::fromUtf8(pList.note));
    for (const SampleItem &item : pList.items) {
        m_manager->addItem(0, QString::fromUtf8(item.name), QString::fromUtf8(item.category),
                           QString::fromUtf8(item.price), QString::fromUtf8(item.amount),
                           unitIndex(QString::fromUtf8(item.unit)), QString::fromUtf8(item.note));
    }
    m_manager->listDataModel()->saveModel();
    m_manager->listDataModel()->releaseModel();
    m_manager->updateListsDataModel();
}

int ScreenshotSession::currencyIndex(const QString &pCode) const
{
    ptCurrencyUnitsDataModel *currencies = m_manager->currencyUnitsDataModel();
    for (int row = 0; row < currencies->rowCount(); ++row) {
        if (currencies->currencyCode(row) == pCode)
            return row;
    }
    return 0;
}

int ScreenshotSession::unitIndex(const QString &pName) const
{
    ptMeasureUnitsDataModel *units = m_manager->amountUnitsDataModel();
    const int nameRole = units->roleNames().key("measure_name");
    for (int row = 0; row < units->rowCount(); ++row) {
        if (units->data(units->index(row, 0), nameRole).toString() == pName)
            return row;
    }
    return 0;
}

QQuickItem *ScreenshotSession::find(const QString &pName, QQuickItem *pFrom) const
{
    QList<QQuickItem *> pending {pFrom ? pFrom : m_view->rootObject()};
    while (!pending.isEmpty()) {
        QQuickItem *item = pending.takeFirst();
        if (item->objectName() == pName)
            return item;
        // What is hidden holds nothing to show.
        for (QQuickItem *child : item->childItems()) {
            if (child->isVisible())
                pending.append(child);
        }
    }
    return nullptr;
}

QQuickItem *ScreenshotSession::loadedItem(const QString &pLoader, QQuickItem *pFrom) const
{
    QQuickItem *loader = find(pLoader, pFrom);
    return loader ? qvariant_cast<QQuickItem *>(loader->property("item")) : nullptr;
}

void ScreenshotSession::setState(QQuickItem *pItem, const char *pState)
{
    if (pItem)
        pItem->setProperty("state", QString::fromLatin1(pState));
    // Long enough for the 450 ms transitions to end.
    wait(700);
}

// Saves the screenshot (unless pWrite is off) and checks the scene's layout.
void ScreenshotSession::save(const QString &pShot, const QString &pLanguage, bool pWrite)
{
    const QString path = QDir(m_output).filePath(pShot + QLatin1Char('-') + pLanguage
                                                 + QStringLiteral(".png"));
    if (!pWrite)
        m_view->grabWindow();
    else if (m_view->grabWindow().save(path))
        m_written.append(path);
    else
        QTextStream(stderr) << "cannot write " << path << Qt::endl;
    if (!m_check)
        return;
    const QRectF window(QPointF(), m_view->size());
    const QRectF everywhere(-1e6, -1e6, 2e6, 2e6);
    QStringList faults;
    QList<Drawn> drawn;
    checkGeometry(m_view->rootObject(), nullptr, window, everywhere, &drawn, &faults);
    checkOverlaps(drawn, &faults);
    faults.removeDuplicates();
    for (const QString &fault : std::as_const(faults))
        QTextStream(stderr) << pShot << '-' << pLanguage << ": " << fault << Qt::endl;
    m_faults += faults.size();
}

void ScreenshotSession::shoot(const QString &pLanguage)
{
    m_manager->setCurrentLanguage(pLanguage == QLatin1String("ru") ? 1 : 0);
    QQuickItem *lists = listsScreen();
    wait(300);

    save(QStringLiteral("lists"), pLanguage);

    setState(lists, "menu");
    save(QStringLiteral("lists-menu"), pLanguage);
    setState(lists, "");

    setState(lists, "newListRequest");
    save(QStringLiteral("overwrite-question"), pLanguage);
    setState(lists, "");

    setState(lists, "newList");
    if (QQuickItem *sheet = loadedItem(QStringLiteral("newListLoader"), lists)) {
        sheet->setProperty("listNameString", QStringLiteral("Party"));
        sheet->setProperty("listNoteString", QStringLiteral("Friday, 8 guests"));
        wait(100);
        save(QStringLiteral("new-list"), pLanguage);
        setState(sheet, "currencyList");
        save(QStringLiteral("currency-chooser"), pLanguage);
    }
    setState(lists, "");

    setState(lists, "languages");
    save(QStringLiteral("languages"), pLanguage);
    setState(lists, "");

    // The row's own delete zone fills in the question.
    if (tap(find(QStringLiteral("itemDeleteButton"), lists))) {
        wait(700);
        save(QStringLiteral("delete-question"), pLanguage);
        setState(lists, "");
    }

    QMetaObject::invokeMethod(lists, "buttonAboutClicked");
    wait(700);
    save(QStringLiteral("about"), pLanguage);
    if (QQuickItem *about = loadedItem(QStringLiteral("aboutLoader")))
        QMetaObject::invokeMethod(about, "areaClicked");
    wait(700);

    // The stored list, opened for editing the way its row's edit zone opens it.
    if (m_manager->openList(0, ptApplicationManager::EditingScreen)) {
        wait(1200);
        shootEditing(pLanguage);
    }
    if (m_check)
        checkLongTexts(pLanguage);
}

// The lists, editing and shopping screens with the list of long texts, checked
// without a screenshot; the sample list is stored again afterwards.
void ScreenshotSession::checkLongTexts(const QString &pLanguage)
{
    seedList(longTexts);
    wait(300);
    save(QStringLiteral("long-texts-lists"), pLanguage, false);
    if (m_manager->openList(0, ptApplicationManager::EditingScreen)) {
        wait(1200);
        save(QStringLiteral("long-texts-edit"), pLanguage, false);
        m_manager->showList(ptApplicationManager::ShoppingScreen);
        wait(1300);
        save(QStringLiteral("long-texts-shop"), pLanguage, false);
        m_manager->closeList();
        wait(900);
    }
    seedList(sampleList);
}

// A row delegate of the page: an item row by name or a category header row by
// category.
QQuickItem *ScreenshotSession::row(QQuickItem *pPage, const char *pType, const QString &pText) const
{
    const QString type = QString::fromLatin1(pType);
    const char *role = type == QLatin1String("item") ? "item_name" : "item_category";
    QList<QQuickItem *> pending {pPage};
    while (!pending.isEmpty()) {
        QQuickItem *item = pending.takeFirst();
        // A row reads its roles from its "model" object.
        const QObject *roles = item->property("model").value<QObject *>();
        if (roles && roles->property("item_type").toString() == type
            && roles->property(role).toString() == pText)
            return item;
        pending.append(item->childItems());
    }
    return nullptr;
}

// Reports a tap on an icon zone, as its touch area does; false without one.
bool ScreenshotSession::tap(QQuickItem *pZone)
{
    return pZone && QMetaObject::invokeMethod(pZone, "clicked");
}

int ScreenshotSession::listRow(const QString &pName) const
{
    ptListDataModel *list = m_manager->listDataModel();
    const int nameRole = list->roleNames().key("item_name");
    for (int row = 0; row < list->rowCount(); ++row) {
        if (list->data(list->index(row, 0), nameRole).toString() == pName)
            return row;
    }
    return -1;
}

void ScreenshotSession::shootEditing(const QString &pLanguage)
{
    QQuickItem *edit = loadedItem(QStringLiteral("page"));
    if (!edit)
        return;
    save(QStringLiteral("edit"), pLanguage);

    setState(edit, "menu");
    save(QStringLiteral("edit-menu"), pLanguage);
    setState(edit, "");

    // My Items with two entries selected.
    ptCategoriesDataModel *catalogue = m_manager->categoriesDataModel();
    catalogue->clearSelection();
    edit->setProperty("myItemsShown", true);
    wait(1300);
    if (QQuickItem *page = find(QStringLiteral("pageMyItems"), edit)) {
        for (const char *name : {"Apples", "Bread"}) {
            if (QQuickItem *entry = row(page, "item", QString::fromLatin1(name)))
                catalogue->toggleItem(entry->property("index").toInt());
        }
    }
    wait(300);
    save(QStringLiteral("my-items"), pLanguage);
    catalogue->clearSelection();
    edit->setProperty("myItemsShown", false);
    wait(1300);

    // The item dialog as the row's edit button opens it, then its two pickers.
    QQuickItem *listPage = find(QStringLiteral("pageList"), edit);
    QQuickItem *cheese = listPage ? row(listPage, "item", QStringLiteral("Cheese")) : nullptr;
    if (tap(cheese ? find(QStringLiteral("itemEditButton"), cheese) : nullptr)) {
        wait(300);
        if (QQuickItem *form = find(QStringLiteral("pageNewItem"), edit)) {
            QQuickItem *dialog = form->parentItem();
            save(QStringLiteral("item-dialog"), pLanguage);
            setState(dialog, "categoriesList");
            save(QStringLiteral("category-picker"), pLanguage);
            setState(dialog, "amountUnitsList");
            save(QStringLiteral("unit-picker"), pLanguage);
            setState(dialog, "");
        }
        setState(edit, "");
    }

    setState(edit, "editListInfo");
    save(QStringLiteral("list-info"), pLanguage);
    setState(edit, "");

    QQuickItem *dairy = listPage ? row(listPage, "category", QStringLiteral("Dairy")) : nullptr;
    if (tap(dairy ? find(QStringLiteral("categoryDeleteButton"), dairy) : nullptr)) {
        wait(700);
        save(QStringLiteral("category-question"), pLanguage);
        setState(edit, "");
    }

    m_manager->showList(ptApplicationManager::ShoppingScreen);
    wait(1300);
    shootShopping(pLanguage);
}

void ScreenshotSession::shootShopping(const QString &pLanguage)
{
    QQuickItem *shop = loadedItem(QStringLiteral("page"));
    if (!shop)
        return;
    // Two items already in the cart; nothing of it is saved.
    ptListDataModel *list = m_manager->listDataModel();
    for (const char *name : {"Milk", "Bread"}) {
        const int row = listRow(QString::fromLatin1(name));
        if (row >= 0)
            list->toggleItem(row);
    }
    list->updateCountPrice();
    wait(300);
    save(QStringLiteral("shop"), pLanguage);

    setState(shop, "menu");
    save(QStringLiteral("shop-menu"), pLanguage);
    setState(shop, "");

    QMetaObject::invokeMethod(find(QStringLiteral("buttonCart"), shop), "buttonClicked");
    wait(900);
    save(QStringLiteral("shop-cart"), pLanguage);
    QMetaObject::invokeMethod(find(QStringLiteral("buttonList"), shop), "buttonClicked");
    wait(900);

    // Every remaining item into the cart through the screen's own tick: the
    // last one opens the checkout window.
    while (list->rowCount() > 0)
        m_manager->tickItem(list->rowCount() - 1);
    wait(900);
    save(QStringLiteral("checkout"), pLanguage);
    setState(shop, "");

    // Back to the lists screen without saving: the next language starts afresh.
    list->releaseModel();
    m_manager->closeList();
    wait(900);
}

} // namespace

int main(int argc, char *argv[])
{
    QSize size(800, 480);
    bool check = false;
    QString output;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument = argv[i];
        const QByteArray value = i + 1 < argc ? QByteArray(argv[i + 1]) : QByteArray();
        if (argument == "--check") {
            check = true;
        } else if (argument == "--size" && value.contains('x')) {
            size = QSize(value.split('x').value(0).toInt(), value.split('x').value(1).toInt());
            ++i;
        } else if (argument == "--scale" && value.toDouble() > 0) {
            qputenv("QT_SCALE_FACTOR", value);
            ++i;
        } else if (output.isEmpty() && !argument.startsWith('-')) {
            output = QDir(QString::fromLocal8Bit(argument)).absolutePath();
        } else {
            output.clear();
            break;
        }
    }
    if (output.isEmpty() || size.isEmpty()) {
        QTextStream(stderr) << "usage: pantrix_screenshots [--size WxH] [--scale S] [--check]"
                               " <output directory>"
                            << Qt::endl;
        return 2;
    }

    QTemporaryDir data;
    if (!data.isValid() || !QDir().mkpath(output))
        return 1;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication application(argc, argv);
    ptStartup::setIdentity();

    ScreenshotSession session(output, size, check);
    if (!session.start()) {
        QTextStream(stderr) << "the root scene did not come up" << Qt::endl;
        return 1;
    }
    session.shoot(QStringLiteral("en"));
    session.shoot(QStringLiteral("ru"));
    QTextStream(stdout) << session.written() << " screenshots in " << output << Qt::endl;
    if (session.faults() > 0)
        QTextStream(stdout) << session.faults() << " layout faults" << Qt::endl;
    return session.faults() > 0 ? 1 : 0;
}
