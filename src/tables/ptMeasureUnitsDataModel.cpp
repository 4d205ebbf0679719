#include "ptMeasureUnitsDataModel.h"

#include <QCoreApplication>

namespace {

// An item stores its unit as the row here: append only, never reorder.
const char *const unitTable[] = {
        QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "item"),
        QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "g"),
        QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "kg"),
        QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "ml"),
        QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "l"),
        QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "lb"),
        QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "oz"),
        QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "gi"),
        QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "pt"),
        QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "qt"),
        QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "gal"),
        QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "box"),
        QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "pack"),
        QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "cont"),
        QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "bott"),
        QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "can"),
};

const QString nameKey = QStringLiteral("name");

} // namespace

ptMeasureUnitsDataModel::ptMeasureUnitsDataModel(QObject *parent) : QAbstractListModel(parent)
{
    retranslate();
}

int ptMeasureUnitsDataModel::rowCount(const QModelIndex &) const
{
    return int(m_units.size());
}

QVariant ptMeasureUnitsDataModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_units.size())
        return QString();

    switch (role) {
    case Qt::DisplayRole:
    case MeasureNameRole:
        return m_units.at(index.row()).value(nameKey);
    default:
        return QString();
    }
}

QHash<int, QByteArray> ptMeasureUnitsDataModel::roleNames() const
{
    return {{MeasureNameRole, "measure_name"}};
}

QVariant ptMeasureUnitsDataModel::headerData(int section, Qt::Orientation orientation,
                                             int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return QStringLiteral("Column %1").arg(section);
    return QStringLiteral("Row %1").arg(section);
}

void ptMeasureUnitsDataModel::retranslate()
{
    beginResetModel();
    m_units.clear();
    for (const char *sourceName : unitTable) {
        QHash<QString, QString> unit;
        unit.insert(nameKey, QCoreApplication::translate("ptMeasureUnitsDataModel", sourceName));
        m_units.append(unit);
    }
    endResetModel();
}

QString ptMeasureUnitsDataModel::measureName(int pIndex)
{
    if (pIndex < 0 || pIndex >= m_units.size())
        return QString();
    return m_units.at(pIndex).value(nameKey);
}
