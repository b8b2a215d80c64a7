#include "settings/PageCarManage.h"

#include "settings/SettingsSheet.h"

#include "database/LedgerContext.h"
#include "platform/MessageBox.h"
#include "platform/StoreFailure.h"
#include "platform/WindowRequests.h"
#include "settings/CarPictureArea.h"
#include "settings/TreePropSheet.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

using namespace platform;

namespace {

QString framed(const QString& name)
{
    return QCoreApplication::translate("CPageCarManage", "【%1】").arg(name);
}

} // namespace

CPageCarManage::CPageCarManage(LedgerContext& context, IWindowRequests* window, QWidget* parent)
    : CPropertyPage(tr("车辆管理"), parent), m_context(context), m_window(window)
{
    // The car's name follows once a car is made current.
    m_currentBox = new QGroupBox(tr("当前车辆"), this);
    m_picture = new CCarPictureArea(m_currentBox);
    m_picture->setFixedSize(300, 150);
    auto* boxLayout = new QHBoxLayout(m_currentBox);
    boxLayout->addWidget(m_picture, 0, Qt::AlignCenter);

    auto* listLabel = new QLabel(tr("车辆列表"), this);
    m_list = new QListWidget(this);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setAccessibleName(tr("车辆列表"));
    listLabel->setBuddy(m_list);

    m_setCurrent = new QPushButton(tr("设为当前车辆"), this);
    m_delete = new QPushButton(tr("删除选中车辆"), this);

    m_renameCheck = new QCheckBox(tr("修改车辆名称"), this);
    auto* newNameLabel = new QLabel(tr("新名称"), this);
    m_newName = new QLineEdit(this);
    m_newName->setAccessibleName(tr("新名称"));
    newNameLabel->setBuddy(m_newName);
    m_rename = new QPushButton(tr("修改"), this);

    m_addCheck = new QCheckBox(tr("增加车辆"), this);
    auto* addNameLabel = new QLabel(tr("爱车名称"), this);
    m_addName = new QLineEdit(this);
    m_addName->setAccessibleName(tr("爱车名称"));
    addNameLabel->setBuddy(m_addName);
    m_add = new QPushButton(tr("增加"), this);

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(listLabel);
    listColumn->addWidget(m_list, 1);

    auto* actions = new QGridLayout;
    actions->addWidget(m_setCurrent, 0, 0, 1, 3);
    actions->addWidget(m_delete, 1, 0, 1, 3);
    actions->addWidget(m_renameCheck, 2, 0, 1, 3);
    actions->addWidget(newNameLabel, 3, 0);
    actions->addWidget(m_newName, 3, 1);
    actions->addWidget(m_rename, 3, 2);
    actions->addWidget(m_addCheck, 4, 0, 1, 3);
    actions->addWidget(addNameLabel, 5, 0);
    actions->addWidget(m_addName, 5, 1);
    actions->addWidget(m_add, 5, 2);
    actions->setRowStretch(6, 1);
    actions->setVerticalSpacing(8);

    auto* lower = new QHBoxLayout;
    lower->addLayout(listColumn, 1);
    lower->addLayout(actions, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_currentBox);
    layout->addLayout(lower, 1);

    // A mouse click moves the current row before it selects it, so the
    // selection's own signal is the one that names the clicked car.
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CPageCarManage::onSelectionChanged);
    connect(m_setCurrent, &QPushButton::clicked, this, &CPageCarManage::OnSetCurrentCar);
    connect(m_delete, &QPushButton::clicked, this, &CPageCarManage::OnDeleteCar);
    connect(m_rename, &QPushButton::clicked, this, &CPageCarManage::OnRenameCar);
    connect(m_add, &QPushButton::clicked, this, &CPageCarManage::OnAddCar);
    connect(m_renameCheck, &QCheckBox::toggled, this, &CPageCarManage::setRenameEnabled);
    connect(m_addCheck, &QCheckBox::toggled, this, &CPageCarManage::setAddEnabled);
    // Enter in the name box adds the car instead of reaching the sheet's OK.
    m_addName->installEventFilter(this);

    // Tab order: the list, then the column of actions from top to bottom.
    setTabOrder(m_list, m_setCurrent);
    setTabOrder(m_setCurrent, m_delete);
    setTabOrder(m_delete, m_renameCheck);
    setTabOrder(m_renameCheck, m_newName);
    setTabOrder(m_newName, m_rename);
    setTabOrder(m_rename, m_addCheck);
    setTabOrder(m_addCheck, m_addName);
    setTabOrder(m_addName, m_add);

    setAddEnabled(false);
    setRenameEnabled(false);
}

CMyDatabase* CPageCarManage::database() const
{
    return m_context.OpenDatabase();
}

int CPageCarManage::selectedRow() const
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    const int row = selected.isEmpty() ? -1 : m_list->row(selected.first());
    return row < static_cast<int>(m_cars.size()) ? row : -1;
}

QString CPageCarManage::selectedCarId() const
{
    const int row = selectedRow();
    return row >= 0 ? m_cars[static_cast<size_t>(row)].carId : QString();
}

void CPageCarManage::setAddEnabled(bool enabled)
{
    {
        const QSignalBlocker blocker(m_addCheck);
        m_addCheck->setChecked(enabled);
    }
    m_addName->setEnabled(enabled);
    m_add->setEnabled(enabled);
}

void CPageCarManage::setRenameEnabled(bool enabled)
{
    {
        const QSignalBlocker blocker(m_renameCheck);
        m_renameCheck->setChecked(enabled);
    }
    m_newName->setEnabled(enabled);
    m_rename->setEnabled(enabled);
}

void CPageCarManage::setSheetTitle(const QString& carName)
{
    if (CTreePropSheet* sheet = GetSheet())
        sheet->SetTitle(SettingsSheetTitle(carName));
}

