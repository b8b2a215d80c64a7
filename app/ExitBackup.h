#pragma once

class LedgerContext;
class QWidget;

// The backup point of the exit (database/AutoBackup.h) for the context's
// ledger and settings; a failure is told in one message box over parent, and
// the exit goes on.
void BackUpLedgerAtExit(QWidget* parent, const LedgerContext& context);
