#include "settings/SettingsSheet.h"

#include "database/LedgerContext.h"
#include "platform/StoreFailure.h"
#include "settings/PageBaseInfo.h"
#include "settings/PageBuyInfo.h"
#include "settings/PageCarManage.h"
#include "settings/PageRemind.h"
#include "settings/PageRestroeData.h"
#include "settings/PageSetPwd.h"
#include "settings/PageSys.h"
#include "settings/PageWord.h"
#include "settings/SheetImages.h"
#include "settings/TreePropSheet.h"

#include <QCoreApplication>

namespace {

// Icon of each page in the page icon strip, in tree order.
constexpr int kPageIcons[settingspage::Count] = {3, 10, 11, 1, 2, 6, 9, 7};

CPropertyPage* pageFor(int index, LedgerContext& context, IWindowRequests* window)
{
    switch (index) {
    case settingspage::CarManage:
        return new CPageCarManage(context, window);
    case settingspage::BaseInfo:
        return new CPageBaseInfo(context, window);
    case settingspage::BuyInfo:
        return new CPageBuyInfo(context);
    case settingspage::Sys:
        return new CPageSys(context);
    case settingspage::Word:
        return new CPageWord(context);
    case settingspage::RestoreData: {
        auto* page = new CPageRestroeData(window, &context);
        page->SetBackupSettings(&context.m_backupSettings);
        return page;
    }
    case settingspage::Remind:
        return new CPageRemind(context);
    default:
        return new CPageSetPwd(window, &context);
    }
}

} // namespace

int SettingsStartPage(int commandId, bool hasCurrentCar)
{
    if (!hasCurrentCar)
        return settingspage::CarManage;
    switch (commandId) {
    case settingscommand::Sys:
        return settingspage::Sys;
    case settingscommand::BuyInfo:
        return settingspage::BuyInfo;
    case settingscommand::CarManage:
        return settingspage::CarManage;
    case settingscommand::Word:
        return settingspage::Word;
    case settingscommand::RestoreData:
        return settingspage::RestoreData;
    case settingscommand::SetPwd:
        return settingspage::SetPwd;
    case settingscommand::Remind:
        return settingspage::Remind;
    default:
        return settingspage::BaseInfo;
    }
}

bool IsSettingsCommand(int commandId)
{
    using namespace settingscommand;
    for (int id : {CarManage, BaseInfo, BuyInfo, Sys, SetPwd, Word, RestoreData, Remind})
        if (id == commandId)
            return true;
    return false;
}

QString SettingsSheetTitle(const QString& carName)
{
    return QCoreApplication::translate("SettingsSheet", "综合设置【%1】").arg(carName);
}

std::unique_ptr<CTreePropSheet> CreateSettingsSheet(QWidget* parent, int commandId,
                                                    LedgerContext& context, IWindowRequests* window)
{
    auto sheet = std::make_unique<CTreePropSheet>(
        QCoreApplication::translate("SettingsSheet", "综合设置"), parent);
    sheet->SetTreeViewMode(true, true, true);
    sheet->SetTreeDefaultImages(sheetimages::DefaultImages());
    sheet->SetEmptyPageText(QStringLiteral("Please select a page!"));

    const QString carName = platform::ValueOrShow(context.m_database.GetCurrentCarName(), parent);
    if (!carName.isEmpty())
        sheet->SetTitle(SettingsSheetTitle(carName));

    for (int i = 0; i < settingspage::Count; ++i) {
        CPropertyPage* page = pageFor(i, context, window);
        page->SetIcon(QIcon(sheetimages::PageIcon(kPageIcons[i])));
        sheet->AddPage(page);
    }
    sheet->SetActivePage(SettingsStartPage(commandId, !carName.isEmpty()));
    return sheet;
}

void OpenSettingsSheet(QWidget* parent, int commandId, LedgerContext& context,
                       IWindowRequests* window, bool readyToAdd)
{
    std::unique_ptr<CTreePropSheet> sheet = CreateSettingsSheet(parent, commandId, context, window);
    if (readyToAdd) {
        sheet->SetActivePage(settingspage::CarManage);
        if (auto* page = qobject_cast<CPageCarManage*>(sheet->GetPage(settingspage::CarManage)))
            page->ReadyToAdd();
    }
    sheet->exec();
}
