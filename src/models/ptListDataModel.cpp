#include "ptListDataModel.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <iterator>
#include <limits>
#include <utility>

#include "ptListMerge.h"
#include "ptXmlText.h"

namespace {

using ptItemRules::StatusChecked;
using ptItemRules::StatusDeleted;
using ptItemRules::StatusUnchecked;

} // namespace

ptListDataModel::ptListDataModel(QObject *parent) : QAbstractListModel(parent) { }

ptListDataModel::~ptListDataModel()
{
    saveModel();
}

int ptListDataModel::rowCount(const QModelIndex &) const
{
    return int(m_rows.size());
}

QVariant ptListDataModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.model() != this || index.row() < 0 || index.column() < 0
        || index.row() >= m_rows.size())
        return QString();

    const ptItemRules::Row &row = m_rows.at(index.row());
    if (row.item >= m_items.size())
        return QString();

    switch (role) {
    case ItemPriceUnitRole:
        return m_listInfo.value(QStringLiteral("currency"));
    case ListNameRole:
        return m_listInfo.value(QStringLiteral("name"));
    case ListItemsListRole:
        return m_listItemsAmount;
    case ListPriceListRole:
        return m_listItemsPrice;
    case ListFilenameRole:
        return m_listInfo.value(QStringLiteral("filename"));
    default:
        break;
    }

    if (row.item < 0) {
        switch (role) {
        case ItemCategoryRole:
            return row.category;
        case ItemAmountUnitRole:
            return tr("item");
        case ItemTypeRole:
            return QStringLiteral("category");
        default:
            return QString();
        }
    }

    const Record &item = m_items.at(row.item);
    switch (role) {
    case Qt::DisplayRole:
    case ItemNameRole:
        return item.value(Record::NameField);
    case ItemCategoryRole:
        return item.value(Record::CategoryField);
    case ItemPriceRole:
        return item.value(Record::PriceField);
    case ItemAmountRole:
        return item.value(Record::CountField);
    case ItemAmountUnitRole:
        return item.value(Record::CountUnitField);
    case ItemNoteRole:
        return item.value(Record::NoteField);
    case ItemStatusRole:
        return item.value(Record::StatusField);
    case ItemTypeRole:
        return QStringLiteral("item");
    default:
        return QString();
    }
}

QHash<int, QByteArray> ptListDataModel::roleNames() const
{
    return {{ItemNameRole, "item_name"},
            {ItemCategoryRole, "item_category"},
            {ItemPriceRole, "item_price"},
            {ItemPriceUnitRole, "item_price_unit"},
            {ItemAmountRole, "item_amount"},
            {ItemAmountUnitRole, "item_amount_unit"},
            {ItemNoteRole, "item_note"},
            {ItemStatusRole, "item_status"},
            {ItemTypeRole, "item_type"},
            {ListNameRole, "list_name"},
            {ListItemsListRole, "list_items_list"},
            {ListPriceListRole, "list_price_list"},
            {ListFilenameRole, "list_filename"}};
}

QVariant ptListDataModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return QStringLiteral("Column %1").arg(section);
    return QStringLiteral("Row %1").arg(section);
}

QList<QHash<QString, QString>> ptListDataModel::items(bool pListItems) const
{
    const QString &wanted = pListItems ? StatusUnchecked : StatusChecked;
    QList<QHash<QString, QString>> result;
    for (const Record &item : m_items) {
        if (item.value(Record::StatusField) == wanted)
            result.append(item.toHash());
    }
    return result;
}

void ptListDataModel::addItems(QList<QHash<QString, QString>> pItems, QString pCurrencyCode)
{
    const QString priceKey = QStringLiteral("price") + pCurrencyCode;
    for (const QHash<QString, QString> &item : std::as_const(pItems)) {
        addItem(item.value(QStringLiteral("name")), item.value(QStringLiteral("category")),
                item.value(priceKey), item.value(QStringLiteral("count")),
                item.value(QStringLiteral("count_unit")).toInt(),
                item.value(QStringLiteral("note")));
    }
}

void ptListDataModel::setEditedFields(Record &pRecord, const QString &pName,
                                      const QString &pCategory, const QString &pPrice,
                                      const QString &pAmount, int pAmountUnit, const QString &pNote)
{
    pRecord.set(Record::NameField, pName);
    pRecord.set(Record::CategoryField, pCategory);
    pRecord.set(Record::PriceField, pPrice);
    pRecord.set(Record::CountField, pAmount);
    pRecord.set(Record::CountUnitField, QString::number(pAmountUnit));
    pRecord.set(Record::NoteField, pNote.simplified());
}

