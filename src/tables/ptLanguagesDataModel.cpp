#include "ptLanguagesDataModel.h"

// Placeholder implementation; replaced by the real one.

ptLanguagesDataModel::ptLanguagesDataModel(QObject *parent) : QAbstractListModel(parent) { }

int ptLanguagesDataModel::rowCount(const QModelIndex &) const { return 0; }

QVariant ptLanguagesDataModel::data(const QModelIndex &, int) const { return QVariant(); }

QVariant ptLanguagesDataModel::headerData(int, Qt::Orientation, int) const { return QVariant(); }

QHash<int, QByteArray> ptLanguagesDataModel::roleNames() const { return {}; }

void ptLanguagesDataModel::retranslate() { }

int ptLanguagesDataModel::currentLanguageIndex() { return 0; }

QString ptLanguagesDataModel::currentLanguageString() { return QString(); }

QString ptLanguagesDataModel::currentLanguageCode() { return QString(); }

void ptLanguagesDataModel::setCurrentLanguage(int) { }
