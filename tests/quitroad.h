#ifndef QUITROAD_H
#define QUITROAD_H

// The road the quit tests share, in the test itself and in the child process
// that runs the program's start-up: a stored list, then, in the running
// program, that list opened and changed without saving it.

#include <QGuiApplication>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>

#include "ptApplicationManager.h"

namespace quitroad {

constexpr int StoredCurrency = 0;
constexpr int ChangedCurrency = 44;

inline QString addedItemName()
{
    return QStringLiteral("Milk");
}

// Stores the list "Weekly" with one item and settings with the first currency.
inline bool storeList()
{
    ptApplicationManager manager;
    if (!manager.initialize())
        return false;
    manager.currencyUnitsDataModel()->setCurrentCurrency(StoredCurrency);
    if (!manager.createNewList(QStringLiteral("Weekly"), StoredCurrency, QString()))
        return false;
    manager.addItem(0, QStringLiteral("Bread"), QStringLiteral("Bakery"), QStringLiteral("2.10"),
                    QStringLiteral("1"), 0, QString());
    return manager.listDataModel()->saveModel();
}

// The program's window once its root scene is loaded, or null.
inline QQuickView *runningView()
{
    const QWindowList windows = QGuiApplication::topLevelWindows();
    for (QWindow *window : windows) {
        auto *view = qobject_cast<QQuickView *>(window);
        if (view && view->rootObject() && view->isVisible())
            return view;
    }
    return nullptr;
}

inline ptApplicationManager *managerOf(QQuickView *pView)
{
    return qobject_cast<ptApplicationManager *>(
            pView->rootContext()
                    ->contextProperty(QStringLiteral("applicationManager"))
                    .value<QObject *>());
}

// Opens the stored list through the controller, as a tap on its row does, adds
// an item to it and picks another currency. Nothing of this is on disk yet.
inline bool changeOpenList(ptApplicationManager *pManager)
{
    if (!pManager || !pManager->loadList(0))
        return false;
    pManager->addItem(0, addedItemName(), QStringLiteral("Dairy"), QStringLiteral("1.50"),
                      QStringLiteral("2"), 0, QString());
    pManager->currencyUnitsDataModel()->setCurrentCurrency(ChangedCurrency);
    return pManager->listDataModel()->rowCount() > 0;
}

} // namespace quitroad

#endif // QUITROAD_H
