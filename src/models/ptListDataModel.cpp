#include "ptListDataModel.h"

// Placeholder implementation; replaced by the real one.

ptListDataModel::ptListDataModel(QObject *parent) : QAbstractListModel(parent) { }

ptListDataModel::~ptListDataModel() { }

int ptListDataModel::rowCount(const QModelIndex &) const { return 0; }

QVariant ptListDataModel::data(const QModelIndex &, int) const { return QVariant(); }

QVariant ptListDataModel::headerData(int, Qt::Orientation, int) const { return QVariant(); }

QHash<int, QByteArray> ptListDataModel::roleNames() const { return {}; }

QString ptListDataModel::listItemsAmount() { return QString(); }

QString ptListDataModel::listItemsPrice() { return QString(); }

QString ptListDataModel::cartItemsAmount() { return QString(); }

QString ptListDataModel::cartItemsPrice() { return QString(); }

QList<QHash<QString, QString>> ptListDataModel::items(bool) { return {}; }

QList<QHash<QString, QString>> ptListDataModel::items() { return {}; }

void ptListDataModel::addItems(QList<QHash<QString, QString>>, QString) { }

bool ptListDataModel::addItem(QString, QString, QString, QString, int, QString) { return false; }

void ptListDataModel::updateItem(int, QString, QString, QString, QString, int, QString) { }

bool ptListDataModel::deleteItem(int) { return false; }

void ptListDataModel::toggleItem(int) { }

bool ptListDataModel::deleteCategory(int, bool) { return false; }

bool ptListDataModel::needsCheckout() { return false; }

bool ptListDataModel::checkout() { return false; }

bool ptListDataModel::newModel(QString, QString, int, QString) { return false; }

bool ptListDataModel::updateModelInfo(QString, int, QString) { return false; }

bool ptListDataModel::loadModel(QString) { return false; }

bool ptListDataModel::saveModel() { return false; }

void ptListDataModel::releaseModel() { }

void ptListDataModel::updateModel() { }

void ptListDataModel::updateCountPrice() { }

bool ptListDataModel::isSortByCategory() { return false; }

void ptListDataModel::sortByCategory(bool) { }

bool ptListDataModel::isSortByProduct() { return false; }

void ptListDataModel::sortByProduct(bool) { }

bool ptListDataModel::isDisplayList() { return false; }

void ptListDataModel::displayList(bool) { }

bool ptListDataModel::isDisplayCart() { return false; }

void ptListDataModel::displayCart(bool) { }

int ptListDataModel::itemHeight(int) { return 0; }

QString ptListDataModel::checkoutAmount() { return QString(); }

QString ptListDataModel::checkoutPrice() { return QString(); }

QString ptListDataModel::listName() { return QString(); }

QString ptListDataModel::listNote() { return QString(); }

QString ptListDataModel::listFileName() { return QString(); }

int ptListDataModel::listCurrency() { return 0; }

int ptListDataModel::numberOfItems() { return 0; }

QString ptListDataModel::itemsPrice() { return QString(); }
