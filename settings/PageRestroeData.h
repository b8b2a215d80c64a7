#pragma once

#include "settings/PropertyPage.h"

class CPageRestroeData : public CPropertyPage
{
    Q_OBJECT
public:
    explicit CPageRestroeData(QWidget* parent = nullptr);
};