bool ptListDataModel::sameEditedFields(const Record &pFirst, const Record &pSecond)
{
    for (int field = 0; field < Record::StatusField; ++field) {
        if (pFirst.value(Record::Field(field)) != pSecond.value(Record::Field(field)))
            return false;
    }
    return true;
}

bool ptListDataModel::addItem(QString pName, QString pCategory, QString pPrice, QString pAmount,
                              int pAmountUnit, QString pNote)
{
    const QString name = pName.simplified();
    const QString category = ptItemRules::normalisedCategory(pCategory, tr("Uncategorised"));
    if (name.isEmpty())
        return false;

    Record record;
    setEditedFields(record, name, category, pPrice, pAmount, pAmountUnit, pNote);
    record.set(Record::StatusField, StatusUnchecked);

    // An equal item still on the list is a duplicate; the first equal record
    // comes back from the cart if it is there.
    int first = -1;
    for (int i = 0; i < m_items.size(); ++i) {
        if (!sameEditedFields(m_items.at(i), record))
            continue;
        if (m_items.at(i).value(Record::StatusField) == StatusUnchecked)
            return false;
        if (first < 0)
            first = i;
    }
    int item = int(m_items.size());
    if (first >= 0 && m_items.at(first).value(Record::StatusField) == StatusChecked) {
        item = first;
        m_items[item].set(Record::StatusField, StatusUnchecked);
    } else {
        m_items.append(record);
    }

    emit itemAdded(record.toHash());

    // The cart view does not show the item; a rebuild keeps any attached
    // view consistent whatever the rows were built from.
    if (m_displayMode != DisplayList) {
        updateModel();
    } else {
        if (m_sortMode == SortByCategory)
            insertRow({-1, category});
        insertRow({item, QString()});
    }
    updateCountPrice();
    changed();
    return true;
}

void ptListDataModel::updateItem(int pIndex, QString pName, QString pCategory, QString pPrice,
                                 QString pAmount, int pAmountUnit, QString pNote)
{
    const int item = itemAt(pIndex);
    const QString name = pName.simplified();
    if (item < 0 || name.isEmpty())
        return;

    const QString category = ptItemRules::normalisedCategory(pCategory, tr("Uncategorised"));
    setEditedFields(m_items[item], name, category, pPrice, pAmount, pAmountUnit, pNote);
    updateModel();
    updateCountPrice();
    changed();
}

bool ptListDataModel::deleteItem(int pIndex)
{
    const int item = itemAt(pIndex);
    if (item < 0)
        return false;

    removeRow(pIndex);
    m_items[item].set(Record::StatusField, StatusDeleted);
    pruneHeader(m_items.at(item).value(Record::CategoryField));
    updateCountPrice();
    changed();
    return true;
}

void ptListDataModel::toggleItem(int pIndex)
{
    const int item = itemAt(pIndex);
    if (item < 0)
        return;

    const bool checked = m_items.at(item).value(Record::StatusField) == StatusChecked;
    m_items[item].set(Record::StatusField, checked ? StatusUnchecked : StatusChecked);

    removeRow(pIndex);
    pruneHeader(m_items.at(item).value(Record::CategoryField));

    updateCountPrice();
    changed();

    if (m_displayMode == DisplayList && m_rows.isEmpty()) {
        emit checkoutRequested();
        emit checkoutAmountChanged();
        emit checkoutPriceChanged();
    }
}

bool ptListDataModel::untickAll()
{
    bool unticked = false;
    for (Record &item : m_items) {
        if (item.value(Record::StatusField) == StatusChecked) {
            item.set(Record::StatusField, StatusUnchecked);
            unticked = true;
        }
    }
    if (!unticked)
        return false;
    updateModel();
    updateCountPrice();
    changed();
    return true;
}

int ptListDataModel::addRecords(const QList<ptItemRecord> &pItems)
{
    const qsizetype before = m_items.size();
    for (const Record &item : pItems) {
        Record record = item;
        record.set(Record::NameField, item.value(Record::NameField).simplified());
        if (!record.value(Record::NameField).isEmpty())
            m_items.append(record);
    }
    const int added = int(m_items.size() - before);
    if (added == 0)
        return 0;
    updateModel();
    updateCountPrice();
    changed();
    return added;
}

