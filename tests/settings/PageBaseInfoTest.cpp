#include "SettingsFixture.h"

#include "database/Names.h"
#include "platform/FileDialog.h"
#include "settings/CarPictureArea.h"
#include "settings/PageBaseInfo.h"
#include "settings/SettingsSheet.h"
#include "settings/TreePropSheet.h"
#include "tests/support/BitmapBytes.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace platform;

namespace {

const QString kReadOnly = QStringLiteral("修改没有保存：账本文件是只读的，无法写入。");

// Answers every open-file dialog with the next queued path (Cancel when none
// is left) and keeps what each dialog asked for.
class OpenFileAnswers
{
public:
    OpenFileAnswers()
    {
        SetOpenFileHook([this](const OpenFileRequest& request) {
            requests.push_back(request);
            if (paths.isEmpty())
                return QString();
            return paths.takeFirst();
        });
    }
    ~OpenFileAnswers() { SetOpenFileHook({}); }

    QStringList paths;
    std::vector<OpenFileRequest> requests;
};

class BaseInfoTest : public SettingsTest
{
protected:
    void addCurrentCar(const QString& name = QStringLiteral("高尔夫"))
    {
        ASSERT_TRUE(db().NewCar(name));
        db().SetCurrentCar("CAR0001");
    }
    void open(int command = settingscommand::BaseInfo)
    {
        sheet = createSheet(command);
        sheet->show();
        ASSERT_TRUE(sheet->SetActivePage(settingspage::BaseInfo));
        page = dynamic_cast<CPageBaseInfo*>(sheet->GetActivePage());
        ASSERT_NE(page, nullptr);
    }
    QLineEdit* edit(const char* column) { return page->edit(column); }
    // The picture file of the given size in the test's folder.
    QString pictureFile(int width, int height, const char* format = "BMP")
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::blue);
        const QString file =
            folders.data() + QStringLiteral("/car%1x%2.bmp").arg(width).arg(height);
        EXPECT_TRUE(image.save(file, format));
        return file;
    }
    // A BMP file of the given size and depth whose pixels are all zero bytes
    // (written sparse): pixelBytes long after its headers and colour table.
    QString largeBitmapFile(qint32 width, qint32 height, quint16 bits, qint64 pixelBytes)
    {
        const BitmapBytes b = BitmapBytes::Of(width, height, bits);
        const QString name =
            folders.data() + QStringLiteral("/large%1x%2.bmp").arg(width).arg(height);
        const QByteArray head = b.build();
        QFile file(name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(head);
        EXPECT_TRUE(file.resize(head.size() + pixelBytes));
        return name;
    }
    QByteArray bytesOf(const QString& file)
    {
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
    void upload(const QString& file)
    {
        dialogs.paths << file;
        page->uploadButton()->click();
    }
    std::vector<QStringList> profileRow()
    {
        return readBack("select CarID, Manufacture, CarType, VIN, MotorID, BodyColor, CarNo, "
                        "FuelType, Emission, FuelVolume, MeterRules, CurMiles, Reserved1, "
                        "Reserved2, Reserved3, Reserved4 from CarProperty");
    }
    std::vector<QStringList> pictureInFile()
    {
        return readBack("select hex(Picture) from CarProperty");
    }
    void readOnlyLedger() { db().Connection().Execute("PRAGMA query_only=1"); }

    OpenFileAnswers dialogs;
    std::unique_ptr<CTreePropSheet> sheet;
    CPageBaseInfo* page = nullptr;
};

} // namespace

