#ifndef PTTESTFILES_H
#define PTTESTFILES_H

#include <QDir> // with QFile and QFileInfo

// The file's bytes; a note saying so when it cannot be read, which no file
// the program writes equals.
inline QByteArray readFile(const QString &pPath)
{
    QFile file(pPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

// Writes the file whole, making its directory first.
inline bool writeFile(const QString &pPath, const QByteArray &pBytes)
{
    QFile file(pPath);
    return QDir().mkpath(QFileInfo(pPath).absolutePath()) && file.open(QIODevice::WriteOnly)
            && file.write(pBytes) == pBytes.size();
}

#endif // PTTESTFILES_H
