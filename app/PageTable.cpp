#include "app/PageTable.h"

#include "analysis/DlgBaseInfo.h"
#include "analysis/DlgSysSetting.h"
#include "ledgers/DlgAccessory.h"
#include "ledgers/DlgAccident.h"
#include "ledgers/DlgCarLog.h"
#include "ledgers/DlgDayCost.h"
#include "ledgers/DlgMaintain.h"
#include "ledgers/DlgOil.h"
#include "ledgers/DlgRepair.h"
#include "res/NavigationStrip.h"

QString PageCaption(int index)
{
    if (index < 0 || index >= kPageCount)
        return {};
    return res::NavigationCaptions()[static_cast<size_t>(index)];
}

namespace {

template <class Page> PageFactory page(LedgerContext& context)
{
    return [&context](QWidget* parent) { return new Page(context, parent); };
}

} // namespace

PageFactories DefaultPageFactories(LedgerContext& context)
{
    return {
        page<CDlgBaseInfo>(context),  page<CDlgOil>(context),      page<CDlgRepair>(context),
        page<CDlgMaintain>(context),  page<CDlgAccident>(context), page<CDlgDayCost>(context),
        page<CDlgAccessory>(context), page<CDlgCarLog>(context),   page<CDlgSysSetting>(context),
    };
}
