#include "ptListText.h"

#include <QRegularExpression>

#include <algorithm>

#include "ptItemRules.h"

namespace {

using Record = ptItemRecord;

const QString Separator = QStringLiteral(" \u2014 ");
const QChar OpenBullet = QChar(0x2022);
const QChar TickedBullet = QChar(0x2713);

// A bullet, a check box or a number before an item's name; the captured
// group is there for a ticked one.
const QRegularExpression &lineMark()
{
    static const QRegularExpression mark(
            QStringLiteral("^(?:[-*\u2022\u2610]\\s*|(\\[[xX]\\]|[\u2713\u2714\u2611])\\s*|\\[ "
                           "\\]\\s*|\\d+[.)]\\s+)"));
    return mark;
}

// A number and what follows it: an amount's unit or a price's currency sign.
const QRegularExpression &figure()
{
    static const QRegularExpression figure(QStringLiteral("^(\\d+(?:[.,]\\d+)?)(?:\\s+(\\S.*))?$"));
    return figure;
}

// A line ending in ":" names the category of the lines below it, unless it
// is one of this program's own item lines.
bool isHeading(const QString &pLine)
{
    return pLine.endsWith(QLatin1Char(':')) && !pLine.startsWith(OpenBullet)
            && !pLine.startsWith(TickedBullet);
}

// Takes the amount, the price and the note from pParts, the segments after
// the name, in that order; each is optional. An amount is a number and a
// unit's name, a price a number and the list's currency sign or nothing: a
// price in another currency stays in the note.
void readSegments(const QStringList &pParts, const ptListText::Words &pWords, Record &pItem)
{
    int part = 0;
    const QRegularExpressionMatch amount = figure().match(pParts.value(part));
    const int unit = amount.hasMatch() ? pWords.units.indexOf(amount.captured(2)) : -1;
    if (!amount.captured(2).isEmpty() && unit >= 0) {
        pItem.set(Record::CountField, ptItemRules::typedNumber(amount.captured(1)));
        pItem.set(Record::CountUnitField, QString::number(unit));
        ++part;
    }
    const QRegularExpressionMatch price = figure().match(pParts.value(part));
    if (price.hasMatch()
        && (price.captured(2).isEmpty() || price.captured(2) == pWords.currencySign)) {
        pItem.set(Record::PriceField, ptItemRules::typedNumber(price.captured(1)));
        ++part;
    }
    pItem.set(Record::NoteField, pParts.mid(part).join(Separator).simplified());
}

} // namespace

QString ptListText::write(const ptListDocument::Content &pList, bool pByCategory,
                          const Words &pWords)
{
    QStringList lines {pList.info.value(QStringLiteral("name"))};
    if (const QString note = pList.info.value(QStringLiteral("note")); !note.isEmpty())
        lines.append(note);
    lines.append(QString());

    QList<ptItemRules::RowKey> keys;
    for (int i = 0; i < pList.items.size(); ++i) {
        const Record &item = pList.items.at(i);
        if (item.value(Record::StatusField) != ptItemRules::StatusDeleted)
            keys.append({pByCategory ? item.value(Record::CategoryField) : QStringView(),
                         item.value(Record::NameField), i});
    }
    const QString *category = nullptr;
    for (const ptItemRules::Row &row : ptItemRules::sortedRows(std::move(keys), false)) {
        const Record &item = pList.items.at(row.item);
        if (!category || *category != item.value(Record::CategoryField)) {
            category = &item.value(Record::CategoryField);
            const bool none = category->isEmpty() || *category == ptItemRules::UncategorisedMarker;
            lines.append((none ? pWords.uncategorised : *category) + QLatin1Char(':'));
        }
        lines.append(itemLine(item, pWords));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString ptListText::itemLine(const ptItemRecord &pItem, const Words &pWords)
{
    const bool ticked = pItem.value(Record::StatusField) == ptItemRules::StatusChecked;
    QStringList parts {QString(ticked ? TickedBullet : OpenBullet) + QLatin1Char(' ')
                       + pItem.value(Record::NameField)};
    if (const QString &amount = pItem.value(Record::CountField); !amount.isEmpty()) {
        // A unit outside the table reads as the first one, which has a name.
        const QString unit = pWords.units.value(pItem.value(Record::CountUnitField).toInt());
        parts.append(amount + QLatin1Char(' ') + (unit.isEmpty() ? pWords.units.value(0) : unit));
    }
    if (const QString &price = pItem.value(Record::PriceField); !price.isEmpty())
        parts.append((price + QLatin1Char(' ') + pWords.currencySign).trimmed());
    if (const QString &note = pItem.value(Record::NoteField); !note.isEmpty())
        parts.append(note);
    return parts.join(Separator);
}

QList<ptItemRecord> ptListText::read(const QString &pText, const Words &pWords)
{
    QStringList lines = pText.split(QRegularExpression(QStringLiteral("\r\n|\r|\n|\u2028")));
    for (QString &line : lines)
        line = line.trimmed();

    // This program's own text starts with the list's name and note: the lines
    // before the first blank one, when they are not items themselves.
    const bool ownText = lines.value(0).size() > 0 && !lineMark().match(lines.value(0)).hasMatch()
            && !isHeading(lines.value(0))
            && std::any_of(lines.cbegin(), lines.cend(), [](const QString &pLine) {
                             return pLine.startsWith(OpenBullet) || pLine.startsWith(TickedBullet);
                         });
    qsizetype first = ownText ? lines.indexOf(QString()) : 0;
    if (first < 0 || first > 2)
        first = 0;

    QList<Record> items;
    QString category(ptItemRules::UncategorisedMarker);
    for (qsizetype i = first; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.isEmpty())
            continue;
        if (isHeading(line)) {
            category = ptItemRules::normalisedCategory(line.chopped(1), pWords.uncategorised);
            continue;
        }
        const QRegularExpressionMatch mark = lineMark().match(line);
        const QStringList parts = line.mid(mark.capturedLength()).split(Separator);
        Record item;
        item.set(Record::NameField, parts.first().simplified());
        if (item.value(Record::NameField).isEmpty())
            continue;
        item.set(Record::CategoryField, category);
        item.set(Record::PriceField, QString());
        item.set(Record::CountField, QString());
        item.set(Record::CountUnitField, QStringLiteral("0"));
        readSegments(parts.mid(1), pWords, item);
        item.set(Record::StatusField,
                 mark.hasCaptured(1) ? ptItemRules::StatusChecked : ptItemRules::StatusUnchecked);
        items.append(item);
    }
    return items;
}
