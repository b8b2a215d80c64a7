#pragma once

#include <QString>
#include <QStringList>

// The owner's files stay the owner's: what the program makes in its folders is
// readable by its user alone, and what it shows as saved survives a power cut
// (files and the folder entries that name them reach the disk).
namespace platform {

// Narrows the process's file-creation mask so that every file and folder made
// from now on is the user's alone (0600, 0700). Call it first in main().
void MakeFilesPrivate();
// The mode a file written where the user chose gets (a CSV export, a report):
// 0666 less the mask the program was started with.
unsigned SharedFileMode();
// Gives a file written where the user chose the mode of SharedFileMode()
// (folders: the same with search permission).
void ShareFile(const QString& path);

// Tightens folders and the files directly in them that belong to the user to
// 0700 and 0600 (ledgers and settings made by earlier versions).
void TightenFolders(const QStringList& folders);
// The folders that hold the user's ledger, backups and settings.
QStringList PrivateFolders();

// Makes a folder and any missing parent; each new entry is flushed to the
// disk with the folder that holds it. True when the folder exists.
bool MakeFolder(const QString& path);
// Flushes a folder's entries (a file created, renamed or removed in it).
bool SyncFolder(const QString& folder);

} // namespace platform
