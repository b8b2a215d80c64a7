#include "platform/FileDialog.h"

#include <QApplication>
#include <QFileDialog>

namespace platform {
namespace {

OpenFileHook& hook()
{
    static OpenFileHook h;
    return h;
}

FolderHook& folderHook()
{
    static FolderHook h;
    return h;
}

SaveFileHook& saveHook()
{
    static SaveFileHook h;
    return h;
}

bool canAsk()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace

void SetOpenFileHook(OpenFileHook h)
{
    hook() = std::move(h);
}

QString GetOpenFileName(QWidget* parent, const OpenFileRequest& request)
{
    if (hook())
        return hook()(request);
    if (!canAsk())
        return {}; // nobody to ask: as if cancelled

    QFileDialog dialog(parent, request.caption);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(request.filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

QStringList GetOpenFileNames(QWidget* parent, const OpenFileRequest& request)
{
    if (hook())
        return hook()(request).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (!canAsk())
        return {};
    QFileDialog dialog(parent, request.caption);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(request.filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

void SetSaveFileHook(SaveFileHook h)
{
    saveHook() = std::move(h);
}

QString GetSaveFileName(QWidget* parent, const SaveFileRequest& request)
{
    if (saveHook())
        return saveHook()(request);
    if (!canAsk())
        return {};
    QFileDialog dialog(parent, request.caption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(request.filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts));
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.proposed);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

void SetFolderHook(FolderHook h)
{
    folderHook() = std::move(h);
}

QString GetExistingDirectory(QWidget* parent, const FolderRequest& request)
{
    if (folderHook())
        return folderHook()(request);
    if (!canAsk())
        return {};
    return QFileDialog::getExistingDirectory(parent, request.caption, request.start);
}

} // namespace platform
