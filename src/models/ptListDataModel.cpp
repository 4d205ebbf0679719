#include "ptListDataModel.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QStringList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cstring>

#include "ptXmlText.h"

namespace {

const QChar UncategorisedMarker(0xF000);

const QString StatusUnchecked = QStringLiteral("unchecked");
const QString StatusChecked = QStringLiteral("checked");
const QString StatusDeleted = QStringLiteral("deleted");

// The keys of a record made by addItem, in the order they are written (the
// order of ptListDataModel::Field).
const QStringList RecordKeys
        = {QStringLiteral("name"),  QStringLiteral("category"),   QStringLiteral("price"),
           QStringLiteral("count"), QStringLiteral("count_unit"), QStringLiteral("note"),
           QStringLiteral("status")};

// The position of pKey in RecordKeys, or -1.
qsizetype recordKeyIndex(QStringView pKey)
{
    for (qsizetype i = 0; i < RecordKeys.size(); ++i) {
        if (RecordKeys.at(i) == pKey)
            return i;
    }
    return -1;
}

bool isNameStartChar(char32_t c)
{
    return (c >= 'A' && c <= 'Z') || c == '_' || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c <= 0xD6)
            || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) || (c >= 0x370 && c <= 0x37D)
            || (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D)
            || (c >= 0x2070 && c <= 0x218F) || (c >= 0x2C00 && c <= 0x2FEF)
            || (c >= 0x3001 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDCF)
            || (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

bool isNameChar(char32_t c)
{
    return isNameStartChar(c) || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 0xB7
            || (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

// True when pName can be written as an attribute name without a namespace
// declaration: an XML name without a colon, and not "xmlns".
bool isAttributeName(const QString &pName)
{
    if (pName.isEmpty() || pName == QLatin1String("xmlns"))
        return false;
    const QList<uint> codePoints = pName.toUcs4();
    for (qsizetype i = 0; i < codePoints.size(); ++i) {
        const char32_t c = codePoints.at(i);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        if (i == 0 ? !isNameStartChar(c) : !isNameChar(c))
            return false;
    }
    return true;
}

void writeSafeAttribute(QXmlStreamWriter &pWriter, const QString &pName, const QString &pValue)
{
    pWriter.writeAttribute(pName, ptXmlText::xmlSafe(pValue));
}

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

    const Row &row = m_rows.at(index.row());
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
            return row.key.chopped(1);
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
        return item.value(NameField);
    case ItemCategoryRole:
        return item.value(CategoryField);
    case ItemPriceRole:
        return item.value(PriceField);
    case ItemAmountRole:
        return item.value(CountField);
    case ItemAmountUnitRole:
        return item.value(CountUnitField);
    case ItemNoteRole:
        return item.value(NoteField);
    case ItemStatusRole:
        return item.value(StatusField);
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

QString ptListDataModel::listItemsAmount()
{
    return m_listItemsAmount;
}

QString ptListDataModel::listItemsPrice()
{
    return m_listItemsPrice;
}

QString ptListDataModel::cartItemsAmount()
{
    return m_cartItemsAmount;
}

QString ptListDataModel::cartItemsPrice()
{
    return m_cartItemsPrice;
}

QList<QHash<QString, QString>> ptListDataModel::items(bool pListItems)
{
    const QString wanted = pListItems ? StatusUnchecked : StatusChecked;
    QList<QHash<QString, QString>> result;
    for (const Record &item : std::as_const(m_items)) {
        if (item.value(StatusField) == wanted)
            result.append(item.toHash());
    }
    return result;
}

QList<QHash<QString, QString>> ptListDataModel::items()
{
    return items(true);
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
    pRecord.set(NameField, pName);
    pRecord.set(CategoryField, pCategory);
    pRecord.set(PriceField, pPrice);
    pRecord.set(CountField, pAmount);
    pRecord.set(CountUnitField, QString::number(pAmountUnit));
    pRecord.set(NoteField, pNote.simplified());
}

bool ptListDataModel::addItem(QString pName, QString pCategory, QString pPrice, QString pAmount,
                              int pAmountUnit, QString pNote)
{
    const QString name = pName.simplified();
    const QString category = normalizedCategory(pCategory);
    if (name.isEmpty())
        return false;

    Record record;
    setEditedFields(record, name, category, pPrice, pAmount, pAmountUnit, pNote);
    record.set(StatusField, StatusUnchecked);

    ensureIndex();
    ensureMatches();
    const QString key = matchKey(record);
    const QList<int> matches = m_matches.value(key);
    for (int match : matches) {
        if (m_items.at(match).value(StatusField) == StatusUnchecked)
            return false;
    }

    int item = -1;
    if (!matches.isEmpty() && m_items.at(matches.first()).value(StatusField) == StatusChecked) {
        item = matches.first();
        setStatus(item, StatusUnchecked);
    } else {
        item = int(m_items.size());
        m_items.append(record);
        appendToIndex(item);
    }

    emit itemAdded(record.toHash());

    // The cart view does not show the item; a rebuild keeps any attached
    // view consistent whatever the rows were built from.
    if (m_displayMode != 0) {
        updateModel();
        return true;
    }

    const ItemCache &cache = m_cache.at(item);
    if (m_sortMode == 0) {
        const QString &headerKey = m_headerKeys.at(cache.category);
        if (headerPosition(headerKey) < 0)
            insertRow(headerKey, -1);
        insertRow(cache.rowKey, item);
    } else {
        insertRow(cache.name, item);
    }
    return true;
}

void ptListDataModel::updateItem(int pIndex, QString pName, QString pCategory, QString pPrice,
                                 QString pAmount, int pAmountUnit, QString pNote)
{
    if (pIndex < 0 || pIndex >= m_rows.size() || isHeaderRow(pIndex))
        return;
    const int item = m_rows.at(pIndex).item;
    if (item >= m_items.size())
        return;

    const QString name = pName.simplified();
    const QString category = normalizedCategory(pCategory);
    if (name.isEmpty())
        return;

    setEditedFields(m_items[item], name, category, pPrice, pAmount, pAmountUnit, pNote);
    invalidateIndex();

    updateModel();
}

bool ptListDataModel::deleteItem(int pIndex)
{
    if (pIndex < 0 || pIndex >= m_rows.size() || isHeaderRow(pIndex))
        return false;
    const int item = m_rows.at(pIndex).item;
    if (item >= m_items.size())
        return false;

    removeRow(pIndex);
    setStatus(item, StatusDeleted);
    pruneHeader(m_items.at(item).value(CategoryField));
    return true;
}

void ptListDataModel::toggleItem(int pIndex)
{
    if (pIndex < 0 || pIndex >= m_rows.size())
        return;
    const int item = m_rows.at(pIndex).item;
    if (item < 0 || item >= m_items.size())
        return;

    const bool checked = m_items.at(item).value(StatusField) == StatusChecked;
    setStatus(item, checked ? StatusUnchecked : StatusChecked);

    removeRow(pIndex);
    pruneHeader(m_items.at(item).value(CategoryField));

    updateCountPrice();

    if (m_displayMode == 0 && m_rows.isEmpty()) {
        emit checkoutRequested();
        emit checkoutAmountChanged();
        emit checkoutPriceChanged();
    }
}

bool ptListDataModel::deleteCategory(int pIndex, bool pDeleteItems)
{
    if (pIndex < 0 || m_sortMode == 1 || pIndex >= m_rows.size())
        return false;

    const QString category = data(index(pIndex), ItemCategoryRole).toString();
    for (Record &item : m_items) {
        if (item.value(CategoryField) != category)
            continue;
        item.set(CategoryField, QString(UncategorisedMarker));
        if (pDeleteItems)
            item.set(StatusField, StatusDeleted);
    }
    invalidateIndex();

    updateModel();
    return true;
}

bool ptListDataModel::needsCheckout()
{
    return m_displayMode == 0 && m_rows.isEmpty();
}

bool ptListDataModel::checkout()
{
    beginResetModel();
    m_rows.clear();
    m_items.clear();
    invalidateIndex();
    endResetModel();
    return true;
}

bool ptListDataModel::newModel(QString pListFilename, QString pListName, int pListCurrency,
                               QString pListNote)
{
    if (pListFilename.isEmpty())
        return false;

    const QString note = pListNote.simplified();
    QString name = pListName.simplified();
    if (name.isEmpty()) {
        name = tr("List") + QLatin1Char(' ')
                + QLocale().toString(QDateTime::currentDateTime(),
                                     QStringLiteral("dd.MM.yyyy [hh.mm]"));
    }

    m_listItemsAmount.clear();
    m_cartItemsAmount.clear();
    m_listItemsPrice.clear();
    m_cartItemsPrice.clear();

    beginResetModel();
    clearDocument();
    endResetModel();

    m_listInfo.insert(QStringLiteral("name"), name);
    m_listInfo.insert(QStringLiteral("note"), note);
    m_listInfo.insert(QStringLiteral("currency"), QString::number(pListCurrency));
    m_listInfo.insert(QStringLiteral("filename"), pListFilename);

    const bool saved = saveModel();
    if (saved) {
        emit listNameChanged();
        emit listNoteChanged();
    }
    return saved;
}

bool ptListDataModel::updateModelInfo(QString pListName, int pListCurrency, QString pListNote)
{
    const QString note = pListNote.simplified();
    QString name = pListName.simplified();
    if (name.isEmpty()) {
        name = tr("List") + QLatin1Char(' ')
                + QLocale().toString(QDateTime::currentDateTime(),
                                     QStringLiteral("dd MMMM yyyy hh.mm"));
    }

    m_listInfo.insert(QStringLiteral("name"), name);
    m_listInfo.insert(QStringLiteral("note"), note);
    m_listInfo.insert(QStringLiteral("currency"), QString::number(pListCurrency));

    emit listNameChanged();
    emit listNoteChanged();
    emit listCurrencyChanged();
    return true;
}

bool ptListDataModel::loadModel(QString pListFilename)
{
    if (pListFilename.isEmpty())
        return false;
    QFile file(pListFilename);
    if (!file.open(QIODevice::ReadOnly))
        return false;

    // Attached views must not keep rows that point into the old item list.
    beginResetModel();
    clearDocument();
    endResetModel();

    const QByteArray compressed = file.readAll();
    file.close();
    if (compressed.isEmpty())
        return false;
    const QByteArray xml = ptXmlText::uncompressDocument(compressed);
    if (xml.isEmpty())
        return false;

    // Records are indexed as they are read. The key texts are shared with
    // the constants, and the values that tend to repeat (category, price,
    // amount, unit, status) with the first equal value read.
    m_cache.clear();
    m_headerKeys.clear();
    m_headerNumbers.clear();
    m_colonCategories = 0;
    // An upper bound of the number of items (within reason: a document full
    // of bare "<" must not reserve gigabytes), so that neither list grows
    // while reading.
    qsizetype itemTags = 0;
    const char *const xmlEnd = xml.cend();
    for (const char *tag = xml.cbegin(); itemTags < (qsizetype(1) << 16)
         && (tag = static_cast<const char *>(std::memchr(tag, '<', size_t(xmlEnd - tag))));
         ++tag)
        ++itemTags;
    m_items.reserve(itemTags);
    m_cache.reserve(itemTags);
    m_indexValid = true;
    QHash<size_t, QString> pool;
    const auto shared = [&pool](QStringView pText) -> QString {
        const size_t hash = qHash(pText);
        const auto it = pool.constFind(hash);
        if (it != pool.constEnd()) {
            if (it.value() == pText)
                return it.value();
            return pText.toString();
        }
        return pool.insert(hash, pText.toString()).value();
    };

    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.hasError())
            break;
        if (!reader.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (reader.qualifiedName() == QLatin1String("pantrix_list")) {
            for (const QXmlStreamAttribute &attribute : attributes) {
                m_listInfo.insert(attribute.qualifiedName().toString(),
                                  attribute.value().toString());
            }
            m_listInfo.insert(QStringLiteral("filename"), pListFilename);
        } else if (reader.qualifiedName() == QLatin1String("item")) {
            Record &record = m_items.emplaceBack();
            for (const QXmlStreamAttribute &attribute : attributes) {
                const QStringView key = attribute.qualifiedName();
                const QStringView value = attribute.value();
                const qsizetype known = recordKeyIndex(key);
                if (known < 0)
                    record.setOther(key.toString(), value.toString());
                else if (known == NameField || known == NoteField)
                    record.set(Field(known), value.toString());
                else
                    record.set(Field(known), shared(value));
            }
            appendToIndex(int(m_items.size() - 1));
        }
    }

    emit listNameChanged();
    emit listNoteChanged();
    return true;
}

bool ptListDataModel::saveModel()
{
    const QString fileName = m_listInfo.value(QStringLiteral("filename"));
    if (fileName.isEmpty())
        return false;

    updateCountPrice();

    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartElement(QStringLiteral("pantrix_list"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0.0"));
    writeSafeAttribute(writer, QStringLiteral("name"), m_listInfo.value(QStringLiteral("name")));
    writeSafeAttribute(writer, QStringLiteral("currency"),
                       m_listInfo.value(QStringLiteral("currency")));
    writeSafeAttribute(writer, QStringLiteral("note"), m_listInfo.value(QStringLiteral("note")));
    writer.writeAttribute(QStringLiteral("items_list"), m_listItemsAmount);
    writer.writeAttribute(QStringLiteral("price_list"), m_listItemsPrice);

    QList<std::pair<QString, QString>> others;
    for (const Record &item : std::as_const(m_items)) {
        if (item.value(StatusField) == StatusDeleted)
            continue;
        writer.writeEmptyElement(QStringLiteral("item"));
        // The usual keys first, in a fixed order, then any others read from
        // a document, sorted, so that equal lists give equal files.
        for (int field = 0; field < FieldCount; ++field) {
            if (item.holds(Field(field)))
                writeSafeAttribute(writer, RecordKeys.at(field), item.value(Field(field)));
        }
        if (item.others.isEmpty())
            continue;
        others.clear();
        for (const auto &other : item.others) {
            if (isAttributeName(other.first))
                others.append(other);
        }
        std::sort(others.begin(), others.end(),
                  [](const auto &a, const auto &b) { return a.first < b.first; });
        for (const auto &other : std::as_const(others))
            writeSafeAttribute(writer, other.first, other.second);
    }
    writer.writeEndElement();
    writer.writeEndDocument();

    const QByteArray compressed = qCompress(xml, 9);
    if (compressed.isEmpty())
        return false;
    return ptXmlText::writeFileAtomically(fileName, compressed);
}

void ptListDataModel::releaseModel()
{
    beginResetModel();
    clearDocument();
    endResetModel();
}

void ptListDataModel::updateModel()
{
    beginResetModel();
    m_rows.clear();

    ensureIndex();
    ensureOrder();
    const char wanted = m_displayMode == 0 ? 'u' : 'c';
    QList<Row> rows;
    if (m_sortMode != 0) {
        rows.reserve(m_cache.size());
        for (int i : std::as_const(m_order)) {
            const ItemCache &item = m_cache.at(i);
            if (item.status == wanted)
                rows.append(Row {item.name, i});
        }
        m_rows = std::move(rows);
        endResetModel();
        return;
    }

    // The headers of the categories that have a shown item, merged with the
    // shown items; a header goes before an item of an equal key.
    QList<bool> shown(m_headerKeys.size(), false);
    qsizetype headers = 0;
    qsizetype items = 0;
    for (const ItemCache &item : std::as_const(m_cache)) {
        if (item.status != wanted)
            continue;
        ++items;
        if (!shown.at(item.category)) {
            shown[item.category] = true;
            ++headers;
        }
    }
    rows.reserve(items + headers);
    qsizetype header = 0;
    const auto nextHeader = [&]() {
        while (header < m_headerOrder.size() && !shown.at(m_headerOrder.at(header)))
            ++header;
    };
    nextHeader();
    for (int i : std::as_const(m_order)) {
        const ItemCache &item = m_cache.at(i);
        if (item.status != wanted)
            continue;
        while (header < m_headerOrder.size()
               && (m_colonCategories == 0
                           ? m_headerOrder.at(header) == item.category
                           : m_headerKeys.at(m_headerOrder.at(header)).compare(item.rowKey) <= 0)) {
            rows.append(Row {m_headerKeys.at(m_headerOrder.at(header)), -1});
            ++header;
            nextHeader();
        }
        rows.append(Row {item.rowKey, i});
    }
    m_rows = std::move(rows);

    endResetModel();
}

void ptListDataModel::updateCountPrice()
{
    m_listItemsAmount.clear();
    m_cartItemsAmount.clear();
    m_listItemsPrice.clear();
    m_cartItemsPrice.clear();

    int listCount = 0;
    int cartCount = 0;
    double listSum = 0.0;
    double cartSum = 0.0;
    ensureIndex();
    for (int i = 0; i < m_cache.size(); ++i) {
        ItemCache &item = m_cache[i];
        if (!item.hasTotal) {
            // An item without amount is priced as one unit; one without price adds nothing.
            const QString &count = m_items.at(i).value(CountField);
            const QString &price = m_items.at(i).value(PriceField);
            const double amount = count.isEmpty() ? 1.0 : readNumber(count);
            const double unitPrice = price.isEmpty() ? 0.0 : readNumber(price);
            item.total = amount * unitPrice;
            item.hasTotal = true;
        }
        if (item.status == 'u') {
            ++listCount;
            listSum += item.total;
        } else if (item.status == 'c') {
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
}

bool ptListDataModel::isSortByCategory()
{
    return m_sortMode == 0;
}

void ptListDataModel::sortByCategory(bool pUpdateModel)
{
    m_sortMode = 0;
    if (pUpdateModel)
        updateModel();
}

bool ptListDataModel::isSortByProduct()
{
    return m_sortMode == 1;
}

void ptListDataModel::sortByProduct(bool pUpdateModel)
{
    m_sortMode = 1;
    if (pUpdateModel)
        updateModel();
}

bool ptListDataModel::isDisplayList()
{
    return m_displayMode == 0;
}

void ptListDataModel::displayList(bool pUpdateModel)
{
    m_displayMode = 0;
    if (pUpdateModel)
        updateModel();
    emit isDisplayListChanged();
}

bool ptListDataModel::isDisplayCart()
{
    return m_displayMode == 1;
}

void ptListDataModel::displayCart(bool pUpdateModel)
{
    m_displayMode = 1;
    if (pUpdateModel)
        updateModel();
    emit isDisplayListChanged();
}

int ptListDataModel::itemHeight(int pIndex)
{
    if (data(index(pIndex), ItemTypeRole).toString() == QLatin1String("category"))
        return 50;
    return 70;
}

QString ptListDataModel::checkoutAmount()
{
    return m_cartItemsAmount;
}

QString ptListDataModel::checkoutPrice()
{
    return m_cartItemsPrice;
}

QString ptListDataModel::listName()
{
    return m_listInfo.value(QStringLiteral("name"));
}

QString ptListDataModel::listNote()
{
    return m_listInfo.value(QStringLiteral("note"));
}

QString ptListDataModel::listFileName()
{
    return m_listInfo.value(QStringLiteral("filename"));
}

int ptListDataModel::listCurrency()
{
    return m_listInfo.value(QStringLiteral("currency")).toInt();
}

int ptListDataModel::numberOfItems()
{
    return m_displayMode == 0 ? m_listItemsAmount.toInt() : m_cartItemsAmount.toInt();
}

QString ptListDataModel::itemsPrice()
{
    return m_displayMode == 0 ? m_listItemsPrice : m_cartItemsPrice;
}

QString ptListDataModel::normalizedCategory(const QString &pCategory) const
{
    const QString category = pCategory.simplified();
    if (category.isEmpty() || category == QLatin1String("Uncategorised")
        || category == tr("Uncategorised"))
        return QString(UncategorisedMarker);
    return category;
}

bool ptListDataModel::isHeaderRow(int pRow) const
{
    return m_rows.at(pRow).item < 0;
}

int ptListDataModel::headerPosition(const QString &pHeaderKey) const
{
    const auto it = std::lower_bound(
            m_rows.cbegin(), m_rows.cend(), pHeaderKey,
            [](const Row &row, const QString &key) { return row.key.compare(key) < 0; });
    if (it != m_rows.cend() && it->item < 0 && it->key == pHeaderKey)
        return int(it - m_rows.cbegin());
    return -1;
}

int ptListDataModel::insertRow(const QString &pKey, int pItem)
{
    // A new entry goes before the entries of an equal key; only a header of
    // an equal key stays in front of a new item.
    const bool header = pItem < 0;
    const auto it = std::lower_bound(
            m_rows.cbegin(), m_rows.cend(), pKey, [header](const Row &row, const QString &key) {
                const int order = row.key.compare(key);
                return order < 0 || (order == 0 && !header && row.item < 0);
            });
    const int position = int(it - m_rows.cbegin());
    beginInsertRows(QModelIndex(), position, position);
    m_rows.insert(position, Row {pKey, pItem});
    endInsertRows();
    return position;
}

void ptListDataModel::removeRow(int pRow)
{
    beginRemoveRows(QModelIndex(), pRow, pRow);
    m_rows.removeAt(pRow);
    endRemoveRows();
}

void ptListDataModel::pruneHeader(const QString &pCategory)
{
    // The header goes with the last row of its group. The group's rows follow
    // the header, but rows of a category such as "a:b" may stand among those
    // of "a", so look on through every key that starts with the header key.
    if (m_sortMode != 0)
        return;
    const QString headerKey = pCategory + QLatin1Char(':');
    const int header = headerPosition(headerKey);
    if (header < 0)
        return;
    for (int row = header + 1; row < m_rows.size() && m_rows.at(row).key.startsWith(headerKey);
         ++row) {
        const int item = m_rows.at(row).item;
        if (item >= 0 && item < m_items.size()
            && m_items.at(item).value(CategoryField) == pCategory)
            return;
    }
    removeRow(header);
}

void ptListDataModel::setStatus(int pItem, const QString &pStatus)
{
    m_items[pItem].set(StatusField, pStatus);
    if (m_indexValid)
        m_cache[pItem].status = pStatus == StatusUnchecked ? 'u'
                : pStatus == StatusChecked                 ? 'c'
                                                           : 0;
}

void ptListDataModel::clearDocument()
{
    m_listInfo.clear();
    m_items.clear();
    m_rows.clear();
    invalidateIndex();
}

void ptListDataModel::ensureIndex()
{
    if (m_indexValid)
        return;
    m_cache.clear();
    m_headerKeys.clear();
    m_headerNumbers.clear();
    m_colonCategories = 0;
    m_cache.reserve(m_items.size());
    m_indexValid = true;
    for (int i = 0; i < m_items.size(); ++i)
        appendToIndex(i);
}

void ptListDataModel::ensureMatches()
{
    if (m_matchesValid)
        return;
    m_matches.clear();
    for (int i = 0; i < m_items.size(); ++i)
        m_matches[matchKey(m_items.at(i))].append(i);
    m_matchesValid = true;
}

void ptListDataModel::ensureOrder()
{
    if (m_orderMode == m_sortMode)
        return;
    m_order.resize(m_cache.size());
    for (int i = 0; i < m_order.size(); ++i)
        m_order[i] = i;
    if (m_sortMode != 0) {
        std::sort(m_order.begin(), m_order.end(), [this](int a, int b) {
            const int order = m_cache.at(a).name.compare(m_cache.at(b).name);
            return order != 0 ? order < 0 : a > b;
        });
        m_orderMode = m_sortMode;
        return;
    }

    m_headerOrder.resize(m_headerKeys.size());
    for (int i = 0; i < m_headerOrder.size(); ++i)
        m_headerOrder[i] = i;
    std::sort(m_headerOrder.begin(), m_headerOrder.end(),
              [this](int a, int b) { return m_headerKeys.at(a) < m_headerKeys.at(b); });
    if (m_colonCategories == 0) {
        // Without a ":" in any category, the first difference of two keys of
        // different categories lies within their header keys, so the keys
        // order as the header keys do and then as the names do.
        // So the records are put into their groups in header order first
        // and then sorted by name within each group.
        QList<qsizetype> groupStart(m_headerKeys.size() + 1, 0);
        for (const ItemCache &item : std::as_const(m_cache))
            ++groupStart[item.category + 1];
        QList<qsizetype> position(m_headerKeys.size());
        qsizetype start = 0;
        for (int category : std::as_const(m_headerOrder)) {
            position[category] = start;
            start += groupStart.at(category + 1);
        }
        for (int i = 0; i < m_cache.size(); ++i)
            m_order[position[m_cache.at(i).category]++] = i;
        const auto byName = [this](int a, int b) {
            const int order = m_cache.at(a).name.compare(m_cache.at(b).name);
            return order != 0 ? order < 0 : a > b;
        };
        start = 0;
        for (int category : std::as_const(m_headerOrder)) {
            const qsizetype end = position.at(category);
            std::sort(m_order.begin() + start, m_order.begin() + end, byName);
            start = end;
        }
    } else {
        std::sort(m_order.begin(), m_order.end(), [this](int a, int b) {
            const int order = m_cache.at(a).rowKey.compare(m_cache.at(b).rowKey);
            return order != 0 ? order < 0 : a > b;
        });
    }
    m_orderMode = m_sortMode;
}

void ptListDataModel::invalidateIndex()
{
    m_orderMode = -1;
    m_indexValid = false;
    m_matchesValid = false;
}

void ptListDataModel::appendToIndex(int pItem)
{
    const Record &record = m_items.at(pItem);
    ItemCache item;
    item.name = record.value(NameField);
    const QString &category = record.value(CategoryField);
    const auto number = m_headerNumbers.constFind(category);
    if (number != m_headerNumbers.constEnd()) {
        item.category = number.value();
    } else {
        item.category = int(m_headerKeys.size());
        m_headerNumbers.insert(category, item.category);
        m_headerKeys.append(category + QLatin1Char(':'));
        if (category.contains(QLatin1Char(':')))
            ++m_colonCategories;
    }
    m_orderMode = -1;
    item.rowKey = m_headerKeys.at(item.category) + item.name;
    const QString &status = record.value(StatusField);
    item.status = status == StatusUnchecked ? 'u' : status == StatusChecked ? 'c' : 0;
    m_cache.append(item);
    if (m_matchesValid)
        m_matches[matchKey(record)].append(pItem);
}

QString ptListDataModel::matchKey(const Record &pItem)
{
    // Each value prefixed by its length, so that no two different sets of
    // values give the same key.
    QString key;
    for (int field = 0; field < StatusField; ++field) {
        const QString &value = pItem.value(Field(field));
        key += QString::number(value.size()) + QLatin1Char(':') + value;
    }
    return key;
}

void ptListDataModel::Record::setOther(const QString &pKey, const QString &pValue)
{
    for (auto &other : others) {
        if (other.first == pKey) {
            other.second = pValue;
            return;
        }
    }
    others.append({pKey, pValue});
}

QHash<QString, QString> ptListDataModel::Record::toHash() const
{
    QHash<QString, QString> hash;
    for (int field = 0; field < FieldCount; ++field) {
        if (holds(Field(field)))
            hash.insert(RecordKeys.at(field), fields[field]);
    }
    for (const auto &other : others)
        hash.insert(other.first, other.second);
    return hash;
}

double ptListDataModel::readNumber(const QString &pText)
{
    // The C locale takes "." as decimal point and accepts "," only between
    // groups of three digits, so "1,500" reads as 1500; the German locale
    // then takes the decimal comma ("2,5", "1.500,25").
    static const QLocale cLocale = QLocale::c();
    static const QLocale germanLocale(QLocale::German, QLocale::Germany);
    bool ok = false;
    double value = cLocale.toDouble(pText, &ok);
    if (ok)
        return value;
    value = germanLocale.toDouble(pText, &ok);
    return ok ? value : 0.0;
}
