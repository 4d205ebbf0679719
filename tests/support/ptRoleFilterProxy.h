#ifndef PTROLEFILTERPROXY_H
#define PTROLEFILTERPROXY_H

#include <QIdentityProxyModel>

// Passes through only the roles a model names itself (and the display role),
// so that QAbstractItemModelTester checks the structure of the models without
// tripping over their habit of answering every role with text.
class ptRoleFilterProxy : public QIdentityProxyModel
{
public:
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole && !sourceModel()->roleNames().contains(role))
            return QVariant();
        return QIdentityProxyModel::data(index, role);
    }
};

#endif // PTROLEFILTERPROXY_H
