#include "ptTableModel.h"

#include <QCoreApplication>

ptTableModel::ptTableModel(const char *pContext, QList<Entry> pEntries, QByteArrayList pRoleNames,
                           QObject *parent)
    : QAbstractListModel(parent), m_context(pContext), m_entries(std::move(pEntries)),
      m_roleNames(std::move(pRoleNames))
{
    retranslate();
}

int ptTableModel::rowCount(const QModelIndex &) const
{
    return int(m_names.size());
}

QVariant ptTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.model() != this)
        return QString();
    const int column = role == Qt::DisplayRole ? NameColumn : role - (Qt::UserRole + 1);
    if (column < 0 || column >= m_roleNames.size())
        return QString();
    return text(index.row(), Column(column));
}

QVariant ptTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return QStringLiteral("Column %1").arg(section);
    return QStringLiteral("Row %1").arg(section);
}

QHash<int, QByteArray> ptTableModel::roleNames() const
{
    QHash<int, QByteArray> names;
    for (int column = 0; column < m_roleNames.size(); ++column)
        names.insert(Qt::UserRole + 1 + column, m_roleNames.at(column));
    return names;
}

void ptTableModel::retranslate()
{
    beginResetModel();
    m_names.clear();
    for (const Entry &entry : std::as_const(m_entries))
        m_names.append(QCoreApplication::translate(m_context, entry.name));
    endResetModel();
    emit textsChanged();
}

QString ptTableModel::text(int pRow, Column pColumn) const
{
    if (pRow < 0 || pRow >= m_names.size())
        return QString();
    const Entry &entry = m_entries.at(pRow);
    switch (pColumn) {
    case NameColumn:
        return m_names.at(pRow);
    case CodeColumn:
        return QString::fromLatin1(entry.code);
    case SignColumn:
        return QString::fromUtf16(entry.sign);
    }
    return QString();
}

QStringList ptTableModel::names() const
{
    return m_names;
}

int ptTableModel::rowOfCode(QStringView pCode) const
{
    for (int row = 0; row < m_entries.size(); ++row) {
        const char *code = m_entries.at(row).code;
        if (code && !pCode.isEmpty() && pCode == QLatin1String(code))
            return row;
    }
    return -1;
}
