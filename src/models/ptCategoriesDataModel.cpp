#include "ptCategoriesDataModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>

#include "ptItemRules.h"
#include "ptListDocument.h"
#include "ptXmlText.h"

namespace {

using ptItemRules::StatusChecked;
using ptItemRules::StatusDeleted;
using ptItemRules::StatusUnchecked;

const QString NameKey = QStringLiteral("name");
const QString CategoryKey = QStringLiteral("category");
const QString StatusKey = QStringLiteral("status");

// The value of pKey in pEntry, an empty text if it has none.
const QString &valueOf(const QHash<QString, QString> &pEntry, const QString &pKey)
{
    static const QString none;
    const auto it = pEntry.constFind(pKey);
    return it == pEntry.cend() ? none : *it;
}

// What the item dialog gives an entry; the note is never kept.
void setFields(QHash<QString, QString> &pEntry, const QString &pName, const QString &pCategory,
               const QString &pPrice, const QString &pPriceUnit, const QString &pAmount,
               int pAmountUnit)
{
    pEntry.insert(NameKey, pName);
    pEntry.insert(CategoryKey, pCategory);
    pEntry.insert(QStringLiteral("price") + pPriceUnit, pPrice);
    pEntry.insert(QStringLiteral("count"), pAmount);
    pEntry.insert(QStringLiteral("count_unit"), QString::number(pAmountUnit));
    pEntry.insert(QStringLiteral("note"), QString());
}

} // namespace

ptCategoriesDataModel::ptCategoriesDataModel(QObject *parent) : QAbstractListModel(parent) { }

int ptCategoriesDataModel::rowCount(const QModelIndex &) const
{
    return int(m_rows.size());
}

QVariant ptCategoriesDataModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QString();

    const ptItemRules::Row &row = m_rows.at(index.row());
    if (row.item < 0) {
        switch (role) {
        case ItemCategoryRole:
            return row.category;
        case ItemTypeRole:
            return QStringLiteral("category");
        default:
            return QString();
        }
    }

    const QHash<QString, QString> &entry = m_items.at(row.item);
    switch (role) {
    case Qt::DisplayRole:
    case ItemNameRole:
        return entry.value(NameKey);
    case ItemCategoryRole:
        return entry.value(CategoryKey);
    case ItemPriceRole:
        return entry.value(QStringLiteral("price") + m_currencyCode);
    case ItemAmountRole:
        return entry.value(QStringLiteral("count"));
    case ItemAmountUnitRole:
        return entry.value(QStringLiteral("count_unit"));
    case ItemNoteRole:
        return entry.value(QStringLiteral("note"));
    case ItemStatusRole:
        return entry.value(StatusKey);
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
        if (entry.value(StatusKey) == StatusChecked)
            selected.append(entry);
    }
    return selected;
}

void ptCategoriesDataModel::setEntries(const QList<QHash<QString, QString>> &pEntries)
{
    m_items = pEntries;
    updateModel();
    changed();
}

bool ptCategoriesDataModel::loadModel()
{
    QFile file(m_fileName);
    if (m_fileName.isEmpty() || !file.exists())
        return true;
    QList<QHash<QString, QString>> entries;
    bool whole = false;
    if (file.open(QIODevice::ReadOnly)) {
        QXmlStreamReader xml(&file);
        if (xml.readNextStartElement() && xml.name() == QLatin1String("pantrix_items")) {
            while (xml.readNextStartElement()) {
                QHash<QString, QString> entry;
                for (const QXmlStreamAttribute &attribute : xml.attributes())
                    entry.insert(attribute.name().toString(), attribute.value().toString());
                const QString name = entry.value(NameKey).simplified();
                if (xml.name() == QLatin1String("item") && !name.isEmpty()) {
                    entry.insert(NameKey, name.left(ptListDocument::MaxTextLength));
                    entry.insert(
                            CategoryKey,
                            ptItemRules::normalisedCategory(
                                    entry.value(CategoryKey).left(ptListDocument::MaxTextLength),
                                    QString()));
                    entry.insert(StatusKey, StatusUnchecked);
                    entries.append(entry);
                }
                xml.skipCurrentElement();
            }
            whole = !xml.hasError();
        }
    }
    if (!whole) {
        // Kept aside for the person to look at; where it cannot be moved, the
        // catalogue is not written over it in this run.
        QString aside = m_fileName + QStringLiteral(".damaged");
        for (int n = 2; QFile::exists(aside); ++n)
            aside = m_fileName + QStringLiteral(".damaged") + QString::number(n);
        file.close();
        if (!QFile::rename(m_fileName, aside))
            m_fileName.clear();
        return false;
    }
    // An entry made before the file was read stays as it was made.
    for (const QHash<QString, QString> &entry : std::as_const(m_items)) {
        const auto same = [&entry](const QHash<QString, QString> &pRead) {
            return pRead.value(NameKey) == entry.value(NameKey)
                    && pRead.value(CategoryKey) == entry.value(CategoryKey);
        };
        entries.removeIf(same);
        entries.append(entry);
    }
    m_items = entries;
    updateModel();
    return true;
}

