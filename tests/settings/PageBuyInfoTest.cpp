#include "SettingsFixture.h"

#include "database/Names.h"
#include "platform/Clock.h"
#include "settings/PageBuyInfo.h"
#include "settings/SettingsSheet.h"
#include "settings/TreePropSheet.h"
#include "tests/support/TestFiles.h"

#include <QApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace platform;

namespace {

class BuyInfoTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        SetClock([] { return QDateTime(QDate(2026, 3, 9), QTime(10, 30)); });
    }
    void TearDown() override { SetClock({}); }

    void addCurrentCar()
    {
        ASSERT_TRUE(db().NewCar("高尔夫"));
        db().SetCurrentCar("CAR0001");
    }
    void open(int command = settingscommand::BuyInfo)
    {
        sheet = createSheet(command);
        sheet->show();
        ASSERT_TRUE(sheet->SetActivePage(settingspage::BuyInfo));
        page = dynamic_cast<CPageBuyInfo*>(sheet->GetActivePage());
        ASSERT_NE(page, nullptr);
    }
    QLineEdit* edit(const char* column) { return page->edit(column); }
    void type(const std::vector<std::pair<const char*, QString>>& fields)
    {
        for (const auto& [column, text] : fields)
            edit(column)->setText(text);
    }
    std::vector<QStringList> purchaseRow()
    {
        return readBack("select CarID, BuyDate, BuyMiles, CarPrice, CarTax, CarLicense, "
                        "InsuCompany, InsuNote, InsuTouchInfo, InsuAmount, LoanBank, LoanAmount, "
                        "LoanYears, LoanInterest, LoanTouchInfo, Reserved1, Reserved2, Reserved3, "
                        "Reserved4 from PurchaseInfo");
    }

    std::unique_ptr<CTreePropSheet> sheet;
    CPageBuyInfo* page = nullptr;
};

} // namespace

TEST_F(BuyInfoTest, ShowsTheGroupsLabelsAndTodayForANewCar)
{
    addCurrentCar();
    open();
    EXPECT_TRUE(boxes.boxes().empty());
    QStringList groups;
    for (const QGroupBox* box : page->findChildren<QGroupBox*>())
        groups << box->title();
    EXPECT_EQ(groups, (QStringList{"初始信息", "汽车价格(货币单位：￥)", "保险信息",
                                   "贷款信息(货币单位：￥)"}));
    QStringList labels;
    for (const QLabel* label : page->findChildren<QLabel*>()) {
        ASSERT_NE(label->buddy(), nullptr) << label->text().toStdString();
        EXPECT_EQ(label->buddy()->accessibleName(), label->text());
        labels << label->text();
    }
    EXPECT_EQ(labels, (QStringList{"购买日期", "购买时里程(KM)", "裸车总价格", "购置税",
                                   "首次保险费用总计", "上牌费", "▲汽车总价合计", "保险公司",
                                   "主要内容摘要", "保险联系信息", "贷款银行", "贷款总金额",
                                   "贷款年限", "还贷总利息", "还贷总额", "贷款联系信息"}));
    EXPECT_EQ(page->dateEdit()->date(), QDate(2026, 3, 9));
    EXPECT_EQ(page->dateEdit()->displayFormat(), "yyyy/MM/dd");
    EXPECT_TRUE(page->dateEdit()->calendarPopup());
    EXPECT_TRUE(page->purchaseTotal()->isReadOnly());
    EXPECT_TRUE(page->loanTotal()->isReadOnly());
    EXPECT_EQ(page->purchaseTotal()->text(), "0.00");
    EXPECT_EQ(page->loanTotal()->text(), "0.00");
    EXPECT_TRUE(edit(col::CarPrice)->text().isEmpty());
    EXPECT_FALSE(page->IsModified());
}

