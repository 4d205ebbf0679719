#ifndef PTLISTSYNC_H
#define PTLISTSYNC_H

#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

class ptListDataModel;

// Keeps the open list and the lists directory in step. A change to the list
// is written once changes pause, and never later than WriteDeadline after the
// first change not written yet, so that a program killed without warning
// loses at most the last second. The directory and the document in it are
// watched, so that what another program writes there (a sync tool replacing
// the document, or leaving a conflict copy beside it) is noticed: once the
// file events have settled, filesChanged() is emitted. The program's own
// writes raise it too; the list model tells them apart by their bytes.
class ptListSync : public QObject
{
    Q_OBJECT

public:
    // In milliseconds: after the last change, after the first change not
    // written yet, and after the last file event.
    static constexpr int WriteDelay = 300;
    static constexpr int WriteDeadline = 900;
    static constexpr int SettleDelay = 150;
    // How long a write waits for another program that is writing the
    // document in place.
    static constexpr int WriterPatience = 3000;

    explicit ptListSync(ptListDataModel *pList, QObject *parent = nullptr);

    // Watches pDirectory and, while it exists, the document pDocument in it.
    void watch(const QString &pDirectory, const QString &pDocument);
    // Writes the open list at once when it has changes not written yet;
    // false when writing failed. A document that cannot be read goes to the
    // trash rather than being overwritten.
    bool writeNow();

signals:
    void filesChanged();

private:
    void onListChanged();
    void onWriteTimer();
    void onFilesSettled();
    void renewWatch();

    ptListDataModel *m_list;
    QTimer m_writeTimer;
    QElapsedTimer m_firstChange;
    QElapsedTimer m_waitingForWriter;
    QFileSystemWatcher m_watcher;
    QTimer m_settleTimer;
    QString m_document;
};

#endif // PTLISTSYNC_H
