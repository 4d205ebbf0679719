#ifndef PTCATEGORIESDATAMODEL_H
#define PTCATEGORIESDATAMODEL_H

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include "ptItemRules.h"

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
    bool isLoaded() const { return !m_items.isEmpty(); }
    // The catalogue lives for one run only; there is nothing to read or write.
    bool loadModel() { return true; }
    bool saveModel() { return true; }
    void releaseModel(bool pUpdateModel);
    void updateModel();
    void sortByCategory(bool pUpdateModel);
    void sortByProduct(bool pUpdateModel);
    int categoriesCount() const { return m_categories.size(); }
    int selectedCount() const { return m_selectedCount; }
    QString categoryName(int pIndex) const;
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
    enum SortMode { SortByCategory, SortByProduct };

    int findEntry(const QString &pName, const QString &pCategory) const;
    bool isItemRow(int pRow) const
    {
        return pRow >= 0 && pRow < m_rows.size() && m_rows.at(pRow).item >= 0;
    }

    SortMode m_sortMode = SortByCategory;
    int m_selectedCount = 0;
    QList<QHash<QString, QString>> m_items;
    // The entries that are not deleted and their headers, in ptItemRules
    // order; rebuilt by updateModel().
    QList<ptItemRules::Row> m_rows;
    QStringList m_categories;
    QString m_currencyCode;
};

#endif // PTCATEGORIESDATAMODEL_H
