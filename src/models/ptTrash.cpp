#include "ptTrash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool ptTrash::discard(const QString &pFileName)
{
    return QFile::moveToTrash(pFileName) || QFile::remove(pFileName);
}

QString ptTrash::moveToTrash(const QString &pFileName)
{
    QString trashPath;
    if (!QFile::moveToTrash(pFileName, &trashPath))
        return QString();
    return trashPath;
}

bool ptTrash::restore(const QString &pTrashPath, const QString &pFileName)
{
    if (!QFile::rename(pTrashPath, pFileName))
        return false;
    // The trash keeps "files/NAME" and its record "info/NAME.trashinfo".
    const QFileInfo trashed(pTrashPath);
    QFile::remove(trashed.dir().absoluteFilePath(QStringLiteral("../info/") + trashed.fileName()
                                                 + QStringLiteral(".trashinfo")));
    return true;
}
