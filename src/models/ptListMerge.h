#ifndef PTLISTMERGE_H
#define PTLISTMERGE_H

#include "ptListDocument.h"

// Merges two versions of a list that went apart from a common one: this
// device's ("mine") and another's ("theirs"), as a sync tool brings it.
//
// Items pair up by their row key, name and category; items of equal keys pair
// up in document order. What either side added is kept. A value changed on
// one side takes that side's value; changed on both, mine wins. An item
// deleted on one side and unchanged on the other is deleted; deleted on one
// side and changed on the other, it is kept. The list's name, currency and
// note merge like an item's values.
//
// Without a common version (a conflict copy beside the document) nothing
// counts as deleted: an item on both sides keeps my values, an item on one
// side only is kept.
class ptListMerge
{
public:
    static ptListDocument::Content merge(const ptListDocument::Content *pBase,
                                         const ptListDocument::Content &pMine,
                                         const ptListDocument::Content &pTheirs);
};

#endif // PTLISTMERGE_H
