#include "ptApplicationManager.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QQuickItem>
#include <QQuickView>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTimer>

#include "ptSettingsFile.h"
#include "ptTrash.h"

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

ptApplicationManager::ptApplicationManager(QObject *parent) : QObject(parent)
{
    m_undoStack.setUndoLimit(UndoLimit);
    m_undoOfferTimer.setSingleShot(true);
    m_undoOfferTimer.setInterval(UndoOfferTime);
    connect(&m_undoOfferTimer, &QTimer::timeout, this, [this] {
        setUndoOffer(QString());
        setNotice(QString());
    });
    // The offer is of the last change: any other change, an undo or a redo
    // ends it.
    connect(&m_undoStack, &QUndoStack::indexChanged, this, [this] { setUndoOffer(QString()); });
    // A version another program wrote is not the one the changes were made
    // to: taking one back would drop what the other program wrote.
    connect(&m_listDataModel, &ptListDataModel::otherVersionTaken, this,
            &ptApplicationManager::clearHistory);

    m_myItemsWriteTimer.setSingleShot(true);
    m_myItemsWriteTimer.setInterval(ptListSync::WriteDelay);
    connect(&m_myItemsWriteTimer, &QTimer::timeout, &m_categoriesDataModel,
            &ptCategoriesDataModel::saveModel);
    connect(&m_categoriesDataModel, &ptCategoriesDataModel::entriesChanged, &m_myItemsWriteTimer,
            qOverload<>(&QTimer::start));
}

