#ifndef PTLANGUAGESDATAMODEL_H
#define PTLANGUAGESDATAMODEL_H

#include "ptTableModel.h"

// The interface languages and which one is current. A language is stored by
// its row, so the order is fixed.
class ptLanguagesDataModel : public ptTableModel
{
    Q_OBJECT

public:
    enum LanguageRoles { LanguageNameRole = Qt::UserRole + 1, LanguageCodeRole };

    explicit ptLanguagesDataModel(QObject *parent = nullptr);

public slots:
    int currentLanguageIndex() { return m_currentIndex; }
    QString currentLanguageString() { return text(m_currentIndex, NameColumn); }
    QString currentLanguageCode() { return text(m_currentIndex, CodeColumn); }
    // Stores any index, even one outside the table.
    void setCurrentLanguage(int pCurrentLanguage) { m_currentIndex = pCurrentLanguage; }

private:
    int m_currentIndex = 0;
};

#endif // PTLANGUAGESDATAMODEL_H