TEST_F(BuyInfoTest, WithoutACurrentCarThePageIsDisabledUntilOneIsCurrent)
{
    ASSERT_TRUE(db().NewCar("甲"));
    open(settingscommand::CarManage);
    EXPECT_EQ(boxes.texts(), QStringList{"没有被选择的车辆！"});
    EXPECT_EQ(boxes.boxes()[0].flags, MB_OK | MB_ICONERROR);
    EXPECT_TRUE(page->controlsDisabled());
    EXPECT_FALSE(page->dateEdit()->isEnabled());
    EXPECT_FALSE(edit(col::InsuCompany)->isEnabled());
    EXPECT_TRUE(sheet->Apply());
    EXPECT_TRUE(purchaseRow().empty());

    db().Connection().Execute("insert into PurchaseInfo (CarID, BuyDate, CarPrice) values "
                              "('CAR0001', '2019/7/1', 99000)");
    db().SetCurrentCar("CAR0001");
    ASSERT_TRUE(sheet->SetActivePage(settingspage::CarManage));
    ASSERT_TRUE(sheet->SetActivePage(settingspage::BuyInfo));
    EXPECT_FALSE(page->controlsDisabled());
    EXPECT_TRUE(page->dateEdit()->isEnabled());
    EXPECT_TRUE(edit(col::InsuCompany)->isEnabled());
    EXPECT_EQ(page->dateEdit()->date(), QDate(2019, 7, 1));
    EXPECT_EQ(edit(col::CarPrice)->text(), "99000.00");
    EXPECT_EQ(page->purchaseTotal()->text(), "99000.00");
    EXPECT_EQ(boxes.boxes().size(), 1u);
    EXPECT_FALSE(page->IsModified());
}

TEST_F(BuyInfoTest, FirstApplyInsertsTheRowWithTheChosenDateAndShowsTheTotals)
{
    addCurrentCar();
    open();
    type({{col::CarPrice, "100000"},
          {col::CarTax, "8547"},
          {col::CarLicense, "500"},
          {col::InsuAmount, "4500"},
          {col::LoanAmount, "50000"},
          {col::LoanInterest, "3000"},
          {col::LoanYears, "3"},
          {col::BuyMiles, "12,345"},
          {col::InsuCompany, "平安'保险"},
          {col::InsuNote, "交强险+商业险"},
          {col::LoanTouchInfo, "95588"}});
    page->dateEdit()->setDate(QDate(2021, 5, 8));
    EXPECT_TRUE(sheet->applyButton()->isEnabled());
    // The totals are those of the stored record, not of what is being typed.
    EXPECT_EQ(page->purchaseTotal()->text(), "0.00");

    sheet->applyButton()->click();
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(purchaseRow(),
              (std::vector<QStringList>{
                  {"CAR0001", "2021/05/08", "12345.00000000", "100000.00000000", "8547.00000000",
                   "500.00000000", "平安'保险", "交强险+商业险", "", "4500.00000000", "",
                   "50000.00000000", "3.00000000", "3000.00000000", "95588", "", "", "", ""}}));
    EXPECT_EQ(page->purchaseTotal()->text(), "113547.00");
    EXPECT_EQ(page->loanTotal()->text(), "53000.00");
    EXPECT_EQ(edit(col::BuyMiles)->text(), "12345.00");
    EXPECT_EQ(edit(col::LoanYears)->text(), "3.00");
    EXPECT_EQ(page->dateEdit()->date(), QDate(2021, 5, 8));
    EXPECT_FALSE(page->IsModified());
    EXPECT_FALSE(sheet->applyButton()->isEnabled());

    // Typing changes no total until Apply.
    edit(col::CarPrice)->setText("￥5.5");
    EXPECT_EQ(page->purchaseTotal()->text(), "113547.00");
    sheet->okButton()->click();
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(readBack("select CarPrice from PurchaseInfo"),
              (std::vector<QStringList>{{"5.50000000"}}));
}

