#include <QtTest>

#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QTemporaryDir>

#include <memory>

#include "ptApplicationManager.h"
#include "ptSceneDriver.h"

// Drives the lists screen, its sheets and questions, the about window and the
// shared widgets through the real scenes and the real controller.
class tst_ui_lists : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rowsShowTheStoredSummary();
    void newListWithoutStoredList();
    void overwriteQuestionGuardsStoredList();
    void currencyChooser();
    void deleteQuestion();
    void languageSheet();
    void hiddenLayersLetTapsThrough();
    void aboutWindow();
    void resizeLaysOutAgain();
    void buttonAtHalfOpacityNeverEmits();
    void widgetLayout();

private:
    // Stores a list the way the editing screen would, before the app starts.
    void storeList(const QString &pName, const QString &pNote, int pItems);
    void start(int pLanguage = 0);
    QQuickItem *lists() const { return m_ui.loaded(QStringLiteral("mainLoader")); }
    QQuickItem *newListSheet() const;
    QQuickItem *question(const char *pName) const;
    void openMenuEntry(const QString &pEntry);
    QString listDocument() const;
    QByteArray readDocument() const;
    QRgb pixelAt(const QPoint &pPoint) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    ptSceneDriver m_ui;
};

void tst_ui_lists::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("XDG_DATA_HOME", m_dir->path().toUtf8());
}

void tst_ui_lists::cleanup()
{
    m_ui.stop();
    m_dir.reset();
}

void tst_ui_lists::storeList(const QString &pName, const QString &pNote, int pItems)
{
    ptApplicationManager manager;
    QVERIFY(manager.initialize());
    QVERIFY(manager.createNewList(pName, 0, pNote));
    for (int i = 0; i < pItems; ++i) {
        manager.addItem(0, QStringLiteral("item %1").arg(i), QStringLiteral("Food"),
                        QStringLiteral("1.25"), QStringLiteral("1"), 0, QString());
    }
    QVERIFY(manager.listDataModel()->saveModel());
}

void tst_ui_lists::start(int pLanguage)
{
    QVERIFY(m_ui.start());
    m_ui.manager()->setCurrentLanguage(pLanguage);
}

QQuickItem *tst_ui_lists::newListSheet() const
{
    QQuickItem *sheet = m_ui.loaded(QStringLiteral("newListLoader"));
    return sheet && ptSceneDriver::isShown(sheet) ? sheet : nullptr;
}

// The named question once it has grown to its full size.
QQuickItem *tst_ui_lists::question(const char *pName) const
{
    QQuickItem *query = m_ui.named(QString::fromLatin1(pName));
    return query && query->property("winScale").toDouble() == 1.0 ? query : nullptr;
}

void tst_ui_lists::openMenuEntry(const QString &pEntry)
{
    m_ui.click(m_ui.named(QStringLiteral("screenHeaderMiddle")));
    QQuickItem *entry = nullptr;
    QTRY_VERIFY((entry = m_ui.named(pEntry)));
    QTRY_COMPARE(lists()->property("menuY").toDouble(), 0.0);
    QTRY_COMPARE(m_ui.named(QStringLiteral("mainMenu"))->opacity(), 1.0);
    m_ui.click(entry);
}

QString tst_ui_lists::listDocument() const
{
    return ptApplicationManager::listDocumentPath();
}

