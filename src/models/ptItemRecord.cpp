#include "ptItemRecord.h"

const QStringList &ptItemRecord::keys()
{
    static const QStringList keys
            = {QStringLiteral("name"),  QStringLiteral("category"),   QStringLiteral("price"),
               QStringLiteral("count"), QStringLiteral("count_unit"), QStringLiteral("note"),
               QStringLiteral("status")};
    return keys;
}

QString ptItemRecord::value(const QString &pKey) const
{
    const qsizetype field = keys().indexOf(pKey);
    if (field >= 0)
        return fields[field];
    for (const auto &other : others) {
        if (other.first == pKey)
            return other.second;
    }
    return QString();
}

void ptItemRecord::setValue(const QString &pKey, const QString &pValue)
{
    const qsizetype field = keys().indexOf(pKey);
    if (field >= 0) {
        set(Field(field), pValue);
        return;
    }
    for (auto &other : others) {
        if (other.first == pKey) {
            other.second = pValue;
            return;
        }
    }
    others.append({pKey, pValue});
}

QStringList ptItemRecord::heldKeys() const
{
    QStringList held;
    for (int field = 0; field < FieldCount; ++field) {
        if (holds(Field(field)))
            held.append(keys().at(field));
    }
    for (const auto &other : others)
        held.append(other.first);
    return held;
}

QHash<QString, QString> ptItemRecord::toHash() const
{
    QHash<QString, QString> hash;
    for (int field = 0; field < FieldCount; ++field) {
        if (holds(Field(field)))
            hash.insert(keys().at(field), fields[field]);
    }
    for (const auto &other : others)
        hash.insert(other.first, other.second);
    return hash;
}
