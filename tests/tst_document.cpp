#include <QtTest>

#include <climits>

#include "ptListDataModel.h"
#include "ptListsDataModel.h"
#include "ptTestFiles.h"
#include "ptListDocument.h"
#include "ptXmlText.h"

class tst_document : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("XDG_DATA_HOME", m_home.path().toLocal8Bit()); }

    void documentBytes()
    {
        const QString fileName = path("demo-list.ptl");
        ptListDataModel model;
        QVERIFY(!model.newModel("", "x", 0, ""));
        QVERIFY(model.newModel(fileName, "  Week   shop ", 5, "a & b"));
        model.sortByProduct(true);
        QVERIFY(model.addItem("Milk", "Dairy", "2", "3", 1, ""));
        QVERIFY(model.addItem("Bread", "", "1,25", "", 0, "<fresh>"));
        QVERIFY(model.addItem("Gone", "Dairy", "9", "", 0, ""));
        QVERIFY(model.addItem("Jam", "Sweets", "4", "", 0, ""));
        QVERIFY(model.deleteItem(1));
        model.toggleItem(1);
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
            read.append(
                    overview.data(overview.index(row), ptListsDataModel::ListNameRole).toString()
                    + '@' + QFileInfo(overview.listFileName(row)).completeBaseName());
        }
        QTEST(read.join(' '), "rows");
        for (int row : {-1, INT_MIN, overview.rowCount(), INT_MAX}) {
            QVERIFY(overview.listFileName(row).isEmpty() && !overview.deleteList(row));
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
        QTest::newRow("dropped only") << QString::fromUcs4(U"\u0001\uFFFF") << QString();
        // Huge texts of pieces, some of which XML cannot carry.
        const QString dropped = QString::fromUcs4(U"\u001B\uFFFE") + QChar(0xD800);
        const QString piece = QString::fromUcs4(U"Молоко\U0001F9C0<&>");
        QTest::newRow("huge") << (piece + dropped).repeated(10000) << piece.repeated(10000);
    }

    void textsXmlCannotCarry()
    {
        QFETCH(QString, written);
        QFETCH(QString, read);
        QCOMPARE(ptXmlText::xmlSafe(written), read);
        const QString fileName = path("texts.ptl");
        {
            ptListDataModel model; // saves its list when it goes
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
        // An empty category's header comes before its item of an empty name,
        // whose row has the same key.
        model.updateModel();
        QCOMPARE(model.data(model.index(1), ptListDataModel::ItemTypeRole), QVariant("item"));
        model.toggleItem(1);
        QCOMPARE(model.rowCount(), 0);
    }

    // The longest name and note the program keeps, every character escaped,
    // still make a start tag that the overview reads; a wider tag it refuses
    // (the reader's work grows with the square of its attributes).
    void startTagBound()
    {
        const QString quotes(1500, '"');
        {
            ptListDataModel model;
            QVERIFY(model.newModel(path("long.ptl"), quotes, 0, quotes));
        }
        QByteArray wide = "<pantrix_list name=\"Wide\"";
        for (int i = 0; i < 3000; ++i)
            wide += " a" + QByteArray::number(i) + "=\"\"";
        QVERIFY(writeFile(path("wide.ptl"), qCompress(wide + "/>")));
        ptListsDataModel overview;
        QVERIFY(overview.loadData({path("wide.ptl"), path("long.ptl")}));
        QCOMPARE(overview.rowCount(), 1);
        QCOMPARE(overview.data(overview.index(0), ptListsDataModel::ListNoteRole).toString(),
                 quotes.left(1000));
    }

private:
    QString path(const QString &pName) const { return m_home.filePath(pName); }
    // Writes a file of the named kind and returns its path.

    QString fileOf(const QString &pKind) const
    {
        // A document that inflates past the size bound, with its size claimed.
        static const QByteArray bomb
                = qCompress("<pantrix_list name=\"Bomb\">"
                            + QByteArray(ptListDocument::MaxDocumentSize, ' ') + "</pantrix_list>");
        static const QHash<QString, QByteArray> files = {
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
                {"understated", QByteArray("\0\0\4\0", 4) + bomb.mid(4)}};
        if (!files.contains(pKind))
            return pKind == QLatin1String("missing") ? path(pKind) : QString();
        return writeFile(path(pKind + ".ptl"), files.value(pKind)) ? path(pKind + ".ptl")
                                                                   : QString();
    }

    QTemporaryDir m_home;
};

QTEST_MAIN(tst_document)
#include "tst_document.moc"
