#include "report/ReportPainter.h"

#include "analysis/BarChart.h"
#include "analysis/DlgSysSetting.h"
#include "analysis/SummaryRows.h"
#include "csv/CsvLedgers.h"
#include "ledgers/LedgerFormat.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>

namespace {

// Lengths in points (1/72 inch), the painter's unit on every page.
constexpr double kBandHeight = 18; // the page's header and its number
constexpr double kPadX = 2.5;      // a cell's text from its borders
constexpr double kPadY = 2;
constexpr double kTitleHeight = 22; // a table's title line
constexpr int kProgressStep = 256;  // rows between two progress reports
constexpr double kChartWidth = 900; // a chart's width in the window, in pixels
constexpr double kTableGap = 14;    // between two tables on a page

const QColor kRule(160, 160, 160);
const QColor kHeaderBack(225, 230, 240);
const QColor kTotalBack(245, 245, 230);
const QColor kGroupBack(220, 220, 220);

// The family of the report's texts. Qt's PDF writer names each glyph's text
// by the first character the face maps onto it; the Noto CJK faces share the
// glyphs of many ideographs with the Kangxi radicals, so text copied from or
// searched in the PDF would read "⽤" for "用". WenQuanYi Micro Hei keeps
// them apart; without it the program's "宋体" and "黑体" stand in. Under a
// Chinese locale the font database knows the face by its Chinese name.
QString reportFamily(const char* fallback)
{
    static const QString preferred = [] {
        for (const char* name : {"WenQuanYi Micro Hei", "文泉驿微米黑", "文泉驛微米黑"})
            if (QFontDatabase::hasFamily(QString::fromUtf8(name)))
                return QString::fromUtf8(name);
        return QString();
    }();
    return preferred.isEmpty() ? QString::fromUtf8(fallback) : preferred;
}

QFont face(const char* family, int points, bool bold)
{
    QFont font(reportFamily(family));
    font.setPixelSize(points); // the painter's unit is the point
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

bool isNumberColumn(CellKind kind)
{
    return kind == CellKind::RowNumber || IsNumericKind(kind) || IsDerivedKind(kind);
}

QTextOption wrapping(Qt::Alignment alignment)
{
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// Whether a text has line breaks of its own ("\n", "\r\n" or "\r").
bool hasBreaks(const QString& text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
           text.contains(QChar::LineSeparator);
}

// A text with its line breaks as a layout breaks lines.
QString withBreaks(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QChar(QChar::LineSeparator))
        .replace(QLatin1Char('\r'), QChar::LineSeparator)
        .replace(QLatin1Char('\n'), QChar::LineSeparator);
}

// The height of a text laid out in lines of the width.
double wrappedHeight(const QFont& font, const QString& text, double width)
{
    QTextLayout layout(withBreaks(text), font);
    layout.setTextOption(wrapping(Qt::AlignLeft));
    layout.beginLayout();
    double height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        height += line.height();
    }
    layout.endLayout();
    return height;
}

// A text in a cell: on one line when it fits, else wrapped; cut at the cell's
// bottom. `fits` says the text is known to fit on one line.
void drawCell(QPainter& painter, const QFontMetricsF& metrics, const QRectF& cell,
              const QString& text, bool right, bool fits)
{
    if (text.isEmpty())
        return;
    const QRectF inner = cell.adjusted(kPadX, kPadY, -kPadX, -kPadY);
    const double baseline = inner.top() + metrics.ascent();
    if (fits && !right) {
        painter.drawText(QPointF(inner.left(), baseline), text);
        return;
    }
    const double advance = metrics.horizontalAdvance(text);
    if (advance <= inner.width() && !hasBreaks(text)) {
        painter.drawText(QPointF(right ? inner.right() - advance : inner.left(), baseline), text);
        return;
    }
    painter.save();
    painter.setClipRect(cell);
    painter.drawText(inner, withBreaks(text), wrapping(right ? Qt::AlignRight : Qt::AlignLeft));
    painter.restore();
}

qint64 periodSum(const ReportSection& section, size_t total)
{
    qint64 sum = 0;
    for (size_t r = 0; r < section.rows.size(); ++r)
        sum += section.Share(r, total);
    return sum;
}

} // namespace

