// The child process of tst_lifecycle and the road of the leak check, on the
// data directory in XDG_DATA_HOME.
//
//   run <how>  The program's own start-up. Once the window is up it opens the
//              stored list, adds an item, picks currency 44 (none of it saved
//              yet) and prints "ready". Then "quit" quits as the quit button
//              does, "close" closes the window, and "wait" minimises the
//              window, prints "front" when it is full screen again and waits.
//   road       The program's own start-up. It creates a list of 20 items, opens
//              it for shopping through the lists screen's own signal where the
//              scene offers it, ticks every item into the cart, takes one out
//              of the cart again and quits.
//   settings   Switches the language back and forth, saving each time.
//   list       Rewrites the list document, by turns empty ("Small") and with
//              500 items ("Large", which newModel first writes empty).
//
// The savers print "saving" once their first save is on disk and go on until
// they are killed.
#include <QApplication>
#include <QQuickItem>
#include <QQuickView>
#include <QTimer>

#include <cstdio>

#include "ptApplicationManager.h"
#include "ptSceneSingletons.h"
#include "ptStartup.h"

namespace {

void changeAndEnd(const QString &pHow)
{
    // The event loop runs, so the window and its root scene are up.
    auto *view = qobject_cast<QQuickView *>(QGuiApplication::topLevelWindows().value(0));
    ptApplicationManager *manager = ptSceneSingletons::s_manager;
    manager->loadList(0);
    manager->addItem(0, QStringLiteral("Milk"), QStringLiteral("Dairy"), QStringLiteral("1.50"),
                     QStringLiteral("2"), 0, QString());
    manager->currencyUnitsDataModel()->setCurrentCurrency(44);
    std::puts("ready");

    if (pHow == QLatin1String("quit")) {
        manager->quit();
    } else if (pHow == QLatin1String("close")) {
        view->close();
    } else {
        QObject::connect(view, &QWindow::windowStateChanged, [](Qt::WindowState pState) {
            if (pState == Qt::WindowFullScreen)
                std::puts("front");
        });
        view->showMinimized();
    }
}

void shopAndQuit()
{
    auto *view = qobject_cast<QQuickView *>(QGuiApplication::topLevelWindows().value(0));
    ptApplicationManager *manager = ptSceneSingletons::s_manager;
    manager->createNewList(QStringLiteral("Leak check"), 44, QStringLiteral("note"));
    for (int i = 0; i < 20; ++i)
        manager->addItem(0, QStringLiteral("Item %1").arg(i),
                         QStringLiteral("Category %1").arg(i % 3), QStringLiteral("1.5"),
                         QStringLiteral("2"), 1, QString());
    manager->listDataModel()->saveModel();
    manager->listDataModel()->releaseModel();
    manager->updateListsDataModel();
    if (!view || !manager->loadList(0))
        qFatal("road: the list did not load");
    const QList<QObject *> objects = view->rootObject()->findChildren<QObject *>();
    for (QObject *object : objects) {
        if (object->metaObject()->indexOfSignal("listReadyForShop()") >= 0)
            QMetaObject::invokeMethod(object, "listReadyForShop");
    }
    QTimer::singleShot(1200, manager, [manager] {
        ptListDataModel *list = manager->listDataModel();
        if (list->rowCount() == 0)
            qFatal("road: the list shows no rows");
        while (list->rowCount() > 0)
            list->toggleItem(list->rowCount() - 1);
        list->displayCart(true);
        list->toggleItem(1);
        manager->quit();
    });
}

int saveForever(bool pSettings)
{
    ptApplicationManager manager;
    manager.initialize();
    ptListDataModel *list = manager.listDataModel();
    for (int round = 0;; ++round) {
        const bool odd = round % 2;
        if (pSettings) {
            manager.setCurrentLanguage(odd);
        } else {
            list->newModel(ptApplicationManager::listDocumentPath(),
                           odd ? QStringLiteral("Large") : QStringLiteral("Small"), 0, QString());
            for (int i = 0; odd && i < 500; ++i)
                list->addItem(QStringLiteral("Item %1").arg(i), QStringLiteral("Category"),
                              QStringLiteral("1.00"), QStringLiteral("2"), 0, QString());
            if (!list->saveModel())
                return 1;
        }
        if (round == 0)
            std::puts("saving");
    }
}

} // namespace

int main(int argc, char *argv[])
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    ptStartup::setIdentity();
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.value(1) == QLatin1String("road"))
        QTimer::singleShot(0, &application, shopAndQuit);
    else if (arguments.value(1) == QLatin1String("run"))
        QTimer::singleShot(0, &application, [&arguments] { changeAndEnd(arguments.value(2)); });
    else
        return saveForever(arguments.value(1) == QLatin1String("settings"));
    return ptStartup::run();
}
