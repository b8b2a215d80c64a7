#pragma once

#include "settings/PropertyPage.h"

class CPageSetPwd : public CPropertyPage
{
    Q_OBJECT
public:
    explicit CPageSetPwd(QWidget* parent = nullptr);
};
