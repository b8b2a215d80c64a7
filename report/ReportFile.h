#pragma once

#include "report/ReportPainter.h"

#include <QLocale>
#include <QPageSize>
#include <QString>

// The paper a report takes unless a printer says otherwise: A4, or Letter
// where the locale measures in US units.
QPageSize DefaultReportPageSize(const QLocale& locale = QLocale());

// Writes the report as a PDF file. The file appears whole or not at all: a
// cancelled or failed report leaves an existing file as it was.
ReportOutcome WriteReportPdf(const QString& path, const ReportContent& content,
                             const QPageSize& pageSize = DefaultReportPageSize(),
                             const ReportProgress& progress = {});
