#ifndef PTSETTINGSFILE_H
#define PTSETTINGSFILE_H

#include <QString>

// The settings file: plain XML, a "pantrix_settings" root with one "item" per
// setting, its "name" and "value"; the language and the currency are stored
// as rows of their tables.
class ptSettingsFile
{
public:
    struct Settings
    {
        int language = 0;
        int currency = 0;
    };

    // The settings in the file at pPath: a missing item, or one that is not a
    // number, reads as 0, and what was read before an XML error counts.
    // False, with pSettings untouched, when the file cannot be opened.
    static bool read(const QString &pPath, Settings *pSettings);

    // Writes the file whole through an atomic replace, making its directory.
    static bool write(const QString &pPath, const Settings &pSettings);
};

#endif // PTSETTINGSFILE_H
