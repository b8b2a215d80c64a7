#pragma once

#include <QString>
#include <functional>

// The ledger store reports what the user must learn (a failed statement, a
// refused operation) through one sink, without knowing how it is shown: the
// program shows a message box, a test records it. Text, caption and flags are
// those of the classic message box (platform/MessageCodes.h); the sink answers
// IDOK, IDCANCEL, IDYES or IDNO.
using StoreMessageSink =
    std::function<int(const QString& text, const QString& caption, unsigned flags)>;

// Installs the sink (an empty function removes it) and returns the one it replaces.
StoreMessageSink SetStoreMessageSink(StoreMessageSink sink);

// Hands one message to the sink, with the title a message box would show for
// the caption. Without a sink nobody can be asked: the answer is IDOK at once.
int ReportStoreMessage(const QString& text, const QString& caption, unsigned flags);