TEST_F(BaseInfoTest, ShowsTheTenFieldsTheirLabelsAndThePictureGroup)
{
    addCurrentCar();
    open();
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(page->carId(), "CAR0001");

    // Every control is named by its label, which is its buddy.
    QStringList named;
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (QWidget* buddy = label->buddy()) {
            EXPECT_EQ(buddy->accessibleName(), label->text());
            named << label->text();
        }
    }
    EXPECT_EQ(named, (QStringList{"汽车制造商", "汽车型号", "汽车识别代码(VIN)", "车身颜色",
                                  "发动机编号", "发动机排量", "汽车牌照", "使用燃油标识",
                                  "油箱容积(升)", "油表量程(格)"}));
    // Tab follows the layout: row by row, then the upload button.
    QApplication::setActiveWindow(sheet.get());
    edit(col::Manufacture)->setFocus();
    QStringList chain;
    for (int i = 0; i < 11; ++i) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        chain << (focused == page->uploadButton() ? focused->property("text").toString()
                                                  : focused->accessibleName());
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    EXPECT_EQ(chain, (QStringList{"汽车制造商", "汽车型号", "汽车识别代码(VIN)", "车身颜色",
                                  "发动机编号", "发动机排量", "汽车牌照", "使用燃油标识",
                                  "油箱容积(升)", "油表量程(格)", "上传图片"}))
        << chain.join('|').toStdString();

    QComboBox* fuel = page->fuelTypeBox();
    QStringList fuels;
    for (int i = 0; i < fuel->count(); ++i)
        fuels << fuel->itemText(i);
    EXPECT_EQ(fuels, (QStringList{"90#无铅汽油", "93#无铅汽油", "95#无铅汽油", "97#无铅汽油",
                                  "98#无铅汽油", "0#柴油", "5#柴油", "10#柴油", "-10#柴油",
                                  "-20#柴油", "-35#柴油", "-50#柴油"}));
    EXPECT_TRUE(fuel->isEditable());
    EXPECT_TRUE(fuel->currentText().isEmpty());

    int redHints = 0;
    QStringList texts;
    for (QLabel* label : page->findChildren<QLabel*>()) {
        texts << label->text();
        if (label->text() == "(必填)计算平均油耗使用") {
            const QImage shot = label->grab().toImage();
            int red = 0;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    red += shot.pixelColor(x, y).red() > 150 && shot.pixelColor(x, y).green() < 100;
            EXPECT_GT(red, 20);
            ++redHints;
        }
    }
    EXPECT_EQ(redHints, 2);
    for (const char* hint :
         {"图片类型：bmp", "图片长宽比例：2:1", "图片最佳尺寸：150*75", "图片最大尺寸：300*150"})
        EXPECT_TRUE(texts.contains(hint)) << hint;
    EXPECT_EQ(page->uploadButton()->text(), "上传图片");
    EXPECT_EQ(page->pictureArea()->DrawnTexts(), (QStringList{"【高尔夫】", "请上传汽车图片！"}));
    EXPECT_FALSE(page->IsModified());
}

TEST_F(BaseInfoTest, WithoutACurrentCarThePageIsDisabledUntilOneIsCurrent)
{
    ASSERT_TRUE(db().NewCar("甲"));
    open(settingscommand::CarManage);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "没有被选择的车辆！");
    EXPECT_EQ(boxes.boxes()[0].caption, "Qinmo");
    EXPECT_EQ(boxes.boxes()[0].flags, MB_OK | MB_ICONERROR);
    EXPECT_TRUE(page->controlsDisabled());
    EXPECT_FALSE(edit(col::Manufacture)->isEnabled());
    EXPECT_FALSE(page->fuelTypeBox()->isEnabled());
    EXPECT_FALSE(page->uploadButton()->isEnabled());
    EXPECT_FALSE(page->pictureArea()->HasCar());
    // OK without a car writes nothing and closes.
    sheet->okButton()->click();
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_TRUE(profileRow().empty());

    db().Connection().Execute(
        "insert into CarProperty (CarID, Manufacture, FuelVolume) values ('CAR0001', '一汽', 55)");
    db().SetCurrentCar("CAR0001");
    sheet->show();
    ASSERT_TRUE(sheet->SetActivePage(settingspage::CarManage));
    ASSERT_TRUE(sheet->SetActivePage(settingspage::BaseInfo));
    EXPECT_FALSE(page->controlsDisabled());
    EXPECT_TRUE(edit(col::Manufacture)->isEnabled());
    EXPECT_TRUE(page->uploadButton()->isEnabled());
    EXPECT_EQ(edit(col::Manufacture)->text(), "一汽");
    EXPECT_EQ(edit(col::FuelVolume)->text(), "55.00");
    EXPECT_EQ(page->pictureArea()->CarName(), "甲");
    EXPECT_EQ(boxes.boxes().size(), 1u);
    EXPECT_FALSE(page->IsModified());
}

