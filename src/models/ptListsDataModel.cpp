#include "ptListsDataModel.h"

#include "ptListDocument.h"

namespace {

const QString filenameKey = QStringLiteral("filename");

} // namespace

ptListsDataModel::ptListsDataModel(QObject *parent) : QAbstractListModel(parent) { }

QHash<int, QByteArray> ptListsDataModel::roleNames() const
{
    return {
            {ListNameRole, "list_name"},   {ListNoteRole, "list_note"},
            {ItemsListRole, "items_list"}, {PriceListRole, "price_list"},
            {PriceUnitRole, "price_unit"},
    };
}

int ptListsDataModel::rowCount(const QModelIndex &) const
{
    return int(m_lists.size());
}

QVariant ptListsDataModel::data(const QModelIndex &pIndex, int pRole) const
{
    if (!pIndex.isValid() || pIndex.row() >= m_lists.size())
        return QVariant();

    const QHash<QString, QString> &list = m_lists.at(pIndex.row());
    switch (pRole) {
    case Qt::DisplayRole:
    case ListNameRole:
        return list.value(QStringLiteral("name"));
    case ListNoteRole:
        return list.value(QStringLiteral("note"));
    case ItemsListRole:
        return list.value(QStringLiteral("items_list"));
    case PriceListRole:
        return list.value(QStringLiteral("price_list"));
    case PriceUnitRole:
        return list.value(QStringLiteral("currency"));
    case FilenameRole:
        return list.value(filenameKey);
    default:
        return QVariant();
    }
}

QVariant ptListsDataModel::headerData(int pSection, Qt::Orientation pOrientation, int pRole) const
{
    if (pRole != Qt::DisplayRole)
        return QVariant();
    if (pOrientation == Qt::Horizontal)
        return QStringLiteral("Column %1").arg(pSection);
    return QStringLiteral("Row %1").arg(pSection);
}

// A load that finds what the views show already leaves them alone: the lists
// screen reads the directory again whenever a file in it changes.
bool ptListsDataModel::loadData(QStringList pFilenames)
{
    QList<QHash<QString, QString>> lists;
    bool result = true;
    for (const QString &fileName : std::as_const(pFilenames)) {
        ptListDocument::ReadResult read = ptListDocument::Read;
        const QByteArray xml = ptListDocument::readXml(fileName, &read);
        if (read == ptListDocument::CannotOpen)
            continue;
        if (read == ptListDocument::Damaged) {
            result = false;
            break;
        }
        const QHash<QString, QString> summary = ptListDocument::readSummary(xml);
        if (summary.isEmpty())
            continue;
        lists.append(summary);
        lists.last().insert(filenameKey, fileName);
    }
    if (lists != m_lists) {
        beginResetModel();
        m_lists = lists;
        endResetModel();
    }
    return result;
}

QString ptListsDataModel::listFileName(int pListIndex)
{
    if (pListIndex < 0 || pListIndex >= m_lists.size())
        return QString();
    return m_lists.at(pListIndex).value(filenameKey);
}
