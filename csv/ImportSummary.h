#pragma once

#include "csv/ImportPlan.h"

#include <QString>
#include <QStringList>
#include <vector>

// The preview of an import in words and figures, shared by the preview
// dialog and the command line.

// The records of one car and ledger that the import writes.
struct ImportBatch
{
    int target = -1;
    LedgerKind ledger = LedgerKind::Refuel;
    int rows = 0;                        // all rows of the file for it
    int duplicates = 0;                  // of which the ledger holds already
    std::vector<ImportRow> first; // the first few, in file order
};
std::vector<ImportBatch> ImportBatches(const ImportPlan& plan, int firstRows = 5);

// "家用车（新建）" or "家用车（CAR0001）".
QString TargetText(const ImportPlan& plan, int target);
// "x.csv 第 3 行".
QString LineText(const ImportPlan& plan, int source, int line);
// A cell of the preview: line breaks as blanks, and a text wider than
// `width` characters cut there with "…".
inline constexpr int kCellWidth = 40;
// Lines of a file listed under one heading (bad, repeated, flagged lines);
// a line says how many more there are.
inline constexpr int kListedLines = 1000;
QString MoreLinesText(qsizetype more);
inline constexpr int kReasonWidth = 200;
QString PreviewCell(const QString& text, int width = kCellWidth);
// A row as the ledger page will show it, column by column, each cell cut as
// PreviewCell cuts it (the page's captions are ExportColumns(row.ledger);
// the estimates, which need the records before it, are left empty).
QStringList RowTexts(const ImportRow& row);

// The whole preview as plain text, for the command line.
QString ImportSummaryText(const ImportPlan& plan);
