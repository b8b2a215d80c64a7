#include "CsvFixture.h"

#include "app/MainMenu.h"
#include "csv/CsvDialogs.h"
#include "csv/CsvExport.h"
#include "csv/CsvLedgers.h"
#include "platform/FileDialog.h"
#include "platform/Folders.h"
#include "tests/support/TestEnvironment.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

// The menu commands with their dialogs answered by the test; every message
// box they show is recorded.
class CsvDialogsTest : public CsvTest
{
protected:
    void SetUp() override
    {
        CsvTest::SetUp();
        car = addCar(QStringLiteral("小蓝"));
        db.SetCurrentCar(car);
        LedgerRecord r;
        r.miles = 800;
        r.amount = 45;
        r.content = QStringLiteral("洗车");
        add(LedgerKind::DailyCost, car, "2024/04/01", r);
        r.amount = 20;
        r.content = QStringLiteral("停车");
        add(LedgerKind::DailyCost, car, "2024/04/02", r);
    }
    void TearDown() override
    {
        platform::SetFolderHook({});
        platform::SetOpenFileHook({});
    }

    MessageBoxRecorder boxes;
    QString car;
};

TEST_F(CsvDialogsTest, TheDataMenuSitsBetweenSettingsAndHelp)
{
    QMenuBar bar;
    std::vector<int> chosen;
    BuildMainMenu(&bar, [&](int id) { chosen.push_back(id); });
    QStringList titles;
    for (QAction* action : bar.actions())
        titles << action->text();
    EXPECT_EQ(titles, (QStringList{"设置(&S)", "编辑(&E)", "数据(&D)", "帮助(&H)"}));
    QMenu* data = bar.actions()[2]->menu();
    ASSERT_NE(data, nullptr);
    ASSERT_GE(data->actions().size(), 2);
    EXPECT_EQ(data->actions()[0]->text(), "导出为 CSV(&E)…");
    EXPECT_EQ(data->actions()[1]->text(), "从 CSV 导入(&I)…");
    EXPECT_EQ(data->actions().last()->text(), "数据检查(&C)…");
    data->actions()[0]->trigger();
    data->actions()[1]->trigger();
    EXPECT_EQ(chosen, (std::vector<int>{cmd::ID_EXPORT_CSV, cmd::ID_IMPORT_CSV}));
}

TEST_F(CsvDialogsTest, ExportAsksWhichCarsAndWhereAndTellsTheOutcome)
{
    platform::SetFolderHook([&](const platform::FolderRequest& request) {
        EXPECT_EQ(request.caption, "选择导出到哪个文件夹");
        return out;
    });
    RunCsvExport(nullptr, db, [&](CDlgCsvExport& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "导出为 CSV");
        EXPECT_EQ(dialog.CurrentCarButton()->text(), "当前车辆：小蓝");
        EXPECT_TRUE(dialog.CurrentCarButton()->isChecked());
        EXPECT_EQ(dialog.FolderEdit()->accessibleName(), "保存到文件夹(F)");
        dialog.FolderEdit()->clear();
        EXPECT_FALSE(dialog.Buttons()->button(QDialogButtonBox::Ok)->isEnabled());
        dialog.BrowseButton()->click();
        EXPECT_EQ(dialog.Folder(), out);
        EXPECT_TRUE(dialog.Buttons()->button(QDialogButtonBox::Ok)->isEnabled());
        return int(QDialog::Accepted);
    });
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "已导出 2 条记录，共 8 个文件，保存在：\n" + out);
    EXPECT_EQ(CsvRowsOf(out + "/" + LedgerFileName(car, "小蓝", "日常杂费")).size(), 3u);

    // The folder is remembered for the next export; a cancelled dialog does nothing.
    RunCsvExport(nullptr, db, [&](CDlgCsvExport& dialog) {
        EXPECT_EQ(dialog.Folder(), out);
        return int(QDialog::Rejected);
    });
    EXPECT_EQ(boxes.boxes().size(), 1u);
}

