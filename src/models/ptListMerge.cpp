#include "ptListMerge.h"

namespace {

const QStringList InfoKeys
        = {QStringLiteral("name"), QStringLiteral("currency"), QStringLiteral("note")};

// The items of one version by row key, each key's items in document order.
class Keyed
{
public:
    explicit Keyed(const QList<ptItemRecord> &pItems) : m_items(pItems)
    {
        for (int i = 0; i < pItems.size(); ++i)
            m_byKey[key(pItems.at(i))].append(i);
    }

    static QString key(const ptItemRecord &pItem)
    {
        return pItem.value(ptItemRecord::NameField) + QChar(0)
                + pItem.value(ptItemRecord::CategoryField);
    }
    // The item that stands pOccurrence-th among those of pKey, or null.
    const ptItemRecord *at(const QString &pKey, int pOccurrence) const
    {
        const QList<int> items = m_byKey.value(pKey);
        return pOccurrence < items.size() ? &m_items.at(items.at(pOccurrence)) : nullptr;
    }

private:
    const QList<ptItemRecord> &m_items;
    QHash<QString, QList<int>> m_byKey;
};

// Mine where I changed it from the base, else theirs: key by key.
ptItemRecord mergedItem(const ptItemRecord &pBase, const ptItemRecord &pMine,
                        const ptItemRecord &pTheirs)
{
    ptItemRecord merged = pMine;
    QStringList keys = pTheirs.heldKeys() + pMine.heldKeys() + pBase.heldKeys();
    keys.removeDuplicates();
    for (const QString &key : std::as_const(keys)) {
        if (pMine.value(key) == pBase.value(key) && pTheirs.value(key) != pMine.value(key))
            merged.setValue(key, pTheirs.value(key));
    }
    return merged;
}

// The position of each item among the items of its key.
QList<int> occurrences(const QList<ptItemRecord> &pItems)
{
    QHash<QString, int> seen;
    QList<int> result;
    result.reserve(pItems.size());
    for (const ptItemRecord &item : pItems)
        result.append(seen[Keyed::key(item)]++);
    return result;
}

} // namespace

ptListDocument::Content ptListMerge::merge(const ptListDocument::Content *pBase,
                                           const ptListDocument::Content &pMine,
                                           const ptListDocument::Content &pTheirs)
{
    const ptListDocument::Content none;
    const ptListDocument::Content &base = pBase ? *pBase : none;
    const Keyed baseItems(base.items);
    const Keyed theirItems(pTheirs.items);
    const Keyed myItems(pMine.items);

    ptListDocument::Content merged;
    merged.hasRoot = true;
    merged.info = pMine.info;
    if (pBase) {
        for (const QString &key : InfoKeys) {
            if (pMine.info.value(key) != base.info.value(key))
                continue;
            if (pTheirs.info.contains(key))
                merged.info.insert(key, pTheirs.info.value(key));
            else
                merged.info.remove(key);
        }
    }

    // My items in my order, each merged with its partners.
    const QList<int> mine = occurrences(pMine.items);
    for (int i = 0; i < pMine.items.size(); ++i) {
        const ptItemRecord &item = pMine.items.at(i);
        const QString key = Keyed::key(item);
        const ptItemRecord *baseItem = baseItems.at(key, mine.at(i));
        const ptItemRecord *theirItem = theirItems.at(key, mine.at(i));
        if (!baseItem || !theirItem) {
            // Added here, or on both sides, or deleted there: kept unless it
            // is as it was when they deleted it.
            if (!baseItem || !(item == *baseItem))
                merged.items.append(item);
        } else {
            merged.items.append(mergedItem(*baseItem, item, *theirItem));
        }
    }
    // Then theirs that have no partner here: added there, or deleted here.
    const QList<int> theirs = occurrences(pTheirs.items);
    for (int i = 0; i < pTheirs.items.size(); ++i) {
        const ptItemRecord &item = pTheirs.items.at(i);
        const QString key = Keyed::key(item);
        if (myItems.at(key, theirs.at(i)))
            continue;
        const ptItemRecord *baseItem = baseItems.at(key, theirs.at(i));
        if (!baseItem || !(item == *baseItem))
            merged.items.append(item);
    }
    return merged;
}
