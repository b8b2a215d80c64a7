#pragma once

#include "settings/PropertyPage.h"

class CPageBuyInfo : public CPropertyPage
{
    Q_OBJECT
public:
    explicit CPageBuyInfo(QWidget* parent = nullptr);
};
