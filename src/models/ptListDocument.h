#ifndef PTLISTDOCUMENT_H
#define PTLISTDOCUMENT_H

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

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

    // The XML of the document at pPath; empty, with the reason in pResult,
    // when it cannot be opened, holds nothing or does not inflate within
    // MaxDocumentSize.
    static QByteArray readXml(const QString &pPath, ReadResult *pResult);

    // The attributes of the first root start tag within MaxStartTagSize bytes
    // of pXml; empty when there is none.
    static QHash<QString, QString> readSummary(const QByteArray &pXml);

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

    // Writes a document: the root with the list's information and summary,
    // then the items, each with its attributes.
    class Writer
    {
    public:
        Writer(const QString &pName, const QString &pCurrency, const QString &pNote,
               const QString &pItemsList, const QString &pPriceList);
        void beginItem() { m_xml.writeEmptyElement(QStringLiteral("item")); }
        // An attribute of the item begun last; characters XML cannot carry
        // are left out of the value.
        void attribute(const QString &pKey, const QString &pValue);
        // An attribute read from a document, kept only when its key is an XML
        // attribute name that needs no namespace.
        void foreignAttribute(const QString &pKey, const QString &pValue);
        // Ends the document and writes it to pPath through an atomic replace.
        bool save(const QString &pPath);

    private:
        QByteArray m_data;
        QXmlStreamWriter m_xml;
    };
};

#endif // PTLISTDOCUMENT_H
