#include <QApplication>
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

    void replaceAndDeleteList_data()
    {
        QTest::addColumn<bool>("byRow");
        QTest::addColumn<bool>("trash");
        QTest::newRow("by path, to the trash") << false << true;
        QTest::newRow("by row, no trash") << true << false;
    }

    // A replaced or deleted list goes to the trash where there is one.
    void replaceAndDeleteList()
    {
        QFETCH(bool, byRow);
        QFETCH(bool, trash);

        const QString path = ptApplicationManager::listDocumentPath();
        const QDir trashed(m_dataDir->filePath(u"Trash/files"_s));
        if (!trash)
            QVERIFY(writeFile(m_dataDir->filePath(u"Trash"_s), "not a directory"));
        ptApplicationManager manager;
        QVERIFY(manager.initialize());
        QVERIFY(manager.createNewList(u"First"_s, 0, QString()));
        QVERIFY(manager.createNewList(u"Second"_s, 113, u" Buy  EARLY"_s));
        QCOMPARE(manager.listDataModel()->listNote(), u"buy early"_s);
        QCOMPARE(trashed.entryList(QDir::Files).size(), trash ? 1 : 0);
        QVERIFY(manager.updateListsDataModel());

        for (int row : {-1, 1, INT_MAX})
            QVERIFY(!manager.loadList(row) && manager.deleteListByIndex(row));
        QVERIFY(manager.loadList(0));
        // The trash receives the list as it was last seen, not as last saved.
        manager.addItem(0, u"Tea"_s, QString(), QString(), QString(), 0, QString());

        QVERIFY(byRow ? manager.deleteListByIndex(0) : manager.deleteList(path));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(manager.listsDataModel()->rowCount(), 0);
        QCOMPARE(trashed.entryList(QDir::Files).size(), trash ? 2 : 0);
        if (trash) {
            const QString last
                    = trashed.filePath(trashed.entryList(QDir::Files, QDir::Time).first());
            QVERIFY(qUncompress(readFile(last)).contains("name=\"Tea\""));
        }
    }

    void addItem()
    {
        ptApplicationManager manager;
        QVERIFY(manager.initialize());
        QVERIFY(manager.createNewList(u"A"_s, 44, QString()));
        ptCategoriesDataModel &catalogue = *manager.categoriesDataModel();
        // From the My Items page only the catalogue learns of the item.
        manager.addItem(1, u"Tea"_s, QString(), u"3"_s, QString(), 0, QString());
        QCOMPARE(manager.listDataModel()->items().size(), 0);
        QCOMPARE(text(catalogue, 1, ptCategoriesDataModel::ItemPriceRole), u"3"_s);
        // The catalogue files and shows prices under the current currency.
        manager.currencyUnitsDataModel()->setCurrentCurrency(44);
        manager.addItem(0, u"Milk"_s, u"Dairy"_s, u"1.10"_s, u"2"_s, 4, QString());
        QCOMPARE(manager.listDataModel()->items().size(), 1);
        QCOMPARE(text(catalogue, 1, ptCategoriesDataModel::ItemPriceRole), u"1.10"_s);
        QCOMPARE(text(catalogue, 3, ptCategoriesDataModel::ItemPriceRole), QString());
    }

    void typedNumbers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("decimal comma") << u"0,250"_s << u"0.250"_s;
        QTest::newRow("decimal point") << u"1.5"_s << u"1.5"_s;
        QTest::newRow("whole") << u"12"_s << u"12"_s;
        QTest::newRow("comma alone") << u","_s << QString();
        QTest::newRow("point alone") << u"."_s << QString();
    }

    // A price or an amount is stored with a decimal point whatever mark was
    // typed, and as empty without a digit, in the list and in My Items alike,
    // added or updated.
    void typedNumbers()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        ptApplicationManager manager;
        QVERIFY(manager.initialize() && manager.createNewList(u"A"_s, 0, QString()));
        manager.addItem(0, u"Milk"_s, QString(), typed, u"1"_s, 0, QString());
        ptListDataModel &list = *manager.listDataModel();
        QCOMPARE(list.items().value(0).value(u"price"_s), stored);
        QCOMPARE(text(*manager.categoriesDataModel(), 1, ptCategoriesDataModel::ItemPriceRole),
                 stored);
        manager.updateItem(0, 1, u"Milk"_s, QString(), u"1"_s, typed, 0, QString());
        QCOMPARE(list.items().value(0).value(u"count"_s), stored);
    }

    void updateItem_data()
    {
        QTest::addColumn<QString>("stored"); // in category "dairy", row 1 of both models
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("category");
        QTest::addColumn<int>("added"); // a new catalogue entry, which is selected

        QTest::newRow("stored lower-cased") << u"milk"_s << u"MILK"_s << u"DAIRY"_s << 0;
        QTest::newRow("stored not lower case") << u"Milk"_s << u"Milk"_s << u"dairy"_s << 1;
        QTest::newRow("new category") << u"milk"_s << u"milk"_s << u"fridge"_s << 1;
    }

    // On the list page the catalogue entry is updated in place when the stored
    // texts equal the lower-cased new ones, and added otherwise.
    void updateItem()
    {
        QFETCH(QString, stored);
        QFETCH(QString, name);
        QFETCH(QString, category);

        ptApplicationManager manager;
        QVERIFY(manager.initialize());
        QVERIFY(manager.createNewList(u"A"_s, 0, QString()));
        manager.addItem(0, stored, u"dairy"_s, u"1"_s, QString(), 0, QString());
        manager.categoriesDataModel()->clearSelection();

        manager.updateItem(0, 1, name, category, u"2"_s, QString(), 0, QString());
        QTEST(int(manager.categoriesDataModel()->selectedItems().size()), "added");
        QCOMPARE(text(*manager.listDataModel(), 1, ptListDataModel::ItemNameRole), name);
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

    // The committed icons are what the drawing tool makes: the same files, the
    // SVG byte for byte, the PNGs pixel for pixel within 2 levels of 255 (the
    // raster engine rounds antialiased edges differently on another processor).
    void iconsAreTheToolsDrawing()
    {
        QTemporaryDir drawn;
        QCOMPARE(QProcess::execute(QStringLiteral(PANTRIX_ICONS_TOOL), {drawn.path()}), 0);
        const auto files = [](const QDir &pDir) {
            QStringList names;
            for (QDirIterator it(pDir.path(), QDir::Files, QDirIterator::Subdirectories);
                 it.hasNext();)
                names.append(pDir.relativeFilePath(it.next()));
            names.sort();
            return names;
        };
        const QDir committed(QStringLiteral(PANTRIX_SOURCE_DIR "/icons"));
        const QStringList names = files(committed);
        QCOMPARE(files(QDir(drawn.path())), names);
        for (const QString &name : names) {
            const QString made = QDir(drawn.path()).filePath(name);
            if (!name.endsWith(u".png")) {
                QCOMPARE(readFile(made), readFile(committed.filePath(name)));
                continue;
            }
            const QImage a = QImage(made).convertToFormat(QImage::Format_ARGB32);
            const QImage b = QImage(committed.filePath(name)).convertToFormat(a.format());
            QCOMPARE(b.size(), a.size());
            const auto near = [](uchar pA, uchar pB) { return qAbs(pA - pB) <= 2; };
            QVERIFY2(
                    std::equal(a.constBits(), a.constBits() + a.sizeInBytes(), b.constBits(), near),
                    qPrintable(name));
        }
    }
};

QTEST_MAIN(tst_controller)
#include "tst_controller.moc"
