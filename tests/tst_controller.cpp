#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QtTest>

#include <climits>
#include <memory>

#include "ptApplicationManager.h"
#include "ptStartup.h"
#include "ptTestFiles.h"

using namespace Qt::StringLiterals;

static QByteArray item(const QByteArray &pName, const QByteArray &pValue)
{
    return "<item name=\"" + pName + "\" value=\"" + pValue + "\"/>";
}

// The settings file exactly as the controller writes it.
static QByteArray settingsDocument(int pLanguage, int pCurrency)
{
    return "\n<pantrix_settings version=\"1.0.0\">\n    "
            + item("language", QByteArray::number(pLanguage)) + "\n    "
            + item("currency", QByteArray::number(pCurrency)) + "\n</pantrix_settings>";
}

static QString text(const QAbstractItemModel &pModel, int pRow, int pRole)
{
    return pModel.data(pModel.index(pRow, 0), pRole).toString();
}

// The item dialog's fields, given as "name|category|price|amount".
static QVariantMap item(const QString &pFields)
{
    const QStringList fields = pFields.split('|');
    return {{u"name"_s, fields.value(0)},
            {u"category"_s, fields.value(1)},
            {u"price"_s, fields.value(2)},
            {u"amount"_s, fields.value(3)}};
}

// The open list's items as "name@category" (* for ticked) and My Items'
// names, each sorted, and whether the list's document is stored.
static QString state(ptApplicationManager &pManager)
{
    QStringList items;
    for (const ptItemRecord &item : pManager.listDataModel()->content().items)
        items.append(item.value(ptItemRecord::NameField) + '@'
                     + QString(item.value(ptItemRecord::CategoryField)).replace(QChar(0xF000), '-')
                     + (item.value(ptItemRecord::StatusField) == u"checked"_s ? u"*"_s : u""_s));
    items.sort();
    QStringList entries;
    for (const QHash<QString, QString> &entry : pManager.categoriesDataModel()->entries()) {
        if (entry.value(u"status"_s) != u"deleted"_s)
            entries.append(entry.value(u"name"_s));
    }
    entries.sort();
    return pManager.listDataModel()->listName() + ": " + items.join(' ') + " / " + entries.join(' ')
            + (QFile::exists(ptApplicationManager::listDocumentPath()) ? "" : " (no file)");
}

static int rowOf(const QAbstractItemModel &pModel, int pRole, const QString &pText)
{
    return pModel.match(pModel.index(0, 0), pRole, pText, 1, Qt::MatchExactly).value(0).row();
}

class tst_controller : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dataDir;

