#ifndef PTMEASUREUNITSDATAMODEL_H
#define PTMEASUREUNITSDATAMODEL_H

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QString>

// The 16 amount units. A unit is stored by its row, so the order is fixed.
class ptMeasureUnitsDataModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum MeasureRoles { MeasureNameRole = Qt::UserRole + 1 };

    explicit ptMeasureUnitsDataModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    void retranslate();

public slots:
    QString measureName(int pIndex);

private:
    QList<QHash<QString, QString>> m_units;
};

#endif // PTMEASUREUNITSDATAMODEL_H
