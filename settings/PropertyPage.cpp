#include "settings/PropertyPage.h"

#include "settings/TreePropSheet.h"

#include <QPushButton>

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
    clearDefaultButtons();
}

void CPropertyPage::showEvent(QShowEvent* event)
{
    // Again on every showing: a page may add buttons after its initialisation.
    clearDefaultButtons();
    QWidget::showEvent(event);
}

void CPropertyPage::clearDefaultButtons()
{
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setDefault(false);
        button->setAutoDefault(false);
    }
}

bool CPropertyPage::OnApply()
{
    OnOK();
    return true;
}
