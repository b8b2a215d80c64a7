#pragma once

#include <QString>

// Every path of the program is built from two folders: the install folder (the
// executable's folder: orvyn, restore, help.html) and the data folder
// ($ORVYN_HOME, else the per-user data location) that holds config/ and backup/.
namespace platform {

QString InstallFolder();
QString DataFolder();
QString ConfigFolder(); // DataFolder()/config
QString BackupFolder(); // DataFolder()/backup
QString DatabasePath(); // ConfigFolder()/CAR.mdb

} // namespace platform
