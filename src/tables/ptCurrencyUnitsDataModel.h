#ifndef PTCURRENCYUNITSDATAMODEL_H
#define PTCURRENCYUNITSDATAMODEL_H

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QString>

// The 152 currencies and the current one. A currency is stored by its row,
// so the order of the table is fixed.
class ptCurrencyUnitsDataModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(QString currentCurrency READ currentCurrency NOTIFY currentCurrencyChanged)

public:
    enum CurrencyRoles { CurrencyNameRole = Qt::UserRole + 1, CurrencyCodeRole, CurrencySignRole };

    explicit ptCurrencyUnitsDataModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    void retranslate();

signals:
    void currentCurrencyChanged();

public slots:
    int currentCurrencyIndex();
    QString currentCurrency();
    QString currentCurrencyName();
    QString currentCurrencyCode();
    QString currentCurrencySign();
    void setCurrentCurrency(int pIndex);
    QString currencyForSymbol(QString pSymbol);
    QString currencyCode(int pIndex);
    QString currencySign(int pIndex);

private:
    QString value(int pIndex, const QString &pKey) const;

    int m_currentIndex = 0;
    QList<QHash<QString, QString>> m_currencies;
};

#endif // PTCURRENCYUNITSDATAMODEL_H
