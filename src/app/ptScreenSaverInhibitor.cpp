#include "ptScreenSaverInhibitor.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>

namespace {

QDBusMessage screenSaverCall(const QString &pMethod)
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.ScreenSaver"),
                                          QStringLiteral("/org/freedesktop/ScreenSaver"),
                                          QStringLiteral("org.freedesktop.ScreenSaver"), pMethod);
}

} // namespace

ptScreenSaverInhibitor::ptScreenSaverInhibitor(QObject *parent) : QObject(parent) { }

ptScreenSaverInhibitor::~ptScreenSaverInhibitor()
{
    // A request still on its way is waited for, so that its cookie, too, is
    // released (the wait may already have handled the reply).
    m_wanted = false;
    if (QDBusPendingCallWatcher *request = m_request) {
        request->waitForFinished();
        takeReply(request);
    }
    if (m_holding)
        release();
}

void ptScreenSaverInhibitor::setInhibited(bool pInhibited)
{
    if (pInhibited == m_wanted)
        return;
    m_wanted = pInhibited;
    if (m_wanted && !m_holding && !m_request)
        request();
    else if (!m_wanted && m_holding)
        release();
}

void ptScreenSaverInhibitor::request()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = screenSaverCall(QStringLiteral("Inhibit"));
    call << QGuiApplication::applicationDisplayName() << QStringLiteral("Shopping");
    m_request = new QDBusPendingCallWatcher(bus.asyncCall(call, RequestTimeout), this);
    connect(m_request, &QDBusPendingCallWatcher::finished, this,
            &ptScreenSaverInhibitor::takeReply);
}

void ptScreenSaverInhibitor::takeReply(QDBusPendingCallWatcher *pCall)
{
    if (pCall != m_request)
        return;
    m_request = nullptr;
    pCall->deleteLater();
    const QDBusPendingReply<uint> reply = *pCall;
    if (reply.isError())
        return;
    m_cookie = reply.value();
    m_holding = true;
    if (!m_wanted)
        release();
}

void ptScreenSaverInhibitor::release()
{
    QDBusMessage call = screenSaverCall(QStringLiteral("UnInhibit"));
    call << m_cookie;
    QDBusConnection::sessionBus().send(call);
    m_holding = false;
}
