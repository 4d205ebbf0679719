#include "ptCategoriesDataModel.h"

// Placeholder implementation; replaced by the real one.

ptCategoriesDataModel::ptCategoriesDataModel(QObject *parent) : QAbstractListModel(parent) { }

int ptCategoriesDataModel::rowCount(const QModelIndex &) const { return 0; }

QVariant ptCategoriesDataModel::data(const QModelIndex &, int) const { return QVariant(); }

QVariant ptCategoriesDataModel::headerData(int, Qt::Orientation, int) const { return QVariant(); }

QHash<int, QByteArray> ptCategoriesDataModel::roleNames() const { return {}; }

QList<QHash<QString, QString>> ptCategoriesDataModel::selectedItems() const { return {}; }

bool ptCategoriesDataModel::isLoaded() { return false; }

bool ptCategoriesDataModel::loadModel() { return false; }

bool ptCategoriesDataModel::saveModel() { return false; }

void ptCategoriesDataModel::releaseModel(bool) { }

void ptCategoriesDataModel::updateModel() { }

void ptCategoriesDataModel::sortByCategory(bool) { }

void ptCategoriesDataModel::sortByProduct(bool) { }

int ptCategoriesDataModel::categoriesCount() { return 0; }

int ptCategoriesDataModel::selectedCount() { return 0; }

QString ptCategoriesDataModel::categoryName(int) { return QString(); }

void ptCategoriesDataModel::setCurrencyCode(QString) { }

bool ptCategoriesDataModel::addItem(QString, QString, QString, QString, QString, int, QString) { return false; }

bool ptCategoriesDataModel::updateItem(int, QString, QString, QString, QString, QString, int, QString) { return false; }

void ptCategoriesDataModel::toggleItem(int) { }

void ptCategoriesDataModel::clearSelection() { }

bool ptCategoriesDataModel::deleteItem(int) { return false; }

bool ptCategoriesDataModel::deleteCategory(int, bool) { return false; }
