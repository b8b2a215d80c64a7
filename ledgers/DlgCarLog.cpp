#include "ledgers/DlgCarLog.h"

CDlgCarLog::CDlgCarLog(QWidget* parent) : CLedgerPage(CarLogPage(), parent) {}
