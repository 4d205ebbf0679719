#ifndef PTCATEGORIESDATAMODEL_H
#define PTCATEGORIESDATAMODEL_H

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// "My Items": every item entered during the run, grouped by category, with a
// price per currency code and a selection for adding entries to the list.
class ptCategoriesDataModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int categoriesCount READ categoriesCount NOTIFY categoriesCountChanged)
    Q_PROPERTY(int selectedCount READ selectedCount NOTIFY selectedCountChanged)

public:
    enum ItemRoles {
        ItemNameRole = Qt::UserRole + 1,
        ItemCategoryRole,
        ItemPriceRole,
        ItemAmountRole,
        ItemAmountUnitRole,
        ItemNoteRole,
        ItemStatusRole,
        ItemTypeRole
    };

    explicit ptCategoriesDataModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    QList<QHash<QString, QString>> selectedItems() const;

signals:
    void categoriesCountChanged();
    void selectedCountChanged();

public slots:
    bool isLoaded();
    bool loadModel();
    bool saveModel();
    void releaseModel(bool pUpdateModel);
    void updateModel();
    void sortByCategory(bool pUpdateModel);
    void sortByProduct(bool pUpdateModel);
    int categoriesCount();
    int selectedCount();
    QString categoryName(int pIndex);
    void setCurrencyCode(QString pCode);
    bool addItem(QString pName, QString pCategory, QString pPrice, QString pPriceUnit,
                 QString pAmount, int pAmountUnit, QString pNote);
    bool updateItem(int pIndex, QString pName, QString pCategory, QString pPrice,
                    QString pPriceUnit, QString pAmount, int pAmountUnit, QString pNote);
    void toggleItem(int pIndex);
    void clearSelection();
    bool deleteItem(int pIndex);
    bool deleteCategory(int pIndex, bool pDeleteItems);

private:
    // One row: its key in the ordered row map and the entry it shows, or -1
    // for a category header.
    struct Row
    {
        QString key;
        int entry;
    };

    QString normalisedCategory(const QString &pCategory) const;
    int findEntry(const QString &pName, const QString &pCategory) const;
    bool isItemRow(int pRow) const;

    int m_sortMode = 0;
    int m_selectedCount = 0;
    QList<QHash<QString, QString>> m_items;
    QList<Row> m_rows; // ordered by key, rebuilt by updateModel()
    QStringList m_categories;
    QString m_currencyCode;
};

#endif // PTCATEGORIESDATAMODEL_H
