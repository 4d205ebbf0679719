#include "ptXmlText.h"

#include <QSaveFile>

QString ptXmlText::xmlSafe(const QString &pText)
{
    QString safe;
    safe.reserve(pText.size());
    const qsizetype size = pText.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = pText.at(i);
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < size && pText.at(i + 1).isLowSurrogate()) {
            safe.append(c);
            safe.append(pText.at(++i));
            continue;
        }
        if (c.isSurrogate())
            continue;
        if (u < 0x20 && u != 0x09 && u != 0x0A && u != 0x0D)
            continue;
        if (u == 0xFFFE || u == 0xFFFF)
            continue;
        safe.append(c);
    }
    return safe;
}

bool ptXmlText::writeFileAtomically(const QString &pFileName, const QByteArray &pData)
{
    // Unbuffered, so that a short or failed write shows in write() itself.
    QSaveFile file(pFileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(pData) != pData.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