ptApplicationManager::~ptApplicationManager()
{
    // A failed start never read the stored settings; writing the initial
    // values now would overwrite them.
    if (m_settingsLoaded)
        saveSettings();
    // The list is written only when it changed, so that an unchanged list
    // never overwrites what another program wrote.
    writeNow();
    m_undoStack.clear();
    m_listDataModel.releaseModel();
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

QString ptApplicationManager::myItemsFilePath()
{
    return QDir(settingsDirectoryPath()).absoluteFilePath(QStringLiteral("my-items.xml"));
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
    m_categoriesDataModel.setFileName(myItemsFilePath());
    m_categoriesDataModel.loadModel();

    connect(&m_listSync, &ptListSync::filesChanged, this, &ptApplicationManager::followFiles);
    m_listSync.watch(listsPath, listDocumentPath());
    mergeConflictCopies();
    // An unreadable list document only leaves the overview without its row;
    // the start fails only without a lists directory.
    return updateListsDataModel() || QDir(listsPath).exists();
}

void ptApplicationManager::setView(QQuickView *pView)
{
    for (const QMetaObject::Connection &connection : std::as_const(m_viewConnections))
        disconnect(connection);
    if (m_view)
        m_view->removeEventFilter(this);
    m_view = pView;
    if (!m_view)
        return;
    m_view->installEventFilter(this);
    m_viewConnections = {connect(m_view, &QWindow::windowStateChanged, this,
                                 &ptApplicationManager::onViewStateChanged),
                         // A window that loses the focus or is hidden may be the
                         // last the program does before a phone ends it.
                         connect(m_view, &QWindow::activeChanged, this,
                                 [this] {
                                     if (!m_view->isActive())
                                         writeNow();
                                 }),
                         connect(m_view, &QWindow::visibleChanged, this, [this](bool pVisible) {
                             if (!pVisible)
                                 writeNow();
                         })};
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
    const QString name
            = m_listsDataModel
                      .data(m_listsDataModel.index(pListIndex, 0), ptListsDataModel::ListNameRole)
                      .toString();
    return deleteList(m_listsDataModel.listFileName(pListIndex), name);
}

// A list moved to the trash can be taken back from there; where there is no
// trash it is removed for good.
bool ptApplicationManager::deleteList(QString pListFileName, QString pListName)
{
    saveIfOpen(pListFileName);
    if (pListFileName.isEmpty() || !QFile::exists(pListFileName))
        return false;
    std::unique_ptr<ptUndoCommand> command = beginChange({});
    const QString trashPath = ptTrash::moveToTrash(pListFileName);
    if (trashPath.isEmpty() && !QFile::remove(pListFileName))
        return false;
    if (!trashPath.isEmpty())
        command->addTrashed(pListFileName, trashPath);
    endChange(std::move(command), !trashPath.isEmpty(), ptUndoCommand::Deletion,
              pListName.isEmpty() ? QFileInfo(pListFileName).fileName() : pListName);
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

QVariantList ptApplicationManager::suggestItems(QString pTyped) const
{
    return m_categoriesDataModel.suggestions(pTyped);
}

void ptApplicationManager::saveListInfo(QString pName, int pCurrency, QString pNote)
{
    std::unique_ptr<ptUndoCommand> command = beginChange(ptUndoCommand::ListPart);
    m_listDataModel.updateModelInfo(pName, pCurrency, pNote);
    const bool changed = command->madeChange();
    endChange(std::move(command), changed, ptUndoCommand::Change, tr("List info"));
}

void ptApplicationManager::untickAll()
{
    std::unique_ptr<ptUndoCommand> command = beginChange(ptUndoCommand::ListPart);
    const bool unticked = m_listDataModel.untickAll();
    endChange(std::move(command), unticked, ptUndoCommand::Change, tr("All items unticked"), true);
}

void ptApplicationManager::undo()
{
    m_undoStack.undo();
    updateListsDataModel();
}

void ptApplicationManager::redo()
{
    m_undoStack.redo();
    updateListsDataModel();
}

void ptApplicationManager::copyListText()
{
    QGuiApplication::clipboard()->setText(ptListText::write(
            m_listDataModel.content(), m_listDataModel.isSortByCategory(), textWords()));
    setUndoOffer(QString());
    setNotice(tr("List copied as text"));
    m_undoOfferTimer.start();
}

QStringList ptApplicationManager::previewPaste()
{
    QSet<QString> names;
    for (const ptItemRecord &item : m_listDataModel.content().items)
        names.insert(item.value(ptItemRecord::NameField).toCaseFolded());

    const ptListText::Words words = textWords();
    QStringList lines;
    m_pasted.clear();
    for (const ptItemRecord &item : ptListText::read(QGuiApplication::clipboard()->text(), words)) {
        const QString name = item.value(ptItemRecord::NameField).toCaseFolded();
        if (names.contains(name))
            continue;
        names.insert(name);
        m_pasted.append(item);
        lines.append(ptListText::itemLine(item, words));
    }
    return lines;
}

void ptApplicationManager::pasteItems()
{
    std::unique_ptr<ptUndoCommand> command = beginChange(ptUndoCommand::ListPart);
    const int added = m_listDataModel.addRecords(std::exchange(m_pasted, {}));
    endChange(std::move(command), added > 0, ptUndoCommand::Change, tr("Paste items"));
}

bool ptApplicationManager::openList(int pRow, ListScreen pScreen)
{
    if (!loadList(pRow))
        return false;
    clearHistory();
    showList(pScreen);
    return true;
}

bool ptApplicationManager::openNewList(QString pName, int pCurrency, QString pNote)
{
    if (!createNewList(pName, pCurrency, pNote))
        return false;
    clearHistory();
    showList(EditingScreen);
    return true;
}

void ptApplicationManager::showList(ListScreen pScreen)
{
    if (pScreen == EditingScreen) {
        // The editing screen shows what is still to buy, and My Items in the
        // list's order; a new item starts without a category.
        m_listDataModel.displayList(true);
        m_categoriesDataModel.sortByCategory(false);
        if (m_listDataModel.isSortByProduct())
            m_categoriesDataModel.sortByProduct(false);
        m_categoriesDataModel.updateModel();
        m_lastCategory.clear();
    }
    setListScreen(pScreen);
}

// The changes to a list can be taken back while it is open.
void ptApplicationManager::closeList()
{
    m_listSync.writeNow();
    clearHistory();
    updateListsDataModel();
    m_listDataModel.releaseModel();
    setListScreen(NoList);
}

void ptApplicationManager::finishList()
{
    clearHistory();
    deleteList(m_listDataModel.listFileName(), m_listDataModel.listName());
    m_listDataModel.releaseModel();
    setListScreen(NoList);
}

void ptApplicationManager::tickItem(int pRow)
{
    std::unique_ptr<ptUndoCommand> command = beginChange(ptUndoCommand::ListPart);
    const bool ticked = m_listDataModel.rowCount() > pRow && pRow >= 0;
    m_listDataModel.toggleItem(pRow);
    endChange(std::move(command), ticked, ptUndoCommand::Change, tr("Tick"));
}

void ptApplicationManager::addSelectedItems()
{
    std::unique_ptr<ptUndoCommand> command
            = beginChange(ptUndoCommand::ListPart | ptUndoCommand::CataloguePart);
    const bool added = m_categoriesDataModel.selectedCount() > 0;
    updateListItems();
    m_categoriesDataModel.clearSelection();
    endChange(std::move(command), added, ptUndoCommand::Change, tr("Add selected"));
}

void ptApplicationManager::sortItems(ItemOrder pOrder)
{
    if (pOrder == ByCategory) {
        m_listDataModel.sortByCategory(true);
        m_categoriesDataModel.sortByCategory(true);
    } else {
        m_listDataModel.sortByProduct(true);
        m_categoriesDataModel.sortByProduct(true);
    }
}

QVariantMap ptApplicationManager::openItem(ItemPage pPage, int pRow)
{
    const QAbstractItemModel &model = pPage == ListPage
            ? static_cast<const QAbstractItemModel &>(m_listDataModel)
            : m_categoriesDataModel;
    const QHash<int, QByteArray> roles = model.roleNames();
    const auto role = [&](const char *pRole) {
        return pRow < 0 ? QString() : model.index(pRow, 0).data(roles.key(pRole)).toString();
    };
    if (pRow >= 0)
        m_lastCategory = role("item_category");
    const QString category = m_lastCategory == ptItemRules::UncategorisedMarker
            ? ptListDataModel::tr("Uncategorised")
            : m_lastCategory;
    return {{QStringLiteral("name"), role("item_name")},
            {QStringLiteral("category"), category},
            {QStringLiteral("price"), role("item_price")},
            {QStringLiteral("priceUnit"), m_listDataModel.listCurrency()},
            {QStringLiteral("amount"), role("item_amount")},
            {QStringLiteral("amountUnit"), role("item_amount_unit").toInt()},
            {QStringLiteral("note"), role("item_note")}};
}

void ptApplicationManager::saveItem(ItemPage pPage, int pRow, QVariantMap pItem)
{
    const auto field
            = [&pItem](const char *pKey) { return pItem.value(QLatin1String(pKey)).toString(); };
    const int unit = pItem.value(QStringLiteral("amountUnit")).toInt();
    std::unique_ptr<ptUndoCommand> command
            = beginChange(ptUndoCommand::ListPart | ptUndoCommand::CataloguePart);
    if (pRow < 0) {
        addItem(0, field("name"), field("category"), field("price"), field("amount"), unit,
                field("note"));
        m_lastCategory = field("category");
    } else {
        updateItem(pPage == ListPage ? 0 : 1, pRow, field("name"), field("category"),
                   field("price"), field("amount"), unit, field("note"));
    }
    const bool changed = command->madeChange();
    endChange(std::move(command), changed, ptUndoCommand::Change,
              pRow < 0 ? tr("New item") : tr("Update item"));
}

bool ptApplicationManager::deleteItem(ItemPage pPage, int pRow)
{
    const QAbstractItemModel &model = pPage == ListPage
            ? static_cast<const QAbstractItemModel &>(m_listDataModel)
            : m_categoriesDataModel;
    const QString name = model.index(pRow, 0).data(ptListDataModel::ItemNameRole).toString();
    std::unique_ptr<ptUndoCommand> command = beginChange(
            pPage == ListPage ? ptUndoCommand::ListPart : ptUndoCommand::CataloguePart);
    const bool deleted = pPage == ListPage ? m_listDataModel.deleteItem(pRow)
                                           : m_categoriesDataModel.deleteItem(pRow);
    endChange(std::move(command), deleted, ptUndoCommand::Deletion, name);
    return deleted;
}

bool ptApplicationManager::deleteCategory(ItemPage pPage, int pRow, bool pWithItems)
{
    const QAbstractItemModel &model = pPage == ListPage
            ? static_cast<const QAbstractItemModel &>(m_listDataModel)
            : m_categoriesDataModel;
    QString category = model.index(pRow, 0).data(ptListDataModel::ItemCategoryRole).toString();
    if (category == ptItemRules::UncategorisedMarker)
        category = ptListDataModel::tr("Uncategorised");
    std::unique_ptr<ptUndoCommand> command = beginChange(
            pPage == ListPage ? ptUndoCommand::ListPart : ptUndoCommand::CataloguePart);
    const bool deleted = pPage == ListPage ? m_listDataModel.deleteCategory(pRow, pWithItems)
                                           : m_categoriesDataModel.deleteCategory(pRow, pWithItems);
    endChange(std::move(command), deleted, ptUndoCommand::Deletion, category);
    return deleted;
}

std::unique_ptr<ptUndoCommand> ptApplicationManager::beginChange(ptUndoCommand::Parts pParts)
{
    return std::make_unique<ptUndoCommand>(&m_listDataModel, &m_categoriesDataModel, pParts);
}

void ptApplicationManager::endChange(std::unique_ptr<ptUndoCommand> pCommand, bool pChanged,
                                     ptUndoCommand::Kind pKind, const QString &pWhat, bool pOffered)
{
    if (!pChanged)
        return;
    // Deletions in a row join while the offer of the ones before is shown.
    const bool deletion = pKind != ptUndoCommand::Change;
    const ptUndoCommand *top
            = static_cast<const ptUndoCommand *>(m_undoStack.command(m_undoStack.index() - 1));
    const bool joins = deletion && !m_undoOffer.isEmpty() && top && top->isDeletion();
    pCommand->finish(joins ? ptUndoCommand::JoinedDeletion : pKind, pWhat);
    m_undoStack.push(pCommand.release());
    if (deletion || pOffered) {
        setUndoOffer(m_undoStack.undoText());
        m_undoOfferTimer.start();
    }
}

void ptApplicationManager::clearHistory()
{
    m_undoStack.clear();
    setUndoOffer(QString());
}

void ptApplicationManager::setUndoOffer(const QString &pOffer)
{
    if (pOffer == m_undoOffer)
        return;
    if (!pOffer.isEmpty())
        setNotice(QString());
    m_undoOffer = pOffer;
    emit undoOfferChanged();
}

void ptApplicationManager::setNotice(const QString &pNotice)
{
    if (pNotice == m_notice)
        return;
    m_notice = pNotice;
    emit noticeChanged();
}

ptListText::Words ptApplicationManager::textWords() const
{
    return {m_amountUnitsDataModel.names(),
            const_cast<ptCurrencyUnitsDataModel &>(m_currencyUnitsDataModel)
                    .currencySign(m_listDataModel.listCurrency()),
            ptListDataModel::tr("Uncategorised")};
}

void ptApplicationManager::writeNow()
{
    m_listSync.writeNow();
    m_myItemsWriteTimer.stop();
    if (m_categoriesDataModel.isModified())
        m_categoriesDataModel.saveModel();
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
    emit languageChanged();
    emit nullStringChanged();
}

void ptApplicationManager::loadSettings()
{
    m_settingsLoaded = true;
    ptSettingsFile::Settings settings;
    if (ptSettingsFile::read(settingsFilePath(), &settings)) {
        m_languagesDataModel.setCurrentLanguage(settings.language);
        m_currencyUnitsDataModel.setCurrentCurrency(settings.currency);
    } else {
        applySystemLocale();
    }
    // Also without a settings file: the first run shows the same texts as
    // every later one.
    loadCatalogue();
    QCoreApplication::installTranslator(&m_translator);
    translateUi();
}

// A first run speaks the system's language where the table has it, English
// otherwise, and prices in the system's currency where the table has it.
void ptApplicationManager::applySystemLocale()
{
    const QLocale system = QLocale::system();
    const int language = m_languagesDataModel.rowOfCode(QLocale::languageToCode(system.language()));
    m_languagesDataModel.setCurrentLanguage(qMax(0, language));
    const int currency
            = m_currencyUnitsDataModel.rowOfCode(system.currencySymbol(QLocale::CurrencyIsoCode));
    if (currency >= 0)
        m_currencyUnitsDataModel.setCurrentCurrency(currency);
}

void ptApplicationManager::saveSettings()
{
    ptSettingsFile::write(settingsFilePath(),
                          {m_languagesDataModel.currentLanguageIndex(),
                           m_currencyUnitsDataModel.currentCurrencyIndex()});
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
        m_listSync.writeNow();
}

// What another program wrote in the lists directory: conflict copies merged
// into the list, the open list following its document, and the lists screen
// showing what is stored.
void ptApplicationManager::followFiles()
{
    mergeConflictCopies();
    m_listDataModel.followFile();
    updateListsDataModel();
}

// A sync tool that cannot tell which of two versions of the document wins
// keeps the other beside it under a name of its own (Syncthing:
// "demo-list.sync-conflict-<date>-<time>-<device>.ptl", Nextcloud:
// "demo-list (conflicted copy <date> <time>).ptl"). Each is merged into the
// list, open or stored, and goes to the trash once the list is written.
void ptApplicationManager::mergeConflictCopies()
{
    static const QRegularExpression copyName(QStringLiteral(
            R"(^demo-list(\.sync-conflict-\d{8}-\d{6}-\w+| \(conflicted copy [\d-]+ \d+\))\.ptl$)"));
    const QDir lists(listsDirectoryPath());
    const QStringList copies
            = lists.entryList({QStringLiteral("demo-list*.ptl")}, QDir::Files, QDir::Name)
                      .filter(copyName);
    const QString path = listDocumentPath();
    if (copies.isEmpty() || !QFile::exists(path))
        return;
    const bool open = m_listDataModel.listFileName() == path;
    ptListDataModel stored;
    ptListDataModel &list = open ? m_listDataModel : stored;
    if (!open && !stored.loadModel(path))
        return;
    for (const QString &copy : copies) {
        const QString copyPath = lists.filePath(copy);
        if (list.mergeFile(copyPath) && (open ? m_listSync.writeNow() : stored.saveModel()))
            ptTrash::discard(copyPath);
    }
    stored.releaseModel();
}

// The shopping screen keeps the screen from blanking while it is shown.
void ptApplicationManager::setListScreen(ListScreen pScreen)
{
    m_screenSaverInhibitor.setInhibited(pScreen == ShoppingScreen);
    if (pScreen == m_listScreen)
        return;
    m_listScreen = pScreen;
    emit listScreenChanged();
}

// A failed load leaves the translator empty, so the source texts show.
void ptApplicationManager::loadCatalogue()
{
    (void)m_translator.load(QStringLiteral(":/languages/pantrix_")
                            + m_languagesDataModel.currentLanguageCode() + QStringLiteral(".qm"));
}

bool ptApplicationManager::eventFilter(QObject *pWatched, QEvent *pEvent)
{
    bool keys = m_keyboardInUse;
    switch (pEvent->type()) {
    case QEvent::KeyPress:
        keys = true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin:
        keys = false;
        break;
    default:
        break;
    }
    if (keys != m_keyboardInUse) {
        m_keyboardInUse = keys;
        emit keyboardInUseChanged();
    }
    return QObject::eventFilter(pWatched, pEvent);
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