bool ptListDataModel::deleteCategory(int pIndex, bool pDeleteItems)
{
    if (pIndex < 0 || m_sortMode == SortByProduct || pIndex >= m_rows.size())
        return false;

    const QString category = data(index(pIndex), ItemCategoryRole).toString();
    for (Record &item : m_items) {
        if (item.value(Record::CategoryField) != category)
            continue;
        item.set(Record::CategoryField, QString(ptItemRules::UncategorisedMarker));
        if (pDeleteItems)
            item.set(Record::StatusField, StatusDeleted);
    }

    updateModel();
    updateCountPrice();
    changed();
    return true;
}

bool ptListDataModel::checkout()
{
    beginResetModel();
    m_rows.clear();
    m_items.clear();
    endResetModel();
    updateCountPrice();
    changed();
    return true;
}

bool ptListDataModel::newModel(QString pListFilename, QString pListName, int pListCurrency,
                               QString pListNote)
{
    if (pListFilename.isEmpty())
        return false;

    beginResetModel();
    clearDocument();
    endResetModel();

    setListInfo(pListName, pListCurrency, pListNote, QStringLiteral("dd.MM.yyyy [hh.mm]"));
    m_listInfo.insert(QStringLiteral("filename"), pListFilename);

    // Saving counts the figures too.
    const bool saved = saveModel();
    if (saved) {
        emit listNameChanged();
        emit listNoteChanged();
        emit listCurrencyChanged();
    }
    return saved;
}

bool ptListDataModel::updateModelInfo(QString pListName, int pListCurrency, QString pListNote)
{
    setListInfo(pListName, pListCurrency, pListNote, QStringLiteral("dd MMMM yyyy hh.mm"));
    emit listNameChanged();
    emit listNoteChanged();
    emit listCurrencyChanged();
    changed();
    return true;
}

// A list without a name is named "List" and the time, in pDateFormat. The
// name and the note are cut to ptListDocument::MaxTextLength, so that the lists
// overview can read what is written.
void ptListDataModel::setListInfo(const QString &pListName, int pListCurrency,
                                  const QString &pListNote, const QString &pDateFormat)
{
    QString name = pListName.simplified().left(ptListDocument::MaxTextLength);
    if (name.isEmpty())
        name = tr("List") + QLatin1Char(' ')
                + QLocale().toString(QDateTime::currentDateTime(), pDateFormat);
    m_listInfo.insert(QStringLiteral("name"), name);
    m_listInfo.insert(QStringLiteral("note"),
                      pListNote.simplified().left(ptListDocument::MaxTextLength));
    m_listInfo.insert(QStringLiteral("currency"), QString::number(pListCurrency));
}

bool ptListDataModel::loadModel(QString pListFilename)
{
    ptListDocument::ReadResult read = ptListDocument::Read;
    const QByteArray stored = ptListDocument::readFile(pListFilename, &read);
    if (read == ptListDocument::CannotOpen)
        return false;
    const QByteArray xml = ptListDocument::inflate(stored);

    // Attached views must not keep rows that point into the old item list.
    beginResetModel();
    clearDocument();
    endResetModel();
    if (xml.isEmpty()) {
        updateCountPrice();
        return false;
    }

    ptListDocument::Content content = ptListDocument::read(xml);
    m_listInfo = content.info;
    if (content.hasRoot)
        m_listInfo.insert(QStringLiteral("filename"), pListFilename);
    m_items = std::move(content.items);
    setStored(stored);
    updateCountPrice();
    emit listNameChanged();
    emit listNoteChanged();
    emit listCurrencyChanged();
    return true;
}

// Another program's version on disk is merged in first, so that writing
// never drops what it wrote.
bool ptListDataModel::saveModel()
{
    const QString fileName = m_listInfo.value(QStringLiteral("filename"));
    if (fileName.isEmpty())
        return false;

    followFile();
    updateCountPrice();
    const QByteArray stored
            = ptListDocument::write(m_listInfo, m_items, m_listItemsAmount, m_listItemsPrice);
    if (stored.isEmpty() || !ptXmlText::writeFileAtomically(fileName, stored))
        return false;
    setStored(stored);
    return true;
}

bool ptListDataModel::followFile()
{
    ptListDocument::ReadResult read = ptListDocument::Read;
    const QString fileName = listFileName();
    const QByteArray stored = ptListDocument::readFile(fileName, &read);
    // Nothing new, or nothing whole yet: a file being written in place is
    // read again once its writer is done.
    if (m_stored.isEmpty() || stored.isEmpty() || stored == m_stored)
        return false;
    const QByteArray xml = ptListDocument::inflate(stored);
    if (xml.isEmpty())
        return false;

    ptListDocument::Content theirs = ptListDocument::read(xml);
    if (!theirs.hasRoot)
        return false;
    if (!m_modified) {
        setContent(std::move(theirs));
        setStored(stored);
        emit otherVersionTaken();
        return true;
    }
    // What this list changed stays to be written, now against their version.
    // The version last read or written is the merge's base: read again from
    // its bytes, as merges are rare and a copy kept would cost every change.
    const ptListDocument::Content base = ptListDocument::read(ptListDocument::inflate(m_stored));
    setContent(ptListMerge::merge(&base, content(), theirs));
    setStored(stored);
    changed();
    emit otherVersionTaken();
    return true;
}

