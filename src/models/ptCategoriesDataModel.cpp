#include "ptCategoriesDataModel.h"

#include <QMap>

namespace {

// Stored as the category of an entry without one; sorts after ordinary text.
const QChar UncategorisedMarker(0xF000);

const int SortByCategory = 0;
const int SortByProduct = 1;

const QString StatusChecked = QStringLiteral("checked");
const QString StatusUnchecked = QStringLiteral("unchecked");
const QString StatusDeleted = QStringLiteral("deleted");

} // namespace

ptCategoriesDataModel::ptCategoriesDataModel(QObject *parent) : QAbstractListModel(parent) { }

int ptCategoriesDataModel::rowCount(const QModelIndex &) const
{
    return m_rows.size();
}

QVariant ptCategoriesDataModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QString();

    const Row &row = m_rows.at(index.row());
    if (row.entry < 0) {
        switch (role) {
        case ItemCategoryRole:
            return row.key.chopped(1);
        case ItemTypeRole:
            return QStringLiteral("category");
        default:
            return QString();
        }
    }

    const QHash<QString, QString> &entry = m_items.at(row.entry);
    switch (role) {
    case Qt::DisplayRole:
    case ItemNameRole:
        return entry.value(QStringLiteral("name"));
    case ItemCategoryRole:
        return entry.value(QStringLiteral("category"));
    case ItemPriceRole:
        return entry.value(QStringLiteral("price") + m_currencyCode);
    case ItemAmountRole:
        return entry.value(QStringLiteral("count"));
    case ItemAmountUnitRole:
        return entry.value(QStringLiteral("count_unit"));
    case ItemNoteRole:
        return entry.value(QStringLiteral("note"));
    case ItemStatusRole:
        return entry.value(QStringLiteral("status"));
    case ItemTypeRole:
        return QStringLiteral("item");
    default:
        return QString();
    }
}

QHash<int, QByteArray> ptCategoriesDataModel::roleNames() const
{
    return {
            {ItemNameRole, "item_name"},
            {ItemCategoryRole, "item_category"},
            {ItemPriceRole, "item_price"},
            {ItemAmountRole, "item_amount"},
            {ItemAmountUnitRole, "item_amount_unit"},
            {ItemNoteRole, "item_note"},
            {ItemStatusRole, "item_status"},
            {ItemTypeRole, "item_type"},
    };
}

QVariant ptCategoriesDataModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return QStringLiteral("Column %1").arg(section);
    return QStringLiteral("Row %1").arg(section);
}

QList<QHash<QString, QString>> ptCategoriesDataModel::selectedItems() const
{
    QList<QHash<QString, QString>> selected;
    for (const QHash<QString, QString> &entry : m_items) {
        if (entry.value(QStringLiteral("status")) == StatusChecked)
            selected.append(entry);
    }
    return selected;
}

bool ptCategoriesDataModel::isLoaded()
{
    return !m_items.isEmpty();
}

// The catalogue lives for one run only; there is nothing to read or write.
bool ptCategoriesDataModel::loadModel()
{
    return true;
}

bool ptCategoriesDataModel::saveModel()
{
    return true;
}

// Without pUpdateModel the views are not told; they keep what they show until
// the next rebuild.
void ptCategoriesDataModel::releaseModel(bool pUpdateModel)
{
    m_items.clear();
    m_rows.clear();
    m_sortMode = SortByCategory;
    if (pUpdateModel)
        updateModel();
}

void ptCategoriesDataModel::updateModel()
{
    beginResetModel();

    QMap<QString, int> keys;
    m_categories.clear();
    const QString separator = QStringLiteral(":");
    for (int i = 0; i < m_items.size(); ++i) {
        const QHash<QString, QString> &entry = m_items.at(i);
        if (entry.value(QStringLiteral("status")) == StatusDeleted)
            continue;
        const QString category = entry.value(QStringLiteral("category"));
        const QString name = entry.value(QStringLiteral("name"));
        if (category != UncategorisedMarker)
            m_categories.append(category);
        if (m_sortMode == SortByCategory) {
            keys.insert(category + separator, -1);
            keys.insert(category + separator + name, i);
        } else {
            keys.insert(name, i);
        }
    }
    m_categories.removeDuplicates();

    m_rows.clear();
    m_rows.reserve(keys.size());
    for (auto it = keys.cbegin(); it != keys.cend(); ++it)
        m_rows.append({it.key(), it.value()});

    emit categoriesCountChanged();
    endResetModel();
}

void ptCategoriesDataModel::sortByCategory(bool pUpdateModel)
{
    m_sortMode = SortByCategory;
    if (pUpdateModel)
        updateModel();
}

void ptCategoriesDataModel::sortByProduct(bool pUpdateModel)
{
    m_sortMode = SortByProduct;
    if (pUpdateModel)
        updateModel();
}

int ptCategoriesDataModel::categoriesCount()
{
    return m_categories.size();
}

int ptCategoriesDataModel::selectedCount()
{
    return m_selectedCount;
}

QString ptCategoriesDataModel::categoryName(int pIndex)
{
    if (pIndex < 0 || pIndex >= m_categories.size())
        return QString();
    return m_categories.at(pIndex);
}

void ptCategoriesDataModel::setCurrencyCode(QString pCode)
{
    m_currencyCode = pCode;
}

