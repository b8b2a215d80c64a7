#pragma once

#include "csv/CsvCommand.h"

// orvyn --check [/nopassword] [--password-file FILE]: the consistency check of the whole ledger
// without a window. Prints one line per finding and a closing count; answers
// 0 when nothing was found, 1 for findings or when the ledger cannot be read.
// The ledger is only read; it may be open in the program at the same time.
int RunCheckCommand(bool noPassword, const QString& passwordFile, CsvCommandIo& io);