bool ptListDataModel::isFileUnreadable() const
{
    ptListDocument::ReadResult read = ptListDocument::Read;
    const QByteArray stored = ptListDocument::readFile(listFileName(), &read);
    if (read == ptListDocument::CannotOpen || stored == m_stored)
        return false;
    return !ptListDocument::read(ptListDocument::inflate(stored)).hasRoot;
}

bool ptListDataModel::mergeFile(const QString &pPath)
{
    ptListDocument::ReadResult read = ptListDocument::Read;
    const QByteArray xml = ptListDocument::readXml(pPath, &read);
    if (xml.isEmpty() || listFileName().isEmpty())
        return false;
    const ptListDocument::Content before = content();
    ptListDocument::Content merged = ptListMerge::merge(nullptr, before, ptListDocument::read(xml));
    if (!(merged == before)) {
        setContent(std::move(merged));
        changed();
        emit otherVersionTaken();
    }
    return true;
}

ptListDocument::Content ptListDataModel::content() const
{
    ptListDocument::Content content;
    content.info = m_listInfo;
    content.info.remove(QStringLiteral("filename"));
    content.hasRoot = true;
    // Without deleted records the items are shared, not copied, until either
    // side changes: an undoable change keeps the list before and after it.
    const auto deleted
            = [](const Record &pItem) { return pItem.value(Record::StatusField) == StatusDeleted; };
    if (std::none_of(m_items.cbegin(), m_items.cend(), deleted))
        content.items = m_items;
    else
        std::copy_if(m_items.cbegin(), m_items.cend(), std::back_inserter(content.items),
                     std::not_fn(deleted));
    return content;
}

void ptListDataModel::setContent(ptListDocument::Content pContent)
{
    const QString fileName = listFileName();
    m_listInfo = std::move(pContent.info);
    m_listInfo.insert(QStringLiteral("filename"), fileName);
    m_items = std::move(pContent.items);
    updateModel();
    updateCountPrice();
    emit listNameChanged();
    emit listNoteChanged();
    emit listCurrencyChanged();
}

void ptListDataModel::restore(ptListDocument::Content pContent)
{
    setContent(std::move(pContent));
    changed();
}

void ptListDataModel::setStored(const QByteArray &pStored)
{
    m_stored = pStored;
    m_modified = false;
}

void ptListDataModel::changed()
{
    m_modified = true;
    emit documentChanged();
}

void ptListDataModel::releaseModel()
{
    beginResetModel();
    clearDocument();
    endResetModel();
    updateCountPrice();
}

void ptListDataModel::updateModel()
{
    beginResetModel();
    const QString &wanted = m_displayMode == DisplayList ? StatusUnchecked : StatusChecked;
    const bool byCategory = m_sortMode == SortByCategory;
    QList<ptItemRules::RowKey> shown;
    shown.reserve(m_items.size());
    for (int i = 0; i < m_items.size(); ++i) {
        const Record &item = m_items.at(i);
        if (item.value(Record::StatusField) == wanted)
            shown.append({byCategory ? item.value(Record::CategoryField) : QStringView(),
                          item.value(Record::NameField), i});
    }
    m_rows = ptItemRules::sortedRows(std::move(shown), byCategory);
    endResetModel();
}

void ptListDataModel::updateCountPrice()
{
    int listCount = 0;
    int cartCount = 0;
    double listSum = 0.0;
    double cartSum = 0.0;
    for (Record &item : m_items) {
        if (!item.totalRead) {
            // An item without amount is priced as one unit; one without price adds nothing.
            const QString &count = item.value(Record::CountField);
            const QString &price = item.value(Record::PriceField);
            const double amount = count.isEmpty() ? 1.0 : ptItemRules::readNumber(count);
            item.total = amount * (price.isEmpty() ? 0.0 : ptItemRules::readNumber(price));
            item.totalRead = true;
        }
        if (item.value(Record::StatusField) == StatusUnchecked) {
            ++listCount;
            listSum += item.total;
        } else if (item.value(Record::StatusField) == StatusChecked) {
            ++cartCount;
            cartSum += item.total;
        }
    }

    m_listItemsAmount = QString::number(listCount);
    m_listItemsPrice = QString::number(listSum, 'f', 2);
    m_cartItemsAmount = QString::number(cartCount);
    m_cartItemsPrice = QString::number(cartSum, 'f', 2);

    emit numberOfItemsChanged();
    emit itemsPriceChanged();
    emit checkoutAmountChanged();
    emit checkoutPriceChanged();
}

