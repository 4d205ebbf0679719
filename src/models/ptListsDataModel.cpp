#include "ptListsDataModel.h"

// Placeholder implementation; replaced by the real one.

ptListsDataModel::ptListsDataModel(QObject *parent) : QAbstractListModel(parent) { }

QHash<int, QByteArray> ptListsDataModel::roleNames() const { return {}; }

int ptListsDataModel::rowCount(const QModelIndex &) const { return 0; }

QVariant ptListsDataModel::data(const QModelIndex &, int) const { return QVariant(); }

QVariant ptListsDataModel::headerData(int, Qt::Orientation, int) const { return QVariant(); }

bool ptListsDataModel::loadData(QStringList) { return false; }

bool ptListsDataModel::deleteList(int) { return false; }

QString ptListsDataModel::listFileName(int) { return QString(); }