TEST_F(BaseInfoTest, FirstApplyInsertsTheRowAndShowsWhatTheFileHolds)
{
    addCurrentCar();
    open();
    edit(col::Manufacture)->setText("O'Brien \"车厂\"");
    edit(col::VIN)->setText("LFV'; drop table CarList; --");
    edit(col::CarNo)->setText("京A·12345");
    edit(col::FuelVolume)->setText("１２３");
    edit(col::MeterRules)->setText("abc");
    page->fuelTypeBox()->setCurrentIndex(2);
    EXPECT_TRUE(page->IsModified());
    EXPECT_TRUE(sheet->applyButton()->isEnabled());

    sheet->applyButton()->click();
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(profileRow(), (std::vector<QStringList>{
                                {"CAR0001", "O'Brien \"车厂\"", "", "LFV'; drop table CarList; --",
                                 "", "", "京A·12345", "95#无铅汽油", "", "123.00000000",
                                 "0.00000000", "0.00000000", "", "", "", ""}}));
    EXPECT_EQ(pictureInFile(), (std::vector<QStringList>{{"30"}})); // the integer 0
    // The numbers as the file holds them; the reload marks nothing modified.
    EXPECT_EQ(edit(col::FuelVolume)->text(), "123.00");
    EXPECT_EQ(edit(col::MeterRules)->text(), "0.00");
    EXPECT_EQ(edit(col::Manufacture)->text(), "O'Brien \"车厂\"");
    EXPECT_FALSE(page->IsModified());
    EXPECT_FALSE(sheet->applyButton()->isEnabled());
    EXPECT_TRUE(sheet->isVisible());
}

TEST_F(BaseInfoTest, TypedNumbersAreStoredAsTheFieldsShowThem)
{
    addCurrentCar();
    db().Connection().Execute("insert into CarProperty (CarID) values ('CAR0001')");
    open();
    const std::vector<std::pair<QString, QString>> typed = {
        {"12,345", "12345.00"}, {"￥5.5", "5.50"}, {"１２３", "123.00"},
        {"7。25", "7.25"},      {"", "0.00"},      {"2.675", "2.67"}};
    for (const auto& [text, shown] : typed) {
        edit(col::FuelVolume)->setText(text);
        edit(col::MeterRules)->setText(text);
        ASSERT_TRUE(sheet->Apply()) << text.toStdString();
        EXPECT_EQ(edit(col::FuelVolume)->text(), shown);
        EXPECT_EQ(readBack("select printf('%.2f', FuelVolume), printf('%.2f', MeterRules) "
                           "from CarProperty"),
                  (std::vector<QStringList>{{shown, shown}}))
            << text.toStdString();
    }
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
}

TEST_F(BaseInfoTest, ApplyWritesOnlyTheChangedColumns)
{
    addCurrentCar();
    db().Connection().Execute(
        "insert into CarProperty (CarID, Manufacture, CarType, FuelType, FuelVolume, MeterRules, "
        "CurMiles) values ('CAR0001', '一汽', '高尔夫', '93#无铅汽油', 55, 8, 1000)");
    open();
    EXPECT_EQ(page->fuelTypeBox()->currentText(), "93#无铅汽油");
    // Changed behind the page's back: a write of any other column would undo it.
    db().Connection().Execute("update CarProperty set Manufacture='别处', FuelVolume=60, "
                              "CarType='别处改的', CurMiles=2000");

    page->fuelTypeBox()->setEditText("E10乙醇汽油");
    sheet->applyButton()->click();
    EXPECT_EQ(readBack("select Manufacture, CarType, FuelType, FuelVolume, MeterRules, CurMiles "
                       "from CarProperty"),
              (std::vector<QStringList>{{"别处", "别处改的", "E10乙醇汽油", "60.00000000",
                                         "8.00000000", "2000.00000000"}}));
    // The page now shows the file.
    EXPECT_EQ(edit(col::Manufacture)->text(), "别处");
    EXPECT_EQ(edit(col::FuelVolume)->text(), "60.00");

    // Nothing changed: nothing is written, not even on a ledger that refuses writes.
    readOnlyLedger();
    sheet->okButton()->click();
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
}

TEST_F(BaseInfoTest, NumberOutOfRangeIsRefusedAndTheSheetStaysOpen)
{
    addCurrentCar();
    open();
    edit(col::Manufacture)->setText("一汽");
    edit(col::FuelVolume)->setText("5e13");
    edit(col::MeterRules)->setText("-1000000000001");
    ASSERT_TRUE(sheet->SetActivePage(settingspage::Sys));
    sheet->okButton()->click();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text,
              "【油箱容积(升)】输入的数值超出范围（绝对值不能超过 1000000000000），没有保存。");
    EXPECT_EQ(boxes.boxes()[0].flags, MB_OK | MB_ICONERROR);
    // The sheet stays open on the page with the refused field.
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->GetActivePage(), page);
    EXPECT_EQ(edit(col::FuelVolume)->text(), "5e13");
    EXPECT_EQ(edit(col::Manufacture)->text(), "一汽");
    EXPECT_TRUE(profileRow().empty());
}