void CPageCarManage::OnInitDialog()
{
    setAddEnabled(false);
    setRenameEnabled(false);
    FillCarList();
    OnSetCurrentCar();
    if (m_readyToAdd) {
        setAddEnabled(true);
        // The sheet gives its page tree the focus as it opens; the name box
        // takes it once the sheet is shown.
        QTimer::singleShot(0, m_addName,
                           [edit = m_addName] { edit->setFocus(Qt::OtherFocusReason); });
    }
}

bool CPageCarManage::OnSetActive()
{
    // Another page may have changed the picture since.
    RefreshPicture();
    return true;
}

void CPageCarManage::FillCarList()
{
    // The selection is remembered by car, not by row: a new car takes the top
    // row and moves every other one down.
    const QString selectedCar = selectedCarId();
    if (CMyDatabase* db = database())
        TakeOrShow(db->GetCarList(), m_cars, this);
    int selectedCarRow = -1;
    int currentRow = -1;
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        for (size_t i = 0; i < m_cars.size(); ++i) {
            const CARLIST& car = m_cars[i];
            const bool current = car.used.compare(QLatin1String("YES"), Qt::CaseInsensitive) == 0;
            m_list->addItem(current
                                ? QStringLiteral("====") + framed(car.name) + QStringLiteral("====")
                                : car.name);
            if (current)
                currentRow = static_cast<int>(i);
            if (!selectedCar.isEmpty() && car.carId == selectedCar)
                selectedCarRow = static_cast<int>(i);
        }
        // When nothing was selected, or the selected car is gone, the current car's row.
        const int row = selectedCarRow >= 0 ? selectedCarRow : currentRow;
        if (row >= 0)
            m_list->setCurrentRow(row);
    }
    if (selectedCarId() != selectedCar)
        onSelectionChanged();
}

void CPageCarManage::onSelectionChanged()
{
    const int row = selectedRow();
    if (row >= 0)
        m_newName->setText(m_cars[static_cast<size_t>(row)].name);
}

bool CPageCarManage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_addName && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (m_add->isEnabled())
                OnAddCar();
            return true;
        }
    }
    return CPropertyPage::eventFilter(watched, event);
}

void CPageCarManage::OnAddCar()
{
    setAddEnabled(false);
    // An empty list has no current car to keep: the first car becomes it.
    const bool first = m_cars.empty();
    QString added;
    if (CMyDatabase* db = database()) {
        Expected<QString> id = db->NewCar(m_addName->text());
        if (!ShowStoreFailure(id.status(), this) && first)
            added = id.value();
    }
    m_addName->clear();
    if (!added.isEmpty()) {
        ShowStoreFailure(m_context.m_database.SetCurrentCar(added), this);
        FillCarList(); // selects the current car's row
        OnSetCurrentCar();
        return;
    }
    FillCarList();
}

void CPageCarManage::OnRenameCar()
{
    const QString newName = m_newName->text();
    if (newName.isEmpty())
        return;
    setRenameEnabled(false);
    const int row = selectedRow();
    CMyDatabase* db = database();
    if (db && row >= 0 && newName != m_cars[static_cast<size_t>(row)].name) {
        const CARLIST car = m_cars[static_cast<size_t>(row)];
        // The car is the current one by its identifier: two cars may share a name.
        const bool isCurrent = ValueOrShow(db->GetCurrentCarID(), this).trimmed() == car.carId;
        const bool renamed = !ShowStoreFailure(db->RenameCar(newName, car.carId), this);
        if (isCurrent && renamed) {
            setSheetTitle(newName);
            if (m_window)
                m_window->SetTitle();
            m_currentBox->setTitle(tr("当前车辆【%1】").arg(newName));
            RefreshPicture();
        }
        FillCarList();
    }
    m_newName->clear();
}

void CPageCarManage::OnSetCurrentCar()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const CARLIST car = m_cars[static_cast<size_t>(row)];
    m_currentBox->setTitle(tr("当前车辆【%1】").arg(car.name));
    ShowStoreFailure(m_context.m_database.SetCurrentCar(car.carId), this);
    FillCarList();
    ShowStoreFailure(m_context.m_database.LoadCurrentCarTotals(m_context.m_costTotals), this);
    setSheetTitle(car.name);
    if (m_window)
        m_window->SetTitle();
    RefreshPicture();
    if (m_window)
        m_window->RedrawCarPhoto();
}

void CPageCarManage::OnDeleteCar()
{
    const int row = selectedRow();
    if (row < 0) {
        MessageBox(this, tr("请首先选择要删除的车辆！"), kCaption, MB_OKCANCEL | MB_ICONERROR);
        return;
    }
    const CARLIST car = m_cars[static_cast<size_t>(row)];
    const QString question =
        tr("车辆【%1】所有信息将会被删除且不可恢复，确认要删除吗？").arg(car.name);
    if (MessageBox(this, question, kCaption, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    CMyDatabase* db = database();
    if (db && !ShowStoreFailure(db->DeleteCar(car.carId), this)) {
        // A car added later may get the same identifier: nothing of this one
        // may be undone into it.
        m_context.m_editHistory.ForgetCar(car.carId);
        FillCarList();
    }
}

void CPageCarManage::RefreshPicture()
{
    CMyDatabase* db = database();
    const QString carId = db ? ValueOrShow(db->GetCurrentCarID(), this).trimmed() : QString();
    if (carId.isEmpty()) {
        m_picture->SetCar(QString(), QString(), QImage());
        return;
    }
    CARPROPERTY property;
    ShowStoreFailure(db->GetCarProperty(carId, property), this);
    m_picture->SetCar(carId, ValueOrShow(db->GetCurrentCarName(), this), property.picture);
}