TEST_F(CsvDialogsTest, ImportShowsThePreviewAndWritesOnlyWhatItShowed)
{
    ASSERT_EQ(ExportCsv(db, {out, car}).outcome, CsvExportResult::Done);
    const QString file = out + "/" + LedgerFileName(car, "小蓝", "日常杂费");
    platform::SetOpenFileHook([&](const platform::OpenFileRequest& request) {
        EXPECT_EQ(request.caption, "从 CSV 导入");
        return file;
    });
    const bool written = RunCsvImport(nullptr, db, [&](CDlgImportPreview& preview) {
        EXPECT_EQ(preview.windowTitle(), "导入预览");
        // Both records are in the ledger already: nothing to import.
        EXPECT_EQ(preview.CarBox()->currentText(), "按文件所写");
        EXPECT_FALSE(preview.ImportButton()->isEnabled());
        EXPECT_EQ(preview.ImportButton()->text(), "导入 0 条记录");
        EXPECT_TRUE(preview.SummaryView()->toPlainText().contains(
            "与账本里已有记录相同（日期、里程表、金额一样）而跳过的 2 行："));
        EXPECT_FALSE(preview.LedgerBox()->isVisibleTo(&preview));
        EXPECT_FALSE(preview.DistanceBox()->isVisibleTo(&preview));

        // Into a new car typed into the list: the first Enter shows what it means.
        preview.CarBox()->setEditText("小红");
        EXPECT_TRUE(preview.Options().car.isEmpty());
        preview.accept();
        EXPECT_EQ(preview.result(), QDialog::Rejected); // still open
        EXPECT_EQ(preview.Options().car, "小红");
        EXPECT_TRUE(preview.ImportButton()->isEnabled());
        EXPECT_EQ(preview.ImportButton()->text(), "导入 2 条记录");
        EXPECT_TRUE(preview.SummaryView()->toPlainText().contains("将新建车辆“小红”。"));
        QTabWidget* tabs = preview.Tabs();
        EXPECT_EQ(tabs->count(), 2);
        EXPECT_EQ(tabs->tabText(1), "小红（新建） 日常杂费（2 条）");
        auto* table = qobject_cast<QTableWidget*>(tabs->widget(1));
        EXPECT_EQ(table->accessibleName(), "小红（新建） 日常杂费");
        EXPECT_EQ(table->item(0, 2)->text(), "￥ 45.00");
        // Leaving the car box unchanged (for the import button) reads nothing again.
        emit preview.CarBox()->lineEdit()->editingFinished();
        EXPECT_EQ(tabs->widget(1), table);
        preview.accept();
        return preview.result();
    });
    EXPECT_TRUE(written);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_TRUE(boxes.boxes()[0].text.startsWith("已导入 2 条记录。\n导入前的账本已备份为 CAR"));
    EXPECT_EQ(ReadBack(path, "select CarID, Content, Amount from DailyCost where CarID='CAR0002' "
                             "order by DateTimee"),
              (std::vector<QStringList>{{"CAR0002", "洗车", "45.00000000"},
                                        {"CAR0002", "停车", "20.00000000"}}));
    EXPECT_EQ(QDir(platform::BackupFolder()).entryList(QDir::Files).size(), 1);
}

TEST_F(CsvDialogsTest, AFileThatCannotBeReadIsAnsweredWithAMessage)
{
    WriteFile(inData("empty.csv"), "");
    platform::SetOpenFileHook(
        [&](const platform::OpenFileRequest&) { return inData("empty.csv"); });
    bool previewShown = false;
    EXPECT_FALSE(RunCsvImport(nullptr, db, [&](CDlgImportPreview&) {
        previewShown = true;
        return int(QDialog::Accepted);
    }));
    EXPECT_FALSE(previewShown);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "不能导入：empty.csv：文件是空的，没有可以导入的内容。");
    EXPECT_EQ(boxes.boxes()[0].flags, platform::MB_OK | platform::MB_ICONERROR);
}

