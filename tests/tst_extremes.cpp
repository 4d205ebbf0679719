#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <climits>
#include <memory>

#include "ptApplicationManager.h"
#include "ptStartup.h"
#include "ptXmlText.h"

namespace {

const QChar Marker(0xF000);

// Every role of every row, so that any change to a model shows.
QStringList rowsOf(const QAbstractItemModel &pModel)
{
    QStringList rows;
    const QList<int> roles = pModel.roleNames().keys();
    for (int row = 0; row < pModel.rowCount(); ++row) {
        QStringList values;
        for (int role : roles)
            values.append(pModel.data(pModel.index(row, 0), role).toString());
        rows.append(values.join(QLatin1Char('|')));
    }
    return rows;
}

QString role(const QAbstractItemModel &pModel, int pRow, int pRole)
{
    return pModel.data(pModel.index(pRow, 0), pRole).toString();
}

// Text of pLength UTF-16 code units: Cyrillic, emoji (surrogate pairs), XML
// markup characters, and characters XML 1.0 cannot carry (C0 controls, a
// lone surrogate, U+FFFE and U+FFFF). Never cuts a surrogate pair.
QString wildText(int pLength, int pSeed)
{
    const QStringList pieces = {
            QStringLiteral("Молоко"), QString::fromUcs4(U"\U0001F34E\U0001F9C0"),
            QStringLiteral("<&\"'>"), QString(QChar(0x01)) + QChar(0x1B) + QChar(0x1F),
            QString(QChar(0xD800)),   QString(QChar(0xFFFE)) + QChar(0xFFFF),
            QStringLiteral(" ёЁ "),   QString(QChar(0)),
    };
    QString text;
    text.reserve(pLength + 8);
    int i = pSeed;
    while (text.size() < pLength) {
        const QString &piece = pieces.at(i++ % pieces.size());
        if (text.size() + piece.size() > pLength)
            break;
        text += piece;
    }
    while (text.size() < pLength)
        text += QChar(u'ж');
    return text;
}

} // namespace

class tst_Extremes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listRowsOutOfRange();
    void controllerRowsOutOfRange();
    void catalogueRowsOutOfRange();
    void overviewAndTablesOutOfRange();
    void hugeWildTextsRoundTrip();
    void textsOfDroppedCharactersOnly();
    void tenThousandCategories();

private:
    // A list with two categories and three items, saved, in the overview,
    // and the same three items in the catalogue.
    void fillSmallList();

    std::unique_ptr<QTemporaryDir> m_dataDir;
    std::unique_ptr<ptApplicationManager> m_manager;
};

void tst_Extremes::initTestCase()
{
    ptStartup::setIdentity();
}

void tst_Extremes::init()
{
    m_dataDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dataDir->isValid());
    qputenv("XDG_DATA_HOME", m_dataDir->path().toLocal8Bit());
    m_manager = std::make_unique<ptApplicationManager>();
    QVERIFY(m_manager->initialize());
}

void tst_Extremes::cleanup()
{
    m_manager.reset();
    m_dataDir.reset();
}

void tst_Extremes::fillSmallList()
{
    ptApplicationManager &manager = *m_manager;
    QVERIFY(manager.createNewList(QStringLiteral("Week"), 0, QString()));
    manager.addItem(0, QStringLiteral("Milk"), QStringLiteral("Dairy"), QStringLiteral("1.5"),
                    QStringLiteral("2"), 0, QString());
    manager.addItem(0, QStringLiteral("Cheese"), QStringLiteral("Dairy"), QString(), QString(), 0,
                    QString());
    manager.addItem(0, QStringLiteral("Bread"), QStringLiteral("Bakery"), QString(), QString(), 0,
                    QString());
    QVERIFY(manager.listDataModel()->saveModel());
    QVERIFY(manager.updateListsDataModel());
    QCOMPARE(manager.listsDataModel()->rowCount(), 1);
    QCOMPARE(manager.listDataModel()->rowCount(), 5);
    QCOMPARE(manager.categoriesDataModel()->rowCount(), 5);
}

