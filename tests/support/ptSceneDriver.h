#ifndef PTSCENEDRIVER_H
#define PTSCENEDRIVER_H

#include <QQuickItem>
#include <QQuickView>
#include <QtTest>

#include <memory>

#include "ptApplicationManager.h"

// Runs the real root scene with the real controller in an 800 x 480
// offscreen window and acts on it as a person would: it finds what is
// shown, taps the middle of it and types on the keyboard.
//
// Each start has a data directory of its own, empty, and English chosen.
class ptSceneDriver
{
public:
    static constexpr int Euro = 44; // the row of EUR in the currency table

    // Ends the scene running, if any, initialises the controller in a new
    // data directory, shows the root scene and waits for the lists screen;
    // a test failure when that fails.
    bool start();
    // Starts in the language with a stored list "Weekend" of these items
    // (name, category, price), as a return from the editing screen leaves it.
    bool startWithList(int pLanguage, const QList<QStringList> &pItems, int pCurrency = 0,
                       const QString &pNote = QString());

    ptApplicationManager *manager() const { return m_manager.get(); }
    QQuickItem *root() const { return m_view ? m_view->rootObject() : nullptr; }
    QString rootState() const { return root()->property("state").toString(); }

    // The first shown item, breadth first, whose property has that value:
    // visible and not fully transparent, with every ancestor. Each looks
    // under pFrom, the whole scene by default.
    QQuickItem *find(const char *pProperty, const QString &pValue, QQuickItem *pFrom) const;
    QQuickItem *named(const QString &pName, QQuickItem *pFrom = nullptr) const
    {
        return find("objectName", pName, pFrom);
    }
    // The button (an item with a buttonLabel) with that label.
    QQuickItem *button(const QString &pLabel, QQuickItem *pFrom = nullptr) const
    {
        return find("buttonLabel", pLabel, pFrom);
    }
    // The text of the named item; a note saying so when it is not shown.
    QString textOf(const QString &pName) const;
    // The item (by its name, or by another property) once it is shown. When
    // it does not come that is a test failure, and the root item stands in for
    // it so that what the test checks next fails rather than crashes.
    QQuickItem *waitFor(const QString &pValue, QQuickItem *pFrom = nullptr,
                        const char *pProperty = "objectName");

    // Returns once the window has drawn pFrames more frames.
    bool waitForFrames(int pFrames = 1);
    // Taps the middle of pItem once it has stopped moving and nothing lies
    // over it: a row not placed yet, a sliding bar, a growing dialog or a menu
    // still fading out is waited for, never tapped through. It is a test
    // failure when the middle is clipped away, or when something else would
    // still take the tap after the wait (a layer that is transparent but
    // visible takes taps just like a drawn one).
    void click(QQuickItem *pItem);
    void click(const QString &pName, QQuickItem *pFrom = nullptr) { click(waitFor(pName, pFrom)); }
    void clickAt(const QPointF &pPoint)
    {
        QTest::mouseClick(m_view.get(), Qt::LeftButton, Qt::NoModifier, pPoint.toPoint());
    }
    void key(Qt::Key pKey, Qt::KeyboardModifiers pModifiers = Qt::NoModifier)
    {
        QTest::keyClick(m_view.get(), pKey, pModifiers);
    }
    // ASCII text only.
    void typeText(const QString &pText)
    {
        for (const QChar ch : pText)
            QTest::keyClick(m_view.get(), ch.toLatin1());
    }
    // Taps the named input, empties it and types pText.
    void typeInto(const QString &pInputName, const QString &pText);

private:
    // The item a tap at pPoint goes to: the topmost, deepest visible and
    // enabled item there that takes mouse buttons.
    static QQuickItem *tapTarget(QQuickItem *pItem, const QPointF &pPoint);

    std::unique_ptr<QTemporaryDir> m_dataDir;
    std::unique_ptr<ptApplicationManager> m_manager;
    std::unique_ptr<QQuickView> m_view;
};

#endif // PTSCENEDRIVER_H
