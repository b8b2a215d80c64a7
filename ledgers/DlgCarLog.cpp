#include "ledgers/DlgCarLog.h"

CDlgCarLog::CDlgCarLog(LedgerContext& context, QWidget* parent)
    : CLedgerPage(CarLogPage(), context, parent)
{
}
