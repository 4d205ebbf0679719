#include "ptListSync.h"

#include <QFile>

#include "ptListDataModel.h"
#include "ptTrash.h"

ptListSync::ptListSync(ptListDataModel *pList, QObject *parent) : QObject(parent), m_list(pList)
{
    m_writeTimer.setSingleShot(true);
    connect(&m_writeTimer, &QTimer::timeout, this, &ptListSync::onWriteTimer);
    connect(m_list, &ptListDataModel::documentChanged, this, &ptListSync::onListChanged);

    m_settleTimer.setSingleShot(true);
    m_settleTimer.setInterval(SettleDelay);
    connect(&m_settleTimer, &QTimer::timeout, this, &ptListSync::onFilesSettled);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settleTimer,
            qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settleTimer,
            qOverload<>(&QTimer::start));
}

void ptListSync::watch(const QString &pDirectory, const QString &pDocument)
{
    m_document = pDocument;
    if (!m_watcher.directories().contains(pDirectory))
        m_watcher.addPath(pDirectory);
    renewWatch();
}

bool ptListSync::writeNow()
{
    m_writeTimer.stop();
    m_waitingForWriter.invalidate();
    if (!m_list->isModified())
        return true;
    if (m_list->isFileUnreadable())
        ptTrash::moveToTrash(m_list->listFileName());
    return m_list->saveModel();
}

// Another program that writes the document in place leaves it unreadable
// until it is done; its version is waited for, to be merged.
void ptListSync::onWriteTimer()
{
    if (m_list->isModified() && m_list->isFileUnreadable()) {
        if (!m_waitingForWriter.isValid())
            m_waitingForWriter.start();
        if (m_waitingForWriter.elapsed() < WriterPatience) {
            m_writeTimer.start(WriteDelay);
            return;
        }
    }
    writeNow();
}

void ptListSync::onListChanged()
{
    if (!m_writeTimer.isActive())
        m_firstChange.start();
    const int left = WriteDeadline - int(m_firstChange.elapsed());
    m_writeTimer.start(qBound(0, left, WriteDelay));
}

void ptListSync::onFilesSettled()
{
    renewWatch();
    emit filesChanged();
}

// A watch on a file ends when the file is replaced, as when a sync tool
// renames its download over the document.
void ptListSync::renewWatch()
{
    if (!m_document.isEmpty() && !m_watcher.files().contains(m_document)
        && QFile::exists(m_document))
        m_watcher.addPath(m_document);
}
