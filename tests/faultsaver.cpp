// Saves in an endless loop until it is killed: "settings" switches the
// language back and forth, "list" rewrites the list document with one of two
// contents. The data directory comes from XDG_DATA_HOME. Prints "saving"
// once the first save is on disk, so the killer knows a file exists.
#include <QApplication>

#include <cstdio>

#include "ptApplicationManager.h"
#include "ptStartup.h"

int main(int argc, char *argv[])
{
    ptStartup::setIdentity();
    QApplication application(argc, argv);
    const bool settings = application.arguments().value(1) == QLatin1String("settings");

    ptApplicationManager manager;
    if (!manager.initialize())
        return 1;
    ptListDataModel *list = manager.listDataModel();
    if (!settings && !manager.createNewList(QStringLiteral("Old"), 0, QString()))
        return 1;

    for (int round = 0;; ++round) {
        if (settings) {
            manager.setCurrentLanguage(round % 2);
        } else {
            const bool large = round % 2;
            list->releaseModel();
            if (!list->newModel(ptApplicationManager::listDocumentPath(),
                                large ? QStringLiteral("Large") : QStringLiteral("Small"), 0,
                                QString()))
                return 1;
            for (int i = 0; large && i < 500; ++i)
                list->addItem(QStringLiteral("Item %1").arg(i), QStringLiteral("Category"),
                              QStringLiteral("1.00"), QStringLiteral("2"), 0, QString());
            if (!list->saveModel())
                return 1;
        }
        if (round == 0) {
            std::fputs("saving\n", stdout);
            std::fflush(stdout);
        }
    }
}
