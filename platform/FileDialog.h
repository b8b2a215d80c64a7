#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace platform {

// What an open-file dialog asks for. The filter lists its choices separated by
// ";;", e.g. "BMP Files (*.bmp);;All Files (*)"; a name typed without a suffix
// gets the default suffix when no file of the name as typed exists.
struct OpenFileRequest
{
    QString caption;
    QString filter;
    QString defaultSuffix;
};

// Asks the user for an existing file to open; an empty path when cancelled.
QString GetOpenFileName(QWidget* parent, const OpenFileRequest& request);

// Asks for one or more existing files; none when cancelled. A test hook
// answers them one per line.
QStringList GetOpenFileNames(QWidget* parent, const OpenFileRequest& request);

// A test installs a handler that answers every dialog instead of the user:
// the path chosen, or an empty path for Cancel. An empty function removes it.
using OpenFileHook = std::function<QString(const OpenFileRequest& request)>;
void SetOpenFileHook(OpenFileHook hook);

// What a save-file dialog asks for: its caption, the file it proposes and the
// filter; a name typed without a suffix gets the default suffix.
struct SaveFileRequest
{
    QString caption;
    QString proposed;
    QString filter;
    QString defaultSuffix;
};

// Asks the user where to save a file; an empty path when cancelled. Replacing
// an existing file is confirmed in the dialog.
QString GetSaveFileName(QWidget* parent, const SaveFileRequest& request);

// A test answers every save-file dialog instead of the user; an empty function removes it.
using SaveFileHook = std::function<QString(const SaveFileRequest& request)>;
void SetSaveFileHook(SaveFileHook hook);

// What a folder dialog asks for: its caption and the folder it starts in.
struct FolderRequest
{
    QString caption;
    QString start;
};

// Asks the user for a folder (one that exists, or one made in the dialog);
// an empty path when cancelled.
QString GetExistingDirectory(QWidget* parent, const FolderRequest& request);

// A test answers every folder dialog instead of the user; an empty function removes it.
using FolderHook = std::function<QString(const FolderRequest& request)>;
void SetFolderHook(FolderHook hook);

} // namespace platform
