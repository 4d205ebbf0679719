#include "ptSettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "ptXmlText.h"

namespace {

const QString LanguageName = QStringLiteral("language");
const QString CurrencyName = QStringLiteral("currency");

int numberIn(const QHash<QString, QString> &pValues, const QString &pName)
{
    bool ok = false;
    const int value = pValues.value(pName).toInt(&ok, 10);
    return ok ? value : 0;
}

void writeItem(QXmlStreamWriter &pWriter, const QString &pName, int pValue)
{
    pWriter.writeEmptyElement(QStringLiteral("item"));
    pWriter.writeAttribute(QStringLiteral("name"), pName);
    pWriter.writeAttribute(QStringLiteral("value"), QString::number(pValue));
}

} // namespace

bool ptSettingsFile::read(const QString &pPath, Settings *pSettings)
{
    QFile file(pPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;

    // Any root, items at any depth; a later item of a name wins.
    QHash<QString, QString> values;
    QXmlStreamReader reader(file.readAll());
    while (!reader.atEnd() && !reader.hasError()) {
        if (reader.readNext() == QXmlStreamReader::StartElement
            && reader.name() == QLatin1String("item")) {
            const QXmlStreamAttributes attributes = reader.attributes();
            values.insert(attributes.value(QLatin1String("name")).toString(),
                          attributes.value(QLatin1String("value")).toString());
        }
    }
    pSettings->language = numberIn(values, LanguageName);
    pSettings->currency = numberIn(values, CurrencyName);
    return true;
}

bool ptSettingsFile::write(const QString &pPath, const Settings &pSettings)
{
    if (!QDir().mkpath(QFileInfo(pPath).absolutePath()))
        return false;
    QByteArray document;
    QXmlStreamWriter writer(&document);
    writer.setAutoFormatting(true);
    writer.writeStartElement(QStringLiteral("pantrix_settings"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0.0"));
    writeItem(writer, LanguageName, pSettings.language);
    writeItem(writer, CurrencyName, pSettings.currency);
    writer.writeEndElement();
    return ptXmlText::writeFileAtomically(pPath, document);
}
