#include <QtTest>

#include <QAccessible>

#include "ptSceneDriver.h"
#include "ptTestFiles.h"

using namespace Qt::StringLiterals;

// The buttons under pNode by the names a screen reader says.
static QHash<QString, QAccessibleInterface *> spokenButtons(QAccessibleInterface *pNode)
{
    QHash<QString, QAccessibleInterface *> buttons;
    if (pNode->role() == QAccessible::Button)
        buttons.insert(pNode->text(QAccessible::Name), pNode);
    for (int i = 0; i < pNode->childCount(); ++i)
        buttons.insert(spokenButtons(pNode->child(i)));
    return buttons;
}

// The lists screen, its sheets and questions and the about window, driven by
// taps and keys through the real scenes and the real controller.
class tst_ui_lists : public QObject
{
    Q_OBJECT

    ptSceneDriver m_ui;

private slots:
    // The sheet opens with the name ready for typing; Escape cancels it and
    // Return confirms it. While the currency chooser is open the keys go to it
    // (typed letters find a currency, Return takes it), not to the hidden name.
    void newListSheet()
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
        m_ui.click(m_ui.waitFor(u"Albanian lek - Lek"_s, chooser, "text"));
        QCOMPARE(chooser->property("currentIndex").toInt(), 1);
        m_ui.click(m_ui.button(u"Cancel"_s, m_ui.named(u"currencyPanel"_s)));
        QVERIFY(m_ui.waitFor(u"listSheet"_s));
        ptCurrencyUnitsDataModel *currencies = m_ui.manager()->currencyUnitsDataModel();
        QCOMPARE(currencies->currentCurrencyIndex(), 0);

