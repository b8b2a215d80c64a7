#pragma once

#include "settings/PropertyPage.h"

class CPageBaseInfo : public CPropertyPage
{
    Q_OBJECT
public:
    explicit CPageBaseInfo(QWidget* parent = nullptr);
};
