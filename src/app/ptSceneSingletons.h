#ifndef PTSCENESINGLETONS_H
#define PTSCENESINGLETONS_H

#include <QQmlEngine>

#include "ptApplicationManager.h"
#include "ptCategoriesDataModel.h"
#include "ptCurrencyUnitsDataModel.h"
#include "ptLanguagesDataModel.h"
#include "ptListDataModel.h"
#include "ptListsDataModel.h"
#include "ptMeasureUnitsDataModel.h"

// The controller and its six models as the scenes see them: singletons of the
// scenes' module (ApplicationManager, ListDataModel, ...). Each engine gets
// the objects of the controller published last; they stay the controller's.
class ptSceneSingletons
{
public:
    static void publish(ptApplicationManager *pManager) { s_manager = pManager; }

    template<typename T> static T *share(T *pObject)
    {
        QJSEngine::setObjectOwnership(pObject, QJSEngine::CppOwnership);
        return pObject;
    }

    static inline ptApplicationManager *s_manager = nullptr;
};

struct ptApplicationManagerSingleton
{
    Q_GADGET
    QML_FOREIGN(ptApplicationManager)
    QML_NAMED_ELEMENT(ApplicationManager)
    QML_SINGLETON
public:
    static ptApplicationManager *create(QQmlEngine *, QJSEngine *)
    {
        return ptSceneSingletons::share(ptSceneSingletons::s_manager);
    }
};

struct ptListsDataModelSingleton
{
    Q_GADGET
    QML_FOREIGN(ptListsDataModel)
    QML_NAMED_ELEMENT(ListsDataModel)
    QML_SINGLETON
public:
    static ptListsDataModel *create(QQmlEngine *, QJSEngine *)
    {
        return ptSceneSingletons::share(ptSceneSingletons::s_manager->listsDataModel());
    }
};

struct ptListDataModelSingleton
{
    Q_GADGET
    QML_FOREIGN(ptListDataModel)
    QML_NAMED_ELEMENT(ListDataModel)
    QML_SINGLETON
public:
    static ptListDataModel *create(QQmlEngine *, QJSEngine *)
    {
        return ptSceneSingletons::share(ptSceneSingletons::s_manager->listDataModel());
    }
};

struct ptCategoriesDataModelSingleton
{
    Q_GADGET
    QML_FOREIGN(ptCategoriesDataModel)
    QML_NAMED_ELEMENT(CategoriesDataModel)
    QML_SINGLETON
public:
    static ptCategoriesDataModel *create(QQmlEngine *, QJSEngine *)
    {
        return ptSceneSingletons::share(ptSceneSingletons::s_manager->categoriesDataModel());
    }
};

struct ptAmountUnitsDataModelSingleton
{
    Q_GADGET
    QML_FOREIGN(ptMeasureUnitsDataModel)
    QML_NAMED_ELEMENT(AmountUnitsDataModel)
    QML_SINGLETON
public:
    static ptMeasureUnitsDataModel *create(QQmlEngine *, QJSEngine *)
    {
        return ptSceneSingletons::share(ptSceneSingletons::s_manager->amountUnitsDataModel());
    }
};

struct ptCurrencyUnitsDataModelSingleton
{
    Q_GADGET
    QML_FOREIGN(ptCurrencyUnitsDataModel)
    QML_NAMED_ELEMENT(CurrencyUnitsDataModel)
    QML_SINGLETON
public:
    static ptCurrencyUnitsDataModel *create(QQmlEngine *, QJSEngine *)
    {
        return ptSceneSingletons::share(ptSceneSingletons::s_manager->currencyUnitsDataModel());
    }
};

struct ptLanguagesDataModelSingleton
{
    Q_GADGET
    QML_FOREIGN(ptLanguagesDataModel)
    QML_NAMED_ELEMENT(LanguagesDataModel)
    QML_SINGLETON
public:
    static ptLanguagesDataModel *create(QQmlEngine *, QJSEngine *)
    {
        return ptSceneSingletons::share(ptSceneSingletons::s_manager->languagesDataModel());
    }
};

#endif // PTSCENESINGLETONS_H