TEST_F(BaseInfoTest, FailedWritesAreNeverShownAsSaved)
{
    addCurrentCar();
    open();
    edit(col::Manufacture)->setText("一汽");
    readOnlyLedger();
    sheet->okButton()->click();
    EXPECT_EQ(boxes.texts(), QStringList{kReadOnly});
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(edit(col::Manufacture)->text(), "一汽");
    EXPECT_TRUE(page->IsModified());
    EXPECT_TRUE(profileRow().empty());

    // A failed update leaves the record as loaded, so that the next Apply
    // writes the change again.
    db().Connection().Execute("PRAGMA query_only=0");
    ASSERT_TRUE(sheet->Apply());
    edit(col::Manufacture)->setText("新");
    readOnlyLedger();
    boxes.clear();
    EXPECT_FALSE(sheet->Apply());
    EXPECT_EQ(boxes.texts(), QStringList{kReadOnly});
    EXPECT_EQ(page->profile().manufacture, "一汽");
    EXPECT_EQ(edit(col::Manufacture)->text(), "新");
    EXPECT_EQ(readBack("select Manufacture from CarProperty"),
              (std::vector<QStringList>{{"一汽"}}));
    db().Connection().Execute("PRAGMA query_only=0");
    EXPECT_TRUE(sheet->Apply());
    EXPECT_EQ(readBack("select Manufacture from CarProperty"), (std::vector<QStringList>{{"新"}}));
}

TEST_F(BaseInfoTest, UploadTakesBmpFilesUpTo300By150)
{
    addCurrentCar();
    db().Connection().Execute("insert into CarProperty (CarID) values ('CAR0001')");
    open();
    const QString fits = pictureFile(300, 150);
    upload(fits);
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].filter, "BMP Files (*.bmp);;All Files (*)");
    EXPECT_EQ(dialogs.requests[0].defaultSuffix, "bmp");
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(pictureInFile(), (std::vector<QStringList>{{bytesOf(fits).toHex().toUpper()}}));
    EXPECT_EQ(page->pictureArea()->Picture().size(), QSize(300, 150));
    EXPECT_EQ(page->uploadButton()->text(), "修改图片");
    EXPECT_EQ(window.photoRedraws, 1);
    EXPECT_FALSE(page->IsModified());

    const QString tooLarge = QStringLiteral("图片尺寸过大，请裁剪后再重新上传！");
    const QString notBmp = QStringLiteral("加载图片失败，请确认图片格式为BMP！");
    upload(pictureFile(301, 150));
    upload(pictureFile(300, 151));
    // Told by the size in the headers, however large the file.
    upload(largeBitmapFile(4000, 3000, 24, 36'000'000));
    upload(largeBitmapFile(4100, 4100, 1, 2'132'000));
    upload(largeBitmapFile(4000, 3000, 24, 35'999'999)); // one byte short: no whole BMP
    upload(pictureFile(20, 10, "PNG"));                  // named .bmp
    upload(folders.data() + "/missing.bmp");
    EXPECT_EQ(boxes.texts(),
              (QStringList{tooLarge, tooLarge, tooLarge, tooLarge, notBmp, notBmp, notBmp}));
    for (const auto& box : boxes.boxes()) {
        EXPECT_EQ(box.caption, "Qinmo");
        EXPECT_EQ(box.flags, MB_OK | MB_ICONERROR);
    }
    // Cancel in the dialog does nothing.
    page->uploadButton()->click();
    EXPECT_EQ(boxes.boxes().size(), 7u);
    EXPECT_EQ(pictureInFile(), (std::vector<QStringList>{{bytesOf(fits).toHex().toUpper()}}));
    EXPECT_EQ(page->pictureArea()->Picture().size(), QSize(300, 150));
    EXPECT_EQ(window.photoRedraws, 1);
}

