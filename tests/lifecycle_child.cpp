// The child process of tst_lifecycle and of the leak check, on the data
// directory in XDG_DATA_HOME.
//
//   run <how>  The program's own start-up. Once the window is up it opens the
//              stored list, adds an item, picks currency 44 (none of it saved
//              yet) and prints "ready". Then "quit" quits as the quit button
//              does, "close" closes the window, and "wait" minimises the
//              window, prints "front" when it is full screen again and waits.
//   changes    The program's own start-up. Once the window is up it opens the
//              stored list for editing and every 10 ms adds "Item 00" to
//              "Item 39", then goes shopping and ticks them into the cart in
//              that order, printing the number of each change once made
//              (0 to 79); then it waits.
//   first      The program's own start-up; once the window is up it prints its
//              language and currency codes ("ru RUB") and quits.
//   settings   Switches the language back and forth, saving each time.
//   list       Rewrites the list document, by turns empty ("Small") and with
//              500 items ("Large", which newModel first writes empty).
//
// The savers print "saving" once their first save is on disk and go on until
// they are killed.
#include <QApplication>
#include <QQuickView>
#include <QTimer>

#include <cstdio>

#include "ptApplicationManager.h"
#include "ptSceneSingletons.h"
#include "ptStartup.h"

static void changeAndEnd(const QString &pHow)
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

static void changeOnScreens()
{
    ptApplicationManager *manager = ptSceneSingletons::s_manager;
    manager->openList(0, ptApplicationManager::EditingScreen);
    auto *timer = new QTimer(manager);
    QObject::connect(timer, &QTimer::timeout, manager, [manager, timer, change = 0]() mutable {
        if (change < 40) {
            const QString name = QStringLiteral("Item %1").arg(change, 2, 10, QLatin1Char('0'));
            manager->saveItem(ptApplicationManager::ListPage, -1,
                              {{QStringLiteral("name"), name}, {QStringLiteral("category"), "C"}});
        } else {
            if (change == 40)
                manager->showList(ptApplicationManager::ShoppingScreen);
            manager->tickItem(1); // the first item, under its category's header
        }
        std::printf("%d\n", change);
        if (++change == 80)
            timer->stop();
    });
    timer->start(10);
}

static int saveForever(bool pSettings)
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

int main(int argc, char *argv[])
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    ptStartup::setIdentity();
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.value(1) == QLatin1String("changes"))
        QTimer::singleShot(0, &application, changeOnScreens);
    else if (arguments.value(1) == QLatin1String("first"))
        QTimer::singleShot(0, &application, [] {
            ptApplicationManager *manager = ptSceneSingletons::s_manager;
            std::printf("%s %s\n", qPrintable(manager->languagesDataModel()->currentLanguageCode()),
                        qPrintable(manager->currencyUnitsDataModel()->currentCurrencyCode()));
            manager->quit();
        });
    else if (arguments.value(1) != QLatin1String("run"))
        return saveForever(arguments.value(1) == QLatin1String("settings"));
    else
        QTimer::singleShot(0, &application, [&arguments] { changeAndEnd(arguments.value(2)); });
    return ptStartup::run();
}
