// Feeds arbitrary bytes to the lists overview and the list document reader,
// then shows what the reader accepted, saves it and reads it back.
#include <QCoreApplication>
#include <QTemporaryDir>

#include "ptListDataModel.h"
#include "ptListsDataModel.h"
#include "ptTestFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t pSize)
{
    static int argc = 1;
    static char *argv[] = {const_cast<char *>("fuzz_listdocument"), nullptr};
    static QCoreApplication application(argc, argv);
    static QTemporaryDir directory;

    const QString path = directory.filePath(QStringLiteral("input.ptl"));
    if (!writeFile(path, QByteArray(reinterpret_cast<const char *>(pData), qsizetype(pSize))))
        return 0;

    ptListsDataModel overview;
    overview.loadData({path, directory.filePath(QStringLiteral("missing.ptl")), path});
    for (int row = 0; row < overview.rowCount(); ++row) {
        for (int role = 0; role <= Qt::UserRole + 7; ++role)
            (void)overview.data(overview.index(row, 0), role);
        if (overview.listFileName(row) != path)
            __builtin_trap();
    }

    const auto records
            = [](ptListDataModel &pModel) { return pModel.items(true) + pModel.items(false); };
    ptListDataModel model;
    if (model.loadModel(path)) {
        model.updateModel();
        for (int row = 0; row < model.rowCount(); ++row) {
            for (int role = Qt::UserRole + 1; role <= Qt::UserRole + 13; ++role)
                (void)model.data(model.index(row, 0), role);
        }
        model.updateCountPrice();

        // Whatever was accepted survives a save and a load.
        if (!model.listFileName().isEmpty()) {
            const QList<QHash<QString, QString>> before = records(model);
            if (!model.saveModel())
                __builtin_trap();
            ptListDataModel reread;
            if (!reread.loadModel(path) || records(reread) != before)
                __builtin_trap();
            reread.releaseModel();
        }
    }
    model.releaseModel();
    return 0;
}
