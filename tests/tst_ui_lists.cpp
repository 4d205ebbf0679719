#include <QtTest>

#include <QFile>

#include "ptSceneDriver.h"

using namespace Qt::StringLiterals;

namespace {

const int euro = 44; // the row of EUR in the currency table

} // namespace

// The lists screen, its sheets and questions and the about window, driven by
// taps and keys through the real scenes and the real controller.
class tst_ui_lists : public QObject
{
    Q_OBJECT

private slots:
    void storedListRow_data();
    void storedListRow();
    void newListSheet();
    void overwriteQuestion_data();
    void overwriteQuestion();
    void deleteQuestion_data();
    void deleteQuestion();
    void languageSheet();
    void aboutWindow();

private:
    // Starts the program with a stored list in the given language, as a
    // return from the editing screen would leave it.
    void startWithList(int pLanguage, int pCurrency, const QString &pNote, int pItems);

    ptSceneDriver m_ui;
};

void tst_ui_lists::startWithList(int pLanguage, int pCurrency, const QString &pNote, int pItems)
{
    QVERIFY(m_ui.start());
    ptApplicationManager *manager = m_ui.manager();
    manager->setCurrentLanguage(pLanguage);
    QVERIFY(manager->createNewList(u"Weekend"_s, pCurrency, pNote));
    for (int i = 0; i < pItems; ++i)
        manager->addItem(0, u"item %1"_s.arg(i), u"Food"_s, u"1.25"_s, u"1"_s, 0, QString());
    QVERIFY(manager->listDataModel()->saveModel());
    manager->listDataModel()->releaseModel();
    QVERIFY(manager->updateListsDataModel());
    QVERIFY(m_ui.waitFor(u"listNameText"_s));
}

void tst_ui_lists::storedListRow_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("currency");
    QTest::addColumn<QString>("note");
    QTest::addColumn<int>("items");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("price");

    QTest::newRow("current currency") << 0 << 0 << QString() << 3 << u"3 items"_s << u"3.75 AFN"_s;
    QTest::newRow("own currency") << 0 << euro << u"for later"_s << 1 << u"1 item"_s << u"1.25 €"_s;
    QTest::newRow("russian") << 1 << 0 << QString() << 2 << u"2 шт"_s << u"2.50 AFN"_s;
}

void tst_ui_lists::storedListRow()
{
    QFETCH(int, language);
    QFETCH(int, currency);
    QFETCH(QString, note);
    QFETCH(int, items);
    QFETCH(QString, count);
    QFETCH(QString, price);

    startWithList(language, currency, note, items);
    QCOMPARE(m_ui.textOf(u"listAmountText"_s), count);
    QCOMPARE(m_ui.textOf(u"listPriceText"_s), price);
    QCOMPARE(m_ui.textOf(u"listNoteText"_s), note);
    QCOMPARE(m_ui.manager()->currencyUnitsDataModel()->currentCurrencyIndex(), 0);
}

// The sheet opens with the name ready for typing; Escape cancels it and
// Return confirms it. While the currency chooser is open the keys go to it
// (typed letters find a currency, Return takes it), not to the hidden name.
void tst_ui_lists::newListSheet()
{
    QVERIFY(m_ui.start());
    m_ui.click(u"buttonNewList"_s); // nothing stored: no question
    QTRY_VERIFY(m_ui.waitFor(u"listNameInput"_s)->hasActiveFocus());
    m_ui.typeText(u"Fair"_s);
    m_ui.key(Qt::Key_Escape);
    QTRY_VERIFY(!m_ui.named(u"listSheet"_s));
    QVERIFY(!QFile::exists(ptApplicationManager::listDocumentPath()));

    m_ui.click(u"buttonNewList"_s);
    QTRY_VERIFY(m_ui.waitFor(u"listNameInput"_s)->hasActiveFocus());
    m_ui.typeText(u"Party"_s);
    // A tapped row, then the chooser's Cancel: the form keeps its currency.
    m_ui.click(u"listCurrencyField"_s);
    QQuickItem *chooser = m_ui.waitFor(u"currencyList"_s);
    ptCurrencyUnitsDataModel *currencies = m_ui.manager()->currencyUnitsDataModel();
    QQuickItem *row = nullptr;
    QTRY_VERIFY(
            (row = m_ui.text(ptSceneDriver::roleText(currencies, 1, "currency_name") + u" - Lek"_s,
                             chooser)));
    m_ui.click(row);
    QCOMPARE(chooser->property("currentIndex").toInt(), 1);
    m_ui.click(m_ui.button(u"Cancel"_s, m_ui.named(u"currencyPanel"_s)));
    QVERIFY(m_ui.waitFor(u"listSheet"_s));
    QCOMPARE(currencies->currentCurrencyIndex(), 0);

    m_ui.click(u"listCurrencyField"_s);
    chooser = m_ui.waitFor(u"currencyList"_s);
    QCOMPARE(chooser->property("currentIndex").toInt(), 0);
    m_ui.typeText(u"eur"_s);
    QCOMPARE(chooser->property("currentIndex").toInt(), euro);
    m_ui.key(Qt::Key_Return);
    QVERIFY(m_ui.waitFor(u"listSheet"_s));
    QCOMPARE(currencies->currentCurrencyIndex(), euro);
    QCOMPARE(m_ui.textOf(u"listNameInput"_s), u"Party"_s);
    m_ui.key(Qt::Key_Return);
    QTRY_COMPARE(m_ui.rootState(), u"edit"_s);
    QCOMPARE(m_ui.manager()->listDataModel()->listName(), u"Party"_s);
    QCOMPARE(m_ui.manager()->listDataModel()->listCurrency(), euro);
}

