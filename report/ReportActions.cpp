#include "report/ReportActions.h"

#include "database/LedgerContext.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/MessageCodes.h"
#include "platform/ProgressBar.h"
#include "platform/StoreFailure.h"
#include "report/DlgReport.h"
#include "report/ReportFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <optional>

using namespace platform;

namespace {

// Asks what to report and reads it; nothing when the user cancelled or the
// ledger could not be read (which is told).
std::optional<ReportContent> askAndRead(QWidget* parent, LedgerContext& context,
                                        CDlgReport::Purpose purpose, const ReportDialogRun& run,
                                        bool* preview)
{
    CMyDatabase* db = context.OpenDatabase();
    if (!db)
        return std::nullopt;
    const Expected<std::vector<CARLIST>> cars = db->GetCarList();
    if (ShowStoreFailure(cars.status(), parent))
        return std::nullopt;
    if (cars->empty()) {
        MessageBox(parent,
                   QCoreApplication::translate("ReportActions",
                                               "账本里还没有车辆，没有可以写进报表的内容。"),
                   kCaption, MB_OK | MB_ICONINFORMATION);
        return std::nullopt;
    }
    const QDateTime now = CurrentDateTime();
    CDlgReport dialog(*cars, ValueOrShow(db->GetCurrentCarID(), parent), purpose, now.date(),
                      parent);
    if ((run ? run(dialog) : dialog.exec()) != QDialog::Accepted)
        return std::nullopt;
    if (preview)
        *preview = dialog.Preview();

    // The charts as the analysis page last saved them.
    LedgerContext saved;
    saved.LoadSaveConfig(QStringLiteral("chart.cfg"), false);
    ReportContent content;
    SqlStatus read;
    {
        ProgressBar progress(parent,
                             QCoreApplication::translate("ReportActions", "正在读取记录……"));
        read = LoadReport(*db, dialog.Request(), context.OdometerColumnMask, saved.m_chartOptions,
                          now, content, progress.report());
    }
    if (read.code == store::kStopped || ShowStoreFailure(read, parent))
        return std::nullopt;
    return content;
}

QString documentName(const ReportContent& content)
{
    return QCoreApplication::translate("ReportActions", "%1 费用报表").arg(content.carName);
}

} // namespace

void RunReportPrint(QWidget* parent, LedgerContext& context, const ReportDialogRun& run,
                    const std::function<int(QDialog&)>& printRun)
{
    bool preview = false;
    const std::optional<ReportContent> content =
        askAndRead(parent, context, CDlgReport::Purpose::Print, run, &preview);
    if (!content)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName(*content));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setCreator(kCaption);

    ReportOutcome outcome;
    auto paint = [&](QPrinter* target) {
        ProgressBar progress(parent,
                             QCoreApplication::translate("ReportActions", "正在排版报表……"));
        CReportPainter painter(*content);
        outcome = painter.Paint(*target, progress.report());
    };
    if (preview) {
        QPrintPreviewDialog dialog(&printer, parent);
        dialog.setWindowTitle(QCoreApplication::translate("ReportActions", "打印预览 - %1")
                                  .arg(documentName(*content)));
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
        printRun ? printRun(dialog) : dialog.exec();
    } else {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QCoreApplication::translate("ReportActions", "打印报表"));
        if ((printRun ? printRun(dialog) : dialog.exec()) != QDialog::Accepted)
            return;
        paint(&printer);
    }
    if (outcome.kind == ReportOutcome::Failed)
        MessageBox(parent,
                   QCoreApplication::translate("ReportActions", "打印失败：%1").arg(outcome.error),
                   kCaption, MB_OK | MB_ICONERROR);
}

void RunReportPdf(QWidget* parent, LedgerContext& context, const ReportDialogRun& run)
{
    const std::optional<ReportContent> content =
        askAndRead(parent, context, CDlgReport::Purpose::Pdf, run, nullptr);
    if (!content)
        return;
    // The documents folder where there is one, else the home folder.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    const QString path = GetSaveFileName(
        parent,
        {QCoreApplication::translate("ReportActions", "保存 PDF 报表"),
         QDir(folder).filePath(documentName(*content) + QStringLiteral(".pdf")),
         QCoreApplication::translate("ReportActions", "PDF 文件 (*.pdf)"), QStringLiteral("pdf")});
    if (path.isEmpty())
        return;
    ReportOutcome outcome;
    {
        ProgressBar progress(parent,
                             QCoreApplication::translate("ReportActions", "正在写出报表……"));
        outcome = WriteReportPdf(path, *content, DefaultReportPageSize(), progress.report());
    }
    switch (outcome.kind) {
    case ReportOutcome::Done:
        MessageBox(parent,
                   QCoreApplication::translate("ReportActions", "报表已保存（共 %1 页）：\n%2")
                       .arg(outcome.pages)
                       .arg(QDir::toNativeSeparators(path)),
                   kCaption, MB_OK | MB_ICONINFORMATION);
        break;
    case ReportOutcome::Cancelled:
        MessageBox(parent,
                   QCoreApplication::translate("ReportActions", "报表已取消，没有写入文件。"),
                   kCaption, MB_OK | MB_ICONINFORMATION);
        break;
    case ReportOutcome::Failed:
        MessageBox(
            parent,
            QCoreApplication::translate("ReportActions", "报表没有保存：%1").arg(outcome.error),
            kCaption, MB_OK | MB_ICONERROR);
        break;
    }
}