CReportPainter::CReportPainter(const ReportContent& content)
    : m_content(content), m_text(face("宋体", 8, false)), m_bold(face("黑体", 8, true)),
      m_heading(face("黑体", 12, true)), m_title(face("黑体", 22, true)), m_textMetrics(m_text),
      m_boldMetrics(m_bold), m_line(m_textMetrics.height())
{
}

bool CReportPainter::tick(const ReportProgress& progress)
{
    ++m_done;
    return !progress || m_done % kProgressStep != 0 || progress(m_done, m_work);
}

std::vector<double> CReportPainter::columnWidths(const ReportSection& section,
                                                 std::vector<bool>& fitted) const
{
    // Dates and numbers get the width of their longest text, which never
    // wraps; the text columns share the rest in the page's proportions.
    const size_t count = section.columns.size();
    std::vector<double> widths(count, 0);
    fitted.assign(count, false);
    std::vector<qsizetype> longest(count, -1);
    std::vector<size_t> longestRow(count, 0);
    for (size_t r = 0; r < section.rows.size(); ++r)
        for (size_t c = 0; c < count; ++c)
            if (section.columns[c].kind != CellKind::Text &&
                section.rows[r][qsizetype(c)].size() > longest[c]) {
                longest[c] = section.rows[r][qsizetype(c)].size();
                longestRow[c] = r;
            }
    double fixed = 0;
    double textShares = 0;
    for (size_t c = 0; c < count; ++c) {
        if (section.columns[c].kind == CellKind::Text) {
            textShares += section.widths[c];
            continue;
        }
        double w = m_boldMetrics.horizontalAdvance(section.columns[c].header);
        // The period's total is the widest a total gets.
        for (size_t t = 0; t < section.totals.size(); ++t)
            if (section.totals[t].column == int(c))
                w = std::max(w, m_boldMetrics.horizontalAdvance(
                                    section.totals[t].text(double(periodSum(section, t)) / 100.0)) +
                                    2);
        if (longest[c] >= 0)
            w = std::max(
                w, m_textMetrics.horizontalAdvance(section.rows[longestRow[c]][qsizetype(c)]) + 2);
        widths[c] = w + 2 * kPadX;
        fixed += widths[c];
        fitted[c] = true;
    }
    const double rest = m_size.width() - fixed;
    if (rest < m_size.width() * 0.15 * (textShares > 0 ? 1 : 0) || textShares <= 0) {
        // No room left for the texts (or none to give it to): every column
        // in the page's proportions.
        double sum = 0;
        for (double w : section.widths)
            sum += w;
        for (size_t c = 0; c < count; ++c)
            widths[c] = sum > 0 ? section.widths[c] * m_size.width() / sum : 0;
        fitted.assign(count, false);
        return widths;
    }
    for (size_t c = 0; c < count; ++c)
        if (section.columns[c].kind == CellKind::Text)
            widths[c] = section.widths[c] * rest / textShares;
    return widths;
}

double CReportPainter::rowHeight(const std::vector<double>& widths, const std::vector<bool>& fitted,
                                 const QStringList& cells) const
{
    const QFontMetricsF& metrics = m_textMetrics;
    double height = m_line;
    for (qsizetype c = 0; c < cells.size() && size_t(c) < widths.size(); ++c) {
        const QString& text = cells[c];
        const double room = widths[size_t(c)] - 2 * kPadX;
        if (text.isEmpty() || (size_t(c) < fitted.size() && fitted[size_t(c)]) ||
            (!hasBreaks(text) && metrics.horizontalAdvance(text) <= room))
            continue;
        height = std::max(height, wrappedHeight(m_text, text, room));
    }
    return height + 2 * kPadY;
}