private slots:
    void init()
    {
        ptStartup::setIdentity();
        m_dataDir = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dataDir->path()));
    }

    void settings_data()
    {
        QTest::addColumn<QByteArray>("document"); // null: no settings file
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("currency");
        QTest::addColumn<QString>("items");

        const QByteArray laterWins = "<s>" + item("language", "1") + item("currency", "5")
                + item("currency", "6") + "</s>";
        QTest::newRow("first run") << QByteArray() << 0 << 0 << "3 items";
        QTest::newRow("russian, row 42") << settingsDocument(1, 42) << 1 << 42 << "3 шт";
        QTest::newRow("other root, later item wins") << laterWins << 1 << 6 << "3 шт";
        QTest::newRow("no such language") << settingsDocument(5, 3) << 5 << 3 << "3 item(s)";
    }

    // The stored settings apply at start; a language switch retranslates and
    // saves at once, a new currency is saved at exit.
    void settings()
    {
        QFETCH(QByteArray, document);
        QFETCH(int, currency);

        const QString path = ptApplicationManager::settingsFilePath();
        if (!document.isNull())
            QVERIFY(writeFile(path, document));
        {
            ptApplicationManager manager;
            QVERIFY(manager.initialize());
            QTEST(manager.languagesDataModel()->currentLanguageIndex(), "language");
            QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencyIndex(), currency);
            // A list row's item count as the lists screen shows it.
            QTEST(QCoreApplication::translate("ScreenMain", "%n item(s)", "", 3), "items");

            QSignalSpy texts(&manager, &ptApplicationManager::nullStringChanged);
            manager.setCurrentLanguage(2);
            manager.setCurrentLanguage(1);
            QCOMPARE(texts.count(), 1);
            QCOMPARE(manager.amountUnitsDataModel()->measureName(0), u"шт"_s);
            QCOMPARE(readFile(path), settingsDocument(1, currency));

            manager.currencyUnitsDataModel()->setCurrentCurrency(44);
            QCOMPARE(texts.count(), 2);
            QCOMPARE(manager.currencyUnitsDataModel()->currentCurrency(), u"€ - Евро"_s);
        }
        QCOMPARE(readFile(path), settingsDocument(1, 44));
    }

    void failedStartKeepsTheSettings()
    {
        // A plain file where the lists directory belongs: it cannot be made.
        QVERIFY(writeFile(ptApplicationManager::listsDirectoryPath(), "not a directory"));
        const QByteArray stored = "<s>" + item("language", "1") + "</s>";
        QVERIFY(writeFile(ptApplicationManager::settingsFilePath(), stored));

        QMessageBox::Icon shown = QMessageBox::NoIcon;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&shown] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown = box->icon();
                box->accept();
            }
        });
        closer.start(20);
        QCOMPARE(ptStartup::run(), 1);
        QCOMPARE(shown, QMessageBox::Critical);
        QCOMPARE(readFile(ptApplicationManager::settingsFilePath()), stored);
    }

    // A truncated document: the program starts without the list's row and
    // leaves the file as it is.
    void unreadableDocument()
    {
        const QByteArray bytes = qCompress("<pantrix_list version=\"1.0.0\" name=\"A\"/>").left(20);
        QVERIFY(writeFile(ptApplicationManager::listDocumentPath(), bytes));
        ptApplicationManager manager;
        QVERIFY(manager.initialize());
        QCOMPARE(manager.listsDataModel()->rowCount(), 0);
        QCOMPARE(readFile(ptApplicationManager::listDocumentPath()), bytes);
    }

    void savedItems_data()
    {
        // What the item dialog gives back ("name|category|price|amount"), for
        // a row of a page (-1 for a new item), after "milk" of "dairy" at 1;
        // then the list's records and the catalogue's entries as
        // "name:category:price:amount" and "name:category:price".
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("catalogued");
        const int list = ptApplicationManager::ListPage;
        QTest::newRow("new, decimal comma")
                << list << -1 << u"Tea|Drinks|0,250|1,5"_s
                << u"milk:dairy:1: Tea:Drinks:0.250:1.5"_s << u"Tea:Drinks:0.250 milk:dairy:1"_s;
        QTest::newRow("new, no digit")
                << list << -1 << u"Tea|Drinks|,|."_s << u"milk:dairy:1: Tea:Drinks::"_s
                << u"Tea:Drinks: milk:dairy:1"_s;
        QTest::newRow("changed, stored lower-cased")
                << list << 1 << u"MILK|DAIRY|2|"_s << u"MILK:DAIRY:2:"_s << u"milk:dairy:1"_s;
        QTest::newRow("changed, new category")
                << list << 1 << u"milk|fridge|2|"_s << u"milk:fridge:2:"_s
                << u"milk:dairy:1 milk:fridge:2"_s;
        QTest::newRow("from My Items")
                << int(ptApplicationManager::MyItemsPage) << 1 << u"milk|dairy|9|"_s
                << u"milk:dairy:1:"_s << u"milk:dairy:9"_s;
    }

    // The item dialog's fields go to the list and My Items, or to My Items
    // alone; prices and amounts are stored with a decimal point, and as
    // empty without a digit.
    void savedItems()
    {
        QFETCH(int, page);
        QFETCH(int, row);
        QFETCH(QString, fields);
        ptApplicationManager manager;
        QVERIFY(manager.initialize() && manager.openNewList(u"A"_s, 0, QString()));
        manager.saveItem(ptApplicationManager::ListPage, -1, item(u"milk|dairy|1|"_s));
        manager.saveItem(ptApplicationManager::ItemPage(page), row, item(fields));
        QStringList listed;
        for (const QHash<QString, QString> &record : manager.listDataModel()->items())
            listed.append(QStringList {record.value(u"name"_s), record.value(u"category"_s),
                                       record.value(u"price"_s), record.value(u"count"_s)}
                                  .join(':'));
        QTEST(listed.join(' '), "listed");
        const ptCategoriesDataModel &catalogue = *manager.categoriesDataModel();
        QStringList catalogued;
        for (int entry = 0; entry < catalogue.rowCount(); ++entry) {
            if (text(catalogue, entry, ptCategoriesDataModel::ItemTypeRole) == u"item"_s)
                catalogued.append(text(catalogue, entry, ptCategoriesDataModel::ItemNameRole) + ':'
                                  + text(catalogue, entry, ptCategoriesDataModel::ItemCategoryRole)
                                  + ':'
                                  + text(catalogue, entry, ptCategoriesDataModel::ItemPriceRole));
        }
        QTEST(catalogued.join(' '), "catalogued");
    }

    // What the scenes ask of the controller, from a new list to the trash.
    void listRoad()
    {
        ptApplicationManager manager;
        QVERIFY(manager.initialize() && manager.openNewList(u"Week"_s, 44, QString()));
        QCOMPARE(manager.listScreen(), ptApplicationManager::EditingScreen);
        ptListDataModel &list = *manager.listDataModel();
        manager.saveItem(ptApplicationManager::ListPage, -1, item(u"Milk|Dairy|1|"_s));
        // The next new item starts in that category, priced in the list's
        // currency; My Items files prices under the current currency.
        manager.currencyUnitsDataModel()->setCurrentCurrency(3);
        const QVariantMap next = manager.openItem(ptApplicationManager::ListPage, -1);
        QCOMPARE(next.value(u"category"_s).toString() + next.value(u"priceUnit"_s).toString(),
                 u"Dairy44"_s);
        QCOMPARE(text(*manager.categoriesDataModel(), 1, ptCategoriesDataModel::ItemPriceRole),
                 QString());

        // Back from the cart view of the shopping screen, the editing screen
        // shows the list view, and a new item has no category.
        manager.showList(ptApplicationManager::ShoppingScreen);
        QCOMPARE(manager.listScreen(), ptApplicationManager::ShoppingScreen);
        list.displayCart(true);
        manager.showList(ptApplicationManager::EditingScreen);
        QVERIFY(list.isDisplayList());
        QCOMPARE(manager.openItem(ptApplicationManager::ListPage, -1).value(u"category"_s),
                 QString());

        // Closing writes the list; the lists screen shows what was written.
        manager.closeList();
        QCOMPARE(manager.listScreen(), ptApplicationManager::NoList);
        QCOMPARE(text(*manager.listsDataModel(), 0, ptListsDataModel::ItemsListRole), u"1"_s);

        // The last tick asks for the checkout, whose Yes puts the list in the
        // trash as it was last seen.
        QVERIFY(manager.openList(0, ptApplicationManager::ShoppingScreen));
        QSignalSpy checkout(&list, &ptListDataModel::checkoutRequested);
        manager.tickItem(1);
        QCOMPARE(checkout.count(), 1);
        manager.finishList();
        QCOMPARE(manager.listScreen(), ptApplicationManager::NoList);
        QVERIFY(!QFile::exists(ptApplicationManager::listDocumentPath()));
        QCOMPARE(manager.listsDataModel()->rowCount(), 0);
        const QDir trashed(m_dataDir->filePath(u"Trash/files"_s));
        QVERIFY(qUncompress(readFile(trashed.filePath(u"demo-list.ptl"_s)))
                        .contains("status=\"checked\""));
    }

    void undo_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("offer");
        QTest::addColumn<QString>("undone"); // "before": as before the action
        const QString all = u" / bread cheese milk"_s;
        const QString list = u"Week: bread@bakery cheese@dairy milk@dairy"_s;
        QTest::newRow("item") << "delete bread"
                              << "Week: cheese@dairy milk@dairy" + all << "Deleted: bread"
                              << "before";
        QTest::newRow("category with items") << "delete dairy"
                                             << "Week: bread@bakery" + all << "Deleted: dairy"
                                             << "before";
        QTest::newRow("category, not its items")
                << "delete dairy keep"
                << "Week: bread@bakery cheese@- milk@-" + all << "Deleted: dairy"
                << "before";
        QTest::newRow("My Items entry") << "delete entry bread" << list + " / cheese milk"
                                        << "Deleted: bread"
                                        << "before";
        QTest::newRow("deletions in a row join") << "delete bread|delete entry milk|delete cheese"
                                                 << "Week: milk@dairy / bread cheese"
                                                 << "Deleted: bread, milk, cheese"
                                                 << "before";
        QTest::newRow("not across another change") << "delete bread|tick milk|delete cheese"
                                                   << "Week: milk@dairy*" + all << "Deleted: cheese"
                                                   << "Week: cheese@dairy milk@dairy*" + all;
        QTest::newRow("tick") << "tick milk" << list + "*" + all << ""
                              << "before";
        QTest::newRow("untick all")
                << "tick milk|tick bread|untick" << list + all << "All items unticked"
                << "Week: bread@bakery* cheese@dairy milk@dairy*" + all;
        QTest::newRow("new item") << "new tea" << list + " tea@-" + all + " tea"
                                  << ""
                                  << "before";
        QTest::newRow("paste") << "paste"
                               << "Week: bread@bakery cheese@dairy jam@- milk@dairy tea@-" + all
                               << ""
                               << "before";
        QTest::newRow("list info") << "info"
                                   << "Month: bread@bakery cheese@dairy milk@dairy" + all << ""
                                   << "before";
        QTest::newRow("checkout") << "finish"
                                  << ": " + all + " (no file)"
                                  << "Deleted: Week"
                                  << ": " + all;
        QTest::newRow("lists screen") << "close|delete list"
                                      << ": " + all + " (no file)"
                                      << "Deleted: Week"
                                      << ": " + all;
    }

    // Each change is taken back exactly, and given back; a deletion is
    // offered for undo, deletions in a row as one. A version another program
    // wrote ends what can be taken back.
    void undo()
    {
        QFETCH(QString, action);
        QFETCH(QString, undone);
        ptApplicationManager manager;
        QVERIFY(manager.initialize() && manager.openNewList(u"Week"_s, 0, QString()));
        ptListDataModel &list = *manager.listDataModel();
        for (const QString &fields :
             {u"bread|bakery|1|"_s, u"milk|dairy|2|"_s, u"cheese|dairy|3|"_s})
            manager.saveItem(ptApplicationManager::ListPage, -1, item(fields));
        manager.sortItems(ptApplicationManager::ByProduct);
        manager.categoriesDataModel()->clearSelection();
        if (undone == u"before"_s)
            undone = state(manager);

        for (const QString &step : action.split('|')) {
            const QString name = step.section(' ', -1);
            const int row = rowOf(list, ptListDataModel::ItemNameRole, name);
            if (step.startsWith(u"delete entry"_s)) {
                manager.deleteItem(ptApplicationManager::MyItemsPage,
                                   rowOf(*manager.categoriesDataModel(),
                                         ptCategoriesDataModel::ItemNameRole, name));
            } else if (step.startsWith(u"delete dairy"_s)) {
                manager.sortItems(ptApplicationManager::ByCategory);
                manager.deleteCategory(ptApplicationManager::ListPage,
                                       rowOf(list, ptListDataModel::ItemCategoryRole, u"dairy"_s),
                                       !step.endsWith(u"keep"_s));
            } else if (step == u"delete list"_s) {
                manager.deleteListByIndex(0);
            } else if (step.startsWith(u"delete "_s)) {
                manager.deleteItem(ptApplicationManager::ListPage, row);
            } else if (step.startsWith(u"tick "_s)) {
                manager.tickItem(row);
            } else if (step == u"untick"_s) {
                manager.untickAll();
            } else if (step == u"new tea"_s) {
                manager.saveItem(ptApplicationManager::ListPage, -1, item(u"tea|||"_s));
            } else if (step == u"paste"_s) {
                QGuiApplication::clipboard()->setText(u"- tea\n- MILK\n- jam\n- tea"_s);
                QCOMPARE(manager.previewPaste().join('|'), u"• tea|• jam"_s);
                manager.pasteItems();
            } else if (step == u"info"_s) {
                manager.saveListInfo(u"Month"_s, 0, QString());
            } else if (step == u"finish"_s) {
                manager.finishList();
            } else if (step == u"close"_s) {
                manager.closeList();
            }
        }
        QTEST(state(manager), "after");
        QTEST(manager.undoOffer(), "offer");
        const QString after = state(manager);
        manager.undo();
        QCOMPARE(manager.undoOffer(), QString());
        QCOMPARE(state(manager), undone);
        manager.redo();
        QCOMPARE(state(manager), after);

        // Another program's version: what came before it cannot be taken back.
        if (list.listFileName().isEmpty())
            return;
        QVERIFY(manager.undoStack()->canUndo());
        QTRY_VERIFY(!list.isModified());
        ptListDataModel other;
        QVERIFY(other.loadModel(ptApplicationManager::listDocumentPath()));
        QVERIFY(other.addItem(u"salt"_s, QString(), QString(), QString(), 0, QString()));
        QVERIFY(other.saveModel());
        QVERIFY(list.followFile());
        QVERIFY(!manager.undoStack()->canUndo());
        QVERIFY(state(manager).contains(u"salt"_s));
    }

    // lupdate merges the texts of the sources into copies of both catalogues:
    // a text without a finished entry (new, changed, or with another plural
    // flag) comes out unfinished.
    void cataloguesCoverTheSources()
    {
        QTemporaryDir dir;
        const QStringList copies = {dir.filePath("en.ts"), dir.filePath("ru.ts")};
        QVERIFY(QFile::copy(PANTRIX_SOURCE_DIR "/languages/pantrix_en.ts", copies.at(0)));
        QVERIFY(QFile::copy(PANTRIX_SOURCE_DIR "/languages/pantrix_ru.ts", copies.at(1)));
        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(PANTRIX_SOURCE_DIR));
        lupdate.start(QStringLiteral(PANTRIX_LUPDATE),
                      QStringList {"-no-obsolete", "src", "qml", "-ts"} + copies);
        QVERIFY(lupdate.waitForFinished(300000) && lupdate.exitCode() == 0);
        // A warning means a call lupdate could not read, so a text it may have missed.
        QCOMPARE(lupdate.readAllStandardError(), QByteArray());
        for (const QString &copy : std::as_const(copies))
            QVERIFY2(!readFile(copy).contains("type=\"unfinished\""), qPrintable(copy));

        // Every text of the scenes is Russian in the Russian catalogue, but for
        // those that stay as they are: the name, Ok and the about window.
        QXmlStreamReader ts(readFile(copies.at(1)));
        QString context;
        QString source;
        while (!ts.atEnd()) {
            if (ts.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (ts.name() == u"name")
                context = ts.readElementText();
            else if (ts.name() == u"source")
                source = ts.readElementText();
            else if (ts.name() != u"translation")
                continue;
            else if (context.startsWith(u"Screen") && context != u"ScreenAbout" && source != u"Ok"
                     && source != u"Pantrix")
                QVERIFY2(ts.readElementText(QXmlStreamReader::IncludeChildElements)
                                 .contains(QRegularExpression(u"[\u0400-\u04FF]"_s)),
                         qPrintable(context + u": "_s + source));
        }
    }
};

QTEST_MAIN(tst_controller)
#include "tst_controller.moc"
