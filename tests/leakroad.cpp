// The road of the leak check: start, create and open a list, shop with it
// through the real scenes, quit. Runs the real start-up path.
#include <QApplication>
#include <QQuickItem>
#include <QQuickView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdlib>

#include "ptApplicationManager.h"
#include "ptSceneSingletons.h"
#include "ptStartup.h"

namespace {

void fail(const char *pWhat)
{
    qWarning("leak road: %s", pWhat);
    std::_Exit(2);
}

QQuickView *findView()
{
    const QWindowList windows = QGuiApplication::topLevelWindows();
    for (QWindow *window : windows) {
        if (auto *view = qobject_cast<QQuickView *>(window))
            return view;
    }
    return nullptr;
}

// The first item below pRoot whose type declares pSignal.
QQuickItem *findBySignal(QQuickItem *pRoot, const char *pSignal)
{
    for (QQuickItem *child : pRoot->childItems()) {
        if (child->metaObject()->indexOfSignal(pSignal) >= 0)
            return child;
        if (QQuickItem *found = findBySignal(child, pSignal))
            return found;
    }
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir dataDir;
    qputenv("XDG_DATA_HOME", dataDir.path().toLocal8Bit());
    ptStartup::setIdentity();
    QApplication application(argc, argv);

    QTimer::singleShot(300, &application, [] {
        QQuickView *view = findView();
        if (!view)
            fail("no view");
        ptApplicationManager *manager = ptSceneSingletons::s_manager;
        manager->createNewList(QStringLiteral("Leak check"), 44, QStringLiteral("note"));
        for (int i = 0; i < 20; ++i)
            manager->addItem(0, QStringLiteral("Item %1").arg(i),
                             QStringLiteral("Category %1").arg(i % 3), QStringLiteral("1.5"),
                             QStringLiteral("2"), 1, QString());
        manager->listDataModel()->saveModel();
        manager->listDataModel()->releaseModel();
        manager->updateListsDataModel();
        if (!manager->loadList(0))
            fail("the list did not load");
        // Through the lists screen's own signal where the scene offers it.
        if (QQuickItem *lists = findBySignal(view->rootObject(), "listReadyForShop()"))
            QMetaObject::invokeMethod(lists, "listReadyForShop");
    });
    QTimer::singleShot(1500, &application, [] {
        ptApplicationManager *manager = ptSceneSingletons::s_manager;
        ptListDataModel *list = manager->listDataModel();
        if (list->rowCount() == 0)
            fail("the list shows no rows");
        while (list->rowCount() > 0)
            list->toggleItem(list->rowCount() - 1);
        list->displayCart(true);
        list->toggleItem(1);
        manager->quit();
    });
    return ptStartup::run();
}
