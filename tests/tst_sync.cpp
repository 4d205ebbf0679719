#include <QtTest>

#include <QQuickItem>

#include <cstdio>

#include "ptSceneDriver.h"
#include "ptTestFiles.h"

using namespace Qt::StringLiterals;

// The names of a stored list's items, and its name first.
static QString storedNames(const QString &pPath)
{
    ptListDataModel list;
    QStringList names {list.loadModel(pPath) ? list.listName() : u"(unreadable)"_s};
    for (const auto &item : list.items(true) + list.items(false))
        names.append(item.value(u"name"_s));
    list.releaseModel();
    return names.join(' ');
}

// Another device's version of the list, as a sync tool brings it: its name and
// the stored list's 30 items with one more.
static QByteArray otherVersion(const QString &pName, const QString &pItem)
{
    QTemporaryDir scratch;
    const QString path = scratch.filePath(u"other.ptl"_s);
    ptListDataModel list;
    list.newModel(path, pName, 0, QString());
    for (int i = 0; i < 30; ++i)
        list.addItem(u"item %1"_s.arg(i, 2, 10, QLatin1Char('0')), u"Food"_s, QString(), QString(),
                     0, QString());
    list.addItem(pItem, u"Food"_s, QString(), QString(), 0, QString());
    list.saveModel();
    list.releaseModel();
    return readFile(path);
}

// The lists screen and an open list while other programs write the lists
// directory, as Syncthing and Nextcloud do, through the real scenes and the
// real controller, offscreen.
class tst_sync : public QObject
{
    Q_OBJECT

    ptSceneDriver m_ui;

private slots:
    void otherPrograms_data()
    {
        // Whether the list is open for editing (with a change of its own, the
        // item "jam"), how the other program writes, and then the name and
        // the items (beyond the 30 stored) the screen and the file hold.
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("added");
        QTest::newRow("closed, Syncthing") << ""
                                           << "syncthing"
                                           << "Sunday"
                                           << "milk";
        QTest::newRow("closed, Nextcloud") << ""
                                           << "nextcloud"
                                           << "Sunday"
                                           << "milk";
        QTest::newRow("closed, in place") << ""
                                          << "in place"
                                          << "Sunday"
                                          << "milk";
        QTest::newRow("closed, several") << ""
                                         << "several"
                                         << "Sunday"
                                         << "milk";
        QTest::newRow("open, Syncthing") << "edit"
                                         << "syncthing"
                                         << "Sunday"
                                         << "milk";
        QTest::newRow("changed, Nextcloud") << "jam"
                                            << "nextcloud"
                                            << "Sunday"
                                            << "jam milk";
        QTest::newRow("changed, in place") << "jam"
                                           << "in place"
                                           << "Sunday"
                                           << "jam milk";
        QTest::newRow("closed, Syncthing conflict")
                << ""
                << "demo-list.sync-conflict-20261208-101500-ABCDEFG.ptl"
                << "Weekend"
                << "tea";
        QTest::newRow("changed, Nextcloud conflict")
                << "jam"
                << "demo-list (conflicted copy 2026-12-08 101500).ptl"
                << "Weekend"
                << "jam tea";
        QTest::newRow("changed, damaged") << "jam"
                                          << "damaged"
                                          << "Weekend"
                                          << "jam";
        QTest::newRow("changed, own save") << "jam"
                                           << ""
                                           << "Weekend"
                                           << "jam";
    }

