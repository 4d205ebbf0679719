#include "ptApplicationManager.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QQuickItem>
#include <QQuickView>
#include <QStandardPaths>
#include <QTimer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "ptTrash.h"
#include "ptXmlText.h"

namespace {

QDir dataDirectory()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

// Makes the directory with all missing parents; true when it exists afterwards.
bool makeDirectory(const QString &pPath)
{
    return QDir().mkpath(pPath);
}

int settingsValue(const QHash<QString, QString> &pSettings, const QString &pName)
{
    bool ok = false;
    const int value = pSettings.value(pName).toInt(&ok, 10);
    return ok ? value : 0;
}

// The first item below pRoot, depth first, whose object name is pName.
QQuickItem *findItem(QQuickItem *pRoot, const QString &pName)
{
    const QList<QQuickItem *> children = pRoot->childItems();
    for (QQuickItem *child : children) {
        if (child->objectName() == pName)
            return child;
        if (QQuickItem *found = findItem(child, pName))
            return found;
    }
    return nullptr;
}

} // namespace

ptApplicationManager::ptApplicationManager(QObject *parent) : QObject(parent) { }

ptApplicationManager::~ptApplicationManager()
{
    // A failed start never read the stored settings; writing the initial
    // values now would overwrite them.
    if (m_settingsLoaded)
        saveSettings();
}

QString ptApplicationManager::listsDirectoryPath()
{
    return dataDirectory().absoluteFilePath(QStringLiteral("lists"));
}

QString ptApplicationManager::listDocumentPath()
{
    return QDir(listsDirectoryPath()).absoluteFilePath(QStringLiteral("demo-list.ptl"));
}

QString ptApplicationManager::settingsDirectoryPath()
{
    return dataDirectory().absoluteFilePath(QStringLiteral("data"));
}

QString ptApplicationManager::settingsFilePath()
{
    return QDir(settingsDirectoryPath()).absoluteFilePath(QStringLiteral("config.db"));
}

bool ptApplicationManager::initialize()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    const QString listsPath = listsDirectoryPath();
    if (!QDir(listsPath).exists() && !makeDirectory(listsPath))
        return false;

    connect(&m_currencyUnitsDataModel, &ptCurrencyUnitsDataModel::currentCurrencyChanged, this,
            &ptApplicationManager::nullStringChanged);
    connect(&m_currencyUnitsDataModel, &ptCurrencyUnitsDataModel::currentCurrencyChanged, this,
            &ptApplicationManager::onCurrentCurrencyChanged);

    loadSettings();
    // Without a stored currency no change is signalled, yet the catalogue
    // files its prices under the current code from the first item on.
    onCurrentCurrencyChanged();
    // An unreadable list document only leaves the overview without its row;
    // the start fails only without a lists directory.
    return updateListsDataModel() || QDir(listsPath).exists();
}

void ptApplicationManager::setView(QQuickView *pView)
{
    disconnect(m_viewStateConnection);
    m_view = pView;
    if (m_view)
        m_viewStateConnection = connect(m_view, &QWindow::windowStateChanged, this,
                                        &ptApplicationManager::onViewStateChanged);
}

ptListsDataModel *ptApplicationManager::listsDataModel()
{
    return &m_listsDataModel;
}

ptListDataModel *ptApplicationManager::listDataModel()
{
    return &m_listDataModel;
}

ptCategoriesDataModel *ptApplicationManager::categoriesDataModel()
{
    return &m_categoriesDataModel;
}

ptLanguagesDataModel *ptApplicationManager::languagesDataModel()
{
    return &m_languagesDataModel;
}

ptCurrencyUnitsDataModel *ptApplicationManager::currencyUnitsDataModel()
{
    return &m_currencyUnitsDataModel;
}

ptMeasureUnitsDataModel *ptApplicationManager::amountUnitsDataModel()
{
    return &m_amountUnitsDataModel;
}

void ptApplicationManager::quit()
{
    QCoreApplication::quit();
}

void ptApplicationManager::showDashboard()
{
    const QDBusMessage message = QDBusMessage::createSignal(
            QStringLiteral("/"), QStringLiteral("com.nokia.hildon_desktop"),
            QStringLiteral("exit_app_view"));
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.send(message);
    bus.send(message);

    // Without the phone's task switcher, the nearest local equivalent. The
    // full-screen state stays set, so that the window comes back full screen.
    if (m_view) {
        m_fullScreenBeforeDashboard = m_view->windowStates().testFlag(Qt::WindowFullScreen);
        m_view->setWindowStates(m_view->windowStates() | Qt::WindowMinimized);
    }
}

void ptApplicationManager::keepScreenOn(bool pKeepOn)
{
    m_screenSaverInhibitor.setInhibited(pKeepOn);
}

QString ptApplicationManager::nullString()
{
    return QString();
}

