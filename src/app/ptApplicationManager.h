#ifndef PTAPPLICATIONMANAGER_H
#define PTAPPLICATIONMANAGER_H

#include <QObject>
#include <QString>
#include <QTimer>
#include <QTranslator>
#include <QUndoStack>
#include <QVariantMap>

#include <memory>

#include "ptCategoriesDataModel.h"
#include "ptCurrencyUnitsDataModel.h"
#include "ptLanguagesDataModel.h"
#include "ptListDataModel.h"
#include "ptListSync.h"
#include "ptListText.h"
#include "ptListsDataModel.h"
#include "ptMeasureUnitsDataModel.h"
#include "ptScreenSaverInhibitor.h"
#include "ptUndoCommand.h"

class QQuickView;

// The controller the scenes call for everything that spans several models or
// touches files or the platform. It owns every model and the translator. The
// scenes ask it for what a person wants done (open a list, tick an item, take
// an item back from the item dialog), each in one function of its own.
class ptApplicationManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString nullString READ nullString NOTIFY nullStringChanged)
    // The stored list document when it cannot be read (damaged, or not a
    // list), so that the lists screen can say so; empty otherwise.
    Q_PROPERTY(QString unreadableList READ unreadableList NOTIFY unreadableListChanged)
    Q_PROPERTY(ListScreen listScreen READ listScreen NOTIFY listScreenChanged)
    // Whether the keyboard was used since the last tap or click: the control
    // that has the keys shows it then, and only then.
    Q_PROPERTY(bool keyboardInUse READ keyboardInUse NOTIFY keyboardInUseChanged)
    // What the last deletion (or untick all) did, while its undo is offered:
    // for UndoOfferTime after it, until something else changes. Empty
    // otherwise.
    Q_PROPERTY(QString undoOffer READ undoOffer NOTIFY undoOfferChanged)
    // What the last action did where nothing else shows it (the list copied),
    // for as long as an undo offer would stay; empty otherwise.
    Q_PROPERTY(QString notice READ notice NOTIFY noticeChanged)

public:
    // Where the open list is shown; NoList while the lists screen is.
    enum ListScreen { NoList, EditingScreen, ShoppingScreen };
    Q_ENUM(ListScreen)
    // A page of the editing screen: the open list's items, or My Items.
    enum ItemPage { ListPage, MyItemsPage };
    Q_ENUM(ItemPage)
    enum ItemOrder { ByCategory, ByProduct };
    Q_ENUM(ItemOrder)

    // In milliseconds.
    static constexpr int UndoOfferTime = 7000;
    // The changes that can be taken back. Each keeps the list as it was before
    // and after: about 200 bytes an item, shared with the list until it changes.
    static constexpr int UndoLimit = 30;

    explicit ptApplicationManager(QObject *parent = nullptr);
    ~ptApplicationManager() override;

    bool initialize();
    void setView(QQuickView *pView);

    ptListsDataModel *listsDataModel() { return &m_listsDataModel; }
    ptListDataModel *listDataModel() { return &m_listDataModel; }
    ptCategoriesDataModel *categoriesDataModel() { return &m_categoriesDataModel; }
    ptLanguagesDataModel *languagesDataModel() { return &m_languagesDataModel; }
    ptCurrencyUnitsDataModel *currencyUnitsDataModel() { return &m_currencyUnitsDataModel; }
    ptMeasureUnitsDataModel *amountUnitsDataModel() { return &m_amountUnitsDataModel; }

    static QString listsDirectoryPath();
    static QString listDocumentPath();
    static QString settingsDirectoryPath();
    static QString settingsFilePath();
    static QString myItemsFilePath();

    QString unreadableList() const { return m_unreadableList; }
    ListScreen listScreen() const { return m_listScreen; }
    bool keyboardInUse() const { return m_keyboardInUse; }
    QString undoOffer() const { return m_undoOffer; }
    QString notice() const { return m_notice; }
    const QUndoStack *undoStack() const { return &m_undoStack; }

signals:
    void nullStringChanged();
    // After a language switch, once the tables are in the new language.
    void languageChanged();
    void unreadableListChanged();
    void listScreenChanged();
    void keyboardInUseChanged();
    void undoOfferChanged();
    void noticeChanged();

