#include "settings/PageBuyInfo.h"

CPageBuyInfo::CPageBuyInfo(QWidget* parent) : CPropertyPage(QStringLiteral("购入信息"), parent) {}
