#pragma once

#include <functional>

class CDlgReport;
class LedgerContext;
class QDialog;
class QWidget;

// The report commands of the "数据" menu. `run` stands in for the report
// dialog's exec in tests (it answers QDialog::Accepted or Rejected).
using ReportDialogRun = std::function<int(CDlgReport&)>;

// "打印…": the report dialog, then Qt's print preview or the system print
// dialog, and the report drawn onto the printer with a progress bar.
// `printRun` stands in for the preview's or the print dialog's exec in tests
// (the dialog is a QPrintPreviewDialog or a QPrintDialog).
void RunReportPrint(QWidget* parent, LedgerContext& context, const ReportDialogRun& run = {},
                    const std::function<int(QDialog&)>& printRun = {});
// "导出为 PDF…": the report dialog, a file name, and the PDF written with a
// progress bar; the outcome is told in a message box.
void RunReportPdf(QWidget* parent, LedgerContext& context, const ReportDialogRun& run = {});