TEST_F(CsvDialogsTest, ThePreviewOffersLedgerUnitsAndColumnsWhereTheFileDoesNotSay)
{
    WriteFile(inData("service.csv"), "Date,Description,Cost,Notes,Odometer,Tags\n"
                                     "1/15/2024,Brake pads,120,,1000,\n");
    platform::SetOpenFileHook(
        [&](const platform::OpenFileRequest&) { return inData("service.csv"); });
    RunCsvImport(nullptr, db, [&](CDlgImportPreview& preview) {
        EXPECT_EQ(preview.CarBox()->currentText(), "小蓝"); // the current car
        EXPECT_TRUE(preview.LedgerBox()->isVisibleTo(&preview));
        EXPECT_EQ(preview.LedgerBox()->currentText(), "保养记录");
        EXPECT_EQ(preview.LedgerBox()->accessibleName(), "记录类型(L)");
        preview.LedgerBox()->setCurrentIndex(preview.LedgerBox()->findText("维修记录"));
        EXPECT_EQ(preview.Plan().rows[0].ledger, LedgerKind::Repair);
        EXPECT_TRUE(preview.DistanceBox()->isVisibleTo(&preview));
        preview.DistanceBox()->setCurrentIndex(preview.DistanceBox()->findText("英里"));
        EXPECT_EQ(preview.Plan().rows[0].record.miles, 1609.34);      // as the ledger stores it
        EXPECT_EQ(preview.Plan().rows[0].ledger, LedgerKind::Repair); // kept
        EXPECT_EQ(preview.MappingBox(0), nullptr);
        return int(QDialog::Rejected);
    });
    EXPECT_EQ(ReadBack(path, "select count(*) from Repair"), (std::vector<QStringList>{{"0"}}));

    // Units a file states are not offered.
    WriteFile(inData("fuelio.csv"),
              "\"## Log\"\n\"Data\",\"Odo (mi)\",\"Fuel (litres)\",\"Full\",\"Price (optional)\"\n"
              "\"2024-03-10 16:01\",\"1000\",\"30\",\"1\",\"54\"\n");
    platform::SetOpenFileHook(
        [&](const platform::OpenFileRequest&) { return inData("fuelio.csv"); });
    RunCsvImport(nullptr, db, [&](CDlgImportPreview& preview) {
        EXPECT_EQ(preview.DistanceBox()->currentText(), "英里");
        EXPECT_FALSE(preview.DistanceBox()->isEnabled());
        EXPECT_FALSE(preview.VolumeBox()->isEnabled());
        return int(QDialog::Rejected);
    });

    // The encoding the guess took is shown, and another may be chosen.
    WriteFile(inData("tax.csv"), "Date,Description,Cost,Notes,Tags\n1/5/2024,M\xFCller,10,,\n");
    platform::SetOpenFileHook([&](const platform::OpenFileRequest&) { return inData("tax.csv"); });
    RunCsvImport(nullptr, db, [&](CDlgImportPreview& preview) {
        EXPECT_EQ(preview.EncodingBox()->currentText(), "按文件内容判断（Windows-1252）");
        EXPECT_EQ(preview.Plan().rows[0].record.content, "Müller");
        EXPECT_TRUE(preview.SummaryView()->toPlainText().contains("tax.csv：文件不是 UTF-8，按 "
                                                                  "Windows-1252 读"));
        preview.EncodingBox()->setCurrentIndex(preview.EncodingBox()->findText("GB18030"));
        EXPECT_EQ(preview.Plan().sources[0].encoding, "GB18030");
        EXPECT_EQ(preview.Plan().rows[0].record.content, "M黮ler");
        return int(QDialog::Rejected);
    });

    WriteFile(inData("generic.csv"), "when,what,paid\n2024-05-01,洗车,30\n");
    platform::SetOpenFileHook(
        [&](const platform::OpenFileRequest&) { return inData("generic.csv"); });
    RunCsvImport(nullptr, db, [&](CDlgImportPreview& preview) {
        // "when" is no date the guess knows: the user says so.
        EXPECT_TRUE(preview.Plan().refused());
        EXPECT_FALSE(preview.ImportButton()->isEnabled());
        QComboBox* when = preview.MappingBox(0);
        QComboBox* paid = preview.MappingBox(2);
        EXPECT_EQ(when->accessibleName(), "when");
        EXPECT_EQ(preview.LedgerBox()->currentText(), "日常杂费");
        when->setCurrentIndex(when->findText("日期"));
        preview.MappingBox(1)->setCurrentIndex(preview.MappingBox(1)->findText("内容或商品名称"));
        paid->setCurrentIndex(paid->findText("金额"));
        EXPECT_FALSE(preview.Plan().refused());
        EXPECT_EQ(preview.Plan().rows[0].record.amount, 30);
        EXPECT_EQ(preview.Plan().rows[0].record.content, "洗车");
        EXPECT_TRUE(preview.ImportButton()->isEnabled());
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(ReadBack(path, "select Content, Amount from DailyCost where DateTimee='2024/05/01'"),
              (std::vector<QStringList>{{"洗车", "30.00000000"}}));
}