TEST_F(BaseInfoTest, UploadForACarWithoutProfileRowStoresThePicture)
{
    addCurrentCar();
    open();
    edit(col::Manufacture)->setText("一汽");
    const QString file = pictureFile(150, 75);
    upload(file);
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(page->pictureArea()->Picture().size(), QSize(150, 75));
    // The row holds the fields as last loaded; the typed text waits for Apply.
    EXPECT_EQ(profileRow(),
              (std::vector<QStringList>{{"CAR0001", "", "", "", "", "", "", "", "", "0.00000000",
                                         "0.00000000", "0.00000000", "", "", "", ""}}));
    EXPECT_EQ(edit(col::Manufacture)->text(), "一汽");
    EXPECT_TRUE(page->IsModified());

    sheet->cancelButton()->click();
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(pictureInFile(), (std::vector<QStringList>{{bytesOf(file).toHex().toUpper()}}));
    EXPECT_EQ(readBack("select Manufacture from CarProperty"), (std::vector<QStringList>{{""}}));

    // A new sheet shows the stored picture; Apply then updates the changed field.
    open();
    EXPECT_EQ(page->uploadButton()->text(), "修改图片");
    edit(col::Manufacture)->setText("一汽");
    sheet->okButton()->click();
    EXPECT_EQ(readBack("select Manufacture, hex(Picture) from CarProperty"),
              (std::vector<QStringList>{{"一汽", bytesOf(file).toHex().toUpper()}}));
}

TEST_F(BaseInfoTest, FailedPictureStoreKeepsThePreviousPicture)
{
    addCurrentCar();
    db().Connection().Execute("insert into CarProperty (CarID) values ('CAR0001')");
    open();
    const QString first = pictureFile(100, 50);
    upload(first);
    ASSERT_EQ(page->pictureArea()->Picture().size(), QSize(100, 50));

    readOnlyLedger();
    upload(pictureFile(300, 150));
    EXPECT_EQ(boxes.texts(), QStringList{kReadOnly});
    EXPECT_EQ(page->pictureArea()->Picture().size(), QSize(100, 50));
    EXPECT_EQ(window.photoRedraws, 1);
    EXPECT_EQ(pictureInFile(), (std::vector<QStringList>{{bytesOf(first).toHex().toUpper()}}));
}

TEST_F(BaseInfoTest, EditsOfTheCarShownBeforeAreNotDroppedUnasked)
{
    addCurrentCar("甲");
    ASSERT_TRUE(db().NewCar("乙"));
    open();
    const QString question = "【爱车档案】中车辆【甲】的修改还没有保存，是否保存？";

    // Saved when the user says so, for the car they were typed for.
    edit(col::Manufacture)->setText("一汽");
    db().SetCurrentCar("CAR0002");
    boxes.answer(IDYES);
    ASSERT_TRUE(sheet->SetActivePage(settingspage::CarManage));
    ASSERT_TRUE(sheet->SetActivePage(settingspage::BaseInfo));
    ASSERT_EQ(boxes.texts(), QStringList{question});
    EXPECT_EQ(boxes.boxes()[0].flags, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(readBack("select CarID, Manufacture from CarProperty"),
              (std::vector<QStringList>{{"CAR0001", "一汽"}}));
    EXPECT_EQ(page->carId(), "CAR0002");
    EXPECT_EQ(edit(col::Manufacture)->text(), "");
    EXPECT_FALSE(page->IsModified());

    // Dropped when the user says no; nothing asked without edits.
    edit(col::Manufacture)->setText("不要");
    db().SetCurrentCar("CAR0001");
    boxes.clear();
    boxes.answer(IDNO);
    ASSERT_TRUE(sheet->SetActivePage(settingspage::CarManage));
    ASSERT_TRUE(sheet->SetActivePage(settingspage::BaseInfo));
    EXPECT_EQ(boxes.texts().size(), 1);
    EXPECT_EQ(edit(col::Manufacture)->text(), "一汽");
    db().SetCurrentCar("CAR0002");
    boxes.clear();
    ASSERT_TRUE(sheet->SetActivePage(settingspage::CarManage));
    ASSERT_TRUE(sheet->SetActivePage(settingspage::BaseInfo));
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(readBack("select CarID, Manufacture from CarProperty"),
              (std::vector<QStringList>{{"CAR0001", "一汽"}}));

    // Edits that cannot be saved keep the page on their car.
    edit(col::Manufacture)->setText("只读");
    db().SetCurrentCar("CAR0001");
    readOnlyLedger();
    boxes.clear();
    boxes.answer(IDYES);
    ASSERT_TRUE(sheet->SetActivePage(settingspage::CarManage));
    ASSERT_TRUE(sheet->SetActivePage(settingspage::BaseInfo));
    EXPECT_EQ(boxes.texts(),
              (QStringList{"【爱车档案】中车辆【乙】的修改还没有保存，是否保存？", kReadOnly}));
    EXPECT_EQ(page->carId(), "CAR0002");
    EXPECT_EQ(edit(col::Manufacture)->text(), "只读");
    EXPECT_TRUE(page->IsModified());
}
