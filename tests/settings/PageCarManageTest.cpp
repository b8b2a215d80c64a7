#include "SettingsFixture.h"

#include "database/Names.h"
#include "settings/CarPictureArea.h"
#include "settings/PageCarManage.h"
#include "settings/SettingsSheet.h"
#include "settings/TreePropSheet.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace platform;

namespace {

class CarManageTest : public SettingsTest
{
protected:
    // Opens the sheet on the car management page.
    void open()
    {
        sheet = createSheet(settingscommand::CarManage);
        sheet->show();
        page = dynamic_cast<CPageCarManage*>(sheet->GetActivePage());
        ASSERT_NE(page, nullptr);
    }
    QStringList rows() const
    {
        QStringList texts;
        for (int i = 0; i < page->carList()->count(); ++i)
            texts << page->carList()->item(i)->text();
        return texts;
    }
    void select(const QString& rowText) { page->carList()->setCurrentRow(rows().indexOf(rowText)); }
    void click(QAbstractButton* button) { button->click(); }
    // A real mouse click on the row, as the user makes it.
    void clickRow(const QString& rowText)
    {
        QListWidget* list = page->carList();
        const int row = rows().indexOf(rowText);
        ASSERT_GE(row, 0) << rowText.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    QString selectedRowText() const
    {
        const QList<QListWidgetItem*> selected = page->carList()->selectedItems();
        return selected.isEmpty() ? QString() : selected.first()->text();
    }
    // Cars of the given names (CAR0001, CAR0002, ...), the first one current.
    void makeCars(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            ASSERT_TRUE(db().NewCar(name));
        ASSERT_TRUE(db().SetCurrentCar("CAR0001").ok());
    }
    std::vector<QStringList> namesInFile()
    {
        return readBack("select CarID, Name, Used from CarList order by CarID");
    }

    std::unique_ptr<CTreePropSheet> sheet;
    CPageCarManage* page = nullptr;
};

} // namespace

TEST_F(CarManageTest, WithoutCarsNothingIsCurrentAndNoPictureIsDrawn)
{
    open();
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(page->currentCarBox()->title(), "当前车辆");
    EXPECT_FALSE(page->pictureArea()->HasCar());
    EXPECT_TRUE(page->pictureArea()->DrawnTexts().isEmpty());
}

TEST_F(CarManageTest, CheckBoxesEnableTheirEditsAndAddTakesAnyName)
{
    open();
    EXPECT_FALSE(page->addNameEdit()->isEnabled());
    EXPECT_FALSE(page->newNameEdit()->isEnabled());
    click(page->renameCheck());
    EXPECT_TRUE(page->newNameEdit()->isEnabled());
    EXPECT_TRUE(page->renameButton()->isEnabled());
    click(page->renameCheck());
    EXPECT_FALSE(page->renameButton()->isEnabled());

    click(page->addCheck());
    ASSERT_TRUE(page->addButton()->isEnabled());
    click(page->addButton());
    // The first car of an empty list becomes current at once.
    EXPECT_EQ(rows(), QStringList{"====【】===="});
    EXPECT_FALSE(page->addCheck()->isChecked());
    EXPECT_FALSE(page->addNameEdit()->isEnabled());

    click(page->addCheck());
    page->addNameEdit()->setText("O'Brien 的车");
    click(page->addButton());
    EXPECT_EQ(rows(), (QStringList{"O'Brien 的车", "====【】===="}));
    EXPECT_TRUE(page->addNameEdit()->text().isEmpty());
    // A later car is not current.
    EXPECT_EQ(namesInFile(), (std::vector<QStringList>{{"CAR0001", "", "YES"},
                                                       {"CAR0002", "O'Brien 的车", "NO"}}));
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(CarManageTest, OpenedToAddEnterInTheNameBoxAddsTheFirstCarAsCurrent)
{
    sheet = createSheet(settingscommand::CarManage);
    page = dynamic_cast<CPageCarManage*>(sheet->GetPage(settingspage::CarManage));
    ASSERT_NE(page, nullptr);
    page->ReadyToAdd();
    sheet->show();
    ASSERT_TRUE(page->addCheck()->isChecked());
    ASSERT_TRUE(page->addNameEdit()->isEnabled());
    page->addNameEdit()->setText("小白");
    QTest::keyClick(page->addNameEdit(), Qt::Key_Return);
    EXPECT_TRUE(sheet->isVisible()); // Enter did not reach the sheet's OK
    EXPECT_EQ(rows(), QStringList{"====【小白】===="});
    EXPECT_EQ(page->currentCarBox()->title(), "当前车辆【小白】");
    EXPECT_EQ(sheet->windowTitle(), "综合设置【小白】");
    EXPECT_EQ(window.titleCar, "小白");
    EXPECT_EQ(namesInFile(), (std::vector<QStringList>{{"CAR0001", "小白", "YES"}}));
    // With "增加车辆" cleared again Enter adds nothing.
    QTest::keyClick(page->addNameEdit(), Qt::Key_Return);
    EXPECT_EQ(namesInFile().size(), 1u);
}

TEST_F(CarManageTest, OpeningReaffirmsTheCurrentCarAndShowsItsPicturePlaceholder)
{
    makeCars({"甲", "乙"});
    open();
    EXPECT_EQ(rows(), (QStringList{"乙", "====【甲】===="}));
    EXPECT_EQ(page->carList()->currentRow(), 1);
    EXPECT_EQ(page->currentCarBox()->title(), "当前车辆【甲】");
    EXPECT_EQ(window.titleCar, "甲");
    EXPECT_EQ(window.photoRedraws, 1);
    EXPECT_EQ(page->pictureArea()->DrawnTexts(), (QStringList{"【甲】", "无汽车图片"}));

    const QImage shot = page->pictureArea()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(Qt::white));
    bool red = false;
    for (int y = 0; y < shot.height() && !red; ++y)
        for (int x = 0; x < shot.width() && !red; ++x)
            red = shot.pixelColor(x, y) == QColor(Qt::red);
    EXPECT_TRUE(red);
}

TEST_F(CarManageTest, RenamingTheCurrentCarUpdatesEveryTitle)
{
    makeCars({"甲", "乙"});
    open();
    select("乙");
    select("====【甲】====");
    EXPECT_EQ(page->newNameEdit()->text(), "甲");

    // A name the file refuses is said and renames nothing on the screen.
    db().Connection().Execute("CREATE TRIGGER refuse BEFORE UPDATE OF Name ON CarList "
                              "WHEN NEW.Name='拒绝' BEGIN SELECT RAISE(ABORT, 'refused'); END");
    const int titleCalls = window.titleCalls;
    click(page->renameCheck());
    page->newNameEdit()->setText("拒绝");
    click(page->renameButton());
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_TRUE(boxes.boxes()[0].text.startsWith("修改没有保存。\n"));
    EXPECT_EQ(rows(), (QStringList{"乙", "====【甲】===="}));
    EXPECT_EQ(sheet->windowTitle(), "综合设置【甲】");
    EXPECT_EQ(window.titleCalls, titleCalls);
    EXPECT_EQ(page->currentCarBox()->title(), "当前车辆【甲】");

    select("====【甲】====");
    click(page->renameCheck());
    page->newNameEdit()->setText("新甲");
    click(page->renameButton());

    EXPECT_EQ(rows(), (QStringList{"乙", "====【新甲】===="}));
    EXPECT_EQ(sheet->windowTitle(), "综合设置【新甲】");
    EXPECT_EQ(window.titleCar, "新甲");
    EXPECT_EQ(page->currentCarBox()->title(), "当前车辆【新甲】");
    EXPECT_TRUE(page->newNameEdit()->text().isEmpty());
    EXPECT_FALSE(page->newNameEdit()->isEnabled());
    EXPECT_EQ(readBack("select Name from CarList where CarID='CAR0001'"),
              (std::vector<QStringList>{{"新甲"}}));
}

TEST_F(CarManageTest, RenamingAnotherCarChangesOnlyItsRowEvenWithTheSameName)
{
    makeCars({"同名", "同名"});
    open();
    const int titleCalls = window.titleCalls;
    page->carList()->setCurrentRow(0);
    click(page->renameCheck());
    page->newNameEdit()->setText("另一辆");
    click(page->renameButton());
    EXPECT_EQ(rows(), (QStringList{"另一辆", "====【同名】===="}));
    EXPECT_EQ(sheet->windowTitle(), "综合设置【同名】");
    EXPECT_EQ(page->currentCarBox()->title(), "当前车辆【同名】");
    EXPECT_EQ(window.titleCalls, titleCalls);

    // The selected car's own name again changes nothing but clears the edit.
    page->carList()->setCurrentRow(0);
    click(page->renameCheck());
    page->newNameEdit()->setText("另一辆");
    click(page->renameButton());
    EXPECT_TRUE(page->newNameEdit()->text().isEmpty());
    EXPECT_FALSE(page->renameCheck()->isChecked());
    EXPECT_EQ(rows(), (QStringList{"另一辆", "====【同名】===="}));
    EXPECT_EQ(window.titleCalls, titleCalls);
}

TEST_F(CarManageTest, MakeCurrentFramesExactlyOneRowAndReloadsTheTotals)
{
    makeCars({"甲", "乙"});
    ServiceRecord repair;
    repair.carId = "CAR0002";
    repair.recId = "0000001";
    repair.date = "2026/01/05";
    repair.amount = 321.5;
    ASSERT_TRUE(db().InsertRecord(LedgerKind::Repair, repair));
    open();
    const int redraws = window.photoRedraws;

    select("乙");
    click(page->setCurrentButton());
    EXPECT_EQ(rows(), (QStringList{"====【乙】====", "甲"}));
    EXPECT_EQ(readBack("select CarID from CarList where Used='YES'"),
              (std::vector<QStringList>{{"CAR0002"}}));
    EXPECT_DOUBLE_EQ(context.m_costTotals.repair, 321.5);
    EXPECT_EQ(sheet->windowTitle(), "综合设置【乙】");
    EXPECT_EQ(window.titleCar, "乙");
    EXPECT_EQ(page->currentCarBox()->title(), "当前车辆【乙】");
    EXPECT_EQ(window.photoRedraws, redraws + 1);
    EXPECT_EQ(page->pictureArea()->CarName(), "乙");
}

TEST_F(CarManageTest, DeletingAsksFirstAndRefusesTheCurrentCar)
{
    makeCars({"甲", "乙"});
    open();
    page->carList()->clearSelection();
    page->carList()->setCurrentRow(-1);
    click(page->deleteButton());
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "请首先选择要删除的车辆！");
    EXPECT_EQ(boxes.boxes()[0].caption, "Qinmo");
    EXPECT_EQ(boxes.boxes()[0].flags, MB_OKCANCEL | MB_ICONERROR);

