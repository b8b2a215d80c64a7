#pragma once

#include <QProgressDialog>
#include <QString>
#include <functional>

class QWidget;

namespace platform {

// A modal progress bar with "取消" for a long run; it shows only when the run
// takes a moment.
class ProgressBar
{
public:
    ProgressBar(QWidget* parent, const QString& text);

    // The run's progress report: done of total; false once cancelled.
    std::function<bool(qint64 done, qint64 total)> report();

private:
    QProgressDialog m_dialog;
};

} // namespace platform
