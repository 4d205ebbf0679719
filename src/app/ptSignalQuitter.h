#ifndef PTSIGNALQUITTER_H
#define PTSIGNALQUITTER_H

#include <QObject>

#include <csignal>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a session ending, a service manager
// stopping the program, Ctrl+C in a terminal) into the signal quitRequested()
// on the GUI thread. The handler only writes the signal number into a socket
// pair; a socket notifier reads it back in the event loop, so everything the
// program does in response runs outside the handler.
//
// One instance at a time; its destructor puts the previous handlers back.
// Should the socket pair or a handler not be set up, those signals keep
// their previous handling.
class ptSignalQuitter : public QObject
{
    Q_OBJECT

public:
    explicit ptSignalQuitter(QObject *parent = nullptr);
    ~ptSignalQuitter() override;

signals:
    void quitRequested(int pSignal);

private slots:
    void readSignals();

private:
    static void handleSignal(int pSignal);

    static constexpr int SignalCount = 3;
    static const int s_signals[SignalCount];
    static int s_sockets[2];

    QSocketNotifier *m_notifier = nullptr;
    struct sigaction m_previous[SignalCount] = {};
    bool m_installed[SignalCount] {};
};

#endif // PTSIGNALQUITTER_H