QByteArray tst_ui_lists::readDocument() const
{
    QFile file(listDocument());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QRgb tst_ui_lists::pixelAt(const QPoint &pPoint) const
{
    return m_ui.view()->grabWindow().pixel(pPoint);
}

void tst_ui_lists::rowsShowTheStoredSummary()
{
    storeList(QStringLiteral("Weekend"), QString(), 3);
    start();

    QQuickItem *name = m_ui.named(QStringLiteral("listNameText"));
    QVERIFY(name);
    QCOMPARE(name->property("text").toString(), QStringLiteral("Weekend"));
    // Without a note the name takes the whole row height.
    QCOMPARE(name->height(), m_ui.named(QStringLiteral("listNoteText"))->parentItem()->height());
    QCOMPARE(m_ui.named(QStringLiteral("listCountText"))->property("text").toString(),
             QStringLiteral("3 items"));
    QCOMPARE(m_ui.named(QStringLiteral("listPriceText"))->property("text").toString(),
             QStringLiteral("3.75 ") + m_ui.manager()->currencyUnitsDataModel()->currencySign(0));

    // A document without a total shows no price at all, and a note halves the name.
    m_ui.stop();
    storeList(QStringLiteral("Empty"), QStringLiteral("for later"), 0);
    QByteArray document = readDocument();
    QByteArray xml = qUncompress(document);
    QVERIFY(xml.contains(" price_list=\"0.00\""));
    xml.replace(" price_list=\"0.00\"", "");
    QFile file(listDocument());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(qCompress(xml, 9));
    file.close();
    start(1);
    QCOMPARE(m_ui.named(QStringLiteral("listCountText"))->property("text").toString(),
             QStringLiteral("0 шт"));
    QCOMPARE(m_ui.named(QStringLiteral("listPriceText"))->property("text").toString(), QString());
    QCOMPARE(m_ui.named(QStringLiteral("listNoteText"))->property("text").toString(),
             QStringLiteral("for later"));
    QCOMPARE(m_ui.named(QStringLiteral("listNameText"))->height(), 33.0);
}

void tst_ui_lists::newListWithoutStoredList()
{
    start();
    QCOMPARE(m_ui.manager()->listsDataModel()->rowCount(), 0);

    m_ui.click(m_ui.button(QStringLiteral("new list")));
    QTRY_VERIFY(newListSheet());
    QVERIFY(!m_ui.named(QStringLiteral("overwriteQuestion")));

    m_ui.typeInto(QStringLiteral("listNameInput"), QStringLiteral("Party"));
    m_ui.typeInto(QStringLiteral("listNoteInput"), QStringLiteral("Friday  Night"));
    QCOMPARE(newListSheet()->property("listNameString").toString(), QStringLiteral("Party"));
    m_ui.click(m_ui.button(QStringLiteral("Ok"), newListSheet()));

    QTRY_COMPARE(m_ui.root()->property("state").toString(), QStringLiteral("edit"));
    QVERIFY(m_ui.loaded(QStringLiteral("editShopLoader")));
    QTRY_COMPARE(m_ui.loaded(QStringLiteral("editShopLoader"))->x(), 0.0);
    QVERIFY(!m_ui.loaded(QStringLiteral("newListLoader")));
    QVERIFY(QFile::exists(listDocument()));
    QCOMPARE(m_ui.manager()->listDataModel()->listName(), QStringLiteral("Party"));
    QCOMPARE(m_ui.manager()->listDataModel()->listNote(), QStringLiteral("friday night"));
}

void tst_ui_lists::overwriteQuestionGuardsStoredList()
{
    storeList(QStringLiteral("Weekend"), QString(), 2);
    const QByteArray stored = readDocument();
    start();

    // Cancel on the question.
    m_ui.click(m_ui.button(QStringLiteral("new list")));
    QQuickItem *query = nullptr;
    QTRY_VERIFY((query = question("overwriteQuestion")));
    QCOMPARE(query->property("queryString").toString(),
             QStringLiteral("List already exists. Do you want to overwrite it?"));
    QVERIFY(!newListSheet());
    m_ui.click(m_ui.button(QStringLiteral("Cancel"), query));
    QTRY_VERIFY(!m_ui.named(QStringLiteral("overwriteQuestion")));
    QVERIFY(!newListSheet());
    QCOMPARE(readDocument(), stored);

    // Yes, then Cancel on the sheet.
    m_ui.click(m_ui.button(QStringLiteral("new list")));
    QTRY_VERIFY((query = question("overwriteQuestion")));
    m_ui.click(m_ui.button(QStringLiteral("Yes"), query));
    QTRY_VERIFY(newListSheet());
    QVERIFY(!m_ui.named(QStringLiteral("overwriteQuestion")));
    m_ui.typeInto(QStringLiteral("listNameInput"), QStringLiteral("Other"));
    m_ui.click(m_ui.button(QStringLiteral("Cancel"), newListSheet()));
    QTRY_VERIFY(!m_ui.loaded(QStringLiteral("newListLoader")));
    QCOMPARE(readDocument(), stored);
    QCOMPARE(m_ui.root()->property("state").toString(), QString());

    // Yes, then Ok: only now is the stored list replaced.
    m_ui.click(m_ui.button(QStringLiteral("new list")));
    QTRY_VERIFY((query = question("overwriteQuestion")));
    m_ui.click(m_ui.button(QStringLiteral("Yes"), query));
    QTRY_VERIFY(newListSheet());
    // Each opening starts from an empty form.
    QCOMPARE(newListSheet()->property("listNameString").toString(), QString());
    m_ui.typeInto(QStringLiteral("listNameInput"), QStringLiteral("Replacement"));
    m_ui.click(m_ui.button(QStringLiteral("Ok"), newListSheet()));
    QTRY_COMPARE(m_ui.root()->property("state").toString(), QStringLiteral("edit"));
    QVERIFY(readDocument() != stored);
    QCOMPARE(m_ui.manager()->listDataModel()->listName(), QStringLiteral("Replacement"));
    QCOMPARE(m_ui.manager()->listDataModel()->rowCount(), 0);
}

void tst_ui_lists::currencyChooser()
{
    start();
    ptCurrencyUnitsDataModel *currencies = m_ui.manager()->currencyUnitsDataModel();
    const int first = currencies->currentCurrencyIndex();
    const QString firstText = currencies->currentCurrency();

    m_ui.click(m_ui.button(QStringLiteral("new list")));
    QQuickItem *sheet = nullptr;
    QTRY_VERIFY((sheet = newListSheet()));
    QCOMPARE(sheet->property("listCurrencyUnitIndex").toInt(), first);
    QCOMPARE(m_ui.named(QStringLiteral("listCurrencyText"))->property("text").toString(),
             firstText);

    auto rowText = [&](int pRow) {
        return ptSceneDriver::roleText(currencies, pRow, "currency_name") + QStringLiteral(" - ")
                + ptSceneDriver::roleText(currencies, pRow, "currency_sign");
    };

    // Highlight another row, then Cancel: the form keeps its currency.
    m_ui.click(m_ui.named(QStringLiteral("listCurrencyField")));
    QQuickItem *list = nullptr;
    QTRY_VERIFY((list = m_ui.named(QStringLiteral("currencyList"))));
    QVERIFY(!m_ui.named(QStringLiteral("listSheet")));
    QCOMPARE(list->property("currentIndex").toInt(), first);
    QQuickItem *row = nullptr;
    QTRY_VERIFY((row = m_ui.text(rowText(first + 2), list)));
    m_ui.click(row);
    QCOMPARE(list->property("currentIndex").toInt(), first + 2);
    m_ui.click(m_ui.button(QStringLiteral("Cancel"), m_ui.named(QStringLiteral("currencyPanel"))));
    QTRY_VERIFY(m_ui.named(QStringLiteral("listSheet")));
    QCOMPARE(sheet->property("listCurrencyUnitIndex").toInt(), first);
    QCOMPARE(m_ui.named(QStringLiteral("listCurrencyText"))->property("text").toString(),
             firstText);
    QCOMPARE(currencies->currentCurrencyIndex(), first);

    // Reopening highlights the form's currency again; Ok takes the new row.
    m_ui.click(m_ui.named(QStringLiteral("listCurrencyField")));
    QTRY_VERIFY((list = m_ui.named(QStringLiteral("currencyList"))));
    QCOMPARE(list->property("currentIndex").toInt(), first);
    QTRY_VERIFY((row = m_ui.text(rowText(first + 1), list)));
    m_ui.click(row);
    m_ui.click(m_ui.button(QStringLiteral("Ok"), m_ui.named(QStringLiteral("currencyPanel"))));
    QTRY_VERIFY(m_ui.named(QStringLiteral("listSheet")));
    QCOMPARE(sheet->property("listCurrencyUnitIndex").toInt(), first + 1);
    QCOMPARE(currencies->currentCurrencyIndex(), first + 1);
    QCOMPARE(m_ui.named(QStringLiteral("listCurrencyText"))->property("text").toString(),
             currencies->currentCurrency());

    // Cancelling the sheet keeps the program's new currency.
    m_ui.click(m_ui.button(QStringLiteral("Cancel"), sheet));
    QTRY_VERIFY(!m_ui.loaded(QStringLiteral("newListLoader")));
    QCOMPARE(currencies->currentCurrencyIndex(), first + 1);
    QVERIFY(!QFile::exists(listDocument()));

    // The sheet opens with the name ready for typing. While the chooser is
    // open, keys go to it and not to the hidden name: letters find a row,
    // Return takes it; Escape then cancels the sheet.
    m_ui.click(m_ui.button(QStringLiteral("new list")));
    QTRY_VERIFY((sheet = newListSheet()));
    QTRY_VERIFY(m_ui.named(QStringLiteral("listNameInput"))->hasActiveFocus());
    m_ui.typeText(QStringLiteral("Fair"));
    m_ui.click(m_ui.named(QStringLiteral("listCurrencyField")));
    QTRY_VERIFY((list = m_ui.named(QStringLiteral("currencyList"))));
    m_ui.typeText(QStringLiteral("eur"));
    QTest::keyClick(m_ui.view(), Qt::Key_Return);
    QTRY_VERIFY(m_ui.named(QStringLiteral("listSheet")));
    QCOMPARE(sheet->property("listNameString").toString(), QStringLiteral("Fair"));
    QCOMPARE(currencies->currentCurrencyCode(), QStringLiteral("EUR"));
    QTest::keyClick(m_ui.view(), Qt::Key_Escape);
    QTRY_VERIFY(!m_ui.loaded(QStringLiteral("newListLoader")));
    QVERIFY(!QFile::exists(listDocument()));

    // A far row is scrolled into view when the chooser opens.
    currencies->setCurrentCurrency(140);
    m_ui.click(m_ui.button(QStringLiteral("new list")));
    QTRY_VERIFY((sheet = newListSheet()));
    m_ui.click(m_ui.named(QStringLiteral("listCurrencyField")));
    QTRY_VERIFY((list = m_ui.named(QStringLiteral("currencyList"))));
    QTRY_VERIFY((row = m_ui.text(rowText(140), list)));
    const QRectF shown = list->mapRectToScene(QRectF(0, 0, list->width(), list->height()));
    QVERIFY(shown.contains(row->mapRectToScene(QRectF(0, 0, row->width(), row->height()))));
    m_ui.click(m_ui.button(QStringLiteral("Ok"), m_ui.named(QStringLiteral("currencyPanel"))));
    QTRY_VERIFY(m_ui.named(QStringLiteral("listSheet")));
    m_ui.click(m_ui.button(QStringLiteral("Ok"), sheet));
    QTRY_COMPARE(m_ui.root()->property("state").toString(), QStringLiteral("edit"));
    QCOMPARE(m_ui.manager()->listDataModel()->listCurrency(), 140);
}

void tst_ui_lists::deleteQuestion()
{
    storeList(QStringLiteral("Weekend"), QString(), 1);
    start();

    // A tap outside the box is a Cancel.
    m_ui.click(m_ui.named(QStringLiteral("listDeleteZone")));
    QQuickItem *query = nullptr;
    QTRY_VERIFY((query = question("deleteQuestion")));
    QCOMPARE(query->property("queryString").toString(),
             QStringLiteral("List \"Weekend\" will be deleted. Continue?"));
    QVERIFY(!m_ui.button(QStringLiteral("No"), query));
    m_ui.clickAt(QPoint(20, 20));
    QTRY_VERIFY(!m_ui.named(QStringLiteral("deleteQuestion")));
    QVERIFY(QFile::exists(listDocument()));
    QCOMPARE(lists()->property("state").toString(), QString());

    // The question follows the language.
    m_ui.manager()->setCurrentLanguage(1);
    m_ui.click(m_ui.named(QStringLiteral("listDeleteZone")));
    QTRY_VERIFY((query = question("deleteQuestion")));
    QCOMPARE(query->property("queryString").toString(),
             QStringLiteral("Список \"Weekend\" будет удален. Продолжить?"));
    QVERIFY(m_ui.text(QStringLiteral("Предупреждение"), query));
    m_ui.click(m_ui.button(QStringLiteral("Да"), query));
    QTRY_VERIFY(!m_ui.named(QStringLiteral("deleteQuestion")));
    QVERIFY(!QFile::exists(listDocument()));
    QCOMPARE(m_ui.manager()->listsDataModel()->rowCount(), 0);
    QTRY_VERIFY(!m_ui.named(QStringLiteral("listNameText")));
}

void tst_ui_lists::languageSheet()
{
    storeList(QStringLiteral("Weekend"), QString(), 5);
    start();
    QVERIFY(m_ui.text(QStringLiteral("available  lists")));
    QVERIFY(m_ui.text(QStringLiteral("5 items")));

    openMenuEntry(QStringLiteral("menuLanguage"));
    QQuickItem *list = nullptr;
    QTRY_VERIFY((list = m_ui.named(QStringLiteral("languageList"))));
    QCOMPARE(list->property("currentIndex").toInt(), 0);
    QTRY_VERIFY(!m_ui.named(QStringLiteral("mainMenu"))); // it fades out
    m_ui.click(m_ui.text(QStringLiteral("Русский"), list));
    m_ui.click(m_ui.button(QStringLiteral("Ok"), list->parentItem()));
    QTRY_VERIFY(!m_ui.named(QStringLiteral("languageList")));

    // Everything on the screen changed at once, without reloading it.
    QVERIFY(m_ui.text(QStringLiteral("доступные списки")));
    QVERIFY(m_ui.text(QStringLiteral("5 шт")));
    QVERIFY(m_ui.button(QStringLiteral("новый список")));
    QCOMPARE(m_ui.manager()->languagesDataModel()->currentLanguageIndex(), 1);
    QFile settings(ptApplicationManager::settingsFilePath());
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QVERIFY(settings.readAll().contains("name=\"language\" value=\"1\""));

    m_ui.click(m_ui.button(QStringLiteral("новый список")));
    QQuickItem *query = nullptr;
    QTRY_VERIFY((query = question("overwriteQuestion")));
    QCOMPARE(query->property("queryString").toString(),
             QStringLiteral("Список уже существует. Хотите заменить его?"));
    QVERIFY(m_ui.button(QStringLiteral("Отмена"), query));
    m_ui.click(m_ui.button(QStringLiteral("Отмена"), query));
    QTRY_VERIFY(!m_ui.named(QStringLiteral("overwriteQuestion")));

    // Reopening highlights the language in use, even after a cancelled choice.
    openMenuEntry(QStringLiteral("menuLanguage"));
    QTRY_VERIFY((list = m_ui.named(QStringLiteral("languageList"))));
    QCOMPARE(list->property("currentIndex").toInt(), 1);
    m_ui.click(m_ui.text(QStringLiteral("English"), list));
    QCOMPARE(list->property("currentIndex").toInt(), 0);
    m_ui.click(m_ui.button(QStringLiteral("Отмена"), list->parentItem()));
    QTRY_VERIFY(!m_ui.named(QStringLiteral("languageList")));
    QCOMPARE(m_ui.manager()->languagesDataModel()->currentLanguageIndex(), 1);
    openMenuEntry(QStringLiteral("menuLanguage"));
    QTRY_VERIFY((list = m_ui.named(QStringLiteral("languageList"))));
    QCOMPARE(list->property("currentIndex").toInt(), 1);
}

void tst_ui_lists::hiddenLayersLetTapsThrough()
{
    storeList(QStringLiteral("Weekend"), QString(), 2);
    start();

    // Open and close every layer that lies over the rows.
    openMenuEntry(QStringLiteral("menuLanguage"));
    QTRY_VERIFY(m_ui.named(QStringLiteral("languageList")));
    QTRY_VERIFY(!m_ui.named(QStringLiteral("mainMenu")));
    m_ui.clickAt(QPoint(400, 20)); // the dark overlay above the sheet
    QTRY_VERIFY(!m_ui.named(QStringLiteral("languageSheet")));
    m_ui.click(m_ui.named(QStringLiteral("listDeleteZone")));
    QTRY_VERIFY(question("deleteQuestion"));
    m_ui.clickAt(QPoint(20, 20));
    QTRY_VERIFY(!m_ui.named(QStringLiteral("deleteQuestion")));
    m_ui.click(m_ui.named(QStringLiteral("screenHeaderMiddle")));
    QTRY_COMPARE(lists()->property("menuY").toDouble(), 0.0);
    m_ui.clickAt(QPoint(400, 300)); // outside the menu
    QTRY_VERIFY(!m_ui.named(QStringLiteral("mainMenu")));
    QCOMPARE(lists()->property("state").toString(), QString());

    // The footer still takes taps ...
    m_ui.click(m_ui.button(QStringLiteral("new list")));
    QTRY_VERIFY(question("overwriteQuestion"));
    m_ui.clickAt(QPoint(20, 20));
    QTRY_VERIFY(!m_ui.named(QStringLiteral("overwriteQuestion")));

    // ... and so does the row: a tap on it opens the list for shopping.
    m_ui.click(m_ui.named(QStringLiteral("listNameText")));
    QTRY_COMPARE(m_ui.root()->property("state").toString(), QStringLiteral("shop"));
    QVERIFY(m_ui.manager()->listDataModel()->isDisplayList());
    QCOMPARE(m_ui.manager()->listDataModel()->listName(), QStringLiteral("Weekend"));
}

void tst_ui_lists::aboutWindow()
{
    start();
    openMenuEntry(QStringLiteral("menuAbout"));
    QQuickItem *window = nullptr;
    QTRY_VERIFY((window = m_ui.named(QStringLiteral("aboutWindow"))));
    QCOMPARE(lists()->property("state").toString(), QString());
    QCOMPARE(m_ui.root()->property("state").toString(), QStringLiteral("about"));

    // It grows about its own centre, which is the window's centre.
    const QPointF centre = window->mapToScene(QPointF(window->width() / 2, window->height() / 2));
    QCOMPARE(centre, QPointF(400, 240));
    QTRY_VERIFY(window->scale() > 0.001 && window->scale() < 1.0);
    QTRY_COMPARE(window->scale(), 1.0);
    QVERIFY(m_ui.text(QStringLiteral("Pantrix v1.1.1<br>Shopping lists<br>for touch screens")));
    QCOMPARE(pixelAt(QPoint(400, 120)) & 0xFFFFFF, 0x445579u);

    // A tap anywhere, even far outside it, closes it.
    m_ui.clickAt(QPoint(5, 470));
    QTRY_VERIFY(!m_ui.loaded(QStringLiteral("aboutLoader")));
    QCOMPARE(m_ui.root()->property("state").toString(), QString());
    QVERIFY(m_ui.button(QStringLiteral("new list")));
}

void tst_ui_lists::resizeLaysOutAgain()
{
    storeList(QStringLiteral("Weekend"), QString(), 1);
    start();
    m_ui.view()->resize(480, 800);
    QTRY_COMPARE(m_ui.root()->width(), 480.0);
    QCOMPARE(m_ui.root()->height(), 800.0);

    QQuickItem *footer = m_ui.button(QStringLiteral("new list"));
    QTRY_COMPARE(footer->mapToScene(QPointF(0, 0)), QPointF(0, 730));
    QCOMPARE(footer->width(), 480.0);
    QCOMPARE(m_ui.named(QStringLiteral("listsArea"))->height(), 650.0);
    QCOMPARE(m_ui.named(QStringLiteral("mainHeader"))->width(), 480.0);
    QCOMPARE(m_ui.named(QStringLiteral("screenHeaderMiddle"))->width(), 340.0);

    // The sheet follows the new size too.
    m_ui.click(footer);
    QQuickItem *query = nullptr;
    QTRY_VERIFY((query = question("overwriteQuestion")));
    QCOMPARE(query->width(), 480.0);
    m_ui.click(m_ui.button(QStringLiteral("Yes"), query));
    QQuickItem *sheet = nullptr;
    QTRY_VERIFY((sheet = m_ui.named(QStringLiteral("listSheet"))));
    QCOMPARE(sheet->width(), 480.0);
    QCOMPARE(sheet->mapToScene(QPointF(0, sheet->height())).y(), 800.0);
    QCOMPARE(sheet->height(), 420.0);
}

void tst_ui_lists::buttonAtHalfOpacityNeverEmits()
{
    QQuickView view;
    QQmlComponent component(view.engine());
    component.setData("import QtQuick\n"
                      "import \"qrc:/qml/qml\"\n"
                      "Rectangle {\n"
                      "    property int clicks: 0\n"
                      "    property int hiddenClicks: 0\n"
                      "    width: 400; height: 200; color: \"#000000\"\n"
                      "    ScreenButton { objectName: \"half\"; width: 200; opacity: 0.5;\n"
                      "        buttonLabel: \"half\"; onButtonClicked: parent.clicks++ }\n"
                      "    MouseArea { x: 200; width: 200; height: 70;\n"
                      "        onClicked: parent.hiddenClicks++ }\n"
                      "    ScreenButton { x: 200; width: 200; opacity: 0;\n"
                      "        buttonLabel: \"hidden\" }\n"
                      "}\n",
                      QUrl(QStringLiteral("qrc:/tst_ui_lists.qml")));
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    auto *root = qobject_cast<QQuickItem *>(object.get());
    root->setParentItem(view.contentItem());
    view.resize(400, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    // Released: the background at half opacity over black; pressed: a quarter.
    const QRgb released = view.grabWindow().pixel(100, 5);
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 35));
    QTRY_VERIFY(view.grabWindow().pixel(100, 5) != released);
    QVERIFY(qBlue(view.grabWindow().pixel(100, 5)) < qBlue(released));
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 35));
    QTRY_COMPARE(view.grabWindow().pixel(100, 5), released);
    QCOMPARE(root->property("clicks").toInt(), 0);

    // A button at opacity 0 lets the tap through to what lies beneath.
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, QPoint(300, 35));
    QCOMPARE(root->property("hiddenClicks").toInt(), 1);

    // At full opacity it emits.
    root->childItems().first()->setOpacity(1.0);
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 35));
    QCOMPARE(root->property("clicks").toInt(), 1);
}

