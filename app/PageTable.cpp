#include "app/PageTable.h"

#include "app/TitledPage.h"
#include "res/NavigationStrip.h"

QString PageCaption(int index)
{
    if (index < 0 || index >= kPageCount)
        return {};
    return res::NavigationCaptions()[static_cast<size_t>(index)];
}

namespace {

// A page whose own widget is not part of the program yet: its title band.
PageFactory titled(int index)
{
    return [index](QWidget* parent) { return new CTitledPage(PageCaption(index), parent); };
}

} // namespace

PageFactories DefaultPageFactories()
{
    return {
        titled(0), // CDlgBaseInfo, vehicle summary
        titled(1), // CDlgOil, refuel ledger
        titled(2), // CDlgRepair, repair ledger
        titled(3), // CDlgMaintain, maintenance ledger
        titled(4), // CDlgAccident, accident ledger
        titled(5), // CDlgDayCost, daily sundry costs
        titled(6), // CDlgAccessory, accessory ledger
        titled(7), // CDlgCarLog, car log
        titled(8), // CDlgSysSetting, monthly cost analysis
    };
}