        m_ui.click(u"listCurrencyField"_s);
        chooser = m_ui.waitFor(u"currencyList"_s);
        QCOMPARE(chooser->property("currentIndex").toInt(), 0);
        m_ui.typeText(u"eur"_s);
        QCOMPARE(chooser->property("currentIndex").toInt(), ptSceneDriver::Euro);
        m_ui.key(Qt::Key_Return);
        QVERIFY(m_ui.waitFor(u"listSheet"_s));
        QCOMPARE(currencies->currentCurrencyIndex(), ptSceneDriver::Euro);
        QCOMPARE(m_ui.textOf(u"listNameInput"_s), u"Party"_s);
        m_ui.key(Qt::Key_Return);
        QTRY_COMPARE(m_ui.rootState(), u"edit"_s);
        QCOMPARE(m_ui.manager()->listDataModel()->listName(), u"Party"_s);
        QCOMPARE(m_ui.manager()->listDataModel()->listCurrency(), ptSceneDriver::Euro);
    }

    void question_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("answer"); // empty: a tap outside the question
        QTest::addColumn<QString>("sheetButton"); // of the new-list sheet the answer opens
        QTest::addColumn<QString>("list"); // what the answer leaves of the stored list
        QTest::addColumn<bool>("damaged"); // the stored list cannot be read

        const QString overwrite = u"List already exists. Do you want to overwrite it?"_s;
        const auto newList = [&](const char *pTag) -> QTestData & {
            return QTest::newRow(pTag) << 0 << u"buttonNewList"_s << overwrite;
        };
        newList("overwrite, cancel") << u"Cancel"_s << QString() << u"kept"_s << false;
        newList("overwrite, yes, sheet cancelled") << u"Yes"_s << u"Cancel"_s << u"kept"_s << false;
        newList("overwrite, yes, sheet confirmed") << u"Yes"_s << u"Ok"_s << u"replaced"_s << false;
        newList("damaged, overwrite, yes") << u"Yes"_s << u"Ok"_s << u"replaced"_s << true;
        QTest::newRow("delete, tap outside") << 0 << u"itemDeleteButton"_s
                                             << u"List \"Weekend\" will be deleted. Continue?"_s
                                             << QString() << QString() << u"kept"_s << false;
        QTest::newRow("delete, yes, in Russian")
                << 1 << u"itemDeleteButton"_s << u"Список \"Weekend\" будет удален. Продолжить?"_s << u"Да"_s << QString()
                << u"deleted"_s << false;
        QTest::newRow("damaged, to the trash, in Russian")
                << 1 << u"itemDeleteButton"_s
                << u"Файл списка \"demo-list.ptl\" не читается. Переместить его в корзину?"_s
                << u"Да"_s << QString() << u"deleted"_s << true;
    }

    // Only the new-list sheet's Ok replaces the stored list and only the delete
    // question's Yes deletes it; otherwise its row still opens it.
    void question()
    {
        QFETCH(int, language);
        QFETCH(QString, opener);
        QFETCH(QString, answer);
        QFETCH(QString, sheetButton);
        QFETCH(QString, list);
        QFETCH(bool, damaged);

        QVERIFY(m_ui.startWithList(language, {{u"bread"_s, u"Food"_s, u"1.25"_s}}));
        if (damaged) {
            // Said to be there, as what cannot be read.
            QVERIFY(writeFile(ptApplicationManager::listDocumentPath(), "not a list"));
            QVERIFY(!m_ui.manager()->updateListsDataModel());
            QVERIFY(m_ui.waitFor(u"unreadableNameText"_s) && !m_ui.named(u"listNameText"_s));
        }
        m_ui.click(opener);
        QQuickItem *query = m_ui.waitFor(u"listQuestion"_s);
        QTEST(query->property("queryString").toString(), "text");
        QVERIFY(!m_ui.named(u"listSheet"_s));
        if (answer.isEmpty())
            m_ui.clickAt(QPointF(20, 20));
        else
            m_ui.click(m_ui.button(answer, query));
        if (!sheetButton.isEmpty()) {
            m_ui.typeInto(u"listNameInput"_s, u"Other"_s);
            m_ui.click(m_ui.button(sheetButton, m_ui.named(u"listSheet"_s)));
        }
        QTRY_VERIFY(!m_ui.named(u"listQuestion"_s) && !m_ui.named(u"listSheet"_s));
        QCOMPARE(QFile::exists(ptApplicationManager::listDocumentPath()), list != u"deleted"_s);
        if (list == u"deleted"_s) {
            QTRY_VERIFY(!m_ui.named(u"listNameText"_s) && !m_ui.named(u"unreadableNameText"_s));
        } else if (list == u"replaced"_s) {
            QTRY_COMPARE(m_ui.rootState(), u"edit"_s);
            QCOMPARE(m_ui.manager()->listDataModel()->listName(), u"Other"_s);
        } else {
            m_ui.click(u"listNameText"_s);
            QTRY_COMPARE(m_ui.rootState(), u"shop"_s);
            QCOMPARE(m_ui.manager()->listDataModel()->listName(), u"Weekend"_s);
        }
    }

    // A stored list in a currency other than the current one shows its own
    // sign. A screen reader finds the buttons that show only an icon by name
    // and presses them. The about window closes on a tap far outside it; the
    // language sheet changes every text at once, without reloading the screen.
    void storedRowMenuSheetAndWindow()
    {
        const QStringList item {u"bread"_s, u"Food"_s, u"1.25"_s};
        QVERIFY(m_ui.startWithList(0, {item}, ptSceneDriver::Euro, u"for later"_s));
        QCOMPARE(m_ui.textOf(u"listAmountText"_s), u"1 item"_s);
        QCOMPARE(m_ui.textOf(u"listPriceText"_s), u"1.25 €"_s);
        QCOMPARE(m_ui.textOf(u"listNoteText"_s), u"for later"_s);
        QCOMPARE(m_ui.manager()->currencyUnitsDataModel()->currentCurrencyIndex(), 0);

        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_ui.root()->window());
        auto buttons = spokenButtons(window);
        for (const QString &name : {u"Dashboard"_s, u"Quit"_s, u"Edit"_s, u"Delete"_s, u"Menu"_s})
            QVERIFY2(buttons.contains(name), qPrintable(buttons.keys().join(u", "_s)));
        buttons.value(u"Menu"_s)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
        m_ui.click(u"menuAbout"_s);
        QTRY_COMPARE(m_ui.waitFor(u"aboutWindow"_s)->scale(), 1.0);
        m_ui.clickAt(QPointF(5, 470));
        QTRY_VERIFY(!m_ui.named(u"aboutWindow"_s));

        m_ui.click(u"screenHeaderMiddle"_s);
        m_ui.click(u"menuLanguage"_s);
        QQuickItem *list = m_ui.waitFor(u"languageList"_s);
        QCOMPARE(list->property("currentIndex").toInt(), 0);
        // The sheet takes the keys when it opens.
        QTRY_VERIFY(list->hasActiveFocus());
        m_ui.key(Qt::Key_Down);
        m_ui.click(m_ui.button(u"Ok"_s, list->parentItem()));
        QTRY_VERIFY(!m_ui.named(u"languageList"_s));
        QVERIFY(m_ui.find("text", u"доступные списки"_s, nullptr));
        QVERIFY(m_ui.find("text", u"1 шт"_s, nullptr));
        buttons = spokenButtons(window);
        for (const QString &name : {u"Панель задач"_s, u"Выход"_s, u"Изменить"_s, u"Удалить"_s})
            QVERIFY2(buttons.contains(name), qPrintable(buttons.keys().join(u", "_s)));
        // The closed menu, window and sheet let the taps through to the row.
        m_ui.click(u"listNameText"_s);
        QTRY_COMPARE(m_ui.rootState(), u"shop"_s);
    }
};

QTEST_MAIN(tst_ui_lists)
#include "tst_ui_lists.moc"
