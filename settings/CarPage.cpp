#include "settings/CarPage.h"

#include "database/MyDatabase.h"
#include "ledgers/FrameState.h"
#include "ledgers/LedgerFormat.h"
#include "platform/MessageBox.h"

#include <QLabel>
#include <QLineEdit>

using namespace platform;

namespace carpage {

CMyDatabase* Database()
{
    return CFrameState::OpenDatabase();
}

QString CurrentCarId()
{
    CMyDatabase* db = Database();
    return db ? RightTrimmed(db->GetCurrentCarID()) : QString();
}

QLabel* LabelFor(QWidget* control, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(control);
    control->setAccessibleName(text);
    return label;
}

void ReportNoCar(QWidget* page)
{
    MessageBox(page, QStringLiteral("没有被选择的车辆！"), kCaption, MB_OK | MB_ICONERROR);
}

void EnableControls(QWidget* page, bool enabled)
{
    for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setEnabled(enabled);
}

std::optional<double> ReadNumberField(QWidget* page, QLineEdit* edit, const QString& label)
{
    const TypedNumber number = ReadTypedNumber(edit->text());
    if (!number.outOfRange)
        return number.value;
    MessageBox(
        page,
        QStringLiteral("【%1】输入的数值超出范围（绝对值不能超过 1000000000000），没有保存。")
            .arg(label),
        kCaption, MB_OK | MB_ICONERROR);
    edit->setFocus();
    edit->selectAll();
    return std::nullopt;
}

} // namespace carpage
