#ifndef PTMEASUREUNITSDATAMODEL_H
#define PTMEASUREUNITSDATAMODEL_H

#include "ptTableModel.h"

// The 16 amount units. A unit is stored by its row, so the order is fixed.
class ptMeasureUnitsDataModel : public ptTableModel
{
    Q_OBJECT
    // The units' names by row, for the scenes: they follow the language.
    Q_PROPERTY(QStringList names READ names NOTIFY textsChanged)

public:
    enum MeasureRoles { MeasureNameRole = Qt::UserRole + 1 };

    explicit ptMeasureUnitsDataModel(QObject *parent = nullptr);

public slots:
    QString measureName(int pIndex) { return text(pIndex, NameColumn); }
};

#endif // PTMEASUREUNITSDATAMODEL_H
