#ifndef PTLISTDATAMODEL_H
#define PTLISTDATAMODEL_H

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QString>

#include "ptItemRules.h"
#include "ptListDocument.h"

// The one open shopping list: its information, its item records and the
// ordered row map that decides which records are shown and where the
// category headers stand. It knows whether it changed since its document was
// last read or written, and keeps that version as the base of a merge with
// what another program writes there.
class ptListDataModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(QString checkoutAmount READ checkoutAmount NOTIFY checkoutAmountChanged)
    Q_PROPERTY(QString checkoutPrice READ checkoutPrice NOTIFY checkoutPriceChanged)
    Q_PROPERTY(QString listName READ listName NOTIFY listNameChanged)
    Q_PROPERTY(QString listNote READ listNote NOTIFY listNoteChanged)
    Q_PROPERTY(int listCurrency READ listCurrency NOTIFY listCurrencyChanged)
    Q_PROPERTY(int numberOfItems READ numberOfItems NOTIFY numberOfItemsChanged)
    Q_PROPERTY(QString itemsPrice READ itemsPrice NOTIFY itemsPriceChanged)
    Q_PROPERTY(bool isDisplayList READ isDisplayList NOTIFY isDisplayListChanged)

public:
    enum ItemRoles {
        ItemNameRole = Qt::UserRole + 1,
        ItemCategoryRole,
        ItemPriceRole,
        ItemPriceUnitRole,
        ItemAmountRole,
        ItemAmountUnitRole,
        ItemNoteRole,
        ItemStatusRole,
        ItemTypeRole,
        ListNameRole,
        ListItemsListRole,
        ListPriceListRole,
        ListFilenameRole
    };

    explicit ptListDataModel(QObject *parent = nullptr);
    ~ptListDataModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void modelUpdated();
    void modelReseted();
    void itemUpdated(QHash<QString, QString> pItem);
    void itemAdded(QHash<QString, QString> pItem);
    void checkoutRequested();
    void checkoutAmountChanged();
    void checkoutPriceChanged();
    void listNameChanged();
    void listNoteChanged();
    void listCurrencyChanged();
    void numberOfItemsChanged();
    void itemsPriceChanged();
    void isDisplayListChanged();
    // The list's information or items changed.
    void documentChanged();
    // The list took another program's version of its document: reloaded or
    // merged it, or merged a conflict copy.
    void otherVersionTaken();

