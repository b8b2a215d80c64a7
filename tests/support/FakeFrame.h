#pragma once

#include "ledgers/FrameState.h"

#include <QStringList>
#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// A main frame without a window: a real ledger file in the test's data folder,
// and a record of the title and photo requests the pages make.
class FakeFrame : public CFrameState
{
public:
    void SetTitle() override
    {
        const QString name = m_database.GetCurrentCarName().value_or(QString());
        title = QStringLiteral("Qinmo【") +
                (name.isEmpty() ? QStringLiteral("请选择或创建管理车辆") : name) +
                QStringLiteral("】");
        ++titleCalls;
    }
    void RedrawCarPhoto() override { ++photoRedraws; }
    void PostClose() override { ++closeRequests; }
    // Settings files are the real frame's business; the pages never ask for them.
    int LoadSaveConfig(const QString& fileName, bool save) override
    {
        configCalls << fileName + (save ? QStringLiteral(" save") : QStringLiteral(" load"));
        return 1;
    }

    QString title;
    int titleCalls = 0;
    int photoRedraws = 0;
    int closeRequests = 0;
    QStringList configCalls;
};
