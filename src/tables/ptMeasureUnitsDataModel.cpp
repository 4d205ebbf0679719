#include "ptMeasureUnitsDataModel.h"

// Placeholder implementation; replaced by the real one.

ptMeasureUnitsDataModel::ptMeasureUnitsDataModel(QObject *parent) : QAbstractListModel(parent) { }

int ptMeasureUnitsDataModel::rowCount(const QModelIndex &) const { return 0; }

QVariant ptMeasureUnitsDataModel::data(const QModelIndex &, int) const { return QVariant(); }

QVariant ptMeasureUnitsDataModel::headerData(int, Qt::Orientation, int) const { return QVariant(); }

QHash<int, QByteArray> ptMeasureUnitsDataModel::roleNames() const { return {}; }

void ptMeasureUnitsDataModel::retranslate() { }

QString ptMeasureUnitsDataModel::measureName(int) { return QString(); }