    boxes.clear();
    select("====【甲】====");
    click(page->deleteButton());
    EXPECT_EQ(boxes.texts(), (QStringList{"车辆【甲】所有信息将会被删除且不可恢复，确认要删除吗？",
                                          "不能删除当前正在使用的车辆！"}));
    EXPECT_EQ(boxes.boxes()[0].flags, MB_OKCANCEL | MB_ICONQUESTION);
    EXPECT_EQ(rows(), (QStringList{"乙", "====【甲】===="}));

    boxes.clear();
    boxes.answer(IDCANCEL);
    select("乙");
    click(page->deleteButton());
    EXPECT_EQ(boxes.texts().size(), 1);
    EXPECT_EQ(readBack("select count(*) from CarList"), (std::vector<QStringList>{{"2"}}));
}

TEST_F(CarManageTest, DeletingAnotherCarRemovesItsRowsFromEveryTable)
{
    makeCars({"甲", "乙"});
    const char* tables[] = {tbl::CarProperty, tbl::PurchaseInfo, tbl::Refuel,    tbl::Repair,
                            tbl::Maintain,    tbl::Accident,     tbl::DailyCost, tbl::CarLog,
                            tbl::Accessory,   tbl::InputHistory};
    for (const char* table : tables) {
        for (const char* car : {"CAR0001", "CAR0002"})
            db().Connection().Execute(
                QStringLiteral("insert into %1 (CarID) values ('%2')").arg(table, car));
    }
    open();
    select("乙");
    click(page->deleteButton());
    EXPECT_EQ(rows(), QStringList{"====【甲】===="});
    for (const char* table : tables) {
        EXPECT_EQ(readBack(QStringLiteral("select CarID from %1").arg(table)),
                  (std::vector<QStringList>{{"CAR0001"}}))
            << table;
    }
    EXPECT_EQ(readBack("select CarID from CarList"), (std::vector<QStringList>{{"CAR0001"}}));
}

