#include "ptTrash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Where QFile::moveToTrash finds no trash directory it can use, it makes one
// in the current directory; so a file goes to the trash only while the home
// trash exists or can be made.
bool hasTrash()
{
    return QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                         + QStringLiteral("/Trash"));
}

} // namespace

bool ptTrash::discard(const QString &pFileName)
{
    return (hasTrash() && QFile::moveToTrash(pFileName)) || QFile::remove(pFileName);
}

QString ptTrash::moveToTrash(const QString &pFileName)
{
    QString trashPath;
    if (!hasTrash() || !QFile::moveToTrash(pFileName, &trashPath))
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
