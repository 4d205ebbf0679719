#ifndef PTLISTDOCUMENT_H
#define PTLISTDOCUMENT_H

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QXmlStreamReader>

#include "ptItemRecord.h"

// The list document, the one place that knows its format: a 4-byte big-endian
// length and a zlib stream (qCompress) of UTF-8 XML without a declaration,
// whose root "pantrix_list" carries the list's information and summary in a
// fixed order and holds one "item" element per item, each with one attribute
// per key of the record. The list model reads and writes whole documents
// through it; the lists overview reads only the root's start tag.
class ptListDocument
{
public:
    // Upper bound of a document's XML; larger claims are refused.
    static constexpr quint32 MaxDocumentSize = 64u * 1024u * 1024u;
    // Upper bound of the root's start tag, which the overview reads on its own:
    // a longer one makes a document unreadable. The XML reader's work grows
    // with the square of a tag's attributes (100,000 of them took 25 seconds,
    // this bound's worst about 10 ms). The program writes at most about 12 KiB
    // there: a name and a note of MaxTextLength characters, each escaped to at
    // most six bytes.
    static constexpr qsizetype MaxStartTagSize = 16 * 1024;
    // The most of a list's name and note that a document keeps, in UTF-16 code
    // units; the sheets take no more.
    static constexpr int MaxTextLength = 1000;

    enum ReadResult { Read, CannotOpen, Damaged };

    // A whole document: the root's attributes and the item records, in
    // document order.
    struct Content
    {
        QHash<QString, QString> info;
        QList<ptItemRecord> items;
        bool hasRoot = false; // a list document at all

        bool operator==(const Content &pOther) const
        {
            return info == pOther.info && items == pOther.items;
        }
    };

    // The bytes of the file at pPath as stored; empty, with the reason in
    // pResult, when it cannot be opened or is too large to be a document.
    static QByteArray readFile(const QString &pPath, ReadResult *pResult);
    // The XML of a document's stored bytes; empty when they do not inflate
    // within MaxDocumentSize.
    static QByteArray inflate(const QByteArray &pStored);
    // The XML of the document at pPath; empty, with the reason in pResult,
    // when it cannot be opened, holds nothing or does not inflate.
    static QByteArray readXml(const QString &pPath, ReadResult *pResult);

    // The attributes of the first root start tag within MaxStartTagSize bytes
    // of pXml; empty when there is none.
    static QHash<QString, QString> readSummary(const QByteArray &pXml);
    // The root's attributes and the items of pXml, until its end or its first
    // XML error.
    static Content read(const QByteArray &pXml);

    // The stored bytes of a document: the root with the name, currency and
    // note of pInfo and the summary, then every record that is not deleted,
    // its usual keys in a fixed order and any others sorted, so that equal
    // lists give equal files. Characters XML cannot carry are left out.
    static QByteArray write(const QHash<QString, QString> &pInfo, const QList<ptItemRecord> &pItems,
                            const QString &pItemsList, const QString &pPriceList);

private:
    // Reads a document's XML element by element: the root and the items, in
    // document order, until its end or its first XML error.
    class Reader
    {
    public:
        enum Element { Root, Item, End };

        explicit Reader(const QByteArray &pXml) : m_xml(pXml) { }
        Element next();
        QXmlStreamAttributes attributes() const { return m_xml.attributes(); }

    private:
        QXmlStreamReader m_xml;
    };
};

#endif // PTLISTDOCUMENT_H
