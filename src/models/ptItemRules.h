#ifndef PTITEMRULES_H
#define PTITEMRULES_H

#include <QList>
#include <QString>
#include <QStringView>

// What the list and the My Items catalogue agree on about an item: the
// category that stands for none, the status texts, how a typed category is
// stored, how a price or an amount reads, and the order of the rows.
namespace ptItemRules {

// Stored as the category of an item without one; sorts after ordinary text.
constexpr QChar UncategorisedMarker = QChar(0xF000);

inline const QString StatusUnchecked = QStringLiteral("unchecked");
inline const QString StatusChecked = QStringLiteral("checked");
inline const QString StatusDeleted = QStringLiteral("deleted");

// What places a row. Its key is the category, ":" and the name; a header
// has no name and the item -1. Rows sorted by product leave the category
// empty, which orders them by name alone. The rank, when not 0, is the
// category's place among the categories of the rows sorted with it.
struct RowKey
{
    QStringView category;
    QStringView name;
    int item = -1;
    int rank = 0;
};

// A shown row: the item (an index into the model's records) or, for a
// header (item -1), its category.
struct Row
{
    int item = -1;
    QString category;
};

// Keys in the order of their UTF-16 code units ("Meat - frozen:" before
// "Meat:"); among equal keys a header first, then the newer item (the
// higher index) first. Different ranks decide first, which agrees with
// that order when sortedRows gave them.
bool goesBefore(const RowKey &pFirst, const RowKey &pSecond);

// The items sorted, each category's header (when pHeaders) before the
// first item of its key range.
QList<Row> sortedRows(QList<RowKey> pItems, bool pHeaders);

// pCategory simplified; empty, "Uncategorised" or its translation
// pUncategorised give the marker.
QString normalisedCategory(const QString &pCategory, const QString &pUncategorised);

// A price or an amount as the item dialog hands it over, as it is stored:
// a decimal comma becomes a point, so that "0,250" is not read as 250; a
// text without a digit is empty, as if nothing had been typed.
QString typedNumber(const QString &pText);

// A price or an amount: read by the C locale ("1,500" is 1500), else by
// the German one ("2,5" is 2.5), else 0.
double readNumber(const QString &pText);

} // namespace ptItemRules

#endif // PTITEMRULES_H
