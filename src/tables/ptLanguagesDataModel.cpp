#include "ptLanguagesDataModel.h"

namespace {

// The settings file stores the language as the row here: never reorder.
const ptTableModel::Entry languageTable[] = {
        {QT_TRANSLATE_NOOP("ptLanguagesDataModel", "English"), "en"},
        {QT_TRANSLATE_NOOP("ptLanguagesDataModel", "Russian"), "ru"},
};

} // namespace

ptLanguagesDataModel::ptLanguagesDataModel(QObject *parent)
    : ptTableModel("ptLanguagesDataModel", {std::begin(languageTable), std::end(languageTable)},
                   {"language_name", "language_code"}, parent)
{ }
