#ifndef PTTRASH_H
#define PTTRASH_H

#include <QString>

// Deleted and replaced list documents go to the desktop's trash, from where
// the user can restore them.
class ptTrash
{
public:
    // Moves the file to the trash, or removes it where there is no trash.
    // True when the file is gone.
    static bool discard(const QString &pFileName);

    // Moves the file to the trash; returns its path there, or an empty text
    // when it could not be moved.
    static QString moveToTrash(const QString &pFileName);

    // Moves a file that moveToTrash put in the trash back to pFileName and
    // drops the trash's record of it.
    static bool restore(const QString &pTrashPath, const QString &pFileName);
};

#endif // PTTRASH_H