bool CReportPainter::layOut(const QSizeF& page, const ReportProgress& progress)
{
    m_size = page;
    m_body = QRectF(0, kBandHeight, page.width(), page.height() - 2 * kBandHeight);
    m_pages.clear();
    m_heights.clear();
    m_widths.clear();
    m_pages.push_back({Page::Title, {}});
    const double lineHeight = m_line + 2 * kPadY;
    const double bodyHeight = m_body.height();
    Page current{Page::Table, {}};
    double y = 0; // where the next table starts on the current page
    auto turnPage = [&] {
        if (!current.parts.empty())
            m_pages.push_back(current);
        current.parts.clear();
        y = 0;
    };
    for (size_t s = 0; s < m_content.sections.size(); ++s) {
        const ReportSection& section = m_content.sections[s];
        std::vector<bool> fitted;
        const std::vector<double>& widths = m_widths.emplace_back(columnWidths(section, fitted));
        QStringList headers;
        for (const LedgerColumn& column : section.columns)
            headers << column.header;
        const double head = kTitleHeight + rowHeight(widths, {}, headers);
        // Below the rows: the page's total, the period's total and the record count.
        const double foot = (section.totals.empty() ? 0 : 2 * lineHeight) + lineHeight;
        const double room = bodyHeight - head - foot; // for rows on a page of their own
        std::vector<float>& heights = m_heights.emplace_back();
        heights.reserve(section.rows.size());
        for (const QStringList& row : section.rows) {
            heights.push_back(float(std::min(rowHeight(widths, fitted, row), room)));
            if (!tick(progress))
                return false;
        }
        size_t row = 0;
        do {
            // A table starts where its head, its first row and its foot fit.
            const double first = row < heights.size() ? heights[row] : lineHeight;
            if (y > 0 && y + head + first + foot > bodyHeight)
                turnPage();
            Part part{int(s), row, row, row == 0, false, y};
            double used = y + head;
            if (heights.empty())
                used += lineHeight;
            while (row < heights.size() &&
                   (row == part.firstRow || used + heights[row] + foot <= bodyHeight))
                used += heights[row++];
            part.endRow = row;
            part.sectionEnd = row == heights.size();
            current.parts.push_back(part);
            y = used + foot + kTableGap;
            if (!part.sectionEnd)
                turnPage();
        } while (row < heights.size());
    }
    turnPage();
    m_pages.push_back({Page::Charts, {}});
    return true;
}

ReportOutcome CReportPainter::Paint(QPagedPaintDevice& device, const ReportProgress& progress)
{
    ReportOutcome outcome;
    m_done = 0;
    m_work = 2 * m_content.RecordCount();
    QPainter painter;
    if (!painter.begin(&device)) {
        outcome.kind = ReportOutcome::Failed;
        outcome.error = tr("无法开始绘制报表。");
        return outcome;
    }
    const double scale = device.logicalDpiX() / 72.0;
    painter.scale(scale, scale);
    if (!layOut(QSizeF(device.width() / scale, device.height() / scale), progress)) {
        painter.end();
        outcome.kind = ReportOutcome::Cancelled;
        return outcome;
    }
    for (size_t p = 0; p < m_pages.size(); ++p) {
        if (p > 0 && !device.newPage()) {
            painter.end();
            outcome.kind = ReportOutcome::Failed;
            outcome.error = tr("无法开始新的一页。");
            return outcome;
        }
        const Page& page = m_pages[p];
        QStringList subjects;
        for (const Part& part : page.parts)
            subjects << m_content.sections[size_t(part.section)].name;
        if (page.kind == Page::Charts)
            subjects << tr("费用分析");
        const QString subject = subjects.join(tr("、"));
        paintFrame(painter, int(p) + 1, subject);
        switch (page.kind) {
        case Page::Title:
            paintTitle(painter);
            break;
        case Page::Table:
            for (const Part& part : page.parts) {
                if (!paintTable(painter, part, progress)) {
                    painter.end();
                    outcome.kind = ReportOutcome::Cancelled;
                    return outcome;
                }
            }
            break;
        case Page::Charts:
            paintCharts(painter);
            break;
        }
    }
    if (!painter.end()) {
        outcome.kind = ReportOutcome::Failed;
        outcome.error = tr("无法写完报表。");
        return outcome;
    }
    outcome.pages = int(m_pages.size());
    if (progress)
        progress(m_work, m_work);
    return outcome;
}

