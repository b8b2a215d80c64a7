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

template <class Page> PageFactory page()
{
    return [](QWidget* parent) { return new Page(parent); };
}

} // namespace

PageFactories DefaultPageFactories()
{
    return {
        page<CDlgBaseInfo>(),  page<CDlgOil>(),      page<CDlgRepair>(),
        page<CDlgMaintain>(),  page<CDlgAccident>(), page<CDlgDayCost>(),
        page<CDlgAccessory>(), page<CDlgCarLog>(),   page<CDlgSysSetting>(),
    };
}
