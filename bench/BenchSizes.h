#pragma once

#include <QApplication>
#include <QProcess>
#include <QString>
#include <cstdlib>
#include <functional>
#include <initializer_list>

// The main of a benchmark of ledger sizes: "<program> <records>" runs one
// size; without an argument each size runs in a fresh process of its own, so
// that no size inherits another's memory.
inline int RunBenchSizes(int argc, char** argv, std::initializer_list<int> sizes,
                         const std::function<void(int)>& run)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1) {
        run(std::atoi(argv[1]));
        return 0;
    }
    for (int records : sizes) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QString::number(records)});
        child.waitForFinished(-1);
    }
    return 0;
}