TEST_F(CarManageTest, ClicksAndArrowKeysActOnTheCarTheyReach)
{
    makeCars({"carA", "carB", "carC", "carD"});
    open();
    ASSERT_EQ(rows(), (QStringList{"carD", "carC", "carB", "====【carA】===="}));

    clickRow("carB");
    EXPECT_EQ(page->newNameEdit()->text(), "carB");
    clickRow("carC");
    EXPECT_EQ(selectedRowText(), "carC");
    EXPECT_EQ(page->newNameEdit()->text(), "carC");

    click(page->renameCheck());
    page->newNameEdit()->setText("carC2");
    click(page->renameButton());
    EXPECT_EQ(namesInFile(), (std::vector<QStringList>{{"CAR0001", "carA", "YES"},
                                                       {"CAR0002", "carB", "NO"},
                                                       {"CAR0003", "carC2", "NO"},
                                                       {"CAR0004", "carD", "NO"}}));

    // The arrow keys move the selection, and the buttons follow it.
    QTest::keyClick(page->carList(), Qt::Key_Down);
    EXPECT_EQ(selectedRowText(), "carB");
    EXPECT_EQ(page->newNameEdit()->text(), "carB");
    QTest::keyClick(page->carList(), Qt::Key_Up);
    QTest::keyClick(page->carList(), Qt::Key_Up);
    EXPECT_EQ(page->newNameEdit()->text(), "carD");
    click(page->setCurrentButton());
    EXPECT_EQ(readBack("select CarID from CarList where Used='YES'"),
              (std::vector<QStringList>{{"CAR0004"}}));
    EXPECT_EQ(page->currentCarBox()->title(), "当前车辆【carD】");
}

