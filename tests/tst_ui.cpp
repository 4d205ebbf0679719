#include <QtTest>

#include <QAccessible>
#include <QClipboard>
#include <QQuickItem>

#include "ptSceneDriver.h"
#include "ptTestFiles.h"

using namespace Qt::StringLiterals;

// What a screen reader finds shown under pNode that can be pressed, or that
// asks a question: "role name" for each, in the order of the scene.
static QStringList spoken(QAccessibleInterface *pNode)
{
    if (pNode->state().invisible)
        return {};
    QStringList found;
    const QAccessible::Role role = pNode->role();
    if (role == QAccessible::Button || role == QAccessible::MenuItem
        || role == QAccessible::ListItem || role == QAccessible::AlertMessage)
        found.append(QString::number(role) + ' ' + pNode->text(QAccessible::Name));
    for (int i = 0; i < pNode->childCount(); ++i)
        found += spoken(pNode->child(i));
    return found;
}

// The screens, sheets, dialogs and questions, driven by taps and keys through
// the real scenes and the real controller, offscreen.
class tst_ui : public QObject
{
    Q_OBJECT

    ptSceneDriver m_ui;

    ptListDataModel *list() const { return m_ui.manager()->listDataModel(); }
    static QString roleText(QAbstractItemModel *pModel, int pRow, const QByteArray &pRole)
    {
        return pModel->data(pModel->index(pRow, 0), pModel->roleNames().key(pRole)).toString();
    }
    // Starts with a stored list of these items (name, category, price) and
    // opens it for editing.
    void openList(int pLanguage, const QList<QStringList> &pItems)
    {
        QVERIFY(m_ui.startWithList(pLanguage, pItems));
        m_ui.click(u"itemEditButton"_s);
        QVERIFY(m_ui.waitFor(u"buttonNewItem"_s));
    }
    // Taps the part (an object name) of the row showing pText on the page.
    void tap(const QString &pPage, const QString &pText, const QString &pPart)
    {
        QQuickItem *row = m_ui.waitFor(pText, m_ui.waitFor(pPage), "text");
        while (row && !row->property("model").isValid())
            row = row->parentItem();
        m_ui.click(pPart, row);
    }
    // Taps an item of the shopping screen; it leaves the view shown.
    void tick(const QString &pName)
    {
        const int rows = list()->rowCount();
        tap(u"shopRows"_s, pName, u"itemRect"_s);
        QTRY_VERIFY(list()->rowCount() < rows);
    }
    QString itemText(const QString &pName, const QByteArray &pRole) const
    {
        for (int row = 0; row < list()->rowCount(); ++row) {
            if (roleText(list(), row, "item_name") == pName)
                return roleText(list(), row, pRole);
        }
        return pName + u" is not listed"_s;
    }

private slots:
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
        newList("damaged, overwrite, yes") << u"Yes"_s << u"Ok"_s << u"replaced"_s << true;
        QTest::newRow("delete, tap outside")
                << 0 << u"itemDeleteButton"_s << u"List \"Weekend\" will be deleted. Continue?"_s
                << QString() << QString() << u"kept"_s << false;
        QTest::newRow("delete, yes, in Russian")
                << 1 << u"itemDeleteButton"_s << u"Список \"Weekend\" будет удален. Продолжить?"_s
                << u"Да"_s << QString() << u"deleted"_s << false;
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
        QFETCH(QString, answer);
        QFETCH(QString, sheetButton);
        QFETCH(QString, list);

