#ifndef PTXMLTEXT_H
#define PTXMLTEXT_H

#include <QByteArray>
#include <QString>

// What the writers of the list document and the settings file share.
class ptXmlText
{
public:
    // The text without the characters that XML 1.0 cannot carry (control
    // characters other than tab, newline and carriage return, unpaired
    // surrogates, U+FFFE and U+FFFF).
    static QString xmlSafe(const QString &pText);

    // Writes pData to pFileName so that the old file is replaced only once the
    // new one is complete. Returns false, leaving any old file intact, when
    // the file cannot be written.
    static bool writeFileAtomically(const QString &pFileName, const QByteArray &pData);
};

#endif // PTXMLTEXT_H
