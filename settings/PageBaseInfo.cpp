#include "settings/PageBaseInfo.h"

CPageBaseInfo::CPageBaseInfo(QWidget* parent) : CPropertyPage(QStringLiteral("爱车档案"), parent) {}