void tst_ui_lists::widgetLayout()
{
    storeList(QStringLiteral("Weekend"), QString(), 1);
    start();

    // A title alone is centred in the upper 60 px of the bar.
    QQuickItem *title = m_ui.named(QStringLiteral("screenHeaderText1"));
    QCOMPARE(title->height(), 60.0);
    QCOMPARE(title->mapToScene(QPointF(0, 0)).y(), 0.0);
    QVERIFY(!m_ui.named(QStringLiteral("screenHeaderText2")));
    QCOMPARE(m_ui.named(QStringLiteral("screenHeaderLeft"))->width(), 70.0);
    QCOMPARE(pixelAt(QPoint(10, 70)) & 0xFFFFFF, 0x445579u);

    // Two buttons of half the row when the question has no No.
    m_ui.click(m_ui.named(QStringLiteral("listDeleteZone")));
    QQuickItem *query = nullptr;
    QTRY_VERIFY((query = question("deleteQuestion")));
    QQuickItem *cancel = m_ui.button(QStringLiteral("Cancel"), query);
    QQuickItem *yes = m_ui.button(QStringLiteral("Yes"), query);
    QCOMPARE(cancel->width(), (400.0 - 4) / 2 - 1);
    QCOMPARE(yes->width(), cancel->width());
    QCOMPARE(cancel->height(), 65.0);
    QCOMPARE(yes->mapToScene(QPointF(yes->width(), yes->height())), QPointF(598, 363));
    // The question's body and its title bar.
    QCOMPARE(pixelAt(QPoint(210, 200)) & 0xFFFFFF, 0x8495B9u);
    QCOMPARE(pixelAt(QPoint(250, 125)) & 0xFFFFFF, 0x445579u);

    query->setProperty("buttonNoOpacity", 1.0);
    QCOMPARE(cancel->width(), (400.0 - 4) / 3 - 1);
    QVERIFY(m_ui.button(QStringLiteral("No"), query));
}

QTEST_MAIN(tst_ui_lists)
#include "tst_ui_lists.moc"
