#pragma once

#include "database/LedgerContext.h"
#include "platform/WindowRequests.h"

#include <QString>
#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// Opens the ledger file at path in the context, making it when it is missing,
// as the program keeps its ledger open for the pages.
inline bool OpenLedger(LedgerContext& context, const QString& path)
{
    context.m_database.SetFilePath(path);
    context.m_database.CreateOrOpen();
    return context.m_database.IsOpen();
}

// The main window as the pages see it: it records what they ask of it.
class RecordingWindow : public IWindowRequests
{
public:
    explicit RecordingWindow(LedgerContext& context) : m_context(context) {}

    void SetTitle() override
    {
        titleCar = m_context.m_database.GetCurrentCarName().value_or(QString());
        ++titleCalls;
    }
    void RedrawCarPhoto() override { ++photoRedraws; }
    void PostClose() override { ++closeRequests; }

    QString titleCar; // the current car's name at the last title request
    int titleCalls = 0;
    int photoRedraws = 0;
    int closeRequests = 0;

private:
    LedgerContext& m_context;
};