void tst_Extremes::listRowsOutOfRange()
{
    fillSmallList();
    ptListDataModel &list = *m_manager->listDataModel();
    const auto unchecked = list.items(true);

    // By category, by product, and the (empty) cart.
    for (int view = 0; view < 3; ++view) {
        if (view == 1)
            list.sortByProduct(true);
        if (view == 2) {
            list.sortByCategory(false);
            list.displayCart(true);
        }
        const QStringList before = rowsOf(list);
        for (int row : {-1, INT_MIN, INT_MAX, list.rowCount()}) {
            list.updateItem(row, QStringLiteral("X"), QStringLiteral("Y"), QString(), QString(), 0,
                            QString());
            QVERIFY(!list.deleteItem(row));
            list.toggleItem(row);
            QVERIFY(!list.deleteCategory(row, true));
            QCOMPARE(list.itemHeight(row), 70);
            QCOMPARE(list.data(list.index(row, 0), ptListDataModel::ItemNameRole).toString(),
                     QString());
            QCOMPARE(rowsOf(list), before);
        }
    }
    QCOMPARE(list.rowCount(), 0);

    // Header rows (0 and 2) take no item operation.
    list.displayList(true);
    const QStringList before = rowsOf(list);
    for (int header : {0, 2}) {
        QCOMPARE(role(list, header, ptListDataModel::ItemTypeRole), QStringLiteral("category"));
        list.updateItem(header, QStringLiteral("X"), QStringLiteral("Y"), QString(), QString(), 0,
                        QString());
        QVERIFY(!list.deleteItem(header));
        list.toggleItem(header);
        QCOMPARE(list.itemHeight(header), 50);
        QCOMPARE(rowsOf(list), before);
    }
    QCOMPARE(list.items(true), unchecked);
    QVERIFY(list.items(false).isEmpty());
}