public slots:
    void quit();
    void showDashboard();
    QString nullString() { return QString(); }
    bool updateListsDataModel();
    bool createNewList(QString pListName, int pListCurrency, QString pListNote);
    bool loadList(int pListIndex);
    bool deleteListByIndex(int pListIndex);
    bool deleteList(QString pListFileName, QString pListName = QString());
    bool listDocumentExists();
    void addItem(int pScreenIndex, QString pName, QString pCategory, QString pPrice,
                 QString pAmount, int pAmountUnit, QString pNote);
    void updateItem(int pScreenIndex, int pIndex, QString pName, QString pCategory, QString pPrice,
                    QString pAmount, int pAmountUnit, QString pNote);
    void updateListItems();
    void setCurrentLanguage(int pIndex);
    void translateUi();
    void loadSettings();
    void saveSettings();
    void setInputHints();
    void onCurrentCurrencyChanged();
    void keepScreenOn(bool pKeepOn) { m_screenSaverInhibitor.setInhibited(pKeepOn); }

    // Opens the list of the lists screen's row pRow on pScreen; false, and
    // the lists screen stays, when it cannot be read.
    bool openList(int pRow, ptApplicationManager::ListScreen pScreen);
    // Creates a list and opens it for editing; false when it cannot be written.
    bool openNewList(QString pName, int pCurrency, QString pNote);
    // Shows the open list on the editing or the shopping screen.
    void showList(ptApplicationManager::ListScreen pScreen);
    // Writes the open list and goes back to the lists screen.
    void closeList();
    // The checkout's Yes: the finished list goes to the trash, and the lists
    // screen comes back.
    void finishList();
    // Moves a row's item between the list and the cart.
    void tickItem(int pRow);
    // Adds the entries selected in My Items to the open list.
    void addSelectedItems();
    // Sorts the open list and My Items alike.
    void sortItems(ptApplicationManager::ItemOrder pOrder);
    // The item dialog's fields for row pRow of pPage, or for a new item (pRow
    // -1): "name", "category" (the word for none, translated), "price",
    // "priceUnit" (the list's currency), "amount", "amountUnit", "note".
    QVariantMap openItem(ptApplicationManager::ItemPage pPage, int pRow);
    // Takes the item dialog's fields back: a new item (pRow -1) goes to the
    // list and My Items, a changed one replaces row pRow of pPage.
    void saveItem(ptApplicationManager::ItemPage pPage, int pRow, QVariantMap pItem);
    bool deleteItem(ptApplicationManager::ItemPage pPage, int pRow);
    // Deletes a category with its items, or without them (they become
    // uncategorised).
    bool deleteCategory(ptApplicationManager::ItemPage pPage, int pRow, bool pWithItems);
    // What the item dialog's category chooser offers: the categories of My
    // Items, then those of the open list that My Items lacks, each once.
    QStringList categoryChoices() const;
    // My Items' entries for a name being typed in the item dialog.
    QVariantList suggestItems(QString pTyped) const;
    // The list information sheet's fields for the open list.
    void saveListInfo(QString pName, int pCurrency, QString pNote);
    // The shopping screen's "Untick all": the cart goes back to the list.
    void untickAll();
    // Takes back the last change, or gives it back.
    void undo();
    void redo();
    // Puts the open list on the clipboard as text.
    void copyListText();
    // Reads the clipboard for items to paste into the open list: the lines
    // of the items that pasteItems() would add, as copyListText() writes
    // them. Items already on the list (the same name, in any case) are left
    // out.
    QStringList previewPaste();
    void pasteItems();

protected:
    bool eventFilter(QObject *pWatched, QEvent *pEvent) override;

private:
    // An undoable change starts with ptUndoCommand holding pParts as they are,
    // and ends here: when pChanged, the change is recorded, for a deletion as
    // one of pWhat (pOffered makes any change offered).
    std::unique_ptr<ptUndoCommand> beginChange(ptUndoCommand::Parts pParts);
    void endChange(std::unique_ptr<ptUndoCommand> pCommand, bool pChanged,
                   ptUndoCommand::Kind pKind, const QString &pWhat, bool pOffered = false);
    void clearHistory();
    void setUndoOffer(const QString &pOffer);
    void setNotice(const QString &pNotice);
    ptListText::Words textWords() const;
    // Writes the open list and My Items when they have changes not written.
    void writeNow();
    void applySystemLocale();
    void loadCatalogue();
    void saveIfOpen(const QString &pPath);
    void followFiles();
    void mergeConflictCopies();
    void setListScreen(ListScreen pScreen);
    void onViewStateChanged(Qt::WindowState pState);

    QQuickView *m_view = nullptr;
    QList<QMetaObject::Connection> m_viewConnections;
    bool m_fullScreenBeforeDashboard = false;
    ptListsDataModel m_listsDataModel;
    ptListDataModel m_listDataModel;
    ptListSync m_listSync {&m_listDataModel};
    ptCategoriesDataModel m_categoriesDataModel;
    ptLanguagesDataModel m_languagesDataModel;
    ptCurrencyUnitsDataModel m_currencyUnitsDataModel;
    ptMeasureUnitsDataModel m_amountUnitsDataModel;
    ptScreenSaverInhibitor m_screenSaverInhibitor;
    QTranslator m_translator;
    bool m_settingsLoaded = false;
    QString m_unreadableList;
    ListScreen m_listScreen = NoList;
    bool m_keyboardInUse = false;
    // A new item starts in the category of the item last added or opened on
    // the editing screen since it was shown.
    QString m_lastCategory;
    QUndoStack m_undoStack;
    QString m_undoOffer;
    QString m_notice;
    // Ends the undo offer or the notice.
    QTimer m_undoOfferTimer;
    // My Items is written as the list is, once changes pause.
    QTimer m_myItemsWriteTimer;
    QList<ptItemRecord> m_pasted;
};

#endif // PTAPPLICATIONMANAGER_H