void CReportPainter::paintFrame(QPainter& painter, int pageNumber, const QString& subject)
{
    painter.setPen(Qt::black);
    painter.setFont(m_text);
    const QRectF top(0, 0, m_size.width(), kBandHeight - 4);
    QString left = tr("爱车费用报表 · %1").arg(m_content.carName);
    if (!subject.isEmpty())
        left = tr("%1 · %2").arg(left, subject);
    painter.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, left);
    painter.drawText(top, Qt::AlignRight | Qt::AlignVCenter,
                     tr("报表期间：%1").arg(m_content.request.PeriodText()));
    painter.setPen(QPen(kRule, 0.5));
    painter.drawLine(QPointF(0, kBandHeight - 3), QPointF(m_size.width(), kBandHeight - 3));
    painter.setPen(Qt::black);
    const QRectF bottom(0, m_size.height() - kBandHeight + 4, m_size.width(), kBandHeight - 4);
    painter.drawText(bottom, Qt::AlignCenter,
                     tr("第 %1 页，共 %2 页").arg(pageNumber).arg(m_pages.size()));
}

void CReportPainter::paintRow(QPainter& painter, const ReportSection& section,
                              const std::vector<double>& widths, const QStringList& cells, double y,
                              double height, const QFont& font, bool boxed) const
{
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF& metrics = &font == &m_text ? m_textMetrics : m_boldMetrics;
    // A row of one line's height was measured: each of its texts fits.
    const bool fits = &font == &m_text && height <= m_line + 2 * kPadY + 0.01;
    double x = 0;
    for (size_t c = 0; c < widths.size(); ++c) {
        const QRectF cell(x, y, widths[c], height);
        if (qsizetype(c) < cells.size())
            drawCell(painter, metrics, cell, cells[qsizetype(c)],
                     isNumberColumn(section.columns[c].kind), fits);
        x += widths[c];
    }
    painter.setPen(QPen(kRule, boxed ? 0.6 : 0.3));
    painter.drawLine(QPointF(0, y + height), QPointF(m_size.width(), y + height));
}

void CReportPainter::paintTotalRow(QPainter& painter, const ReportSection& section,
                                   const std::vector<double>& widths, const QString& label,
                                   const std::vector<qint64>& sums, double y) const
{
    const double height = m_line + 2 * kPadY;
    painter.fillRect(QRectF(0, y, m_size.width(), height), kTotalBack);
    QStringList cells;
    for (size_t c = 0; c < widths.size(); ++c)
        cells << QString();
    for (size_t t = 0; t < section.totals.size(); ++t)
        if (section.totals[t].column >= 0)
            cells[section.totals[t].column] = section.totals[t].text(double(sums[t]) / 100.0);
    // The label spans the columns before the first total.
    int span = int(widths.size());
    for (const ReportTotal& total : section.totals)
        if (total.column >= 0)
            span = std::min(span, total.column);
    double labelWidth = 0;
    for (int c = 0; c < span; ++c)
        labelWidth += widths[size_t(c)];
    painter.setFont(m_bold);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(kPadX, y, std::max(labelWidth, 60.0) - 2 * kPadX, height),
                     Qt::AlignLeft | Qt::AlignVCenter, label);
    paintRow(painter, section, widths, cells, y, height, m_bold, true);
}

