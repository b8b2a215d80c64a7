#include "ledgers/DlgAccident.h"

CDlgAccident::CDlgAccident(QWidget* parent)
    : CCostPage(AccidentPage(), &CostTotals::accident, parent)
{
}
