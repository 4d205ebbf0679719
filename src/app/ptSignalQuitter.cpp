#include "ptSignalQuitter.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

const int ptSignalQuitter::s_signals[SignalCount] = {SIGTERM, SIGINT, SIGHUP};
int ptSignalQuitter::s_sockets[2] = {-1, -1};

ptSignalQuitter::ptSignalQuitter(QObject *parent) : QObject(parent)
{
    if (s_sockets[0] != -1)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_sockets) != 0) {
        s_sockets[0] = s_sockets[1] = -1;
        return;
    }
    // A burst of signals must never block the handler: once the socket's
    // buffer is full the further bytes are dropped, one is enough to quit.
    ::fcntl(s_sockets[1], F_SETFL, ::fcntl(s_sockets[1], F_GETFL) | O_NONBLOCK);
    ::fcntl(s_sockets[0], F_SETFL, ::fcntl(s_sockets[0], F_GETFL) | O_NONBLOCK);

    m_notifier = new QSocketNotifier(s_sockets[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ptSignalQuitter::readSignals);

    struct sigaction action = {};
    action.sa_handler = &ptSignalQuitter::handleSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < SignalCount; ++i)
        m_installed[i] = ::sigaction(s_signals[i], &action, &m_previous[i]) == 0;
}

ptSignalQuitter::~ptSignalQuitter()
{
    for (int i = 0; i < SignalCount; ++i) {
        if (m_installed[i])
            ::sigaction(s_signals[i], &m_previous[i], nullptr);
    }
    if (!m_notifier)
        return;
    delete m_notifier;
    ::close(s_sockets[0]);
    ::close(s_sockets[1]);
    s_sockets[0] = s_sockets[1] = -1;
}

void ptSignalQuitter::handleSignal(int pSignal)
{
    // Only async-signal-safe calls here; errno belongs to the interrupted code.
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(pSignal);
    [[maybe_unused]] const ssize_t written = ::write(s_sockets[1], &number, 1);
    errno = savedErrno;
}

void ptSignalQuitter::readSignals()
{
    unsigned char numbers[16];
    ssize_t count = 0;
    int last = 0;
    while ((count = ::read(s_sockets[0], numbers, sizeof numbers)) > 0)
        last = numbers[count - 1];
    if (last != 0)
        emit quitRequested(last);
}
