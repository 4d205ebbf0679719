#include "ptSceneDriver.h"

#include <QAbstractItemModel>
#include <QElapsedTimer>
#include <QPointer>
#include <QQuickItem>
#include <QQuickView>
#include <QtTest>

#include <algorithm>

#include "ptApplicationManager.h"
#include "ptStartup.h"

ptSceneDriver::ptSceneDriver() = default;

ptSceneDriver::~ptSceneDriver()
{
    stop();
}

bool ptSceneDriver::start()
{
    m_manager = std::make_unique<ptApplicationManager>();
    if (!m_manager->initialize()) {
        QTest::qFail("the controller did not initialise", __FILE__, __LINE__);
        return false;
    }
    m_view = std::make_unique<QQuickView>();
    ptStartup::loadRootScene(m_view.get(), m_manager.get());
    m_view->resize(800, 480);
    m_view->show();
    if (!QTest::qWaitForWindowExposed(m_view.get()) || !root()) {
        QTest::qFail("the root scene did not come up", __FILE__, __LINE__);
        return false;
    }
    if (!QTest::qWaitFor([this] { return button(QStringLiteral("new list")) != nullptr; })) {
        QTest::qFail("the lists screen did not come up", __FILE__, __LINE__);
        return false;
    }
    return true;
}

void ptSceneDriver::stop()
{
    if (m_manager)
        m_manager->setView(nullptr);
    m_view.reset();
    m_manager.reset();
}

QQuickItem *ptSceneDriver::root() const
{
    return m_view ? m_view->rootObject() : nullptr;
}

bool ptSceneDriver::isShown(QQuickItem *pItem)
{
    for (QQuickItem *item = pItem; item; item = item->parentItem()) {
        if (!item->isVisible() || item->opacity() <= 0.0)
            return false;
    }
    return true;
}

QList<QQuickItem *> ptSceneDriver::findAll(const Predicate &pPredicate, QQuickItem *pFrom) const
{
    QList<QQuickItem *> found;
    QList<QQuickItem *> pending {pFrom ? pFrom : root()};
    while (!pending.isEmpty()) {
        QQuickItem *item = pending.takeFirst();
        if (!item)
            continue;
        if (pPredicate(item))
            found.append(item);
        pending.append(item->childItems());
    }
    return found;
}

QQuickItem *ptSceneDriver::named(const QString &pName, QQuickItem *pFrom) const
{
    return findAll(
                   [&](QQuickItem *pItem) {
                       return pItem->objectName() == pName && isShown(pItem);
                   },
                   pFrom)
            .value(0);
}

QQuickItem *ptSceneDriver::button(const QString &pLabel, QQuickItem *pFrom) const
{
    const QList<QQuickItem *> found = findAll(
            [&](QQuickItem *pItem) {
                const QVariant label = pItem->property("buttonLabel");
                return label.isValid() && label.toString() == pLabel && isShown(pItem);
            },
            pFrom);
    return found.isEmpty() ? nullptr : found.last();
}

QQuickItem *ptSceneDriver::text(const QString &pText, QQuickItem *pFrom) const
{
    return findAll(
                   [&](QQuickItem *pItem) {
                       return pItem->inherits("QQuickText")
                               && pItem->property("text").toString() == pText && isShown(pItem);
                   },
                   pFrom)
            .value(0);
}

QQuickItem *ptSceneDriver::find(const QString &pName) const
{
    return findAll([&](QQuickItem *pItem) { return pItem->objectName() == pName; }).value(0);
}

QQuickItem *ptSceneDriver::loaded(const QString &pLoaderName) const
{
    QQuickItem *loader = find(pLoaderName);
    return loader ? qvariant_cast<QQuickItem *>(loader->property("item")) : nullptr;
}

qreal ptSceneDriver::opacity(const QString &pName) const
{
    qreal drawn = 0.0;
    QQuickItem *item = find(pName);
    if (item)
        drawn = 1.0;
    for (; item; item = item->parentItem()) {
        if (!item->isVisible())
            return 0.0;
        drawn *= item->opacity();
    }
    return drawn;
}

bool ptSceneDriver::waitForFrames(int pFrames)
{
    QSignalSpy frames(m_view.get(), &QQuickWindow::frameSwapped);
    for (int i = 0; i < pFrames; ++i) {
        m_view->update();
        if (!frames.wait(5000))
            return false;
    }
    return true;
}

