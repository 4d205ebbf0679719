#ifndef PTLANGUAGESDATAMODEL_H
#define PTLANGUAGESDATAMODEL_H

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QString>

// The interface languages and which one is current. A language is stored by
// its row, so the order is fixed.
class ptLanguagesDataModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum LanguageRoles { LanguageNameRole = Qt::UserRole + 1, LanguageCodeRole };

    explicit ptLanguagesDataModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    void retranslate();

public slots:
    int currentLanguageIndex();
    QString currentLanguageString();
    QString currentLanguageCode();
    void setCurrentLanguage(int pCurrentLanguage);

private:
    int m_currentIndex = 0;
    QList<QHash<QString, QString>> m_languages;
};

#endif // PTLANGUAGESDATAMODEL_H
