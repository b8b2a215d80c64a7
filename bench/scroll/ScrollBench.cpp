// Times the frames of scrolling the refuelling page offscreen: Page Down from
// the top (200 presses), and the scroll bar dragged from top to bottom in 200
// steps. A frame is the key or the move handled and the grid painted at once.
// Prints the median and the slowest frame of each; a frame should take at
// most 16 ms (60 frames a second).
//
//   scroll_bench            100 000 and 1 000 000 records, each in a fresh process
//   scroll_bench <records>  one size
#include "bench/BenchLedger.h"
#include "bench/BenchSizes.h"
#include "controls/GridCtrl.h"
#include "ledgers/DlgOil.h"
#include "platform/MessageEvent.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

struct Frames
{
    double median = 0;
    double slowest = 0;
};

Frames summary(std::vector<double> frames)
{
    std::sort(frames.begin(), frames.end());
    return {frames[frames.size() / 2], frames.back()};
}

void run(int records)
{
    QTemporaryDir dir;
    BenchLedger ledger(dir.path());
    FillRefuelLedger(ledger.m_database, records, "高速服务区");
    CDlgOil page(ledger);
    page.resize(1000, 700);
    page.show();
    platform::SendMessage(&page, platform::WM_PAGE_SHOW, 0, 1);
    QCoreApplication::processEvents();
    CGridCtrl* grid = page.Grid();
    grid->setFocus();
    grid->SetFocusCell(1, 1);
    QCoreApplication::processEvents();

    QElapsedTimer timer;
    std::vector<double> pageDown;
    for (int i = 0; i < 200; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
        timer.start();
        QApplication::sendEvent(grid, &press);
        grid->viewport()->repaint();
        pageDown.push_back(timer.nsecsElapsed() / 1e6);
    }

    const int reached = grid->GetFocusCell().row;
    QScrollBar* bar = grid->verticalScrollBar();
    std::vector<double> drag;
    for (int i = 0; i <= 200; ++i) {
        timer.start();
        bar->setValue(bar->minimum() + (bar->maximum() - bar->minimum()) * i / 200);
        grid->viewport()->repaint();
        drag.push_back(timer.nsecsElapsed() / 1e6);
    }
    const Frames keys = summary(pageDown), moves = summary(drag);
    std::printf("%8d records: Page Down (to row %d) median %5.2f ms, slowest %6.2f ms (x%.2f of "
                "16 ms) | scroll bar median %5.2f ms, slowest %6.2f ms (x%.2f of 16 ms)\n",
                records, reached, keys.median, keys.slowest, keys.slowest / 16, moves.median,
                moves.slowest, moves.slowest / 16);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    return RunBenchSizes(argc, argv, {100000, 1000000}, run);
}