void ptSceneDriver::click(QQuickItem *pItem)
{
    QVERIFY(pItem);
    QPointer<QQuickItem> item(pItem);
    const auto place = [&item] { return item->mapRectToScene(item->boundingRect()); };
    // The tap must reach the item, something inside it, or a touch area that
    // fills the item's parent beside it (a row's touch area under its texts).
    const auto reaches = [&item](QQuickItem *pTarget) {
        for (QQuickItem *up = pTarget; up; up = up->parentItem()) {
            if (up == item)
                return true;
        }
        return pTarget && pTarget->parentItem() == item->parentItem();
    };
    // Ready: the item's place on screen has not changed over frames drawn
    // across at least 100 ms (a slide or growth that has only just started can
    // leave two successive frames alike, not 100 ms of them), and nothing lies
    // over it that would take the tap, such as a menu still fading out.
    QRectF last;
    QElapsedTimer still;
    const bool ready = QTest::qWaitFor([&] {
        if (!waitForFrames() || !item)
            return true;
        const QRectF now = place();
        if (now != last || !still.isValid()) {
            last = now;
            still.start();
            return false;
        }
        return still.elapsed() >= 100 && reaches(tapTarget(now.center().toPoint()));
    });
    QVERIFY2(item, "the item went away before the tap");
    QVERIFY2(isShown(item), qPrintable(item->objectName() + QStringLiteral(" is not shown")));

    const QPointF point = place().center();
    QVERIFY(QRectF(QPointF(0, 0), m_view->size()).contains(point));
    for (QQuickItem *clipper = item->parentItem(); clipper; clipper = clipper->parentItem()) {
        if (clipper->clip()) {
            QVERIFY2(clipper->contains(clipper->mapFromScene(point)),
                     qPrintable(item->objectName() + QStringLiteral(" is clipped away")));
        }
    }
    if (!ready) {
        QQuickItem *target = tapTarget(point.toPoint());
        QVERIFY2(false,
                 qPrintable(QStringLiteral("%1 did not come to rest uncovered; a tap would go to "
                                           "%2 in %3")
                                    .arg(item->objectName(),
                                         target ? QString::fromLatin1(
                                                 target->metaObject()->className())
                                                : QStringLiteral("nothing"),
                                         target && target->parentItem()
                                                 ? target->parentItem()->objectName()
                                                 : QString())));
    }
    clickAt(point.toPoint());
}

QQuickItem *ptSceneDriver::tapTarget(const QPointF &pPoint) const
{
    return root() ? tapTargetIn(root(), pPoint) : nullptr;
}

QQuickItem *ptSceneDriver::tapTargetIn(QQuickItem *pItem, const QPointF &pPoint)
{
    if (!pItem->isVisible() || !pItem->isEnabled())
        return nullptr;
    const QPointF local = pItem->mapFromScene(pPoint);
    if (pItem->clip() && !pItem->contains(local))
        return nullptr;
    // Children in drawing order, the last drawn first.
    QList<QQuickItem *> children = pItem->childItems();
    std::stable_sort(children.begin(), children.end(),
                     [](QQuickItem *pA, QQuickItem *pB) { return pA->z() < pB->z(); });
    for (auto child = children.crbegin(); child != children.crend(); ++child) {
        if (QQuickItem *found = tapTargetIn(*child, pPoint))
            return found;
    }
    if (pItem->acceptedMouseButtons() & Qt::LeftButton && pItem->contains(local))
        return pItem;
    return nullptr;
}

void ptSceneDriver::clickAt(const QPoint &pPoint)
{
    QTest::mouseClick(m_view.get(), Qt::LeftButton, Qt::NoModifier, pPoint);
}

void ptSceneDriver::typeText(const QString &pText)
{
    for (const QChar ch : pText) {
        if (ch.unicode() < 128)
            QTest::keyClick(m_view.get(), ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, m_view.get(), Qt::Key_unknown, QString(ch),
                                Qt::NoModifier);
    }
}

void ptSceneDriver::typeInto(const QString &pInputName, const QString &pText)
{
    QQuickItem *input = named(pInputName);
    QVERIFY2(input, qPrintable(pInputName));
    click(input);
    QTRY_VERIFY(input->hasActiveFocus());
    QTest::keyClick(m_view.get(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(m_view.get(), Qt::Key_Backspace);
    typeText(pText);
}

QString ptSceneDriver::roleText(QAbstractItemModel *pModel, int pRow, const QByteArray &pRole)
{
    return pModel->data(pModel->index(pRow, 0), pModel->roleNames().key(pRole)).toString();
}
