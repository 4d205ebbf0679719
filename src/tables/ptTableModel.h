#ifndef PTTABLEMODEL_H
#define PTTABLEMODEL_H

#include <QAbstractListModel>
#include <QByteArrayList>
#include <QList>
#include <QStringList>

// A fixed table the program stores rows of by their position (amount units,
// currencies, languages): each row a name, translated in the table's context,
// and optionally a code and a sign, which are not. The roles are the columns
// in that order, from Qt::UserRole + 1; the display role is the name. Rows
// are never reordered: stored lists and settings would change meaning.
class ptTableModel : public QAbstractListModel
{
    Q_OBJECT

public:
    struct Entry
    {
        const char *name;
        const char *code = nullptr;
        const char16_t *sign = nullptr;
    };

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Rebuilds the rows in the language of the installed catalogue.
    void retranslate();
    // The names of the rows, in the current language.
    QStringList names() const;
    // The row whose code is pCode; -1 when there is none.
    int rowOfCode(QStringView pCode) const;

signals:
    // After each retranslate(): a name looked up by its row may read otherwise.
    void textsChanged();

protected:
    enum Column { NameColumn, CodeColumn, SignColumn };

    ptTableModel(const char *pContext, QList<Entry> pEntries, QByteArrayList pRoleNames,
                 QObject *parent);

    // The text of row pRow in that column; empty outside the table.
    QString text(int pRow, Column pColumn) const;

private:
    const char *m_context;
    QList<Entry> m_entries;
    QByteArrayList m_roleNames;
    QStringList m_names;
};

#endif // PTTABLEMODEL_H
