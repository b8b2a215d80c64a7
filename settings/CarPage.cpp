#include "settings/CarPage.h"

#include "database/LedgerContext.h"
#include "ledgers/LedgerFormat.h"
#include "platform/MessageBox.h"
#include "platform/StoreFailure.h"

#include <QLabel>
#include <QLineEdit>

using namespace platform;

CCarRowPage::CCarRowPage(const QString& title, LedgerContext& context, QWidget* parent)
    : CPropertyPage(title, parent), m_context(context)
{
}

QString CCarRowPage::currentCarId() const
{
    CMyDatabase* db = Database();
    return db ? RightTrimmed(ValueOrShow(db->GetCurrentCarID())) : QString();
}

void CCarRowPage::OnInitDialog()
{
    m_car = currentCarId();
    if (!m_car.isEmpty()) {
        Load();
        return;
    }
    MessageBox(this, tr("没有被选择的车辆！"), kCaption, MB_OK | MB_ICONERROR);
    enableControls(false);
}

bool CCarRowPage::OnSetActive()
{
    const QString current = currentCarId();
    if (!current.isEmpty() && current != m_car) {
        // Edits typed for the car shown before are not dropped unasked; when
        // they cannot be saved the page stays with that car.
        if (IsModified() && !m_car.isEmpty() && !saveEditsOf(m_car))
            return true;
        m_car = current;
        Load();
    } else {
        Refresh();
    }
    if (m_controlsDisabled && !m_car.isEmpty())
        enableControls(true);
    return true;
}

bool CCarRowPage::saveEditsOf(const QString& carId)
{
    QString name = carId;
    std::vector<CARLIST> cars;
    if (CMyDatabase* db = Database())
        TakeOrShow(db->GetCarList(), cars, this);
    for (const CARLIST& car : cars)
        if (car.carId == carId)
            name = car.name;
    const QString question =
        tr("【%1】中车辆【%2】的修改还没有保存，是否保存？").arg(GetTitle(), name);
    if (MessageBox(this, question, kCaption, MB_YESNO | MB_ICONQUESTION) == IDYES && !OnApply())
        return false;
    SetModified(false);
    return true;
}

void CCarRowPage::FieldChanged()
{
    if (!m_loading)
        SetModified(true);
}

void CCarRowPage::enableControls(bool enabled)
{
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setEnabled(enabled);
    m_controlsDisabled = !enabled;
}

CMyDatabase* CCarRowPage::Database() const
{
    return m_context.OpenDatabase();
}

QLabel* CCarRowPage::LabelFor(QWidget* control, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(control);
    control->setAccessibleName(text);
    return label;
}

std::optional<double> CCarRowPage::ReadNumberField(QLineEdit* edit, const QString& label)
{
    const TypedNumber number = ReadTypedNumber(edit->text());
    if (!number.outOfRange)
        return number.value;
    MessageBox(
        this, tr("【%1】输入的数值超出范围（绝对值不能超过 1000000000000），没有保存。").arg(label),
        kCaption, MB_OK | MB_ICONERROR);
    edit->setFocus();
    edit->selectAll();
    return std::nullopt;
}
