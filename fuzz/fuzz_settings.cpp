// Feeds arbitrary bytes to the settings reader through a full start of the
// controller.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ptApplicationManager.h"
#include "ptStartup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t pSize)
{
    static int argc = 1;
    static char *argv[] = {const_cast<char *>("fuzz_settings"), nullptr};
    static QTemporaryDir directory;
    static bool ready = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("XDG_DATA_HOME", directory.path().toLocal8Bit());
        ptStartup::setIdentity();
        return true;
    }();
    static QApplication application(argc, argv);
    (void)ready;

    QDir().mkpath(ptApplicationManager::settingsDirectoryPath());
    {
        QFile file(ptApplicationManager::settingsFilePath());
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char *>(pData), qsizetype(pSize));
    }

    ptApplicationManager manager;
    if (!manager.initialize())
        __builtin_trap();
    const int currency = manager.currencyUnitsDataModel()->currentCurrencyIndex();
    if (currency < 0 || currency >= manager.currencyUnitsDataModel()->rowCount())
        __builtin_trap();
    (void)manager.languagesDataModel()->currentLanguageString();
    return 0;
}