bool ptApplicationManager::updateListsDataModel()
{
    QStringList paths;
    const QString listsPath = listsDirectoryPath();
    if (!QDir(listsPath).exists()) {
        if (!makeDirectory(listsPath))
            return false;
    } else {
        paths.append(listDocumentPath());
    }
    const bool loaded = m_listsDataModel.loadData(paths);

    const QString unreadable = m_listsDataModel.rowCount() == 0 && listDocumentExists()
            ? listDocumentPath()
            : QString();
    if (unreadable != m_unreadableList) {
        m_unreadableList = unreadable;
        emit unreadableListChanged();
    }
    return loaded;
}

bool ptApplicationManager::createNewList(QString pListName, int pListCurrency, QString pListNote)
{
    const QString listsPath = listsDirectoryPath();
    if (!QDir(listsPath).exists() && !makeDirectory(listsPath))
        return false;

    // A replaced list goes to the trash, from where it can be restored; if the
    // new one cannot be written, the old one comes back. Without a trash the
    // save replaces the document atomically, so the old list stays on disk
    // until the new one has been written completely.
    const QString path = listDocumentPath();
    saveIfOpen(path);
    const QString trashPath = QFile::exists(path) ? ptTrash::moveToTrash(path) : QString();
    const bool created = m_listDataModel.newModel(path, pListName, pListCurrency,
                                                  pListNote.simplified().toLower());
    if (!created && !trashPath.isEmpty())
        ptTrash::restore(trashPath, path);
    return created;
}

bool ptApplicationManager::loadList(int pListIndex)
{
    if (pListIndex == -1)
        return false;

    const QString fileName = m_listsDataModel.listFileName(pListIndex);
    if (fileName.isEmpty())
        return false;
    if (!m_listDataModel.loadModel(fileName))
        return false;

    m_listDataModel.sortByCategory(false);
    m_listDataModel.displayList(false);
    m_listDataModel.updateModel();
    return true;
}

bool ptApplicationManager::deleteListByIndex(int pListIndex)
{
    saveIfOpen(m_listsDataModel.listFileName(pListIndex));
    m_listsDataModel.deleteList(pListIndex);
    updateListsDataModel();
    return true;
}

bool ptApplicationManager::deleteList(QString pListFileName)
{
    saveIfOpen(pListFileName);
    if (!QFile::exists(pListFileName))
        return false;
    if (!ptTrash::discard(pListFileName))
        return false;
    updateListsDataModel();
    return true;
}

bool ptApplicationManager::listDocumentExists()
{
    return QFile::exists(listDocumentPath());
}

QStringList ptApplicationManager::categoryChoices() const
{
    QStringList choices;
    for (int i = 0; i < m_categoriesDataModel.categoriesCount(); ++i)
        choices.append(m_categoriesDataModel.categoryName(i));
    for (const QHash<QString, QString> &item :
         m_listDataModel.items(true) + m_listDataModel.items(false)) {
        const QString category = item.value(QStringLiteral("category"));
        if (!category.isEmpty() && category != ptItemRules::UncategorisedMarker)
            choices.append(category);
    }
    choices.removeDuplicates();
    return choices;
}

void ptApplicationManager::addItem(int pScreenIndex, QString pName, QString pCategory,
                                   QString pPrice, QString pAmount, int pAmountUnit, QString pNote)
{
    pPrice = ptItemRules::typedNumber(pPrice);
    pAmount = ptItemRules::typedNumber(pAmount);
    if (pScreenIndex == 0)
        m_listDataModel.addItem(pName, pCategory, pPrice, pAmount, pAmountUnit, pNote);

    m_categoriesDataModel.addItem(pName, pCategory, pPrice,
                                  m_currencyUnitsDataModel.currentCurrencyCode(), pAmount,
                                  pAmountUnit, pNote);
}

void ptApplicationManager::updateItem(int pScreenIndex, int pIndex, QString pName,
                                      QString pCategory, QString pPrice, QString pAmount,
                                      int pAmountUnit, QString pNote)
{
    const QModelIndex row = m_listDataModel.index(pIndex, 0);
    const QString oldName = m_listDataModel.data(row, ptListDataModel::ItemNameRole).toString();
    const QString oldCategory
            = m_listDataModel.data(row, ptListDataModel::ItemCategoryRole).toString();
    const QString priceUnit = m_currencyUnitsDataModel.currentCurrencyCode();
    pPrice = ptItemRules::typedNumber(pPrice);
    pAmount = ptItemRules::typedNumber(pAmount);

    if (pScreenIndex == 0) {
        m_listDataModel.updateItem(pIndex, pName, pCategory, pPrice, pAmount, pAmountUnit, pNote);
        if (oldName == pName.toLower() && oldCategory == pCategory.toLower())
            m_categoriesDataModel.updateItem(-1, pName, pCategory, pPrice, priceUnit, pAmount,
                                             pAmountUnit, pNote);
        else
            m_categoriesDataModel.addItem(pName, pCategory, pPrice, priceUnit, pAmount, pAmountUnit,
                                          pNote);
    } else {
        m_categoriesDataModel.updateItem(pIndex, pName, pCategory, pPrice, priceUnit, pAmount,
                                         pAmountUnit, pNote);
    }
}