bool ptCategoriesDataModel::saveModel()
{
    if (m_fileName.isEmpty())
        return false;
    QByteArray data;
    QXmlStreamWriter xml(&data);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("pantrix_items"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0.0"));
    for (const QHash<QString, QString> &entry : std::as_const(m_items)) {
        if (entry.value(StatusKey) == StatusDeleted)
            continue;
        QStringList keys = entry.keys();
        keys.removeOne(StatusKey);
        keys.sort();
        xml.writeStartElement(QStringLiteral("item"));
        for (const QString &key : std::as_const(keys))
            xml.writeAttribute(key, ptXmlText::xmlSafe(entry.value(key)));
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    if (!QDir().mkpath(QFileInfo(m_fileName).absolutePath())
        || !ptXmlText::writeFileAtomically(m_fileName, data))
        return false;
    m_modified = false;
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

    m_categories.clear();
    const bool byCategory = m_sortMode == SortByCategory;
    QList<ptItemRules::RowKey> shown;
    int selected = 0;
    for (int i = 0; i < m_items.size(); ++i) {
        const QHash<QString, QString> &entry = m_items.at(i);
        const QString &status = valueOf(entry, StatusKey);
        if (status == StatusDeleted)
            continue;
        selected += status == StatusChecked;
        const QString &category = valueOf(entry, CategoryKey);
        if (category != ptItemRules::UncategorisedMarker)
            m_categories.append(category);
        shown.append({byCategory ? category : QStringView(), valueOf(entry, NameKey), i});
    }
    m_categories.removeDuplicates();
    m_rows = ptItemRules::sortedRows(std::move(shown), byCategory);

    emit categoriesCountChanged();
    endResetModel();
    // The selected entries are counted, not tallied: a deleted or added entry
    // changes the count too.
    if (selected != m_selectedCount) {
        m_selectedCount = selected;
        emit selectedCountChanged();
    }
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

QString ptCategoriesDataModel::categoryName(int pIndex) const
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
    const QString category = ptItemRules::normalisedCategory(pCategory, tr("Uncategorised"));
    if (name.isEmpty())
        return false;

    int index = findEntry(name, category);
    if (index < 0) {
        index = int(m_items.size());
        m_items.append(QHash<QString, QString>());
    }
    setFields(m_items[index], name, category, pPrice, pPriceUnit, pAmount, pAmountUnit);
    m_items[index].insert(StatusKey, StatusChecked);

    updateModel();
    changed();
    return true;
}

bool ptCategoriesDataModel::updateItem(int pIndex, QString pName, QString pCategory, QString pPrice,
                                       QString pPriceUnit, QString pAmount, int pAmountUnit,
                                       QString pNote)
{
    Q_UNUSED(pNote)

    const QString name = pName.simplified();
    const QString category = ptItemRules::normalisedCategory(pCategory, tr("Uncategorised"));
    int index = -1;
    if (pIndex == -1)
        index = findEntry(name, category);
    else if (isItemRow(pIndex))
        index = m_rows.at(pIndex).item;
    if (index < 0)
        return false;

    setFields(m_items[index], name, category, pPrice, pPriceUnit, pAmount, pAmountUnit);
    updateModel();
    changed();
    return true;
}

void ptCategoriesDataModel::toggleItem(int pIndex)
{
    if (!isItemRow(pIndex))
        return;

    QHash<QString, QString> &entry = m_items[m_rows.at(pIndex).item];
    const QString status = entry.value(StatusKey);
    if (status == StatusChecked) {
        entry.insert(StatusKey, StatusUnchecked);
        --m_selectedCount;
    } else if (status == StatusUnchecked) {
        entry.insert(StatusKey, StatusChecked);
        ++m_selectedCount;
    }

    emit selectedCountChanged();
    const QModelIndex changed = index(pIndex, 0);
    emit dataChanged(changed, changed);
}

QVariantList ptCategoriesDataModel::suggestions(const QString &pTyped) const
{
    const QString typed = pTyped.simplified();
    if (typed.size() < 2)
        return {};
    QList<int> starting;
    QList<int> containing;
    for (int i = 0; i < m_items.size(); ++i) {
        const QString &name = valueOf(m_items.at(i), NameKey);
        if (valueOf(m_items.at(i), StatusKey) == StatusDeleted)
            continue;
        if (name.startsWith(typed, Qt::CaseInsensitive))
            starting.append(i);
        else if (name.contains(typed, Qt::CaseInsensitive))
            containing.append(i);
    }
    const auto byName = [this](int pFirst, int pSecond) {
        return valueOf(m_items.at(pFirst), NameKey)
                       .compare(valueOf(m_items.at(pSecond), NameKey), Qt::CaseInsensitive)
                < 0;
    };
    std::stable_sort(starting.begin(), starting.end(), byName);
    std::stable_sort(containing.begin(), containing.end(), byName);

    QVariantList found;
    for (const int i : starting + containing) {
        if (found.size() == 5)
            break;
        const QHash<QString, QString> &entry = m_items.at(i);
        const QString &category = valueOf(entry, CategoryKey);
        found.append(QVariantMap {
                {QStringLiteral("name"), entry.value(NameKey)},
                {QStringLiteral("category"),
                 category == ptItemRules::UncategorisedMarker ? tr("Uncategorised") : category},
                {QStringLiteral("price"), entry.value(QStringLiteral("price") + m_currencyCode)},
                {QStringLiteral("amount"), entry.value(QStringLiteral("count"))},
                {QStringLiteral("amountUnit"), entry.value(QStringLiteral("count_unit")).toInt()},
                {QStringLiteral("note"), entry.value(QStringLiteral("note"))}});
    }
    return found;
}

void ptCategoriesDataModel::clearSelection()
{
    for (QHash<QString, QString> &entry : m_items) {
        if (entry.value(StatusKey) != StatusDeleted)
            entry.insert(StatusKey, StatusUnchecked);
    }
    m_selectedCount = 0;
    emit selectedCountChanged();
    updateModel();
}

bool ptCategoriesDataModel::deleteItem(int pIndex)
{
    if (!isItemRow(pIndex))
        return false;

    const int index = m_rows.at(pIndex).item;
    QHash<QString, QString> &entry = m_items[index];
    const QString category = entry.value(CategoryKey);

    beginRemoveRows(QModelIndex(), pIndex, pIndex);
    m_rows.removeAt(pIndex);
    entry.insert(StatusKey, StatusDeleted);
    endRemoveRows();

    // The header goes too when the removed item was the last of its category.
    if (m_sortMode == SortByCategory && pIndex > 0) {
        const ptItemRules::Row &before = m_rows.at(pIndex - 1);
        const bool headerAbove = before.item < 0 && before.category == category;
        const bool itemBelow = isItemRow(pIndex)
                && m_items.at(m_rows.at(pIndex).item).value(CategoryKey) == category;
        if (headerAbove && !itemBelow) {
            beginRemoveRows(QModelIndex(), pIndex - 1, pIndex - 1);
            m_rows.removeAt(pIndex - 1);
            endRemoveRows();
        }
    }

    updateModel();
    changed();
    return true;
}

bool ptCategoriesDataModel::deleteCategory(int pIndex, bool pDeleteItems)
{
    if (m_sortMode == SortByProduct || pIndex < 0 || pIndex >= m_rows.size())
        return false;

    const QString category = data(index(pIndex), ItemCategoryRole).toString();

    for (QHash<QString, QString> &entry : m_items) {
        if (entry.value(CategoryKey) != category)
            continue;
        entry.insert(CategoryKey, QString(ptItemRules::UncategorisedMarker));
        if (pDeleteItems)
            entry.insert(StatusKey, StatusDeleted);
    }

    updateModel();
    changed();
    return true;
}

// The first entry with exactly this name and category, deleted ones included.
int ptCategoriesDataModel::findEntry(const QString &pName, const QString &pCategory) const
{
    for (int i = 0; i < m_items.size(); ++i) {
        const QHash<QString, QString> &entry = m_items.at(i);
        if (entry.value(NameKey) == pName && entry.value(CategoryKey) == pCategory)
            return i;
    }
    return -1;
}

void ptCategoriesDataModel::changed()
{
    m_modified = true;
    emit entriesChanged();
}
