#pragma once

#include "report/ReportContent.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

class QPagedPaintDevice;
class QPainter;

// How drawing a report ended.
struct ReportOutcome
{
    enum Kind
    {
        Done,
        Cancelled,
        Failed,
    } kind = Done;
    QString error; // with Failed: one sentence
    QString cause; // with Failed writing a file: the system's reason
    int pages = 0;
};

// Draws a report onto the pages of a printer or a PDF writer: a title page
// with the car's profile, purchase and summary figures; then each ledger's
// records as a table whose header repeats on every page, with the page's
// totals and, at its end, the period's; then the analysis charts, drawn by
// the chart control itself as shapes and text. Every page carries its number.
// A row is never split across pages: a row taller than a whole page is cut
// at the page's end. Short tables share a page.
class CReportPainter
{
    Q_DECLARE_TR_FUNCTIONS(CReportPainter)

public:
    explicit CReportPainter(const ReportContent& content);

    // Lays out and draws every page; the progress is told in records, twice
    // (once laying out, once drawing).
    ReportOutcome Paint(QPagedPaintDevice& device, const ReportProgress& progress = {});

    // A ledger's table, or the part of it that lies on one page, at a height
    // below the page's header.
    struct Part
    {
        int section = 0;
        size_t firstRow = 0;
        size_t endRow = 0;
        bool sectionStart = false;
        bool sectionEnd = false;
        double top = 0;
    };
    // One page of the layout: the title page, the tables or parts of tables
    // on it, or the charts.
    struct Page
    {
        enum Kind
        {
            Title,
            Table,
            Charts,
        } kind = Title;
        std::vector<Part> parts;
    };
    const std::vector<Page>& Pages() const { return m_pages; }

private:
    bool layOut(const QSizeF& page, const ReportProgress& progress);
    bool paintTable(QPainter& painter, const Part& part, const ReportProgress& progress);
    void paintTitle(QPainter& painter);
    void paintCharts(QPainter& painter);
    void paintFrame(QPainter& painter, int pageNumber, const QString& subject);
    // A row's height: its tallest cell, wrapped in its column. `fitted`
    // columns are known to hold their texts on one line.
    double rowHeight(const std::vector<double>& widths, const std::vector<bool>& fitted,
                     const QStringList& cells) const;
    // Dates and numbers as wide as their longest text (`fitted`), the text
    // columns sharing the rest.
    std::vector<double> columnWidths(const ReportSection& section, std::vector<bool>& fitted) const;
    void paintRow(QPainter& painter, const ReportSection& section,
                  const std::vector<double>& widths, const QStringList& cells, double y,
                  double height, const QFont& font, bool boxed) const;
    void paintTotalRow(QPainter& painter, const ReportSection& section,
                       const std::vector<double>& widths, const QString& label,
                       const std::vector<qint64>& sums, double y) const;
    bool tick(const ReportProgress& progress);

    const ReportContent& m_content;
    QSizeF m_size;        // the page's printable area, in points
    QRectF m_body;        // below the page header, above the page number
    double m_rowsTop = 0; // where a table's rows begin on its pages
    std::vector<Page> m_pages;
    std::vector<std::vector<float>> m_heights; // by section and row
    std::vector<std::vector<double>> m_widths; // by section and column
    QFont m_text;
    QFont m_bold;
    QFont m_heading;
    QFont m_title;
    QFontMetricsF m_textMetrics;
    QFontMetricsF m_boldMetrics;
    double m_line = 0; // one line of m_text
    qint64 m_done = 0;
    qint64 m_work = 0;
};
