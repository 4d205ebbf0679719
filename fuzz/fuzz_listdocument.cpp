// Feeds arbitrary bytes to the list document reader, then shows what it
// accepted, saves it and reads it back.
#include <QCoreApplication>
#include <QTemporaryDir>

#include "ptListDataModel.h"
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
