#ifndef PTLISTTEXT_H
#define PTLISTTEXT_H

#include <QList>
#include <QString>
#include <QStringList>

#include "ptListDocument.h"

// A list as plain text, for the clipboard, and lines of text as items. The
// text is the list's name and note, a blank line, then one line per item
// under a line with its category and ":":
//
//     • milk — 2 l — 1.50 € — skimmed
//     ✓ bread
//
// "•" for an item still to take, "✓" for one in the cart, then the name and,
// where set, " — " before the amount and its unit, the price and its
// currency sign, and the note. Read back, such a text gives the same items.
// Other text gives one item per line, its bullet, check box or number taken
// away.
class ptListText
{
public:
    // What the text says in words: the amount units by their rows, the list's
    // currency sign and the category of items without one.
    struct Words
    {
        QStringList units;
        QString currencySign;
        QString uncategorised;
    };

    // The list's text, its items in the order shown: by category or, without
    // pByCategory, by name (a category line wherever the category changes).
    static QString write(const ptListDocument::Content &pList, bool pByCategory,
                         const Words &pWords);
    // One item line, as write() gives it.
    static QString itemLine(const ptItemRecord &pItem, const Words &pWords);
    // The items of pText, in its order; blank lines and lines without a name
    // give none.
    static QList<ptItemRecord> read(const QString &pText, const Words &pWords);
};

#endif // PTLISTTEXT_H
