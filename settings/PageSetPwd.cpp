#include "settings/PageSetPwd.h"

CPageSetPwd::CPageSetPwd(QWidget* parent) : CPropertyPage(QStringLiteral("密码设置"), parent) {}
