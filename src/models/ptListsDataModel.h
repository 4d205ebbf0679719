#ifndef PTLISTSDATAMODEL_H
#define PTLISTSDATAMODEL_H

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Read-only overview of the stored list documents: one row per document,
// holding the attributes of its root element.
class ptListsDataModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum ListRoles {
        ListNameRole = Qt::UserRole + 1,
        ListNoteRole,
        ItemsListRole,
        PriceListRole,
        PriceUnitRole,
        FilenameRole
    };

    explicit ptListsDataModel(QObject *parent = nullptr);

    QHash<int, QByteArray> roleNames() const override;

public slots:
    int rowCount(const QModelIndex &pParent = QModelIndex()) const override;
    QVariant data(const QModelIndex &pIndex, int pRole = Qt::DisplayRole) const override;
    QVariant headerData(int pSection, Qt::Orientation pOrientation,
                        int pRole = Qt::DisplayRole) const override;
    bool loadData(QStringList pFilenames);
    QString listFileName(int pListIndex);

private:
    QList<QHash<QString, QString>> m_lists;
};

#endif // PTLISTSDATAMODEL_H
