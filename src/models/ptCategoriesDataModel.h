#ifndef PTCATEGORIESDATAMODEL_H
#define PTCATEGORIESDATAMODEL_H

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include "ptItemRules.h"

// "My Items": every item entered, grouped by category, with a price per
// currency code and a selection for adding entries to the list. The entries
// are kept in a file of their own (see loadModel()); the selection is not.
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
    // Every entry with its status, deleted ones too, to be taken back whole.
    QList<QHash<QString, QString>> entries() const { return m_items; }
    void setEntries(const QList<QHash<QString, QString>> &pEntries);

    // The file the entries are kept in: a "pantrix_items" root with one
    // "item" per entry, an attribute per key.
    void setFileName(const QString &pFileName) { m_fileName = pFileName; }
    // Whether the entries changed since they were last read or written.
    bool isModified() const { return m_modified; }

signals:
    void categoriesCountChanged();
    void selectedCountChanged();
    // The entries changed: one added, changed, deleted or taken back.
    void entriesChanged();

public slots:
    // Reads the entries from the file, in front of any entered before. A file
    // that cannot be read is renamed aside (its name and ".damaged", then a
    // number where that is taken) and the catalogue starts empty; false then.
    bool loadModel();
    // Writes the entries, not their selection, through an atomic replace.
    bool saveModel();
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
    // Up to five entries for a name being typed, pTyped at least two
    // characters: those whose name starts with it, then those that contain
    // it, each by name, case ignored. Each has the item dialog's fields:
    // "name", "category" (the word for none, translated), "price" (in the
    // current currency), "amount", "amountUnit", "note".
    QVariantList suggestions(const QString &pTyped) const;
    void clearSelection();
    bool deleteItem(int pIndex);
    bool deleteCategory(int pIndex, bool pDeleteItems);

private:
    enum SortMode { SortByCategory, SortByProduct };

    int findEntry(const QString &pName, const QString &pCategory) const;
    void changed();
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
    QString m_fileName;
    bool m_modified = false;
};

#endif // PTCATEGORIESDATAMODEL_H
