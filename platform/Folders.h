#pragma once

#include <QString>

// Every path of the program is built from two folders: the install folder (the
// executable's folder) and the data folder ($ORVYN_HOME, else the per-user data
// location) that holds config/ and backup/.
namespace platform {

QString InstallFolder();
QString DataFolder();
QString ConfigFolder(); // DataFolder()/config
QString BackupFolder(); // DataFolder()/backup
QString DatabasePath(); // ConfigFolder()/CAR.mdb

// The files the program is made of. In the build tree they lie side by side
// in one folder; installed, they lie below one prefix (/usr, /usr/local, …):
// bin/orvyn, lib/orvyn/restore, share/orvyn/help.html (the Chinese guide) and
// share/orvyn/help.en.html (the English guide).
enum class ProgramFile
{
    Program,
    RestoreProgram,
    HelpFile,
    EnglishHelpFile
};

// Where a program file is for an executable in the given folder: beside it
// when it is there, else at its place below the prefix when the folder is one
// of the installed layout (bin/ or lib/orvyn/). Where the file is in neither
// place, the path where it belongs: below the prefix for an installed
// executable, beside it otherwise. Never a path of the working folder.
QString ProgramFilePath(ProgramFile file, const QString& executableFolder);
// The same for the running executable.
QString ProgramFilePath(ProgramFile file);

} // namespace platform
