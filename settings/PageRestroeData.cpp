#include "settings/PageRestroeData.h"

CPageRestroeData::CPageRestroeData(QWidget* parent)
    : CPropertyPage(QStringLiteral("备份与恢复"), parent)
{
}
