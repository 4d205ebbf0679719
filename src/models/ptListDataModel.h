#ifndef PTLISTDATAMODEL_H
#define PTLISTDATAMODEL_H

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QString>

#include <utility>

// The one open shopping list: its information, its item records and the
// ordered row map that decides which records are shown and where the
// category headers stand.
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

public slots:
    QString listItemsAmount();
    QString listItemsPrice();
    QString cartItemsAmount();
    QString cartItemsPrice();
    QList<QHash<QString, QString>> items(bool pListItems);
    QList<QHash<QString, QString>> items();
    void addItems(QList<QHash<QString, QString>> pItems, QString pCurrencyCode);
    bool addItem(QString pName, QString pCategory, QString pPrice, QString pAmount, int pAmountUnit,
                 QString pNote);
    void updateItem(int pIndex, QString pName, QString pCategory, QString pPrice, QString pAmount,
                    int pAmountUnit, QString pNote);
    bool deleteItem(int pIndex);
    void toggleItem(int pIndex);
    bool deleteCategory(int pIndex, bool pDeleteItems);
    bool needsCheckout();
    bool checkout();
    bool newModel(QString pListFilename, QString pListName, int pListCurrency, QString pListNote);
    bool updateModelInfo(QString pListName, int pListCurrency, QString pListNote);
    bool loadModel(QString pListFilename);
    bool saveModel();
    void releaseModel();
    void updateModel();
    void updateCountPrice();
    bool isSortByCategory();
    void sortByCategory(bool pUpdateModel);
    bool isSortByProduct();
    void sortByProduct(bool pUpdateModel);
    bool isDisplayList();
    void displayList(bool pUpdateModel);
    bool isDisplayCart();
    void displayCart(bool pUpdateModel);
    int itemHeight(int pIndex);
    QString checkoutAmount();
    QString checkoutPrice();
    QString listName();
    QString listNote();
    QString listFileName();
    int listCurrency();
    int numberOfItems();
    QString itemsPrice();

private:
    // The usual keys of an item record, in the order they are written.
    enum Field {
        NameField,
        CategoryField,
        PriceField,
        CountField,
        CountUnitField,
        NoteField,
        StatusField,
        FieldCount
    };

    // One item record: the usual keys in fixed places, any other attribute
    // read from a document beside them. A key the record does not hold reads
    // as an empty text.
    struct Record
    {
        QString fields[FieldCount];
        quint8 held = 0; // one bit per field
        QList<std::pair<QString, QString>> others;

        const QString &value(Field pField) const { return fields[pField]; }
        bool holds(Field pField) const { return (held >> pField) & 1u; }
        void set(Field pField, const QString &pValue)
        {
            fields[pField] = pValue;
            held |= quint8(1u << pField);
        }
        void setOther(const QString &pKey, const QString &pValue);
        QHash<QString, QString> toHash() const;
    };

    // One entry of the row map: the row key and the item index it shows
    // (-1 for a category header).
    struct Row
    {
        QString key;
        int item = -1;
    };

    // What the rows and the figures need of one item record, kept beside the
    // record so that rebuilding and recounting do not search every record's hash.
    struct ItemCache
    {
        QString name;
        QString rowKey; // category, ":" and name
        int category = 0; // index into m_headerKeys
        char status = 0; // 'u' unchecked, 'c' checked, 0 any other
        bool hasTotal = false; // total is read on the first recount
        double total = 0.0; // amount times price
    };

    QString normalizedCategory(const QString &pCategory) const;
    // The fields the item dialog edits; pName and pCategory come simplified.
    static void setEditedFields(Record &pRecord, const QString &pName, const QString &pCategory,
                                const QString &pPrice, const QString &pAmount, int pAmountUnit,
                                const QString &pNote);
    bool isHeaderRow(int pRow) const;
    int headerPosition(const QString &pHeaderKey) const;
    int insertRow(const QString &pKey, int pItem);
    void removeRow(int pRow);
    void pruneHeader(const QString &pCategory);
    void setStatus(int pItem, const QString &pStatus);
    void clearDocument();
    void ensureIndex();
    void ensureMatches();
    void ensureOrder();
    void appendToIndex(int pItem);
    void invalidateIndex();
    static QString matchKey(const Record &pItem);
    static double readNumber(const QString &pText);

    int m_sortMode = 0;
    int m_displayMode = 0;
    QString m_listItemsAmount;
    QString m_cartItemsAmount;
    QString m_listItemsPrice;
    QString m_cartItemsPrice;
    QHash<QString, QString> m_listInfo;
    QList<Record> m_items;
    // Sorted by key (UTF-16 code units); a header before items of an equal
    // key; otherwise a newer entry before older ones of an equal key.
    QList<Row> m_rows;
    // Rebuilt on demand after any change to the records other than appending
    // one or changing a status:
    // - for each record, in item-list order, its ItemCache;
    // - the header keys (category and ":"), numbered in order of appearance,
    //   and the numbers by category;
    // - (only once an item is added) for each set of the six values name,
    //   category, price, count, count_unit and note, the indexes of the
    //   records holding them, in item-list order.
    QList<ItemCache> m_cache;
    QStringList m_headerKeys;
    QHash<QString, int> m_headerNumbers; // by category
    QHash<QString, QList<int>> m_matches;
    // Every record's index (whatever its status) in row order for the sort
    // mode m_orderMode (-1: none), and the header numbers in key order;
    // rebuilt on demand after any change to the index.
    QList<int> m_order;
    QList<int> m_headerOrder;
    int m_orderMode = -1;
    int m_colonCategories = 0; // categories holding a ":"
    bool m_indexValid = false;
    bool m_matchesValid = false;
};

#endif // PTLISTDATAMODEL_H
