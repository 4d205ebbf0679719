#include "ptRoleFilterProxy.h"

ptRoleFilterProxy::ptRoleFilterProxy(QAbstractItemModel *pSource, QObject *parent)
    : QIdentityProxyModel(parent)
{
    setSourceModel(pSource);
}

QVariant ptRoleFilterProxy::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole && !sourceModel()->roleNames().contains(role))
        return QVariant();
    return QIdentityProxyModel::data(index, role);
}
