#include "ptListDocument.h"

#include <QFile>
#include <QList>

#include "ptXmlText.h"

namespace {

const QString RootName = QStringLiteral("pantrix_list");
const QString ItemName = QStringLiteral("item");

// A compressed document larger than this cannot inflate to one within
// MaxDocumentSize (zlib expands incompressible data by far less than a
// thousandth).
constexpr qint64 MaxCompressedSize
        = qint64(ptListDocument::MaxDocumentSize) + ptListDocument::MaxDocumentSize / 1000 + 64;

bool isNameStartChar(char32_t c)
{
    return (c >= 'A' && c <= 'Z') || c == '_' || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c <= 0xD6)
            || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) || (c >= 0x370 && c <= 0x37D)
            || (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D)
            || (c >= 0x2070 && c <= 0x218F) || (c >= 0x2C00 && c <= 0x2FEF)
            || (c >= 0x3001 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDCF)
            || (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

bool isNameChar(char32_t c)
{
    return isNameStartChar(c) || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 0xB7
            || (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

// True when pName can be written as an attribute name without a namespace
// declaration: an XML name without a colon, and not "xmlns".
bool isAttributeName(const QString &pName)
{
    if (pName.isEmpty() || pName == QLatin1String("xmlns"))
        return false;
    const QList<uint> codePoints = pName.toUcs4();
    for (qsizetype i = 0; i < codePoints.size(); ++i) {
        const char32_t c = codePoints.at(i);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        if (i == 0 ? !isNameStartChar(c) : !isNameChar(c))
            return false;
    }
    return true;
}

// qUncompress with the size claim checked against MaxDocumentSize first, and
// the result too: the length prefix may understate what the stream inflates to.
QByteArray uncompressDocument(const QByteArray &pData)
{
    if (pData.size() < 4)
        return QByteArray();
    const quint32 claimed = (quint32(uchar(pData.at(0))) << 24)
            | (quint32(uchar(pData.at(1))) << 16) | (quint32(uchar(pData.at(2))) << 8)
            | quint32(uchar(pData.at(3)));
    if (claimed > ptListDocument::MaxDocumentSize)
        return QByteArray();
    const QByteArray xml = qUncompress(pData);
    return xml.size() > qsizetype(ptListDocument::MaxDocumentSize) ? QByteArray() : xml;
}

} // namespace

QByteArray ptListDocument::readXml(const QString &pPath, ReadResult *pResult)
{
    QFile file(pPath);
    if (pPath.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        *pResult = CannotOpen;
        return QByteArray();
    }
    const QByteArray xml
            = file.size() > MaxCompressedSize ? QByteArray() : uncompressDocument(file.readAll());
    *pResult = xml.isEmpty() ? Damaged : Read;
    return xml;
}

QHash<QString, QString> ptListDocument::readSummary(const QByteArray &pXml)
{
    QHash<QString, QString> summary;
    Reader reader(pXml.left(MaxStartTagSize));
    Reader::Element element = Reader::Item;
    while (element == Reader::Item)
        element = reader.next();
    if (element == Reader::Root) {
        const QXmlStreamAttributes attributes = reader.attributes();
        for (const QXmlStreamAttribute &attribute : attributes)
            summary.insert(attribute.qualifiedName().toString(), attribute.value().toString());
    }
    return summary;
}

ptListDocument::Reader::Element ptListDocument::Reader::next()
{
    while (!m_xml.atEnd()) {
        m_xml.readNext();
        if (m_xml.hasError())
            break;
        if (!m_xml.isStartElement())
            continue;
        if (m_xml.qualifiedName() == RootName)
            return Root;
        if (m_xml.qualifiedName() == ItemName)
            return Item;
    }
    return End;
}

ptListDocument::Writer::Writer(const QString &pName, const QString &pCurrency, const QString &pNote,
                               const QString &pItemsList, const QString &pPriceList)
    : m_xml(&m_data)
{
    m_xml.setAutoFormatting(true);
    m_xml.writeStartElement(RootName);
    m_xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0.0"));
    attribute(QStringLiteral("name"), pName);
    attribute(QStringLiteral("currency"), pCurrency);
    attribute(QStringLiteral("note"), pNote);
    m_xml.writeAttribute(QStringLiteral("items_list"), pItemsList);
    m_xml.writeAttribute(QStringLiteral("price_list"), pPriceList);
}

void ptListDocument::Writer::attribute(const QString &pKey, const QString &pValue)
{
    m_xml.writeAttribute(pKey, ptXmlText::xmlSafe(pValue));
}

void ptListDocument::Writer::foreignAttribute(const QString &pKey, const QString &pValue)
{
    if (isAttributeName(pKey))
        attribute(pKey, pValue);
}

bool ptListDocument::Writer::save(const QString &pPath)
{
    m_xml.writeEndElement();
    m_xml.writeEndDocument();
    const QByteArray compressed = qCompress(m_data, 9);
    return !compressed.isEmpty() && ptXmlText::writeFileAtomically(pPath, compressed);
}
