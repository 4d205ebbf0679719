#ifndef PTSCREENSAVERINHIBITOR_H
#define PTSCREENSAVERINHIBITOR_H

#include <QObject>

class QDBusPendingCallWatcher;

// Asks the session's screen saver (org.freedesktop.ScreenSaver on the session
// bus) not to blank the screen while inhibited, and releases it when no
// longer inhibited or when destroyed. The calls do not wait: the cookie is
// kept when the reply comes, and released at once if the wish has changed by
// then; only the destructor waits for a reply still on its way (at most
// RequestTimeout). Without a session bus or a screen saver nothing happens.
class ptScreenSaverInhibitor : public QObject
{
    Q_OBJECT

public:
    explicit ptScreenSaverInhibitor(QObject *parent = nullptr);
    ~ptScreenSaverInhibitor() override;

    void setInhibited(bool pInhibited);

private:
    static constexpr int RequestTimeout = 2000; // ms

    void request();
    void takeReply(QDBusPendingCallWatcher *pCall);
    void release();

    bool m_wanted = false;
    QDBusPendingCallWatcher *m_request = nullptr;
    bool m_holding = false;
    uint m_cookie = 0;
};

#endif // PTSCREENSAVERINHIBITOR_H