bool CReportPainter::paintTable(QPainter& painter, const Part& page, const ReportProgress& progress)
{
    const ReportSection& section = m_content.sections[size_t(page.section)];
    const std::vector<float>& heights = m_heights[size_t(page.section)];
    const std::vector<double>& widths = m_widths[size_t(page.section)];
    double y = m_body.top() + page.top;

    painter.setFont(m_heading);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, y, m_size.width(), kTitleHeight - 4),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     page.sectionStart ? section.name : tr("%1（续）").arg(section.name));
    y += kTitleHeight;

    QStringList headers;
    for (const LedgerColumn& column : section.columns)
        headers << column.header;
    const double headerHeight = rowHeight(widths, {}, headers);
    const double tableTop = y;
    painter.fillRect(QRectF(0, y, m_size.width(), headerHeight), kHeaderBack);
    paintRow(painter, section, widths, headers, y, headerHeight, m_bold, true);
    y += headerHeight;

    std::vector<qint64> pageSums(section.totals.size(), 0);
    for (size_t r = page.firstRow; r < page.endRow; ++r) {
        const double height = heights[r];
        paintRow(painter, section, widths, section.rows[r], y, height, m_text, false);
        for (size_t t = 0; t < section.totals.size(); ++t)
            pageSums[t] += section.Share(r, t);
        y += height;
        if (!tick(progress))
            return false;
    }
    // The column rules run through the header and the rows.
    const double rulesEnd = y;
    double totalsTop = y; // where the total rows begin
    if (section.rows.empty()) {
        painter.setFont(m_text);
        painter.setPen(Qt::black);
        const double height = m_line + 2 * kPadY;
        painter.drawText(QRectF(kPadX, y, m_size.width(), height), Qt::AlignLeft | Qt::AlignVCenter,
                         tr("这段期间没有记录。"));
        y += height;
        painter.setPen(QPen(kRule, 0.3));
        painter.drawLine(QPointF(0, y), QPointF(m_size.width(), y));
        totalsTop = y;
    }
    const double totalHeight = m_line + 2 * kPadY;
    if (!section.totals.empty()) {
        paintTotalRow(painter, section, widths, tr("本页合计"), pageSums, y);
        y += totalHeight;
        if (page.sectionEnd) {
            std::vector<qint64> periodSums;
            for (size_t t = 0; t < section.totals.size(); ++t)
                periodSums.push_back(periodSum(section, t));
            paintTotalRow(painter, section, widths, tr("期间合计"), periodSums, y);
            y += totalHeight;
        }
    }
    // The table's outline and its column rules, once for the page; the total
    // rows are crossed only where a total stands beside its label.
    painter.setPen(QPen(kRule, 0.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0, tableTop, m_size.width(), y - tableTop));
    int labelSpan = int(widths.size());
    for (const ReportTotal& total : section.totals)
        if (total.column >= 0)
            labelSpan = std::min(labelSpan, total.column);
    double x = 0;
    for (size_t c = 0; c + 1 < widths.size(); ++c) {
        x += widths[c];
        painter.drawLine(QPointF(x, tableTop), QPointF(x, rulesEnd));
        if (int(c) + 1 >= labelSpan)
            painter.drawLine(QPointF(x, totalsTop), QPointF(x, y));
    }
    if (page.sectionEnd) {
        painter.setFont(m_text);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y, m_size.width(), totalHeight),
                         Qt::AlignRight | Qt::AlignVCenter,
                         tr("%1：共 %2 条记录").arg(section.name).arg(section.rows.size()));
    }
    return true;
}

