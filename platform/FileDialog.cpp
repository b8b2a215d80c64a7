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

} // namespace

void SetOpenFileHook(OpenFileHook h)
{
    hook() = std::move(h);
}

QString GetOpenFileName(QWidget* parent, const OpenFileRequest& request)
{
    if (hook())
        return hook()(request);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
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

} // namespace platform
