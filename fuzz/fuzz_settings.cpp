// Feeds arbitrary bytes to the settings reader through a full start of the
// controller.
#include <QApplication>
#include <QTemporaryDir>

#include "ptApplicationManager.h"
#include "ptStartup.h"
#include "ptTestFiles.h"

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

    if (!writeFile(ptApplicationManager::settingsFilePath(),
                   QByteArray(reinterpret_cast<const char *>(pData), qsizetype(pSize))))
        return 0;

    ptApplicationManager manager;
    if (!manager.initialize())
        __builtin_trap();
    const int currency = manager.currencyUnitsDataModel()->currentCurrencyIndex();
    if (currency < 0 || currency >= manager.currencyUnitsDataModel()->rowCount())
        __builtin_trap();
    (void)manager.languagesDataModel()->currentLanguageString();
    return 0;
}