public slots:
    QString listItemsAmount() const { return m_listItemsAmount; }
    QString listItemsPrice() const { return m_listItemsPrice; }
    QString cartItemsAmount() const { return m_cartItemsAmount; }
    QString cartItemsPrice() const { return m_cartItemsPrice; }
    QList<QHash<QString, QString>> items(bool pListItems) const;
    QList<QHash<QString, QString>> items() const { return items(true); }
    void addItems(QList<QHash<QString, QString>> pItems, QString pCurrencyCode);
    bool addItem(QString pName, QString pCategory, QString pPrice, QString pAmount, int pAmountUnit,
                 QString pNote);
    void updateItem(int pIndex, QString pName, QString pCategory, QString pPrice, QString pAmount,
                    int pAmountUnit, QString pNote);
    bool deleteItem(int pIndex);
    void toggleItem(int pIndex);
    // Moves every item in the cart back to the list; false when none was there.
    bool untickAll();
    // Adds pItems, records as ptListText reads them, each with its status;
    // the number added.
    int addRecords(const QList<ptItemRecord> &pItems);
    bool deleteCategory(int pIndex, bool pDeleteItems);
    bool needsCheckout() const { return m_displayMode == DisplayList && m_rows.isEmpty(); }
    bool checkout();
    bool newModel(QString pListFilename, QString pListName, int pListCurrency, QString pListNote);
    bool updateModelInfo(QString pListName, int pListCurrency, QString pListNote);
    bool loadModel(QString pListFilename);
    bool saveModel();
    void releaseModel();
    void updateModel();
    void updateCountPrice();
    bool isSortByCategory() const { return m_sortMode == SortByCategory; }
    void sortByCategory(bool pUpdateModel);
    bool isSortByProduct() const { return m_sortMode == SortByProduct; }
    void sortByProduct(bool pUpdateModel);
    bool isDisplayList() const { return m_displayMode == DisplayList; }
    void displayList(bool pUpdateModel);
    bool isDisplayCart() const { return m_displayMode == DisplayCart; }
    void displayCart(bool pUpdateModel);
    int itemHeight(int pIndex) const;
    QString checkoutAmount() const { return m_cartItemsAmount; }
    QString checkoutPrice() const { return m_cartItemsPrice; }
    QString listName() const { return m_listInfo.value(QStringLiteral("name")); }
    QString listNote() const { return m_listInfo.value(QStringLiteral("note")); }
    QString listFileName() const { return m_listInfo.value(QStringLiteral("filename")); }
    int listCurrency() const { return m_listInfo.value(QStringLiteral("currency")).toInt(); }
    // Whether the list changed since its document was last read or written.
    bool isModified() const { return m_modified; }
    // Follows the document when another program has written it since this
    // model last read or wrote it: reloads it in place without changes of
    // its own, merges it with them otherwise. True when the list changed.
    bool followFile();
    // Whether the document on disk is another program's and cannot be read:
    // damaged, or being written in place.
    bool isFileUnreadable() const;
    // Merges in the list of the document at pPath, a copy with no common
    // version (as a sync tool leaves on a conflict). False when it cannot be
    // read.
    bool mergeFile(const QString &pPath);
    // This list as its document holds it: the information and the records
    // that are not deleted.
    ptListDocument::Content content() const;
    // Takes pContent back as this list's information (but the file name) and
    // records: a change to be written.
    void restore(ptListDocument::Content pContent);

    int numberOfItems() const
    {
        return m_displayMode == DisplayList ? m_listItemsAmount.toInt() : m_cartItemsAmount.toInt();
    }
    QString itemsPrice() const
    {
        return m_displayMode == DisplayList ? m_listItemsPrice : m_cartItemsPrice;
    }

private:
    enum SortMode { SortByCategory, SortByProduct };
    enum DisplayMode { DisplayList, DisplayCart };

    using Record = ptItemRecord;

    // The fields the item dialog edits; pName and pCategory come simplified.
    static void setEditedFields(Record &pRecord, const QString &pName, const QString &pCategory,
                                const QString &pPrice, const QString &pAmount, int pAmountUnit,
                                const QString &pNote);
    void setListInfo(const QString &pListName, int pListCurrency, const QString &pListNote,
                     const QString &pDateFormat);
    static bool sameEditedFields(const Record &pFirst, const Record &pSecond);
    ptItemRules::RowKey rowKey(const ptItemRules::Row &pRow) const;
    int itemAt(int pRow) const;
    int lowerBound(const ptItemRules::RowKey &pKey) const;
    bool isHeaderOf(int pRow, const QString &pCategory) const;
    void insertRow(const ptItemRules::Row &pRow);
    void removeRow(int pRow);
    void pruneHeader(const QString &pCategory);
    void clearDocument();
    // Takes pContent's information (but the file name) and records, keeping
    // the views, sort and display modes.
    void setContent(ptListDocument::Content pContent);
    void setStored(const QByteArray &pStored);
    void changed();
    void setDisplayMode(DisplayMode pMode, bool pUpdateModel);

    SortMode m_sortMode = SortByCategory;
    DisplayMode m_displayMode = DisplayList;
    QString m_listItemsAmount;
    QString m_cartItemsAmount;
    QString m_listItemsPrice;
    QString m_cartItemsPrice;
    QHash<QString, QString> m_listInfo;
    QList<Record> m_items;
    // The document's bytes as last read or written: the base of a merge, and
    // what tells another program's write from this one's.
    QByteArray m_stored;
    bool m_modified = false;
    // The shown records and their headers, in ptItemRules order.
    QList<ptItemRules::Row> m_rows;
};

#endif // PTLISTDATAMODEL_H