TEST_F(BuyInfoTest, ApplyWritesOnlyTheChangedColumns)
{
    addCurrentCar();
    db().Connection().Execute(
        "insert into PurchaseInfo (CarID, BuyDate, CarPrice, InsuCompany, LoanBank, LoanAmount) "
        "values ('CAR0001', '2020/01/05', 100000, '人保', '工行', 1000)");
    open();
    EXPECT_EQ(page->dateEdit()->date(), QDate(2020, 1, 5));
    EXPECT_EQ(edit(col::InsuCompany)->text(), "人保");
    db().Connection().Execute("update PurchaseInfo set CarPrice=1, LoanBank='别处', "
                              "LoanAmount=2, BuyDate='2020/01/06'");

    edit(col::InsuCompany)->setText("平安");
    sheet->applyButton()->click();
    EXPECT_EQ(
        readBack("select BuyDate, CarPrice, InsuCompany, LoanBank, LoanAmount "
                 "from PurchaseInfo"),
        (std::vector<QStringList>{{"2020/01/06", "1.00000000", "平安", "别处", "2.00000000"}}));
    EXPECT_EQ(page->purchaseTotal()->text(), "1.00");
    EXPECT_EQ(page->dateEdit()->date(), QDate(2020, 1, 6));

    // A changed date alone is written as year/month/day with two-digit parts.
    page->dateEdit()->setDate(QDate(2020, 2, 3));
    EXPECT_TRUE(page->IsModified());
    sheet->applyButton()->click();
    EXPECT_EQ(readBack("select BuyDate, CarPrice from PurchaseInfo"),
              (std::vector<QStringList>{{"2020/02/03", "1.00000000"}}));
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
}

TEST_F(BuyInfoTest, AStoredDateIsReadInEitherFormAndAPageOnlyLookedAtWritesNothing)
{
    addCurrentCar();
    db().Connection().Execute("insert into PurchaseInfo (CarID, CarPrice) values ('CAR0001', 1)");
    const QDate today(2026, 3, 9);
    struct Row
    {
        QString stored;
        QDate shown;
        QString afterAnotherEdit; // BuyDate once another field is applied
    };
    const std::vector<Row> rows = {
        {"2020-05-08", QDate(2020, 5, 8), "2020-05-08"},
        {"2020/5/8", QDate(2020, 5, 8), "2020/5/8"},
        {"2020/05/08", QDate(2020, 5, 8), "2020/05/08"},
        {"2020-13-08", today, "2020-13-08"},
        {"2020/05-08", today, "2020/05-08"},
        {"", today, "2026/03/09"},
    };
    int round = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stored.toStdString());
        db().Connection().Execute("update PurchaseInfo set BuyDate='" + row.stored + "'");
        const QByteArray before = FileBytes(path);
        open();
        EXPECT_EQ(page->dateEdit()->date(), row.shown);
        sheet->okButton()->click();
        EXPECT_FALSE(sheet->isVisible());
        EXPECT_EQ(FileBytes(path), before);

        const QString company = QString::number(++round);
        open();
        edit(col::InsuCompany)->setText(company);
        sheet->okButton()->click();
        EXPECT_EQ(readBack("select BuyDate, InsuCompany, CarPrice from PurchaseInfo"),
                  (std::vector<QStringList>{{row.afterAnotherEdit, company, "1.00000000"}}));
    }
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
}

TEST_F(BuyInfoTest, RefusedNumbersAndFailedWritesKeepTheSheetOpen)
{
    addCurrentCar();
    open();
    type({{col::InsuCompany, "平安"}, {col::LoanAmount, "１２３"}, {col::LoanInterest, "9e12"}});
    sheet->okButton()->click();
    EXPECT_EQ(boxes.texts(), QStringList{"【还贷总利息】输入的数值超出范围（绝对值不能超过 "
                                         "1000000000000），没有保存。"});
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_TRUE(purchaseRow().empty());

    boxes.clear();
    edit(col::LoanInterest)->setText("abc");
    db().Connection().Execute("PRAGMA query_only=1");
    sheet->okButton()->click();
    EXPECT_EQ(boxes.texts(), QStringList{"修改没有保存：账本文件是只读的，无法写入。"});
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(edit(col::InsuCompany)->text(), "平安");
    EXPECT_EQ(edit(col::LoanInterest)->text(), "abc");
    EXPECT_TRUE(purchaseRow().empty());

    db().Connection().Execute("PRAGMA query_only=0");
    sheet->okButton()->click();
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(readBack("select InsuCompany, LoanAmount, LoanInterest from PurchaseInfo"),
              (std::vector<QStringList>{{"平安", "123.00000000", "0.00000000"}}));
    EXPECT_EQ(edit(col::LoanInterest)->text(), "0.00");
    EXPECT_EQ(page->loanTotal()->text(), "123.00");
}

