#include "ptMeasureUnitsDataModel.h"

namespace {

// An item stores its unit as the row here: append only, never reorder.
const ptTableModel::Entry unitTable[] = {
        {QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "item")},
        {QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "g")},
        {QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "kg")},
        {QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "ml")},
        {QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "l")},
        {QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "lb")},
        {QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "oz")},
        {QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "gi")},
        {QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "pt")},
        {QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "qt")},
        {QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "gal")},
        {QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "box")},
        {QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "pack")},
        {QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "cont")},
        {QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "bott")},
        {QT_TRANSLATE_NOOP("ptMeasureUnitsDataModel", "can")},
};

} // namespace

ptMeasureUnitsDataModel::ptMeasureUnitsDataModel(QObject *parent)
    : ptTableModel("ptMeasureUnitsDataModel", {std::begin(unitTable), std::end(unitTable)},
                   {"measure_name"}, parent)
{ }