void tst_ui_lists::overwriteQuestion_data()
{
    QTest::addColumn<QString>("answer"); // empty: a tap outside the question
    QTest::addColumn<QString>("sheetButton");

    QTest::newRow("cancel") << u"Cancel"_s << QString();
    QTest::newRow("tap outside") << QString() << QString();
    QTest::newRow("yes, sheet cancelled") << u"Yes"_s << u"Cancel"_s;
    QTest::newRow("yes, sheet confirmed") << u"Yes"_s << u"Ok"_s;
}

// Only the sheet's Ok replaces the stored list; otherwise its row still opens it.
void tst_ui_lists::overwriteQuestion()
{
    QFETCH(QString, answer);
    QFETCH(QString, sheetButton);

    startWithList(0, 0, QString(), 2);
    m_ui.click(u"buttonNewList"_s);
    QQuickItem *query = m_ui.waitFor(u"overwriteQuestion"_s);
    QCOMPARE(query->property("queryString").toString(),
             u"List already exists. Do you want to overwrite it?"_s);
    QVERIFY(!m_ui.named(u"listSheet"_s));
    if (answer.isEmpty())
        m_ui.clickAt(QPointF(20, 20));
    else
        m_ui.click(m_ui.button(answer, query));
    if (!sheetButton.isEmpty()) {
        m_ui.typeInto(u"listNameInput"_s, u"Other"_s);
        m_ui.click(m_ui.button(sheetButton, m_ui.named(u"listSheet"_s)));
    }
    QTRY_VERIFY(!m_ui.named(u"overwriteQuestion"_s) && !m_ui.named(u"listSheet"_s));
    if (sheetButton == u"Ok"_s) {
        QTRY_COMPARE(m_ui.rootState(), u"edit"_s);
        QCOMPARE(m_ui.manager()->listDataModel()->listName(), u"Other"_s);
    } else {
        m_ui.click(u"listNameText"_s);
        QTRY_COMPARE(m_ui.rootState(), u"shop"_s);
        QCOMPARE(m_ui.manager()->listDataModel()->listName(), u"Weekend"_s);
    }
}

void tst_ui_lists::deleteQuestion_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("answer"); // empty: a tap outside the question
    QTest::addColumn<QString>("question");

    QTest::newRow("tap outside") << 0 << QString()
                                 << u"List \"Weekend\" will be deleted. Continue?"_s;
    QTest::newRow("yes, in Russian")
            << 1 << u"Да"_s << u"Список \"Weekend\" будет удален. Продолжить?"_s;
}

void tst_ui_lists::deleteQuestion()
{
    QFETCH(int, language);
    QFETCH(QString, answer);
    QFETCH(QString, question);

    startWithList(language, 0, QString(), 1);
    m_ui.click(u"itemDeleteButton"_s);
    QQuickItem *query = m_ui.waitFor(u"deleteQuestion"_s);
    QCOMPARE(query->property("queryString").toString(), question);
    if (answer.isEmpty())
        m_ui.clickAt(QPointF(20, 20));
    else
        m_ui.click(m_ui.button(answer, query));
    QTRY_VERIFY(!m_ui.named(u"deleteQuestion"_s));
    QCOMPARE(QFile::exists(ptApplicationManager::listDocumentPath()), answer.isEmpty());
    QTRY_COMPARE(m_ui.named(u"listNameText"_s) != nullptr, answer.isEmpty());
}

void tst_ui_lists::languageSheet()
{
    startWithList(0, 0, QString(), 5);
    m_ui.click(u"screenHeaderMiddle"_s);
    m_ui.click(u"menuLanguage"_s);
    QQuickItem *list = m_ui.waitFor(u"languageList"_s);
    QCOMPARE(list->property("currentIndex").toInt(), 0);
    m_ui.click(m_ui.text(u"Русский"_s, list));
    m_ui.click(m_ui.button(u"Ok"_s, list->parentItem()));
    QTRY_VERIFY(!m_ui.named(u"languageList"_s));
    // Every text changed at once, without reloading the screen.
    QVERIFY(m_ui.text(u"доступные списки"_s));
    QVERIFY(m_ui.text(u"5 шт"_s));
    // The closed menu and sheet let the taps through to the row.
    m_ui.click(u"listNameText"_s);
    QTRY_COMPARE(m_ui.rootState(), u"shop"_s);
}

void tst_ui_lists::aboutWindow()
{
    QVERIFY(m_ui.start());
    m_ui.click(u"screenHeaderMiddle"_s);
    m_ui.click(u"menuAbout"_s);
    QTRY_COMPARE(m_ui.waitFor(u"aboutWindow"_s)->scale(), 1.0);
    m_ui.clickAt(QPointF(5, 470)); // far outside the window
    QTRY_VERIFY(!m_ui.named(u"aboutWindow"_s));
}

QTEST_MAIN(tst_ui_lists)
#include "tst_ui_lists.moc"