    void otherPrograms()
    {
        QFETCH(QString, open);
        QFETCH(QString, how);
        QFETCH(QString, name);
        QFETCH(QString, added);
        QList<QStringList> items;
        for (int i = 0; i < 30; ++i)
            items.append({u"item %1"_s.arg(i, 2, 10, QLatin1Char('0')), u"Food"_s, QString()});
        QVERIFY(m_ui.startWithList(0, items));
        ptListDataModel *list = m_ui.manager()->listDataModel();
        QQuickItem *page = nullptr;
        const auto scrolled = [&page] { return page->property("contentY").toReal(); };
        qreal end = 0;
        if (!open.isEmpty()) {
            m_ui.click(u"itemEditButton"_s);
            page = m_ui.waitFor(u"pageList"_s);
            QTRY_VERIFY((m_ui.key(Qt::Key_End), end = scrolled()) > 0);
        }
        if (open == u"jam"_s)
            m_ui.manager()->saveItem(ptApplicationManager::ListPage, -1,
                                     {{u"name"_s, u"jam"_s}, {u"category"_s, u"Food"_s}});
        QSignalSpy reloads(list, &QAbstractItemModel::modelReset);

        const QString path = ptApplicationManager::listDocumentPath();
        const QDir lists(ptApplicationManager::listsDirectoryPath());
        const QByteArray bytes = otherVersion(name, added.section(' ', -1));
        const auto replace = [&](const QString &pTemporary, const QByteArray &pBytes) {
            QVERIFY(writeFile(lists.filePath(pTemporary), pBytes));
            QCOMPARE(std::rename(QFile::encodeName(lists.filePath(pTemporary)).constData(),
                                 QFile::encodeName(path).constData()),
                     0);
        };
        if (how == u"syncthing"_s) {
            replace(u".syncthing.demo-list.ptl.tmp"_s, bytes);
        } else if (how == u"nextcloud"_s) {
            replace(u".demo-list.ptl.~1f2e3d4c"_s, bytes);
        } else if (how == u"several"_s) {
            replace(u".syncthing.demo-list.ptl.tmp"_s, otherVersion(u"Friday"_s, u"x"_s));
            replace(u".syncthing.demo-list.ptl.tmp"_s, otherVersion(u"Saturday"_s, u"y"_s));
            replace(u".syncthing.demo-list.ptl.tmp"_s, bytes);
        } else if (how == u"in place"_s) {
            // On the lists screen, after a replacement, whose rename ends the
            // watch on the old file.
            if (open.isEmpty()) {
                replace(u".syncthing.demo-list.ptl.tmp"_s, otherVersion(u"Friday"_s, u"x"_s));
                QTest::qWait(400);
            }
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes.left(bytes.size() / 2));
            file.flush();
            QTest::qWait(400); // longer than the program waits for events to settle
            file.write(bytes.mid(bytes.size() / 2));
        } else if (how == u"damaged"_s) {
            QVERIFY(writeFile(path, "not a list"));
        } else if (!how.isEmpty()) {
            QVERIFY(writeFile(lists.filePath(how), bytes));
        }

        // Shown within two seconds; the document holds every item and
        // conflict copies are gone to the trash.
        const int rows = 32 + int(added.count(' '));
        if (open.isEmpty()) {
            QTRY_COMPARE_WITH_TIMEOUT(m_ui.textOf(u"listNameText"_s), name, 2000);
            QTRY_COMPARE(m_ui.textOf(u"listAmountText"_s), u"%1 items"_s.arg(rows - 1));
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(list->rowCount(), rows, 2000);
            QCOMPARE(list->listName(), name);
            QCOMPARE(m_ui.rootState(), u"edit"_s);
            QCOMPARE(scrolled(), end);
            // Never for its own save, nor for a file it cannot read.
            QCOMPARE(reloads.isEmpty(), how.isEmpty() || how == u"damaged"_s);
        }
        QStringList stored {name};
        for (const QStringList &item : std::as_const(items))
            stored.append(item.first());
        QTRY_COMPARE(storedNames(path), stored.join(' ') + ' ' + added);
        QCOMPARE(lists.entryList(QDir::Files | QDir::Hidden), QStringList {u"demo-list.ptl"_s});
        const QDir trash(qEnvironmentVariable("XDG_DATA_HOME") + u"/Trash/files"_s);
        const QStringList trashed = trash.entryList(QDir::Files);
        QCOMPARE(trashed.size(), int(how.endsWith(u".ptl"_s) || how == u"damaged"_s));
        if (how == u"damaged"_s)
            QCOMPARE(readFile(trash.filePath(trashed.value(0))), "not a list");
    }

    // A window hidden or put in the background may be the last thing before
    // the program is ended: the change is written at once.
    void writtenWhenHidden()
    {
        QVERIFY(m_ui.startWithList(0, {}));
        m_ui.click(u"itemEditButton"_s);
        m_ui.manager()->saveItem(ptApplicationManager::ListPage, -1, {{u"name"_s, u"jam"_s}});
        m_ui.root()->window()->hide();
        QTRY_COMPARE_WITH_TIMEOUT(storedNames(ptApplicationManager::listDocumentPath()),
                                  u"Weekend jam"_s, 150);
    }
};

QTEST_MAIN(tst_sync)
#include "tst_sync.moc"
