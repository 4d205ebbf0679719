#ifndef PTXMLTEXT_H
#define PTXMLTEXT_H

#include <QByteArray>
#include <QString>

// Helpers shared by the readers and writers of the list document and the
// settings file.
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

    // Upper bound of an uncompressed list document; larger claims are refused.
    static constexpr quint32 MaxDocumentSize = 64u * 1024u * 1024u;

    // Upper bound of the list document's root start tag, read on its own by
    // the lists overview. The program writes at most about 12 KiB there (a
    // name and a note of MaxTextLength characters, each escaped to at most
    // six bytes); more, or a tag that ends later, makes a document
    // unreadable. The XML reader's work grows with the square of a tag's
    // attributes: 100,000 of them took 25 seconds, the bound's worst about
    // 10 ms.
    static constexpr qsizetype MaxStartTagSize = 16 * 1024;
    // Upper bound of a name, category or note as the item and list sheets
    // take it, in UTF-16 code units.
    static constexpr int MaxTextLength = 1000;

    // qUncompress with the size claim checked against MaxDocumentSize first.
    static QByteArray uncompressDocument(const QByteArray &pData);
};

#endif // PTXMLTEXT_H
