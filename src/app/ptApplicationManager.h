#ifndef PTAPPLICATIONMANAGER_H
#define PTAPPLICATIONMANAGER_H

#include <QObject>
#include <QString>
#include <QTranslator>

#include "ptCategoriesDataModel.h"
#include "ptCurrencyUnitsDataModel.h"
#include "ptLanguagesDataModel.h"
#include "ptListDataModel.h"
#include "ptListsDataModel.h"
#include "ptMeasureUnitsDataModel.h"
#include "ptScreenSaverInhibitor.h"

class QQuickView;

// The controller the scenes call for everything that spans several models or
// touches files or the platform. It owns every model and the translator.
class ptApplicationManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString nullString READ nullString NOTIFY nullStringChanged)
    // The stored list document when it cannot be read (damaged, or not a
    // list), so that the lists screen can say so; empty otherwise.
    Q_PROPERTY(QString unreadableList READ unreadableList NOTIFY unreadableListChanged)

public:
    explicit ptApplicationManager(QObject *parent = nullptr);
    ~ptApplicationManager() override;

    bool initialize();
    void setView(QQuickView *pView);

    ptListsDataModel *listsDataModel();
    ptListDataModel *listDataModel();
    ptCategoriesDataModel *categoriesDataModel();
    ptLanguagesDataModel *languagesDataModel();
    ptCurrencyUnitsDataModel *currencyUnitsDataModel();
    ptMeasureUnitsDataModel *amountUnitsDataModel();

    static QString listsDirectoryPath();
    static QString listDocumentPath();
    static QString settingsDirectoryPath();
    static QString settingsFilePath();

    QString unreadableList() const { return m_unreadableList; }

signals:
    void nullStringChanged();
    void unreadableListChanged();

public slots:
    void quit();
    void showDashboard();
    QString nullString();
    bool updateListsDataModel();
    bool createNewList(QString pListName, int pListCurrency, QString pListNote);
    bool loadList(int pListIndex);
    bool deleteListByIndex(int pListIndex);
    bool deleteList(QString pListFileName);
    bool listDocumentExists();
    // What the item dialog's category chooser offers: the categories of My
    // Items, then those of the open list that My Items lacks, each once.
    QStringList categoryChoices() const;
    void addItem(int pScreenIndex, QString pName, QString pCategory, QString pPrice,
                 QString pAmount, int pAmountUnit, QString pNote);
    void updateItem(int pScreenIndex, int pIndex, QString pName, QString pCategory, QString pPrice,
                    QString pAmount, int pAmountUnit, QString pNote);
    void updateListItems();
    void setCurrentLanguage(int pIndex);
    void translateUi();
    void loadSettings();
    void saveSettings();
    void setInputHints();
    void onCurrentCurrencyChanged();
    // Keeps the screen from blanking while pKeepOn (the shopping screen).
    void keepScreenOn(bool pKeepOn);

private:
    void loadCatalogue();
    void saveIfOpen(const QString &pPath);
    void onViewStateChanged(Qt::WindowState pState);

    QQuickView *m_view = nullptr;
    QMetaObject::Connection m_viewStateConnection;
    bool m_fullScreenBeforeDashboard = false;
    ptListsDataModel m_listsDataModel;
    ptListDataModel m_listDataModel;
    ptCategoriesDataModel m_categoriesDataModel;
    ptLanguagesDataModel m_languagesDataModel;
    ptCurrencyUnitsDataModel m_currencyUnitsDataModel;
    ptMeasureUnitsDataModel m_amountUnitsDataModel;
    ptScreenSaverInhibitor m_screenSaverInhibitor;
    QTranslator m_translator;
    bool m_settingsLoaded = false;
    QString m_unreadableList;
};

#endif // PTAPPLICATIONMANAGER_H