void tst_Extremes::controllerRowsOutOfRange()
{
    fillSmallList();
    ptApplicationManager &manager = *m_manager;
    ptListDataModel &list = *manager.listDataModel();
    ptCategoriesDataModel &catalogue = *manager.categoriesDataModel();
    const QStringList listBefore = rowsOf(list);
    const QStringList catalogueBefore = rowsOf(catalogue);
    const QByteArray settingsBefore = [] {
        QFile file(ptApplicationManager::settingsFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();

    for (int row : {-1, INT_MIN, INT_MAX, manager.listsDataModel()->rowCount()}) {
        QVERIFY(!manager.loadList(row));
        QVERIFY(manager.deleteListByIndex(row));
        QVERIFY(QFile::exists(ptApplicationManager::listDocumentPath()));
        QCOMPARE(manager.listsDataModel()->rowCount(), 1);
        QCOMPARE(rowsOf(list), listBefore);
        QCOMPARE(rowsOf(catalogue), catalogueBefore);
    }
    for (int row : {-1, INT_MIN, INT_MAX, manager.languagesDataModel()->rowCount()}) {
        manager.setCurrentLanguage(row);
        QCOMPARE(manager.languagesDataModel()->currentLanguageIndex(), 0);
    }
    QFile settings(ptApplicationManager::settingsFilePath());
    QCOMPARE(settings.open(QIODevice::ReadOnly) ? settings.readAll() : QByteArray(),
             settingsBefore);

    // The My Items page: a row that is not an item row changes nothing; -1
    // looks the entry up by name and category, and there is none for Ghost.
    for (int row : {-1, INT_MIN, INT_MAX, catalogue.rowCount(), 0, 2}) {
        manager.updateItem(1, row, QStringLiteral("Ghost"), QStringLiteral("Dairy"),
                           QStringLiteral("9"), QString(), 0, QString());
        QCOMPARE(rowsOf(catalogue), catalogueBefore);
        QCOMPARE(rowsOf(list), listBefore);
    }

    // The list page: the list keeps its rows; a row without an item has no
    // old name, so the catalogue takes the text as a new entry.
    for (int row : {-1, INT_MIN, INT_MAX, list.rowCount(), 0}) {
        manager.updateItem(0, row, QStringLiteral("Ghost"), QStringLiteral("Attic"), QString(),
                           QString(), 0, QString());
        QCOMPARE(rowsOf(list), listBefore);
    }
    QCOMPARE(catalogue.rowCount(), catalogueBefore.size() + 2);
    QCOMPARE(catalogue.categoryName(0), QStringLiteral("Dairy"));
    QCOMPARE(catalogue.categoryName(2), QStringLiteral("Attic"));
    QCOMPARE(role(catalogue, 0, ptCategoriesDataModel::ItemCategoryRole), QStringLiteral("Attic"));
    QCOMPARE(role(catalogue, 1, ptCategoriesDataModel::ItemNameRole), QStringLiteral("Ghost"));
}

void tst_Extremes::catalogueRowsOutOfRange()
{
    fillSmallList();
    ptCategoriesDataModel &catalogue = *m_manager->categoriesDataModel();
    catalogue.toggleItem(1); // one entry unselected, so toggles in both directions would show
    const QStringList before = rowsOf(catalogue);
    const int selected = catalogue.selectedCount();
    QCOMPARE(catalogue.categoriesCount(), 2);

    QSignalSpy selection(&catalogue, &ptCategoriesDataModel::selectedCountChanged);
    for (int row : {-1, INT_MIN, INT_MAX, catalogue.rowCount()}) {
        catalogue.toggleItem(row);
        QVERIFY(!catalogue.deleteItem(row));
        QVERIFY(!catalogue.deleteCategory(row, true));
        QVERIFY(!catalogue.updateItem(row == -1 ? INT_MIN : row, QStringLiteral("X"),
                                      QStringLiteral("Y"), QString(), QString(), QString(), 0,
                                      QString()));
        QCOMPARE(catalogue.categoryName(row), QString());
        QCOMPARE(catalogue.data(catalogue.index(row, 0), ptCategoriesDataModel::ItemNameRole)
                         .toString(),
                 QString());
        QCOMPARE(rowsOf(catalogue), before);
    }
    QCOMPARE(catalogue.categoryName(catalogue.categoriesCount()), QString());
    QVERIFY(!catalogue.updateItem(-1, QStringLiteral("X"), QStringLiteral("Y"), QString(),
                                  QString(), QString(), 0, QString()));

    for (int header : {0, 2}) {
        QCOMPARE(role(catalogue, header, ptCategoriesDataModel::ItemTypeRole),
                 QStringLiteral("category"));
        catalogue.toggleItem(header);
        QVERIFY(!catalogue.deleteItem(header));
        QVERIFY(!catalogue.updateItem(header, QStringLiteral("X"), QStringLiteral("Y"), QString(),
                                      QString(), QString(), 0, QString()));
        QCOMPARE(rowsOf(catalogue), before);
    }
    QCOMPARE(catalogue.selectedCount(), selected);
    QCOMPARE(selection.count(), 0);
    QCOMPARE(catalogue.categoriesCount(), 2);
}

void tst_Extremes::overviewAndTablesOutOfRange()
{
    fillSmallList();
    ptApplicationManager &manager = *m_manager;
    ptListsDataModel &overview = *manager.listsDataModel();
    ptCurrencyUnitsDataModel &currencies = *manager.currencyUnitsDataModel();
    ptMeasureUnitsDataModel &units = *manager.amountUnitsDataModel();
    ptLanguagesDataModel &languages = *manager.languagesDataModel();
    QSignalSpy currencyChanges(&currencies, &ptCurrencyUnitsDataModel::currentCurrencyChanged);
    currencies.setCurrentCurrency(5);
    QCOMPARE(currencyChanges.count(), 1);

    for (int row : {-1, INT_MIN, INT_MAX, overview.rowCount()}) {
        QCOMPARE(overview.listFileName(row), QString());
        QVERIFY(!overview.deleteList(row));
        QVERIFY(!overview.data(overview.index(row, 0), ptListsDataModel::ListNameRole).isValid());
    }
    QVERIFY(QFile::exists(ptApplicationManager::listDocumentPath()));

    for (int row : {-1, INT_MIN, INT_MAX, units.rowCount()})
        QCOMPARE(units.measureName(row), QString());
    for (int row : {-1, INT_MIN, INT_MAX, currencies.rowCount()}) {
        QCOMPARE(currencies.currencyCode(row), QString());
        QCOMPARE(currencies.currencySign(row), QString());
        currencies.setCurrentCurrency(row);
        QCOMPARE(currencies.currentCurrencyIndex(), 5);
        QCOMPARE(currencies.data(currencies.index(row, 0), Qt::DisplayRole).toString(), QString());
    }
    QCOMPARE(currencyChanges.count(), 1);

    // The languages model stores any index; outside the table it has no code.
    for (int row : {-1, INT_MIN, INT_MAX, languages.rowCount()}) {
        languages.setCurrentLanguage(row);
        QCOMPARE(languages.currentLanguageIndex(), row);
        QCOMPARE(languages.currentLanguageCode(), QString());
        QCOMPARE(languages.currentLanguageString(), QString());
    }
}

void tst_Extremes::hugeWildTextsRoundTrip()
{
    ptApplicationManager &manager = *m_manager;
    const QString listName = wildText(100000, 0);
    const QString listNote = wildText(100000, 3);
    const QString name = wildText(100000, 1);
    const QString category = wildText(100000, 2);
    const QString note = wildText(100000, 5);
    QVERIFY(listName.contains(QChar(0xD800)) && listName.contains(QChar(0x01)));
    QVERIFY(name.contains(QString::fromUcs4(U"\U0001F34E")));

    QVERIFY(manager.createNewList(listName, 7, listNote));
    manager.addItem(0, name, category, QStringLiteral("2.50"), QStringLiteral("3"), 2, note);
    ptListDataModel &list = *manager.listDataModel();
    QCOMPARE(list.rowCount(), 2);
    // Kept as entered (simplified) while the list is open.
    QCOMPARE(role(list, 1, ptListDataModel::ItemNameRole), name.simplified());
    QCOMPARE(role(list, 0, ptListDataModel::ItemCategoryRole), category.simplified());
    QCOMPARE(role(*manager.categoriesDataModel(), 1, ptCategoriesDataModel::ItemNameRole),
             name.simplified());
    QVERIFY(list.saveModel());

    // The file drops exactly the characters XML cannot carry.
    QVERIFY(manager.updateListsDataModel());
    ptListsDataModel &overview = *manager.listsDataModel();
    QCOMPARE(overview.rowCount(), 1);
    QCOMPARE(role(overview, 0, ptListsDataModel::ListNameRole),
             ptXmlText::xmlSafe(listName.simplified()));
    QCOMPARE(role(overview, 0, ptListsDataModel::ListNoteRole),
             ptXmlText::xmlSafe(listNote.simplified().toLower()));
    QCOMPARE(role(overview, 0, ptListsDataModel::ItemsListRole), QStringLiteral("1"));
    QCOMPARE(role(overview, 0, ptListsDataModel::PriceListRole), QStringLiteral("7.50"));

    manager.listDataModel()->releaseModel();
    QVERIFY(manager.loadList(0));
    QCOMPARE(list.rowCount(), 2);
    const QString safeName = ptXmlText::xmlSafe(name.simplified());
    const QString safeCategory = ptXmlText::xmlSafe(category.simplified());
    QVERIFY(safeName.size() < name.size() && safeName.size() > 50000);
    QVERIFY(!safeName.contains(QChar(0xFFFE)) && !safeName.contains(QChar(0)));
    QVERIFY(safeName.contains(QString::fromUcs4(U"\U0001F9C0")));
    QCOMPARE(list.listName(), ptXmlText::xmlSafe(listName.simplified()));
    QCOMPARE(role(list, 0, ptListDataModel::ItemCategoryRole), safeCategory);
    QCOMPARE(role(list, 1, ptListDataModel::ItemNameRole), safeName);
    QCOMPARE(role(list, 1, ptListDataModel::ItemCategoryRole), safeCategory);
    QCOMPARE(role(list, 1, ptListDataModel::ItemNoteRole), ptXmlText::xmlSafe(note.simplified()));
    QCOMPARE(role(list, 1, ptListDataModel::ItemPriceRole), QStringLiteral("2.50"));
    QCOMPARE(role(list, 1, ptListDataModel::ItemAmountUnitRole), QStringLiteral("2"));

    // A second round trip changes nothing more.
    const QStringList loaded = rowsOf(list);
    QVERIFY(list.saveModel());
    QVERIFY(manager.loadList(0));
    QCOMPARE(rowsOf(list), loaded);
}

void tst_Extremes::textsOfDroppedCharactersOnly()
{
    // Texts that are not empty in memory but empty once saved: the list keeps
    // working with an empty name and an empty (not uncategorised) category,
    // whose item row has the same key as its header.
    ptApplicationManager &manager = *m_manager;
    const QString dropped = QString(QChar(0x01)) + QChar(0xFFFF) + QChar(0xDC00);
    QVERIFY(manager.createNewList(dropped, 0, QString()));
    manager.addItem(0, dropped, QString(QChar(0x1F)), QStringLiteral("1"), QString(), 0, dropped);
    manager.addItem(0, QStringLiteral("Milk"), QString(), QString(), QString(), 0, QString());
    ptListDataModel &list = *manager.listDataModel();
    QCOMPARE(list.rowCount(), 4);
    QVERIFY(list.saveModel());
    QVERIFY(manager.updateListsDataModel());
    QCOMPARE(manager.listsDataModel()->rowCount(), 1);
    QCOMPARE(role(*manager.listsDataModel(), 0, ptListsDataModel::ListNameRole), QString());
    QCOMPARE(role(*manager.listsDataModel(), 0, ptListsDataModel::ItemsListRole),
             QStringLiteral("2"));

    QVERIFY(manager.loadList(0));
    QCOMPARE(list.listName(), QString());
    QCOMPARE(list.rowCount(), 4);
    QCOMPARE(role(list, 0, ptListDataModel::ItemTypeRole), QStringLiteral("category"));
    QCOMPARE(role(list, 0, ptListDataModel::ItemCategoryRole), QString());
    QCOMPARE(role(list, 1, ptListDataModel::ItemTypeRole), QStringLiteral("item"));
    QCOMPARE(role(list, 1, ptListDataModel::ItemNameRole), QString());
    QCOMPARE(role(list, 1, ptListDataModel::ItemNoteRole), QString());
    QCOMPARE(role(list, 2, ptListDataModel::ItemCategoryRole), QString(Marker));
    QCOMPARE(role(list, 3, ptListDataModel::ItemNameRole), QStringLiteral("Milk"));

    // Into the cart and back: the empty category's header goes and comes back.
    list.toggleItem(1);
    QCOMPARE(list.rowCount(), 2);
    QCOMPARE(role(list, 0, ptListDataModel::ItemCategoryRole), QString(Marker));
    list.displayCart(true);
    QCOMPARE(list.rowCount(), 2);
    list.toggleItem(1);
    QCOMPARE(list.rowCount(), 0);
    list.displayList(true);
    QCOMPARE(list.rowCount(), 4);
    QVERIFY(list.deleteItem(1));
    QCOMPARE(list.rowCount(), 2);
    QCOMPARE(role(list, 1, ptListDataModel::ItemNameRole), QStringLiteral("Milk"));
}

void tst_Extremes::tenThousandCategories()
{
    const int count = 10000;
    ptApplicationManager &manager = *m_manager;
    QVERIFY(manager.createNewList(QStringLiteral("Big"), 0, QString()));

    // Categories in a scrambled order, with digits that sort against the
    // separator (":" follows the digits), Cyrillic, an emoji and the
    // neighbours of the uncategorised marker.
    QStringList categories;
    QHash<QString, int> firstItem;
    for (int i = 0; i < count; ++i)
        categories.append(QStringLiteral("Кат %1").arg((i * 7919) % count));
    categories[17] = QStringLiteral("Кат 1 ") + QString::fromUcs4(U"\U0001F34E");
    categories[18] = QString(QChar(0xEFFF));
    categories[19] = QString(QChar(0xF001));
    for (int i = 0; i < count; ++i)
        firstItem.insert(categories.at(i), i);
    QCOMPARE(firstItem.size(), count);

    ptListDataModel &list = *manager.listDataModel();
    ptCategoriesDataModel &catalogue = *manager.categoriesDataModel();
    for (int i = 0; i < count; ++i)
        QVERIFY(list.addItem(QStringLiteral("item %1").arg(i), categories.at(i), QString(),
                             QString(), 0, QString()));
    // The catalogue rebuilds all its rows on every entry, so filling it one
    // entry at a time grows with the square of its size: it gets the first
    // thousand only.
    const int catalogueCount = 1000;
    for (int i = 0; i < catalogueCount; ++i)
        QVERIFY(catalogue.addItem(QStringLiteral("item %1").arg(i), categories.at(i), QString(),
                                  QStringLiteral("EUR"), QString(), 0, QString()));

    // Each category once, in key order: its header, then its one item.
    auto checkGrouping = [&](const QAbstractItemModel &pModel, int pCount, int pTypeRole,
                             int pCategoryRole, int pNameRole) {
        QStringList headerKeys;
        for (int i = 0; i < pCount; ++i)
            headerKeys.append(categories.at(i) + QLatin1Char(':'));
        std::sort(headerKeys.begin(), headerKeys.end(),
                  [](const QString &a, const QString &b) { return a.compare(b) < 0; });
        QCOMPARE(pModel.rowCount(), 2 * pCount);
        for (int i = 0; i < pCount; ++i) {
            const QString category = headerKeys.at(i).chopped(1);
            QCOMPARE(role(pModel, 2 * i, pTypeRole), QStringLiteral("category"));
            QCOMPARE(role(pModel, 2 * i, pCategoryRole), category);
            QCOMPARE(role(pModel, 2 * i + 1, pTypeRole), QStringLiteral("item"));
            QCOMPARE(role(pModel, 2 * i + 1, pCategoryRole), category);
            QCOMPARE(role(pModel, 2 * i + 1, pNameRole),
                     QStringLiteral("item %1").arg(firstItem.value(category)));
        }
    };
    checkGrouping(list, count, ptListDataModel::ItemTypeRole, ptListDataModel::ItemCategoryRole,
                  ptListDataModel::ItemNameRole);
    if (QTest::currentTestFailed())
        return;
    checkGrouping(catalogue, catalogueCount, ptCategoriesDataModel::ItemTypeRole,
                  ptCategoriesDataModel::ItemCategoryRole, ptCategoriesDataModel::ItemNameRole);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(catalogue.categoriesCount(), catalogueCount);
    for (int i = 0; i < catalogueCount; ++i)
        QCOMPARE(catalogue.categoryName(i), categories.at(i));

    // The catalogue hands all its entries to the list at once.
    list.releaseModel();
    QVERIFY(manager.createNewList(QStringLiteral("Big"), 0, QString()));
    manager.updateListItems();
    list.updateModel();
    checkGrouping(list, catalogueCount, ptListDataModel::ItemTypeRole,
                  ptListDataModel::ItemCategoryRole, ptListDataModel::ItemNameRole);
    if (QTest::currentTestFailed())
        return;
    list.releaseModel();
    QVERIFY(manager.createNewList(QStringLiteral("Big"), 0, QString()));
    for (int i = 0; i < count; ++i)
        QVERIFY(list.addItem(QStringLiteral("item %1").arg(i), categories.at(i), QString(),
                             QString(), 0, QString()));

    QVERIFY(list.saveModel());
    const QStringList rows = rowsOf(list);
    QVERIFY(manager.updateListsDataModel());
    QCOMPARE(role(*manager.listsDataModel(), 0, ptListsDataModel::ItemsListRole),
             QString::number(count));
    list.releaseModel();
    QVERIFY(manager.loadList(0));
    QCOMPARE(rowsOf(list), rows);

    list.sortByProduct(true);
    QCOMPARE(list.rowCount(), count);
    QCOMPARE(role(list, 0, ptListDataModel::ItemNameRole), QStringLiteral("item 0"));
    QCOMPARE(role(list, 1, ptListDataModel::ItemNameRole), QStringLiteral("item 1"));
    QCOMPARE(role(list, 2, ptListDataModel::ItemNameRole), QStringLiteral("item 10"));
}

QTEST_GUILESS_MAIN(tst_Extremes)
#include "tst_extremes.moc"
