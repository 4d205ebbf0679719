#include "ptLanguagesDataModel.h"

#include <QCoreApplication>

namespace {

struct LanguageEntry
{
    const char *sourceName;
    const char *code;
};

// The settings file stores the language as the row here: never reorder.
const LanguageEntry languageTable[] = {
        {QT_TRANSLATE_NOOP("ptLanguagesDataModel", "English"), "en"},
        {QT_TRANSLATE_NOOP("ptLanguagesDataModel", "Russian"), "ru"},
};

const QString nameKey = QStringLiteral("name");
const QString codeKey = QStringLiteral("code");

} // namespace

ptLanguagesDataModel::ptLanguagesDataModel(QObject *parent) : QAbstractListModel(parent)
{
    retranslate();
}

int ptLanguagesDataModel::rowCount(const QModelIndex &) const
{
    return int(m_languages.size());
}

QVariant ptLanguagesDataModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_languages.size())
        return QString();

    const QHash<QString, QString> &language = m_languages.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case LanguageNameRole:
        return language.value(nameKey);
    case LanguageCodeRole:
        return language.value(codeKey);
    default:
        return QString();
    }
}

QHash<int, QByteArray> ptLanguagesDataModel::roleNames() const
{
    return {
            {LanguageNameRole, "language_name"},
            {LanguageCodeRole, "language_code"},
    };
}

QVariant ptLanguagesDataModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return QStringLiteral("Column %1").arg(section);
    return QStringLiteral("Row %1").arg(section);
}

void ptLanguagesDataModel::retranslate()
{
    beginResetModel();
    m_languages.clear();
    for (const LanguageEntry &entry : languageTable) {
        QHash<QString, QString> language;
        language.insert(nameKey,
                        QCoreApplication::translate("ptLanguagesDataModel", entry.sourceName));
        language.insert(codeKey, QString::fromLatin1(entry.code));
        m_languages.append(language);
    }
    endResetModel();
}

int ptLanguagesDataModel::currentLanguageIndex()
{
    return m_currentIndex;
}

QString ptLanguagesDataModel::currentLanguageString()
{
    if (m_currentIndex < 0 || m_currentIndex >= m_languages.size())
        return QString();
    return m_languages.at(m_currentIndex).value(nameKey);
}

QString ptLanguagesDataModel::currentLanguageCode()
{
    if (m_currentIndex < 0 || m_currentIndex >= m_languages.size())
        return QString();
    return m_languages.at(m_currentIndex).value(codeKey);
}

void ptLanguagesDataModel::setCurrentLanguage(int pCurrentLanguage)
{
    m_currentIndex = pCurrentLanguage;
}
