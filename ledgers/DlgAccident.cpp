#include "ledgers/DlgAccident.h"

CDlgAccident::CDlgAccident(LedgerContext& context, QWidget* parent)
    : CCostPage(AccidentPage(), &CostTotals::accident, context, parent)
{
}
