#include "ptSceneDriver.h"

#include <QtTest>

#include <algorithm>

#include "ptStartup.h"

// Drawn: visible and not fully transparent, itself and every ancestor.
static bool isShown(QQuickItem *pItem)
{
    return !pItem || (pItem->isVisible() && pItem->opacity() > 0.0 && isShown(pItem->parentItem()));
}

bool ptSceneDriver::start()
{
    // The scene running, if any, ends first.
    if (m_manager)
        m_manager->setView(nullptr);
    m_view.reset();
    m_manager.reset();
    m_dataDir = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_dataDir->path().toUtf8());
    m_manager = std::make_unique<ptApplicationManager>();
    m_view = std::make_unique<QQuickView>();
    if (!m_dataDir->isValid() || !m_manager->initialize())
        return false;
    m_manager->setCurrentLanguage(0);
    ptStartup::loadRootScene(m_view.get(), m_manager.get());
    m_view->resize(800, 480);
    m_view->show();
    return waitFor(QStringLiteral("buttonNewList")) != root();
}

bool ptSceneDriver::startWithList(int pLanguage, const QList<QStringList> &pItems, int pCurrency,
                                  const QString &pNote)
{
    if (!start())
        return false;
    m_manager->setCurrentLanguage(pLanguage);
    if (!m_manager->createNewList(QStringLiteral("Weekend"), pCurrency, pNote))
        return false;
    for (const QStringList &item : pItems)
        m_manager->addItem(0, item.at(0), item.at(1), item.at(2), QString(), 0, QString());
    ptListDataModel *list = m_manager->listDataModel();
    if (!list->saveModel())
        return false;
    list->releaseModel();
    return m_manager->updateListsDataModel() && waitFor(QStringLiteral("listNameText")) != root();
}

// A parent before its children.
QQuickItem *ptSceneDriver::find(const char *pProperty, const QString &pValue,
                                QQuickItem *pFrom) const
{
    QList<QQuickItem *> items {pFrom ? pFrom : root()};
    for (int i = 0; i < items.size(); ++i) {
        if (items.at(i)->property(pProperty) == pValue && isShown(items.at(i)))
            return items.at(i);
        items.append(items.at(i)->childItems());
    }
    return nullptr;
}

QString ptSceneDriver::textOf(const QString &pName) const
{
    QQuickItem *item = named(pName);
    return item ? item->property("text").toString() : pName + QStringLiteral(" is not shown");
}

QQuickItem *ptSceneDriver::waitFor(const QString &pValue, QQuickItem *pFrom, const char *pProperty)
{
    QQuickItem *item = nullptr;
    if (QTest::qWaitFor([&] {
            return QTest::currentTestFailed() || (item = find(pProperty, pValue, pFrom));
        })
        && item)
        return item;
    QTest::qFail(qPrintable(pValue + QStringLiteral(" did not show")), __FILE__, __LINE__);
    return root();
}

bool ptSceneDriver::waitForFrames(int pFrames)
{
    QSignalSpy frames(m_view.get(), &QQuickWindow::frameSwapped);
    return QTest::qWaitFor([&] {
        m_view->update();
        return frames.size() >= pFrames;
    });
}

void ptSceneDriver::click(QQuickItem *pItem)
{
    // After a failure the scene is not where the test thinks; do not wait for it.
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(pItem && isShown(pItem), "the item is not shown");
    // What takes no taps itself, such as a text, is tapped through the touch
    // area of what it lies on, such as its row.
    while (pItem && !tapTarget(pItem, pItem->mapRectToScene(pItem->boundingRect()).center()))
        pItem = pItem->parentItem();
    QPointer<QQuickItem> item(pItem);
    const auto place = [&item] { return item->mapRectToScene(item->boundingRect()); };
    // Still: the same place over frames drawn across at least 100 ms (a slide
    // that has only just started can leave two successive frames alike), and
    // nothing over it, or clipping it away, that would take the tap.
    QRectF last;
    QElapsedTimer still;
    const bool ready = QTest::qWaitFor([&] {
        if (!waitForFrames() || !item)
            return true;
        if (place() != last || !still.isValid()) {
            last = place();
            still.start();
            return false;
        }
        // The tap must reach the item or something inside it.
        QQuickItem *target = tapTarget(root(), last.center());
        return still.elapsed() >= 100 && target && (target == item || item->isAncestorOf(target));
    });
    QVERIFY2(item && isShown(item), "the item went away");
    QVERIFY2(ready, qPrintable(item->objectName() + QStringLiteral(" moves or is covered")));
    clickAt(place().center());
}

QQuickItem *ptSceneDriver::tapTarget(QQuickItem *pItem, const QPointF &pPoint)
{
    const QPointF local = pItem->mapFromScene(pPoint);
    if (!pItem->isVisible() || !pItem->isEnabled() || (pItem->clip() && !pItem->contains(local)))
        return nullptr;
    // Children in drawing order, the last drawn first.
    QList<QQuickItem *> children = pItem->childItems();
    std::stable_sort(children.begin(), children.end(),
                     [](QQuickItem *pA, QQuickItem *pB) { return pA->z() < pB->z(); });
    for (auto child = children.crbegin(); child != children.crend(); ++child) {
        if (QQuickItem *found = tapTarget(*child, pPoint))
            return found;
    }
    // A text takes mouse buttons only for its links, and has none here.
    const bool takes
            = pItem->acceptedMouseButtons() & Qt::LeftButton && !pItem->inherits("QQuickText");
    return takes && pItem->contains(local) ? pItem : nullptr;
}

void ptSceneDriver::typeInto(const QString &pInputName, const QString &pText)
{
    QQuickItem *input = waitFor(pInputName);
    click(input);
    QTRY_VERIFY(input->hasActiveFocus());
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_Backspace);
    typeText(pText);
}
