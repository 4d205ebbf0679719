#ifndef PTSINGLEINSTANCE_H
#define PTSINGLEINSTANCE_H

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

// One running program per data directory: two programs on the same files
// would each overwrite the other's changes when they quit. The first program
// holds a lock file in the data directory and listens for later starts; a
// later start asks it to come to the front and ends.
class ptSingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit ptSingleInstance(const QString &pDataDirectory, QObject *parent = nullptr);

    // True when this program may run: it holds the lock, or no lock file can
    // be made at all (the start-up then finds out what is wrong with the data
    // directory). False when another program holds the lock; that program has
    // been asked to come to the front.
    bool acquire();

signals:
    // A later start on the same data directory wants the window.
    void activationRequested();

private:
    void askRunningProgram();
    void onNewConnection();

    QString m_serverName;
    QString m_dataDirectory;
    QLockFile m_lock;
    QLocalServer m_server;
};

#endif // PTSINGLEINSTANCE_H
