#pragma once
// Where an export goes when nobody is asked: a folder the player can find again.

#include <QString>

namespace shrink4 {

struct SpliceExportFolders {
    QString program;   // the folder that holds the program
    QString documents; // the user's documents folder, used when the first is not writable
    QString home;      // the user's home folder, used when neither is
};

SpliceExportFolders defaultSpliceExportFolders();

// The program's folder when it is a writable folder; otherwise the documents folder,
// created when missing; otherwise the home folder. Only absolute folders count, and never
// the root or a folder made directly in it (what a missing HOME turns the user's folders
// into). Empty when none will do: then the player is asked.
QString chooseExportFolder(const SpliceExportFolders& folders);

// The first line of the message for a file written at path: where it went and, when that
// is not the program's folder (never writable once installed), why, so that the player
// knows where to look.
QString exportedToCaption(const SpliceExportFolders& folders, const QString& path);

} // namespace shrink4
