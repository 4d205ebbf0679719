// Feeds arbitrary bytes to the lists overview as a stored list document.
#include <QCoreApplication>
#include <QTemporaryDir>

#include "ptListsDataModel.h"
#include "ptTestFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t pSize)
{
    static int argc = 1;
    static char *argv[] = {const_cast<char *>("fuzz_overview"), nullptr};
    static QCoreApplication application(argc, argv);
    static QTemporaryDir directory;

    const QString path = directory.filePath(QStringLiteral("demo-list.ptl"));
    if (!writeFile(path, QByteArray(reinterpret_cast<const char *>(pData), qsizetype(pSize))))
        return 0;

    ptListsDataModel model;
    model.loadData({path, directory.filePath(QStringLiteral("missing.ptl")), path});
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int role = 0; role <= Qt::UserRole + 7; ++role)
            (void)model.data(model.index(row, 0), role);
        if (model.listFileName(row) != path)
            __builtin_trap();
    }
    return 0;
}
