#pragma once

#include "database/Expected.h"
#include "database/MyDatabase.h"

#include <QString>

class QWidget;

namespace platform {

// A message box's text, caption and flags.
struct StoreMessage
{
    QString text;
    QString caption;
    unsigned flags = 0;
};

// The message a failed store operation shows: a storage fault as the sentence
// naming its cause, a refused write as "修改没有保存。" with the execute warning,
// a failed read as the execute warning, a store refusal as its own sentence.
// No text for success, a closed ledger or a run its caller stopped.
StoreMessage StoreFailureMessage(const SqlStatus& status);

// Shows that message over the window; true when the status was a failure
// (shown or not), false for success.
bool ShowStoreFailure(const SqlStatus& status, QWidget* parent = nullptr);

// The value of a store read, or (after showing the failure) the fallback.
template <class T>
T ValueOrShow(const Expected<T>& result, QWidget* parent = nullptr, T fallback = T{})
{
    if (result)
        return *result;
    ShowStoreFailure(result.error(), parent);
    return fallback;
}

// Takes the value of a store read into `into` and answers true; after a
// failure shows it and leaves `into` as it was.
template <class T> bool TakeOrShow(Expected<T>&& result, T& into, QWidget* parent = nullptr)
{
    if (!result) {
        ShowStoreFailure(result.error(), parent);
        return false;
    }
    into = std::move(result).value();
    return true;
}

// Shows what opening the ledger came to: why it failed, or which columns the
// file lacked. Nothing for a plain opening.
void ShowLedgerOpening(const LedgerOpening& opening, QWidget* parent = nullptr);

// Warning text of a failed statement, the error description cut to fit.
QString ExecuteWarning(const QString& description);

} // namespace platform