void CReportPainter::paintTitle(QPainter& painter)
{
    const double w = m_size.width();
    double y = m_body.top() + 24;
    painter.setPen(Qt::black);
    painter.setFont(m_title);
    painter.drawText(QRectF(0, y, w, 32), Qt::AlignCenter, tr("爱车费用报表"));
    y += 40;
    painter.setFont(m_heading);
    painter.drawText(QRectF(0, y, w, 20), Qt::AlignCenter, m_content.carName);
    y += 30;
    // The car's photo of its profile, kept in its proportions.
    if (const QImage& photo = m_content.car.picture; !photo.isNull()) {
        const QSizeF box(180, 120);
        const QSizeF size = QSizeF(photo.size()).scaled(box, Qt::KeepAspectRatio);
        // No more pixels than print at 300 dpi: a camera's photo would make
        // the file many times larger.
        const QSize print = (size * 300 / 72).toSize();
        const QImage shown =
            photo.width() > print.width()
                ? photo.scaled(print, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                : photo;
        painter.drawImage(QRectF(QPointF((w - size.width()) / 2, y), size), shown);
        y += size.height() + 12;
    }

    QStringList ledgers;
    for (const ReportSection& section : m_content.sections)
        ledgers << section.name;
    const QStringList lines = {
        tr("报表期间：%1").arg(m_content.request.PeriodText()),
        tr("制表时间：%1").arg(m_content.madeAt.toString(QStringLiteral("yyyy/MM/dd HH:mm"))),
        tr("包含的记录：%1").arg(ledgers.isEmpty() ? tr("无") : ledgers.join(tr("、"))),
    };
    painter.setFont(m_text);
    for (const QString& line : lines) {
        painter.drawText(QRectF(0, y, w, m_line), Qt::AlignCenter, line);
        y += m_line + 3;
    }
    y += 14;

    // Two columns of label and value rows: profile and purchase on the
    // left, the summary page's figures on the right.
    const double gap = 16;
    const double columnWidth = (w - gap) / 2;
    const double labelWidth = columnWidth * 0.42;
    auto heading = [&](double x, double& at, const QString& text) {
        painter.setFont(m_heading);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x, at, columnWidth, 18), Qt::AlignLeft | Qt::AlignVCenter, text);
        at += 20;
    };
    auto pair = [&](double x, double& at, const QString& label, const QString& value, bool group) {
        const double valueRoom = columnWidth - labelWidth - 2 * kPadX;
        const double height =
            std::max(m_line, value.isEmpty() ? m_line : wrappedHeight(m_text, value, valueRoom)) +
            2 * kPadY;
        if (at + height > m_body.bottom())
            return;
        if (group)
            painter.fillRect(QRectF(x, at, columnWidth, height), kGroupBack);
        painter.setPen(Qt::black);
        painter.setFont(group ? m_bold : m_text);
        drawCell(painter, group ? m_boldMetrics : m_textMetrics, QRectF(x, at, labelWidth, height),
                 label, false, false);
        painter.setFont(m_text);
        drawCell(painter, m_textMetrics,
                 QRectF(x + labelWidth, at, columnWidth - labelWidth, height), value, false, false);
        painter.setPen(QPen(kRule, 0.3));
        painter.drawLine(QPointF(x, at + height), QPointF(x + columnWidth, at + height));
        at += height;
    };

    const CARPROPERTY& car = m_content.car;
    double left = y;
    heading(0, left, tr("车辆档案"));
    // Labelled as the car file captions the same values.
    const std::pair<QString, QString> profile[] = {
        {ShownFileCaption(QStringLiteral("汽车制造商")), car.manufacture},
        {ShownFileCaption(QStringLiteral("汽车型号")), car.carType},
        {ShownFileCaption(QStringLiteral("汽车识别代码(VIN)")), car.vin},
        {ShownFileCaption(QStringLiteral("车身颜色")), car.bodyColor},
        {ShownFileCaption(QStringLiteral("发动机编号")), car.motorId},
        {ShownFileCaption(QStringLiteral("发动机排量")), car.emission},
        {ShownFileCaption(QStringLiteral("汽车牌照")), car.carNo},
        {ShownFileCaption(QStringLiteral("使用燃油标识")), car.fuelType},
        {ShownFileCaption(QStringLiteral("油箱容积(升)")), FormatNumber(car.fuelVolume, 2)},
        {ShownFileCaption(QStringLiteral("油表量程(格)")), FormatNumber(car.meterRules, 2)},
        {ShownFileCaption(QStringLiteral("当前里程(KM)")), FormatNumber(car.curMiles, 0)},
    };
    for (const auto& [label, value] : profile)
        pair(0, left, label, value, false);
    left += 10;
    heading(0, left, tr("购入信息"));
    if (!m_content.bought) {
        pair(0, left, tr("购入信息"), tr("没有填写"), false);
    } else {
        const PURCHASEINFO& p = m_content.purchase;
        const std::pair<QString, QString> purchase[] = {
            {ShownFileCaption(QStringLiteral("购买日期")), p.buyDateText},
            {ShownFileCaption(QStringLiteral("购买时里程(KM)")), FormatNumber(p.buyMiles, 0)},
            {ShownFileCaption(QStringLiteral("裸车总价格")), MoneyText(p.carPrice)},
            {ShownFileCaption(QStringLiteral("购置税")), MoneyText(p.carTax)},
            {ShownFileCaption(QStringLiteral("首次保险费用总计")), MoneyText(p.insuAmount)},
            {ShownFileCaption(QStringLiteral("上牌费")), MoneyText(p.carLicense)},
            {ShownFileCaption(QStringLiteral("保险公司")), p.insuCompany},
            {ShownFileCaption(QStringLiteral("主要内容摘要")), p.insuNote},
            {ShownFileCaption(QStringLiteral("保险联系信息")), p.insuTouchInfo},
            {ShownFileCaption(QStringLiteral("贷款银行")), p.loanBank},
            {ShownFileCaption(QStringLiteral("贷款总金额")), MoneyText(p.loanAmount)},
            {ShownFileCaption(QStringLiteral("贷款年限")), FormatNumber(p.loanYears, 0)},
            {ShownFileCaption(QStringLiteral("还贷总利息")), MoneyText(p.loanInterest)},
            {ShownFileCaption(QStringLiteral("贷款联系信息")), p.loanTouchInfo},
        };
        for (const auto& [label, value] : purchase)
            pair(0, left, label, value, false);
    }

    const double x = columnWidth + gap;
    double right = y;
    heading(x, right, tr("统计信息"));
    const auto values =
        summaryrows::ValueTexts(car, m_content.purchase, m_content.totals, m_content.figures);
    for (int row = 1; row < summaryrows::kRows; ++row)
        pair(x, right, summaryrows::Label(row), values[size_t(row)], summaryrows::IsGroup(row));
}

