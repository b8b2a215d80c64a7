#include "platform/ProgressBar.h"

#include "platform/MessageCodes.h"

#include <QCoreApplication>
#include <algorithm>

namespace platform {

ProgressBar::ProgressBar(QWidget* parent, const QString& text)
    : m_dialog(text, QCoreApplication::translate("ProgressBar", "取消"), 0, 100, parent)
{
    m_dialog.setWindowTitle(kCaption);
    m_dialog.setWindowModality(Qt::WindowModal);
    m_dialog.setMinimumDuration(300);
    m_dialog.setAutoReset(false);
    m_dialog.setAccessibleName(text);
}

std::function<bool(qint64, qint64)> ProgressBar::report()
{
    return [this](qint64 done, qint64 total) {
        const int maximum = int(std::min<qint64>(std::max<qint64>(total, 1), 1 << 30));
        if (m_dialog.maximum() != maximum)
            m_dialog.setMaximum(maximum);
        m_dialog.setValue(int(std::min<qint64>(done, maximum)));
        return !m_dialog.wasCanceled();
    };
}

} // namespace platform
