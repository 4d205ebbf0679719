#ifndef PTSTARTUP_H
#define PTSTARTUP_H

class QQmlContext;
class QQuickView;
class ptApplicationManager;

// Start-up and teardown of the program, apart from the application object,
// which the entry point creates.
class ptStartup
{
public:
    // Organisation and application names; they also fix the data directory.
    static void setIdentity();

    // Publishes the controller and its six models to the scenes, in the
    // order the scenes' bindings are set up in.
    static void publishModels(QQmlContext *pContext, ptApplicationManager *pManager);

    // Hands the view to the controller, publishes the models and loads the
    // root scene, sized to the view. The caller shows the view.
    static void loadRootScene(QQuickView *pView, ptApplicationManager *pManager);

    // Creates the controller, initialises it, shows the root scene and runs
    // the event loop of the existing application object. Returns the exit
    // code: 1 when initialisation failed, otherwise the event loop's code;
    // 0 at once when a program already runs on the same data directory.
    static int run();
};

#endif // PTSTARTUP_H
