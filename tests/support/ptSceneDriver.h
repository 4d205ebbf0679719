#ifndef PTSCENEDRIVER_H
#define PTSCENEDRIVER_H

#include <QList>
#include <QPoint>
#include <QString>

#include <functional>
#include <memory>

class QAbstractItemModel;
class QQuickItem;
class QQuickView;
class ptApplicationManager;

// Runs the real root scene with the real controller in an 800 x 480
// offscreen window and acts on it as a person would: it finds what is
// shown, taps the middle of it and types on the keyboard.
//
// The data directory is whatever XDG_DATA_HOME names when start() is called.
class ptSceneDriver
{
public:
    using Predicate = std::function<bool(QQuickItem *)>;

    ptSceneDriver();
    ~ptSceneDriver();

    // Initialises the controller, shows the root scene and waits for the
    // lists screen. Returns false (after reporting a test failure) when the
    // scene does not come up.
    bool start();
    void stop();

    ptApplicationManager *manager() const { return m_manager.get(); }
    QQuickView *view() const { return m_view.get(); }
    QQuickItem *root() const;

    // Drawn: visible and not fully transparent, itself and every ancestor.
    static bool isShown(QQuickItem *pItem);

    QList<QQuickItem *> findAll(const Predicate &pPredicate, QQuickItem *pFrom = nullptr) const;
    // The first shown item with that object name.
    QQuickItem *named(const QString &pName, QQuickItem *pFrom = nullptr) const;
    // The last shown button (an item with a buttonLabel) with that label.
    QQuickItem *button(const QString &pLabel, QQuickItem *pFrom = nullptr) const;
    // The first shown text item showing exactly pText.
    QQuickItem *text(const QString &pText, QQuickItem *pFrom = nullptr) const;
    // The first item with that object name, shown or not.
    QQuickItem *find(const QString &pName) const;
    // The item a loader with that object name holds, shown or not.
    QQuickItem *loaded(const QString &pLoaderName) const;
    // The drawn opacity (its own times its ancestors') of the first item with
    // that object name; 0 when there is none or it is not visible.
    qreal opacity(const QString &pName) const;

    // Returns once the window has drawn pFrames more frames. Positioners and
    // other polished items have laid out what changed before the call by then.
    bool waitForFrames(int pFrames = 1);

    // Taps the middle of pItem once it has stopped moving and nothing lies
    // over it: a row that a positioner has not placed yet, a sliding bar, a
    // growing dialog or a menu still fading out is waited for, never tapped
    // through. It is a test failure when the middle is clipped away, or when
    // after the wait something else would still take the tap (a layer that is
    // transparent but visible takes taps just like a drawn one).
    void click(QQuickItem *pItem);
    // The item a tap at pPoint goes to: the topmost, deepest visible and
    // enabled item there that takes mouse buttons.
    QQuickItem *tapTarget(const QPointF &pPoint) const;
    void clickAt(const QPoint &pPoint);
    void typeText(const QString &pText);
    // Taps the named input, empties it and types pText.
    void typeInto(const QString &pInputName, const QString &pText);

    static QString roleText(QAbstractItemModel *pModel, int pRow, const QByteArray &pRole);

private:
    static QQuickItem *tapTargetIn(QQuickItem *pItem, const QPointF &pPoint);

    std::unique_ptr<ptApplicationManager> m_manager;
    std::unique_ptr<QQuickView> m_view;
};

#endif // PTSCENEDRIVER_H