bool ptCategoriesDataModel::addItem(QString pName, QString pCategory, QString pPrice,
                                    QString pPriceUnit, QString pAmount, int pAmountUnit,
                                    QString pNote)
{
    Q_UNUSED(pNote)

    const QString name = pName.simplified();
    const QString category = normalisedCategory(pCategory);
    if (name.isEmpty())
        return false;

    int index = findEntry(name, category);
    if (index < 0) {
        QHash<QString, QString> entry;
        entry.insert(QStringLiteral("name"), name);
        entry.insert(QStringLiteral("category"), category);
        m_items.append(entry);
        index = m_items.size() - 1;
    }

    QHash<QString, QString> &entry = m_items[index];
    entry.insert(QStringLiteral("price") + pPriceUnit, pPrice);
    entry.insert(QStringLiteral("count"), pAmount);
    entry.insert(QStringLiteral("count_unit"), QString::number(pAmountUnit));
    entry.insert(QStringLiteral("note"), QString());
    entry.insert(QStringLiteral("status"), StatusChecked);

    updateModel();
    return true;
}

bool ptCategoriesDataModel::updateItem(int pIndex, QString pName, QString pCategory, QString pPrice,
                                       QString pPriceUnit, QString pAmount, int pAmountUnit,
                                       QString pNote)
{
    Q_UNUSED(pNote)

    const QString name = pName.simplified();
    const QString category = normalisedCategory(pCategory);

    int index = -1;
    if (pIndex == -1) {
        index = findEntry(name, category);
        if (index < 0)
            return false;
    } else {
        if (!isItemRow(pIndex))
            return false;
        index = m_rows.at(pIndex).entry;
    }

    QHash<QString, QString> &entry = m_items[index];
    entry.insert(QStringLiteral("name"), name);
    entry.insert(QStringLiteral("category"), category);
    entry.insert(QStringLiteral("price") + pPriceUnit, pPrice);
    entry.insert(QStringLiteral("count"), pAmount);
    entry.insert(QStringLiteral("count_unit"), QString::number(pAmountUnit));
    entry.insert(QStringLiteral("note"), QString());

    updateModel();
    return true;
}

void ptCategoriesDataModel::toggleItem(int pIndex)
{
    if (!isItemRow(pIndex))
        return;

    QHash<QString, QString> &entry = m_items[m_rows.at(pIndex).entry];
    const QString status = entry.value(QStringLiteral("status"));
    if (status == StatusChecked) {
        entry.insert(QStringLiteral("status"), StatusUnchecked);
        --m_selectedCount;
    } else if (status == StatusUnchecked) {
        entry.insert(QStringLiteral("status"), StatusChecked);
        ++m_selectedCount;
    }

    emit selectedCountChanged();
    const QModelIndex changed = index(pIndex, 0);
    emit dataChanged(changed, changed);
}

void ptCategoriesDataModel::clearSelection()
{
    for (QHash<QString, QString> &entry : m_items) {
        if (entry.value(QStringLiteral("status")) != StatusDeleted)
            entry.insert(QStringLiteral("status"), StatusUnchecked);
    }
    m_selectedCount = 0;
    emit selectedCountChanged();
    updateModel();
}

bool ptCategoriesDataModel::deleteItem(int pIndex)
{
    if (!isItemRow(pIndex))
        return false;

    const int index = m_rows.at(pIndex).entry;
    QHash<QString, QString> &entry = m_items[index];
    const QString category = entry.value(QStringLiteral("category"));

    beginRemoveRows(QModelIndex(), pIndex, pIndex);
    m_rows.removeAt(pIndex);
    entry.insert(QStringLiteral("status"), StatusDeleted);
    endRemoveRows();

    // The header goes too when the removed item was the last of its category.
    if (m_sortMode == SortByCategory && pIndex > 0) {
        const Row &before = m_rows.at(pIndex - 1);
        const bool headerAbove = before.entry < 0 && before.key == category + QLatin1Char(':');
        const bool itemBelow = isItemRow(pIndex)
                && m_items.at(m_rows.at(pIndex).entry).value(QStringLiteral("category"))
                        == category;
        if (headerAbove && !itemBelow) {
            beginRemoveRows(QModelIndex(), pIndex - 1, pIndex - 1);
            m_rows.removeAt(pIndex - 1);
            endRemoveRows();
        }
    }

    updateModel();
    return true;
}

bool ptCategoriesDataModel::deleteCategory(int pIndex, bool pDeleteItems)
{
    if (m_sortMode == SortByProduct || pIndex < 0 || pIndex >= m_rows.size())
        return false;

    const Row &row = m_rows.at(pIndex);
    const QString category = row.entry < 0
            ? row.key.chopped(1)
            : m_items.at(row.entry).value(QStringLiteral("category"));

    for (QHash<QString, QString> &entry : m_items) {
        if (entry.value(QStringLiteral("category")) != category)
            continue;
        entry.insert(QStringLiteral("category"), QString(UncategorisedMarker));
        if (pDeleteItems)
            entry.insert(QStringLiteral("status"), StatusDeleted);
    }

    updateModel();
    return true;
}

// Blank, "Uncategorised" and its translation all mean no category.
QString ptCategoriesDataModel::normalisedCategory(const QString &pCategory) const
{
    const QString category = pCategory.simplified();
    if (category.isEmpty() || category == QLatin1String("Uncategorised")
        || category == tr("Uncategorised"))
        return QString(UncategorisedMarker);
    return category;
}

// The first entry with exactly this name and category, deleted ones included.
int ptCategoriesDataModel::findEntry(const QString &pName, const QString &pCategory) const
{
    for (int i = 0; i < m_items.size(); ++i) {
        const QHash<QString, QString> &entry = m_items.at(i);
        if (entry.value(QStringLiteral("name")) == pName
            && entry.value(QStringLiteral("category")) == pCategory)
            return i;
    }
    return -1;
}

bool ptCategoriesDataModel::isItemRow(int pRow) const
{
    return pRow >= 0 && pRow < m_rows.size() && m_rows.at(pRow).entry >= 0;
}
