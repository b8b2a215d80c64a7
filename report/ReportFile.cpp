#include "report/ReportFile.h"

#include "platform/MessageCodes.h"
#include "platform/PrivateFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QMarginsF>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

// Margins on every side, in millimetres.
constexpr double kMargin = 15;

} // namespace

QPageSize DefaultReportPageSize(const QLocale& locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

ReportOutcome WriteReportPdf(const QString& path, const ReportContent& content,
                             const QPageSize& pageSize, const ReportProgress& progress)
{
    ReportOutcome outcome;
    QSaveFile file(path);
    auto failed = [&outcome, &file, &path] {
        outcome.kind = ReportOutcome::Failed;
        outcome.cause = file.errorString();
        outcome.error = QCoreApplication::translate("Report", "无法写入文件 %1：%2")
                            .arg(QDir::toNativeSeparators(path), outcome.cause);
    };
    if (!file.open(QIODevice::WriteOnly)) {
        failed();
        return outcome;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait,
                                         QMarginsF(kMargin, kMargin, kMargin, kMargin),
                                         QPageLayout::Millimeter));
        writer.setResolution(600);
        writer.setTitle(
            QCoreApplication::translate("Report", "爱车费用报表 · %1").arg(content.carName));
        writer.setCreator(platform::kCaption);
        CReportPainter painter(content);
        outcome = painter.Paint(writer, progress);
    }
    if (outcome.kind != ReportOutcome::Done) {
        file.cancelWriting();
        return outcome;
    }
    if (!file.commit())
        failed();
    else
        platform::ShareFile(path); // a document of the user's, not of the data folder
    return outcome;
}
