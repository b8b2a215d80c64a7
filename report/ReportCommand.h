#pragma once

#include "csv/CsvCommand.h"
#include "report/ReportRequest.h"

#include <QString>
#include <QStringList>

// The report without a window:
//   orvyn --report FILE.pdf [--car NAME] [--from yyyy-mm-dd] [--to yyyy-mm-dd]
//         [--ledger KIND]... [/nopassword]
// Without --car the current car, without --ledger every ledger. Like the
// export it holds the data folder's lock and asks for the start-up password
// when one is set. It answers 0 when the file is written, 1 on any refusal.
struct ReportCommandRequest
{
    QString file;
    QString car; // a name or an identifier; empty: the current car
    QDate from;
    QDate to;
    std::vector<LedgerKind> ledgers; // empty: all
    bool noPassword = false;
    QString passwordFile;
    // What is wrong with the arguments, one sentence; empty when nothing is.
    QString mistake;
};

// Whether the arguments (without the program name) ask for a report.
bool IsReportCommand(const QStringList& arguments);
ReportCommandRequest ParseReportCommand(const QStringList& arguments);
// Runs a request that has no mistake. The program must have a QApplication:
// the report is drawn with the chart control.
int RunReportCommand(const ReportCommandRequest& request, CsvCommandIo& io);
