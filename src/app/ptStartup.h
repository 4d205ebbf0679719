#ifndef PTSTARTUP_H
#define PTSTARTUP_H

// Start-up and teardown of the program, apart from the application object,
// which the entry point creates.
class ptStartup
{
public:
    // Organisation and application names; they also fix the data directory.
    static void setIdentity();

    // Creates the controller, initialises it, shows the root scene and runs
    // the event loop of the existing application object. Returns the exit
    // code: 1 when initialisation failed, otherwise the event loop's code.
    static int run();
};

#endif // PTSTARTUP_H
