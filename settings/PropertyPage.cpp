#include "settings/PropertyPage.h"

#include "settings/TreePropSheet.h"

CPropertyPage::CPropertyPage(const QString& title, QWidget* parent)
    : QWidget(parent), m_title(title)
{
    setAccessibleName(title);
}

void CPropertyPage::SetModified(bool modified)
{
    m_modified = modified;
    if (m_sheet)
        m_sheet->UpdateApplyButton();
}

void CPropertyPage::EnsureCreated()
{
    if (m_created)
        return;
    m_created = true;
    OnInitDialog();
}

bool CPropertyPage::OnApply()
{
    OnOK();
    return true;
}
