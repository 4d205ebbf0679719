#include "ptCurrencyUnitsDataModel.h"

// Placeholder implementation; replaced by the real one.

ptCurrencyUnitsDataModel::ptCurrencyUnitsDataModel(QObject *parent) : QAbstractListModel(parent) { }

int ptCurrencyUnitsDataModel::rowCount(const QModelIndex &) const { return 0; }

QVariant ptCurrencyUnitsDataModel::data(const QModelIndex &, int) const { return QVariant(); }

QVariant ptCurrencyUnitsDataModel::headerData(int, Qt::Orientation, int) const { return QVariant(); }

QHash<int, QByteArray> ptCurrencyUnitsDataModel::roleNames() const { return {}; }

void ptCurrencyUnitsDataModel::retranslate() { }

int ptCurrencyUnitsDataModel::currentCurrencyIndex() { return 0; }

QString ptCurrencyUnitsDataModel::currentCurrency() { return QString(); }

QString ptCurrencyUnitsDataModel::currentCurrencyName() { return QString(); }

QString ptCurrencyUnitsDataModel::currentCurrencyCode() { return QString(); }

QString ptCurrencyUnitsDataModel::currentCurrencySign() { return QString(); }

void ptCurrencyUnitsDataModel::setCurrentCurrency(int) { }

QString ptCurrencyUnitsDataModel::currencyForSymbol(QString) { return QString(); }

QString ptCurrencyUnitsDataModel::currencyCode(int) { return QString(); }

QString ptCurrencyUnitsDataModel::currencySign(int) { return QString(); }
