// The program's own start-up with a stored list in XDG_DATA_HOME. Once the
// root scene is up it opens the list, changes it, prints "ready" and waits
// for whatever ends it: a signal, a closed window.
#include <QApplication>
#include <QTimer>

#include <cstdio>

#include "ptStartup.h"
#include "quitroad.h"

int main(int argc, char *argv[])
{
    ptStartup::setIdentity();
    QApplication application(argc, argv);

    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&poll] {
        QQuickView *view = quitroad::runningView();
        if (!view)
            return;
        poll.stop();
        if (!quitroad::changeOpenList(quitroad::managerOf(view))) {
            std::fputs("change failed\n", stdout);
            std::fflush(stdout);
            QCoreApplication::exit(3);
            return;
        }
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
    });
    poll.start();
    return ptStartup::run();
}