        QVERIFY(m_ui.startWithList(language, {{u"bread"_s, u"Food"_s, u"1.25"_s}}));
        QFETCH(bool, damaged);
        if (damaged) {
            // Said to be there, as what cannot be read.
            QVERIFY(writeFile(ptApplicationManager::listDocumentPath(), "not a list"));
            QVERIFY(!m_ui.manager()->updateListsDataModel());
            QVERIFY(m_ui.waitFor(u"unreadableNameText"_s) && !m_ui.named(u"listNameText"_s));
        }
        QFETCH(QString, opener);
        m_ui.click(opener);
        QQuickItem *query = m_ui.waitFor(u"listQuestion"_s);
        QTEST(query->property("queryString").toString(), "text");
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
            QCOMPARE(this->list()->listName(), u"Other"_s);
        } else {
            m_ui.click(u"listNameText"_s);
            QTRY_COMPARE(m_ui.rootState(), u"shop"_s);
            QCOMPARE(this->list()->listName(), u"Weekend"_s);
        }
    }

    // A stored list in a currency other than the current one shows its own
    // sign. A screen reader finds the buttons that show only an icon by name
    // and presses them. The about window closes on a tap far outside it; the
    // language sheet opens on the language in use and changes every text at
    // once, without reloading the screen.
    void storedRowMenuSheetAndWindow()
    {
        const QStringList item {u"bread"_s, u"Food"_s, u"1.25"_s};
        QVERIFY(m_ui.startWithList(0, {item}, ptSceneDriver::Euro, u"for later"_s));
        QCOMPARE(m_ui.textOf(u"listAmountText"_s) + '|' + m_ui.textOf(u"listPriceText"_s) + '|'
                         + m_ui.textOf(u"listNoteText"_s),
                 u"1 item|1.25 €|for later"_s);

        m_ui.click(u"screenHeaderMiddle"_s);
        m_ui.click(u"menuAbout"_s);
        QTRY_COMPARE(m_ui.waitFor(u"aboutWindow"_s)->scale(), 1.0);
        m_ui.clickAt(QPointF(5, 470));
        QTRY_VERIFY(!m_ui.named(u"aboutWindow"_s));

        for (int language = 0; language < 2; ++language) {
            m_ui.click(u"screenHeaderMiddle"_s);
            m_ui.click(u"menuLanguage"_s);
            QQuickItem *languages = m_ui.waitFor(u"languageList"_s);
            QCOMPARE(languages->property("currentIndex").toInt(), language);
            QTRY_VERIFY(languages->hasActiveFocus()); // the sheet takes the keys
            m_ui.key(language ? Qt::Key_Escape : Qt::Key_Down);
            if (!language)
                m_ui.click(m_ui.button(u"Ok"_s, languages->parentItem()));
            QTRY_VERIFY(!m_ui.named(u"languageList"_s));
        }
        QVERIFY(m_ui.find("text", u"доступные списки"_s, nullptr));
        QVERIFY(m_ui.find("text", u"1 шт"_s, nullptr));
        // The closed menu, window and sheet let the taps through to the row.
        m_ui.click(u"listNameText"_s);
        QTRY_COMPARE(m_ui.rootState(), u"shop"_s);
    }

    // Every control a tap can press is known to a screen reader by its role
    // and a name, and every question is read out, on each screen, menu,
    // dialog and question; in Russian every one of them is said in Russian
    // (but Ok, which stays as it is).
    void controlsSpoken()
    {
        QList<QStringList> english;
        for (int language = 0; language < 2; ++language) {
            QVERIFY(m_ui.startWithList(language, {{u"bread"_s, u"Food"_s, u"1.25"_s}}));
            QAccessibleInterface *window
                    = QAccessible::queryAccessibleInterface(m_ui.root()->window());
            QList<QStringList> steps;
            const auto take = [&](const QString &pShown) {
                QVERIFY(m_ui.waitFor(pShown) && m_ui.waitForFrames(20));
                steps.append(spoken(window));
            };
            take(u"buttonNewList"_s);
            m_ui.click(u"screenHeaderMiddle"_s);
            take(u"menuAbout"_s);
            m_ui.key(Qt::Key_Escape);
            m_ui.click(u"itemDeleteButton"_s);
            take(u"listQuestion"_s);
            m_ui.key(Qt::Key_Escape);
            m_ui.click(u"itemEditButton"_s);
            take(u"buttonNewItem"_s);
            m_ui.click(u"buttonNewItem"_s);
            take(u"nameInput"_s);
            m_ui.key(Qt::Key_Escape);
            m_ui.click(u"editHeader"_s);
            take(u"menuGoShopping"_s);
            m_ui.click(u"menuGoShopping"_s);
            take(u"shopRows"_s);
            tick(u"bread"_s);
            take(u"checkoutYes"_s);

            for (const QStringList &step : std::as_const(steps)) {
                for (const QString &said : step)
                    QVERIFY2(!said.section(' ', 1).isEmpty(), qPrintable(step.join('|')));
            }
            // A row is read with its texts, and on the shopping screen whether
            // it is ticked.
            const QString row = u"%1 bread, 1.25 "_s.arg(QAccessible::ListItem);
            QVERIFY2(steps.at(3).filter(row).size() == 1, qPrintable(steps.at(3).join('|')));
            QVERIFY2(steps.at(6).filter(row).value(0).endsWith(
                             QCoreApplication::translate("ScreenRowsPage", "not ticked")),
                     qPrintable(steps.at(6).join('|')));
            // The delete question, read out with the list's name.
            const QRegularExpression question(u"^%1 .*Weekend"_s.arg(QAccessible::AlertMessage));
            QVERIFY2(!steps.at(2).filter(question).isEmpty(), qPrintable(steps.at(2).join('|')));
            if (language == 0) {
                english = steps;
                continue;
            }
            for (int step = 0; step < steps.size(); ++step) {
                QCOMPARE(steps.at(step).size(), english.at(step).size());
                for (int i = 0; i < steps.at(step).size(); ++i) {
                    const QString &said = steps.at(step).at(i);
                    QVERIFY2(said != english.at(step).at(i) || said.endsWith(u" Ok"_s),
                             qPrintable(said));
                }
            }
        }
    }

    // In Russian: from editing to shopping, ticking everything into the cart,
    // the checkout window, an update from the cart, and the checkout deleting
    // the list.
    void shoppingRoad()
    {
        openList(1,
                 {{"milk", "Dairy", "1.2"}, {"cheese", "Dairy", "3.1"}, {"bun", "Bakery", "0.9"}});
        m_ui.click(u"editHeader"_s); // its middle opens the menu
        m_ui.click(u"menuGoShopping"_s);
        m_ui.click(u"shopHeader"_s);
        QVERIFY(m_ui.waitFor(u"menuEditList"_s));
        m_ui.clickAt(QPointF(20, 400)); // beside the menu: it closes and lets the taps through
        tick(u"milk"_s);
        tick(u"bun"_s);
        QVERIFY(!m_ui.named(u"checkout"_s));
        tick(u"cheese"_s);
        QCOMPARE(m_ui.textOf(u"checkoutSummary"_s),
                 u"Количество элементов: 3<br>Общая сумма: 5.20 AFN"_s);
        m_ui.click(u"checkoutNo"_s);
        QTRY_VERIFY(!m_ui.named(u"checkout"_s));

        // An item updated from the cart stays there, at its new price.
        m_ui.click(u"buttonCart"_s);
        QTRY_VERIFY(list()->isDisplayCart());
        tap(u"shopRows"_s, u"cheese"_s, u"itemEditButton"_s);
        m_ui.typeInto(u"priceInput"_s, u"4"_s);
        m_ui.key(Qt::Key_Return);
        QTRY_VERIFY(!m_ui.named(u"pageNewItem"_s));
        QCOMPARE(itemText(u"cheese"_s, "item_price") + itemText(u"cheese"_s, "item_status"),
                 u"4checked"_s);
        QTRY_COMPARE(m_ui.textOf(u"shopSummaryText"_s), u"6.10 AFN<br>3 шт"_s);

        // Back to the list (Ctrl+Tab) and into the cart again; the checkout's Yes
        // deletes the list.
        tick(u"cheese"_s);
        m_ui.key(Qt::Key_Tab, Qt::ControlModifier);
        QTRY_VERIFY(list()->isDisplayList());
        tick(u"cheese"_s);
        m_ui.click(u"checkoutYes"_s);
        QTRY_COMPARE(m_ui.rootState(), QString());
        QVERIFY(!QFile::exists(ptApplicationManager::listDocumentPath()));
        QTRY_VERIFY(!m_ui.named(u"listNameText"_s));

        // The undo bar takes the list back out of the trash.
        QTRY_COMPARE(m_ui.textOf(u"undoText"_s), u"Удалено: Weekend"_s);
        m_ui.click(u"undoButton"_s);
        QTRY_VERIFY(m_ui.named(u"listNameText"_s));
        QVERIFY(QFile::exists(ptApplicationManager::listDocumentPath()));
    }

    // A deletion taken back from the undo bar; the list copied by Ctrl+C and
    // items pasted by Ctrl+V after their preview, taken back by Ctrl+Z; a
    // name typed in the item dialog offers My Items' entry, which fills the
    // fields.
    void undoTextAndSuggestions()
    {
        openList(0, {{"bread", "Bakery", "1.25"}, {"milk", "Dairy", "0.9"}});
        tap(u"pageList"_s, u"bread"_s, u"itemDeleteButton"_s);
        QTRY_COMPARE(m_ui.textOf(u"undoText"_s), u"Deleted: bread"_s);
        m_ui.click(u"undoButton"_s);
        QTRY_COMPARE(itemText(u"bread"_s, "item_price"), u"1.25"_s);
        QTRY_VERIFY(!m_ui.named(u"undoButton"_s));

        m_ui.key(Qt::Key_C, Qt::ControlModifier);
        QTRY_COMPARE(m_ui.textOf(u"undoText"_s), u"List copied as text"_s);
        QVERIFY(!m_ui.named(u"undoButton"_s));
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 u"Weekend\n\nBakery:\n• bread — 1.25 AFN\nDairy:\n• milk — 0.9 AFN\n"_s);
        QGuiApplication::clipboard()->setText(u"1. jam\n2. Milk\n"_s);
        m_ui.key(Qt::Key_V, Qt::ControlModifier);
        QQuickItem *preview = m_ui.waitFor(u"pasteList"_s);
        QVERIFY(preview && preview->property("count") == 1);
        QTRY_VERIFY(!m_ui.named(u"undoText"_s)); // the bar is not over the sheet
        m_ui.click(u"pasteOk"_s);
        QTRY_COMPARE(itemText(u"jam"_s, "item_status"), u"unchecked"_s);
        m_ui.key(Qt::Key_Z, Qt::ControlModifier);
        QTRY_COMPARE(itemText(u"jam"_s, "item_status"), u"jam is not listed"_s);

        m_ui.click(u"buttonNewItem"_s);
        m_ui.typeInto(u"nameInput"_s, u"butter"_s);
        m_ui.typeInto(u"categoryInput"_s, u"Dairy"_s);
        m_ui.typeInto(u"priceInput"_s, u"2"_s);
        m_ui.key(Qt::Key_Return);
        QTRY_VERIFY(!m_ui.named(u"pageNewItem"_s));
        m_ui.click(u"buttonNewItem"_s);
        m_ui.typeInto(u"nameInput"_s, u"TT"_s);
        m_ui.click(m_ui.waitFor(u"butter"_s, m_ui.waitFor(u"pageNewItem"_s), "name"));
        QCOMPARE(m_ui.textOf(u"nameInput"_s) + ' ' + m_ui.textOf(u"categoryInput"_s) + ' '
                         + m_ui.textOf(u"priceInput"_s),
                 u"butter Dairy 2"_s);
    }

    // The dialog's Ok while the name is empty, a pasted line break and a
    // pasted text too long, a price's decimals, the two pickers (found by
    // typed letters too; the categories of the list that My Items lacks),
    // Return confirming, the category remembered for the next new
    // item and replaced by what is typed, a tap on the dimmed area cancelling;
    // the back button writes the document and the lists screen reads it again.
    void pickers()
    {
        openList(0, {{"flour", "Baking", ""}, {"cocoa", "Abroad", ""}});
        m_ui.manager()->categoriesDataModel()->releaseModel(true); // a list made elsewhere
        m_ui.click(u"buttonNewItem"_s);
        m_ui.click(u"newItemOk"_s);
        QVERIFY(m_ui.waitForFrames(2) && m_ui.named(u"pageNewItem"_s));
        QTRY_VERIFY(m_ui.waitFor(u"nameInput"_s)->hasActiveFocus());
        QGuiApplication::clipboard()->setText(u"sea\nsalt"_s);
        m_ui.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_ui.textOf(u"nameInput"_s), u"sea salt"_s);
        m_ui.typeInto(u"priceInput"_s, u"1.255"_s);
        QCOMPARE(m_ui.textOf(u"priceInput"_s), u"1.25"_s);
        QGuiApplication::clipboard()->setText(QString(2000, 'x'));
        m_ui.click(u"categoryInput"_s);
        m_ui.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_ui.textOf(u"categoryInput"_s).size(), 1000);

        m_ui.click(u"categoryButton"_s);
        m_ui.click(m_ui.waitFor(u"Abroad"_s, m_ui.waitFor(u"categoriesList"_s), "text"));
        m_ui.click(u"categoriesOk"_s);
        QTRY_COMPARE(m_ui.textOf(u"categoryInput"_s), u"Abroad"_s);
        m_ui.click(u"amountUnitButton"_s);
        QVERIFY(m_ui.waitFor(u"unitsList"_s));
        m_ui.typeText(u"kg"_s);
        m_ui.key(Qt::Key_Return);
        QTRY_COMPARE(m_ui.textOf(u"amountUnitLabel"_s) + m_ui.textOf(u"priceUnitLabel"_s),
                     u"kgAFN/kg"_s);
        m_ui.key(Qt::Key_Return);
        QTRY_COMPARE(itemText(u"sea salt"_s, "item_category"), u"Abroad"_s);
        QCOMPARE(itemText(u"sea salt"_s, "item_amount_unit"), u"2"_s);

        m_ui.click(u"buttonNewItem"_s);
        QCOMPARE(m_ui.textOf(u"categoryInput"_s), u"Abroad"_s);
        m_ui.click(u"categoryInput"_s);
        m_ui.typeText(u"Baking"_s);
        m_ui.click(u"categoryButton"_s);
        QTRY_COMPARE(m_ui.waitFor(u"categoriesList"_s)->property("currentIndex"), QVariant(1));
        m_ui.clickAt(QPointF(400, 10));
        QTRY_VERIFY(!m_ui.named(u"pageNewItem"_s));

        m_ui.click(u"screenHeaderRight"_s);
        QTRY_COMPARE(m_ui.textOf(u"listAmountText"_s), u"3 items"_s);
    }

    void categoryQuestion_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("myItems");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("withNo");
        QTest::addColumn<QStringList>("left"); // the rows' texts: a category or an item's name

        const QString none = u"\uF000"_s; // the category of uncategorised items
        const QString named
                = u"Category \"Dairy\" will be deleted. Do you want to delete all its items?"_s;
        const QStringList all {u"Dairy"_s, u"cheese"_s, u"milk"_s, none, u"salt"_s};
        QTest::newRow("list, named, Yes") << 0 << false << u"Dairy"_s << u"Yes"_s << named << true
                                          << QStringList {none, "salt"};
        QTest::newRow("list, named, Cancel")
                << 0 << false << u"Dairy"_s << u"Cancel"_s << named << true << all;
        QTest::newRow("my items, named, No") << 0 << true << u"Dairy"_s << u"No"_s << named << true
                                             << QStringList {none, "cheese", "milk", "salt"};
        QTest::newRow("my items, uncategorised, Yes, in Russian")
                << 1 << true << u"Без категории"_s << u"Да"_s
                << u"Все элементы выбранной категории \"Без категории\" будут удалены. Продолжить?"_s
                << false << QStringList {"Dairy", "cheese", "milk"};
    }

    void categoryQuestion()
    {
        QFETCH(int, language);
        QFETCH(bool, myItems);
        QFETCH(QString, category);
        QFETCH(QString, answer);

        openList(language, {{"milk", "Dairy", ""}, {"cheese", "Dairy", ""}, {"salt", "", ""}});
        if (myItems)
            m_ui.click(u"buttonMyItems"_s);
        tap(myItems ? u"pageMyItems"_s : u"pageList"_s, category, u"categoryDeleteButton"_s);
        QQuickItem *query = m_ui.waitFor(u"editQuery"_s);
        QTEST(query->property("queryString").toString(), "question");
        QTEST(m_ui.button(language ? u"Нет"_s : u"No"_s, query) != nullptr, "withNo");
        m_ui.click(m_ui.button(answer, query));
        QTRY_VERIFY(!m_ui.named(u"editQuery"_s));
        QAbstractItemModel *model = list();
        if (myItems)
            model = m_ui.manager()->categoriesDataModel();
        QStringList texts;
        for (int row = 0; row < model->rowCount(); ++row) {
            const bool header = roleText(model, row, "item_type") == u"category"_s;
            texts.append(roleText(model, row, header ? "item_category" : "item_name"));
        }
        QTEST(texts, "left");
    }

    // A list longer than the screen: End scrolls to its last row, which shows
    // and takes taps; Home back to the first. Down walks the items past their
    // category's header and scrolls the current one into view; F2 edits it and,
    // the dialog closed, Delete deletes it and the next one becomes current.
    void longList()
    {
        QList<QStringList> items;
        for (int i = 0; i < 60; ++i)
            items.append({u"item %1"_s.arg(i, 2, 10, QLatin1Char('0')), u"Food"_s, u"1"_s});
        openList(0, items);
        m_ui.key(Qt::Key_End);
        tap(u"pageList"_s, u"item 59"_s, u"itemDeleteButton"_s);
        QTRY_COMPARE(list()->rowCount(), 60);
        m_ui.key(Qt::Key_Home);
        tap(u"pageList"_s, u"item 00"_s, u"itemDeleteButton"_s);
        QTRY_COMPARE(list()->rowCount(), 59);

        for (int i = 0; i < 40; ++i)
            m_ui.key(Qt::Key_Down);
        QVERIFY(m_ui.named(u"pageList"_s)->property("contentY").toReal() > 0);
        for (int deleted = 0; deleted < 2; ++deleted) {
            m_ui.key(Qt::Key_F2);
            QTRY_COMPARE(m_ui.textOf(u"nameInput"_s), u"item %1"_s.arg(40 + deleted));
            m_ui.key(Qt::Key_Escape);
            QTRY_VERIFY(!m_ui.named(u"nameInput"_s));
            m_ui.key(Qt::Key_Delete);
            QTRY_COMPARE(list()->rowCount(), 58 - deleted);
        }
    }

    // Selecting on the My Items page, its button bar, and catalogue prices in
    // the currency of the list.
    void myItems()
    {
        openList(0, {});
        ptCategoriesDataModel *catalogue = m_ui.manager()->categoriesDataModel();
        m_ui.manager()->addItem(1, u"tea"_s, u"Drinks"_s, u"4.25"_s, QString(), 0, QString());
        m_ui.manager()->addItem(1, u"rice"_s, u"Grain"_s, u"1"_s, QString(), 0, QString());

        // Nothing selected: "add selected" is dimmed and does nothing.
        m_ui.click(u"buttonMyItems"_s);
        QQuickItem *addSelected = m_ui.waitFor(u"buttonAddSelected"_s);
        m_ui.click(addSelected);
        QVERIFY(m_ui.waitForFrames(2) && !m_ui.named(u"pageList"_s));

        // "cancel" keeps the selection. The list page's bar comes back over the
        // one still sliding out: a tap on "my items" at once reaches it, not the
        // enabled "add selected" beneath, and clears the selection.
        tap(u"pageMyItems"_s, u"tea"_s, u"itemRect"_s);
        QTRY_COMPARE(catalogue->selectedCount(), 1);
        m_ui.click(u"buttonCancelMyItems"_s);
        QQuickItem *myItems = m_ui.waitFor(u"buttonMyItems"_s);
        QTRY_COMPARE(myItems->parentItem()->y(), 0.0);
        QCOMPARE(catalogue->selectedCount(), 1);
        m_ui.clickAt(myItems->mapRectToScene(myItems->boundingRect()).center());
        QTRY_VERIFY(!m_ui.named(u"pageList"_s));
        QVERIFY(catalogue->selectedCount() == 0 && list()->rowCount() == 0);
        m_ui.click(u"buttonCancelMyItems"_s);

        // The list's currency changed in its information sheet. While the
        // currency chooser is open the keys go to it (typed letters find a
        // currency, Return takes it), and it opens on the form's currency.
        m_ui.click(u"editHeader"_s);
        m_ui.click(u"menuEditListInfo"_s);
        for (const int currency : {0, ptSceneDriver::Euro}) {
            m_ui.click(u"listCurrencyField"_s);
            QTRY_COMPARE(m_ui.waitFor(u"currencyList"_s)->property("currentIndex"),
                         QVariant(currency));
            m_ui.typeText(currency ? QString() : u"eur"_s);
            m_ui.key(Qt::Key_Return);
            QVERIFY(m_ui.waitFor(u"listSheet"_s));
        }
        m_ui.key(Qt::Key_Return);
        QTRY_COMPARE(list()->listCurrency(), ptSceneDriver::Euro);

        // An entry updated on the My Items page is priced in it; the list is untouched.
        m_ui.click(u"buttonMyItems"_s);
        tap(u"pageMyItems"_s, u"tea"_s, u"itemEditButton"_s);
        QCOMPARE(m_ui.textOf(u"priceUnitLabel"_s), u"€/item"_s);
        m_ui.typeInto(u"priceInput"_s, u"3.90"_s);
        m_ui.key(Qt::Key_Return);
        QTRY_VERIFY(!m_ui.named(u"pageNewItem"_s));
        QCOMPARE(list()->rowCount(), 0);

        // Both added: tea at its price in this currency, rice (priced only in
        // the first one) without a price.
        tap(u"pageMyItems"_s, u"tea"_s, u"itemRect"_s);
        tap(u"pageMyItems"_s, u"rice"_s, u"itemRect"_s);
        QTRY_COMPARE(addSelected->opacity(), 1.0);
        m_ui.click(addSelected);
        QTRY_COMPARE(m_ui.textOf(u"editSummaryText"_s), u"3.90 €<br>2 items"_s);
        QCOMPARE(itemText(u"tea"_s, "item_price") + '|' + itemText(u"rice"_s, "item_price"),
                 u"3.90|"_s);

        // Escape is the back button: the lists screen shows what was written.
        m_ui.key(Qt::Key_Escape);
        QTRY_COMPARE(m_ui.textOf(u"listPriceText"_s), u"3.90 €"_s);
        QCOMPARE(m_ui.textOf(u"listAmountText"_s), u"2 items"_s);
    }
};

QTEST_MAIN(tst_ui)
#include "tst_ui.moc"
