// Fills a grid of 100 001 rows x 12 columns the way a ledger page does (texts,
// format and colour per cell, a date cell per row) and reports the time and
// the resident memory it took.
#include "controls/GridCellDateTime.h"
#include "controls/GridCtrl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

namespace {

long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rows = 100001;
    const int cols = 12;

    CGridCtrl grid;
    grid.resize(1000, 700);
    grid.SetEditable(true);
    grid.SetListMode(true);
    grid.SetColumnResize(false);
    grid.SetRowResize(false);
    grid.GetDefaultCell(false, false)->SetBackClr(RGB(255, 255, 224));
    grid.SetSingleRowSelection(true);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    grid.SetColumnCount(1);
    grid.SetColumnCount(cols);
    grid.show();
    app.processEvents();
    const long before = ResidentKiB();

    QElapsedTimer timer;
    timer.start();
    grid.SetRowCount(rows);
    const qint64 sized = timer.elapsed();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            QString text;
            if (r == 0)
                text = QStringLiteral("列%1").arg(c);
            else if (c == 0)
                text = QString::number(r);
            else if (c == 1)
                text = QStringLiteral("2011/%1/%2")
                           .arg(r % 12 + 1, 2, 10, QLatin1Char('0'))
                           .arg(r % 28 + 1, 2, 10, QLatin1Char('0'));
            else if (c == 2)
                text = QStringLiteral("%1 KM").arg(1000 + r * 37);
            else if (c == 10)
                text = QStringLiteral("备注 %1").arg(r);
            else if (c == 11)
                text = QStringLiteral("%1").arg(r, 7, 10, QLatin1Char('0'));
            else
                text = QStringLiteral("￥ %1").arg(r * 0.37 + c, 0, 'f', 2);
            GV_ITEM item;
            item.row = r;
            item.col = c;
            item.mask = GVIF_TEXT | GVIF_FORMAT;
            item.nFormat = DT_VCENTER | DT_SINGLELINE;
            item.strText = text;
            grid.SetItem(item);
            grid.SetItemFgColour(r, c, r == 0 ? RGB(0, 0, 255) : RGB(0, 0, 0));
            grid.SetItemState(r, c, grid.GetItemState(r, c) & ~GVIS_READONLY);
        }
    }
    const qint64 filled = timer.elapsed();
    app.processEvents();
    grid.repaint();
    const qint64 shown = timer.elapsed();
    const long after = ResidentKiB();

    // The ledger pages also turn column 1 into date cells on every row.
    QElapsedTimer dates;
    dates.start();
    for (int r = 1; r < rows; ++r)
        grid.SetCellType<CGridCellDateTime>(r, 1);
    const qint64 dated = dates.elapsed();
    const long withDates = ResidentKiB();

    std::printf("grid %d x %d\n", rows, cols);
    std::printf("  set row count          %6lld ms\n", static_cast<long long>(sized));
    std::printf("  fill texts and formats %6lld ms\n", static_cast<long long>(filled));
    std::printf("  first paint            %6lld ms (cumulative %lld ms)\n",
                static_cast<long long>(shown - filled), static_cast<long long>(shown));
    std::printf("  resident memory        %6ld MiB before, %ld MiB after (+%ld MiB)\n",
                before / 1024, after / 1024, (after - before) / 1024);
    std::printf("  date cells on column 1 %6lld ms, resident %ld MiB\n",
                static_cast<long long>(dated), withDates / 1024);
    return 0;
}