void CReportPainter::paintCharts(QPainter& painter)
{
    const double w = m_size.width();
    double y = m_body.top();
    painter.setFont(m_heading);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, y, w, kTitleHeight - 4), Qt::AlignLeft | Qt::AlignVCenter,
                     tr("费用分析"));
    y += kTitleHeight;
    // Each chart is drawn at the size it has in the window and scaled onto
    // the page, so that its texts and bars keep their proportions.
    const double chartScale = w / kChartWidth;
    const int chartHeight = int((m_body.bottom() - y - 12) / 2 / chartScale);
    auto draw = [&](int analysis, const std::vector<costanalysis::ChartBar>& bars, bool pie,
                    double top) {
        CBarChart chart;
        chart.SetFaceFamily(reportFamily("宋体"));
        chart.m_pie = pie ? 1 : 0;
        chart.m_grid = m_content.chart.gridLines;
        chart.m_gradient = m_content.chart.gradientFill;
        chart.SetTitle(costanalysis::AnalysisTitle(analysis));
        chart.SetBackground(costanalysis::kChartBackground);
        for (const costanalysis::ChartBar& bar : bars)
            chart.AddBar(bar.label, bar.colour, bar.value);
        painter.save();
        painter.translate(0, top);
        painter.scale(chartScale, chartScale);
        chart.Render(painter, QRect(0, 0, int(kChartWidth), chartHeight));
        painter.restore();
    };
    draw(CDlgSysSetting::AllMonthly, m_content.monthBars, false, y);
    draw(CDlgSysSetting::TotalCost, m_content.costBars, true, y + chartHeight * chartScale + 12);
}
