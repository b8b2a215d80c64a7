#pragma once

#include <QString>

class CFrameState;

// The settings files in the config folder, raw little-endian 32-bit integers:
//   "sysfile.cfg" (8 bytes): OdometerColumnMask, AutoCheckUpdate
//   "chart.cfg" (16 bytes): chart type, grid lines, tips, gradient fill
enum class ConfigAction
{
    Load,
    Save
};

// Loads or saves one file, named without regard to case; 1 on success, else 0.
// A missing file leaves the values as they are; a short one gives the values
// read before its end. Nothing is reported to the user.
int ConfigFile(CFrameState& state, const QString& fileName, ConfigAction action);

// Full path of a settings file.
QString ConfigFilePath(const QString& fileName);