void ptApplicationManager::updateListItems()
{
    m_listDataModel.addItems(m_categoriesDataModel.selectedItems(),
                             m_currencyUnitsDataModel.currentCurrencyCode());
}

void ptApplicationManager::setCurrentLanguage(int pIndex)
{
    if (pIndex < 0 || pIndex >= m_languagesDataModel.rowCount())
        return;

    m_languagesDataModel.setCurrentLanguage(pIndex);
    loadCatalogue();
    translateUi();
    saveSettings();
}

void ptApplicationManager::translateUi()
{
    m_languagesDataModel.retranslate();
    m_currencyUnitsDataModel.retranslate();
    m_amountUnitsDataModel.retranslate();
    emit nullStringChanged();
}

void ptApplicationManager::loadSettings()
{
    m_settingsLoaded = true;

    QFile file(settingsFilePath());
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        file.close();

        QHash<QString, QString> settings;
        QXmlStreamReader reader(bytes);
        while (!reader.atEnd() && !reader.hasError()) {
            if (reader.readNext() == QXmlStreamReader::StartElement
                && reader.name() == QLatin1String("item")) {
                const QXmlStreamAttributes attributes = reader.attributes();
                settings.insert(attributes.value(QLatin1String("name")).toString(),
                                attributes.value(QLatin1String("value")).toString());
            }
        }

        m_languagesDataModel.setCurrentLanguage(
                settingsValue(settings, QStringLiteral("language")));
        m_currencyUnitsDataModel.setCurrentCurrency(
                settingsValue(settings, QStringLiteral("currency")));
    }

    // Also without a settings file: the first run shows the same texts as
    // every later one.
    loadCatalogue();
    QCoreApplication::installTranslator(&m_translator);
    translateUi();
}

void ptApplicationManager::saveSettings()
{
    const QString directory = settingsDirectoryPath();
    if (!QDir(directory).exists() && !makeDirectory(directory))
        return;

    QByteArray document;
    QXmlStreamWriter writer(&document);
    writer.setAutoFormatting(true);
    writer.writeStartElement(QStringLiteral("pantrix_settings"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0.0"));
    writer.writeEmptyElement(QStringLiteral("item"));
    writer.writeAttribute(QStringLiteral("name"), QStringLiteral("language"));
    writer.writeAttribute(QStringLiteral("value"),
                          QString::number(m_languagesDataModel.currentLanguageIndex()));
    writer.writeEmptyElement(QStringLiteral("item"));
    writer.writeAttribute(QStringLiteral("name"), QStringLiteral("currency"));
    writer.writeAttribute(QStringLiteral("value"),
                          QString::number(m_currencyUnitsDataModel.currentCurrencyIndex()));
    writer.writeEndElement();

    ptXmlText::writeFileAtomically(settingsFilePath(), document);
}

void ptApplicationManager::setInputHints()
{
    if (!m_view || !m_view->rootObject())
        return;

    for (const QString &name : {QStringLiteral("priceInput"), QStringLiteral("amountInput")}) {
        QQuickItem *input = findItem(m_view->rootObject(), name);
        if (input)
            input->setProperty("inputMethodHints", int(Qt::ImhFormattedNumbersOnly));
    }
}

// A list that goes to the trash goes as the person last saw it: an open list
// may have changed since it was last written. A file that has gone is not
// written again.
void ptApplicationManager::saveIfOpen(const QString &pPath)
{
    if (!pPath.isEmpty() && pPath == m_listDataModel.listFileName() && QFile::exists(pPath))
        m_listDataModel.saveModel();
}

// A failed load leaves the translator empty, so the source texts show.
void ptApplicationManager::loadCatalogue()
{
    (void)m_translator.load(QStringLiteral(":/languages/pantrix_")
                            + m_languagesDataModel.currentLanguageCode() + QStringLiteral(".qm"));
}

// A window manager may restore the minimised window to its normal state
// rather than to full screen.
void ptApplicationManager::onViewStateChanged(Qt::WindowState pState)
{
    if (pState == Qt::WindowMinimized)
        return;
    const bool restore = m_fullScreenBeforeDashboard && pState == Qt::WindowNoState;
    m_fullScreenBeforeDashboard = false;
    if (restore)
        QTimer::singleShot(0, m_view, &QWindow::showFullScreen);
}

void ptApplicationManager::onCurrentCurrencyChanged()
{
    m_categoriesDataModel.setCurrencyCode(m_currencyUnitsDataModel.currentCurrencyCode());
}
