#ifndef PTITEMRECORD_H
#define PTITEMRECORD_H

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// One item record of a list: the usual keys in fixed places, any other
// attribute read from a document beside them. A key the record does not hold
// reads as an empty text.
struct ptItemRecord
{
    // The usual keys, in the order they are written.
    enum Field {
        NameField,
        CategoryField,
        PriceField,
        CountField,
        CountUnitField,
        NoteField,
        StatusField,
        FieldCount
    };

    QString fields[FieldCount];
    quint8 held = 0; // one bit per field
    QList<std::pair<QString, QString>> others;
    // Amount times price, read once: reading numbers is most of what counting,
    // and so saving, costs (the save benchmark).
    bool totalRead = false;
    double total = 0.0;

    // The key of each field, in the order of Field.
    static const QStringList &keys();

    const QString &value(Field pField) const { return fields[pField]; }
    bool holds(Field pField) const { return (held >> pField) & 1u; }
    void set(Field pField, const QString &pValue)
    {
        fields[pField] = pValue;
        held |= quint8(1u << pField);
        if (pField == PriceField || pField == CountField)
            totalRead = false;
    }
    // The value of any key, usual or not; empty when the record lacks it.
    QString value(const QString &pKey) const;
    void setValue(const QString &pKey, const QString &pValue);
    // Every key the record holds, the usual ones first.
    QStringList heldKeys() const;
    QHash<QString, QString> toHash() const;
    // The same keys with the same values.
    bool operator==(const ptItemRecord &pOther) const { return toHash() == pOther.toHash(); }
};

#endif // PTITEMRECORD_H
