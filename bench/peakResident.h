#ifndef PEAKRESIDENT_H
#define PEAKRESIDENT_H

#include <QByteArray>
#include <QFile>
#include <QList>

// Peak resident size of this process in kB, or -1 where the kernel does not tell.
inline qint64 peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

#endif // PEAKRESIDENT_H
