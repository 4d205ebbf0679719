#ifndef PTSTARTUP_H
#define PTSTARTUP_H

#include <memory>

class QQuickView;
class QThread;
class ptApplicationManager;

// Start-up and teardown of the program, apart from the application object,
// which the entry point creates.
class ptStartup
{
public:
    // Organisation and application names; they also fix the data directory.
    static void setIdentity();

    // Starts reading the system's fonts on a thread of its own, so that it
    // runs beside the loading of the scenes, whose first text waits for it.
    // The thread ends by itself; wait for it before the application object
    // goes.
    static std::unique_ptr<QThread> readFonts();

    // Hands the view to the controller, publishes it and its models to the
    // scenes and loads the root scene, sized to the view. The caller shows the view.
    static void loadRootScene(QQuickView *pView, ptApplicationManager *pManager);

    // Creates the controller, initialises it, shows the root scene and runs
    // the event loop of the existing application object. Returns the exit
    // code: 1 when initialisation failed, otherwise the event loop's code;
    // 0 at once when a program already runs on the same data directory.
    static int run();
};

#endif // PTSTARTUP_H
