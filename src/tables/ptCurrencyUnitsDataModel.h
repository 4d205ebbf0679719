#ifndef PTCURRENCYUNITSDATAMODEL_H
#define PTCURRENCYUNITSDATAMODEL_H

#include "ptTableModel.h"

// The 152 currencies and the current one. A currency is stored by its row,
// so the order of the table is fixed.
class ptCurrencyUnitsDataModel : public ptTableModel
{
    Q_OBJECT
    Q_PROPERTY(QString currentCurrency READ currentCurrency NOTIFY currentCurrencyChanged)

public:
    enum CurrencyRoles { CurrencyNameRole = Qt::UserRole + 1, CurrencyCodeRole, CurrencySignRole };

    explicit ptCurrencyUnitsDataModel(QObject *parent = nullptr);

signals:
    void currentCurrencyChanged();

public slots:
    int currentCurrencyIndex() { return m_currentIndex; }
    QString currentCurrency();
    QString currentCurrencyName() { return text(m_currentIndex, NameColumn); }
    QString currentCurrencyCode() { return text(m_currentIndex, CodeColumn); }
    QString currentCurrencySign() { return text(m_currentIndex, SignColumn); }
    void setCurrentCurrency(int pIndex);
    QString currencyForSymbol(QString pSymbol);
    QString currencyCode(int pIndex) { return text(pIndex, CodeColumn); }
    QString currencySign(int pIndex) { return text(pIndex, SignColumn); }

private:
    QString currencyForRow(int pRow) const;

    int m_currentIndex = 0;
};

#endif // PTCURRENCYUNITSDATAMODEL_H