TEST_F(BuyInfoTest, ADateTypedAsShownIsTakenWhole)
{
    addCurrentCar();
    open();
    QApplication::setActiveWindow(sheet.get());
    const std::vector<std::pair<const char*, QDate>> typed = {{"2021/05/08", QDate(2021, 5, 8)},
                                                              {"20190102", QDate(2019, 1, 2)},
                                                              {"2018/7/9", QDate(2018, 7, 9)},
                                                              {"2017/1/28", QDate(2017, 1, 28)},
                                                              {"2016/11/30", QDate(2016, 11, 30)}};
    for (const auto& [text, date] : typed) {
        // Reached from the next field with Shift+Tab, and from the previous with Tab.
        for (bool back : {true, false}) {
            QWidget* from = back ? static_cast<QWidget*>(edit(col::BuyMiles))
                                 : static_cast<QWidget*>(sheet->GetPageTreeControl());
            from->setFocus();
            QTest::keyClick(from, back ? Qt::Key_Backtab : Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget(), page->dateEdit());
            QTest::keyClicks(page->dateEdit(), text);
            EXPECT_EQ(page->dateEdit()->date(), date) << text << (back ? " back" : "");
        }
    }
    // Reached by a click on the day, then typed whole.
    QDateEdit* date = page->dateEdit();
    auto* text = date->findChild<QLineEdit*>();
    edit(col::BuyMiles)->setFocus();
    const QPoint day(text->width() - 30, text->height() / 2);
    QTest::mouseClick(text, Qt::LeftButton, {}, day);
    ASSERT_EQ(QApplication::focusWidget(), date);
    QTest::keyClicks(date, "2015/03/04");
    EXPECT_EQ(date->date(), QDate(2015, 3, 4));
    // A second click on the day changes the day alone.
    QTest::mouseClick(text, Qt::LeftButton, {}, day);
    QTest::keyClick(date, Qt::Key_Backspace);
    QTest::keyClick(date, Qt::Key_Backspace);
    QTest::keyClicks(date, "09");
    EXPECT_EQ(date->date(), QDate(2015, 3, 9));

    sheet->applyButton()->click();
    EXPECT_EQ(readBack("select BuyDate from PurchaseInfo"),
              (std::vector<QStringList>{{"2015/03/09"}}));
}

// Tab runs down the left groups, then down the right ones, passing the
// read-only totals by.
TEST_F(BuyInfoTest, TabSkipsTheTotals)
{
    addCurrentCar();
    open();
    sheet->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(sheet.get()));
    page->dateEdit()->setFocus(Qt::TabFocusReason);
    const QList<QLabel*> labels = page->findChildren<QLabel*>();
    QStringList reached;
    for (int i = 0; i < 20; ++i) {
        QWidget* focused = QApplication::focusWidget();
        QString name;
        for (const QLabel* label : labels)
            if (focused && (label->buddy() == focused || label->buddy()->isAncestorOf(focused)))
                name = label->text();
        if (name.isEmpty())
            break; // left the page
        // Tab first walks the date's year, month and day.
        if (reached.isEmpty() || reached.last() != name)
            reached << name;
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    EXPECT_EQ(reached,
              (QStringList{"购买日期", "购买时里程(KM)", "裸车总价格", "购置税", "首次保险费用总计",
                           "上牌费", "保险公司", "主要内容摘要", "保险联系信息", "贷款银行",
                           "贷款总金额", "贷款年限", "还贷总利息", "贷款联系信息"}));
}