TEST_F(CarManageTest, TheSelectionStaysOnItsCarWhenTheListIsRefilled)
{
    makeCars({"甲", "乙"});
    open();
    clickRow("乙");

    // The new car takes the top row.
    click(page->addCheck());
    page->addNameEdit()->setText("丙");
    click(page->addButton());
    EXPECT_EQ(rows(), (QStringList{"丙", "乙", "====【甲】===="}));
    EXPECT_EQ(selectedRowText(), "乙");

    click(page->setCurrentButton());
    EXPECT_EQ(selectedRowText(), "====【乙】====");

    clickRow("丙");
    click(page->renameCheck());
    page->newNameEdit()->setText("丁");
    click(page->renameButton());
    EXPECT_EQ(selectedRowText(), "丁");

    // A deleted car leaves the selection on the current car.
    click(page->deleteButton());
    EXPECT_EQ(rows(), (QStringList{"====【乙】====", "甲"}));
    EXPECT_EQ(selectedRowText(), "====【乙】====");
    EXPECT_EQ(page->newNameEdit()->text(), "乙");
    EXPECT_EQ(namesInFile(),
              (std::vector<QStringList>{{"CAR0001", "甲", "NO"}, {"CAR0002", "乙", "YES"}}));
}

TEST_F(CarManageTest, EnterOnAFocusedPageButtonPressesNothing)
{
    makeCars({"甲", "乙"});
    open();
    select("乙");
    click(page->renameCheck());
    page->newNameEdit()->setText("新名");
    for (QPushButton* button :
         {page->deleteButton(), page->setCurrentButton(), page->renameButton()}) {
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter);
    }
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(namesInFile(),
              (std::vector<QStringList>{{"CAR0001", "甲", "YES"}, {"CAR0002", "乙", "NO"}}));
    EXPECT_TRUE(sheet->isVisible());

    // No push button of any page is a default button.
    for (int i = 0; i < sheet->GetPageCount(); ++i) {
        ASSERT_TRUE(sheet->SetActivePage(i));
        for (const QPushButton* button : sheet->findChildren<QPushButton*>()) {
            EXPECT_FALSE(button->isDefault()) << button->text().toStdString();
            EXPECT_FALSE(button->autoDefault()) << button->text().toStdString();
        }
    }
}