void ptListDataModel::sortByCategory(bool pUpdateModel)
{
    m_sortMode = SortByCategory;
    if (pUpdateModel)
        updateModel();
}

void ptListDataModel::sortByProduct(bool pUpdateModel)
{
    m_sortMode = SortByProduct;
    if (pUpdateModel)
        updateModel();
}

void ptListDataModel::displayList(bool pUpdateModel)
{
    setDisplayMode(DisplayList, pUpdateModel);
}

void ptListDataModel::displayCart(bool pUpdateModel)
{
    setDisplayMode(DisplayCart, pUpdateModel);
}

// The figures shown are those of the view shown.
void ptListDataModel::setDisplayMode(DisplayMode pMode, bool pUpdateModel)
{
    m_displayMode = pMode;
    if (pUpdateModel)
        updateModel();
    emit isDisplayListChanged();
    emit numberOfItemsChanged();
    emit itemsPriceChanged();
}

int ptListDataModel::itemHeight(int pIndex) const
{
    if (data(index(pIndex), ItemTypeRole).toString() == QLatin1String("category"))
        return 50;
    return 70;
}

ptItemRules::RowKey ptListDataModel::rowKey(const ptItemRules::Row &pRow) const
{
    if (pRow.item < 0)
        return {pRow.category, {}, -1};
    const Record &item = m_items.at(pRow.item);
    return {m_sortMode == SortByCategory ? item.value(Record::CategoryField) : QStringView(),
            item.value(Record::NameField), pRow.item};
}

// The record shown by row pRow, or -1 for a header or a row out of range.
int ptListDataModel::itemAt(int pRow) const
{
    if (pRow < 0 || pRow >= m_rows.size())
        return -1;
    const int item = m_rows.at(pRow).item;
    return item < m_items.size() ? item : -1;
}

// The first row that does not go before pKey.
int ptListDataModel::lowerBound(const ptItemRules::RowKey &pKey) const
{
    const auto it
            = std::lower_bound(m_rows.cbegin(), m_rows.cend(), pKey,
                               [this](const ptItemRules::Row &row, const ptItemRules::RowKey &key) {
                                   return ptItemRules::goesBefore(rowKey(row), key);
                               });
    return int(it - m_rows.cbegin());
}

bool ptListDataModel::isHeaderOf(int pRow, const QString &pCategory) const
{
    return pRow < m_rows.size() && m_rows.at(pRow).item < 0
            && m_rows.at(pRow).category == pCategory;
}

// Inserts pRow in its place: an item, even one back from the cart, before
// the items of an equal key; a header only if its category has none yet.
void ptListDataModel::insertRow(const ptItemRules::Row &pRow)
{
    ptItemRules::RowKey key = rowKey(pRow);
    if (pRow.item >= 0)
        key.item = std::numeric_limits<int>::max();
    const int position = lowerBound(key);
    if (pRow.item < 0 && isHeaderOf(position, pRow.category))
        return;
    beginInsertRows(QModelIndex(), position, position);
    m_rows.insert(position, pRow);
    endInsertRows();
}

void ptListDataModel::removeRow(int pRow)
{
    beginRemoveRows(QModelIndex(), pRow, pRow);
    m_rows.removeAt(pRow);
    endRemoveRows();
}

// Removes the header of pCategory once no shown item has that category. Its
// items follow it, but among every key that starts with the category and ":"
// ("a:b" stands among "a").
void ptListDataModel::pruneHeader(const QString &pCategory)
{
    if (m_sortMode != SortByCategory)
        return;
    const int header = lowerBound({pCategory, {}, -1});
    if (!isHeaderOf(header, pCategory))
        return;
    const QString prefix = pCategory + QLatin1Char(':');
    for (int row = header + 1; row < m_rows.size(); ++row) {
        const ptItemRules::RowKey key = rowKey(m_rows.at(row));
        if (!(key.category.toString() + QLatin1Char(':') + key.name.toString()).startsWith(prefix))
            break;
        if (key.item >= 0 && key.category == pCategory)
            return;
    }
    removeRow(header);
}

void ptListDataModel::clearDocument()
{
    m_listInfo.clear();
    m_items.clear();
    m_rows.clear();
    setStored(QByteArray());
}
