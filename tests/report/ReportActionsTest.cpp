#include "report/ReportActions.h"
#include "database/LedgerContext.h"
#include "platform/FileDialog.h"
#include "platform/MessageCodes.h"
#include "report/DlgReport.h"
#include "tests/report/ReportFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>

class ReportActions : public ReportTest
{
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        db.Close();
        context.m_database.SetFilePath(platform::DatabasePath());
        context.m_database.CreateOrOpen();
        platform::SetSaveFileHook([this](const platform::SaveFileRequest& request) {
            proposed = request.proposed;
            return chosen;
        });
    }
    void TearDown() override { platform::SetSaveFileHook({}); }

    // Picks the repair ledger of the first half of 2026 and presses a button.
    static void choose(CDlgReport& dialog, QPushButton* button)
    {
        for (LedgerKind kind : kLedgerKinds)
            dialog.LedgerBox(kind)->setChecked(kind == LedgerKind::Repair);
        dialog.FromBox()->setChecked(true);
        dialog.FromEdit()->setDate(QDate(2026, 1, 1));
        dialog.ToBox()->setChecked(true);
        dialog.ToEdit()->setDate(QDate(2026, 6, 30));
        button->click();
    }

    LedgerContext context;
    QString chosen;
    QString proposed;
};

// "导出为 PDF…": the dialog's choice, a file name, the PDF written and the
// outcome told; a period that ends before it starts is refused in the dialog.
TEST_F(ReportActions, ExportsThePdfChosenInTheDialog)
{
    chosen = folders.data() + QStringLiteral("/chosen.pdf");
    RunReportPdf(nullptr, context, [](CDlgReport& dialog) {
        EXPECT_EQ(dialog.CarBox()->currentText(), QStringLiteral("小白"));
        dialog.FromBox()->setChecked(true);
        dialog.FromEdit()->setDate(QDate(2026, 7, 1));
        dialog.ToBox()->setChecked(true);
        dialog.ToEdit()->setDate(QDate(2026, 6, 30));
        dialog.GoButton()->click();
        EXPECT_FALSE(dialog.result() == QDialog::Accepted);
        choose(dialog, dialog.GoButton());
        return dialog.result();
    });
    EXPECT_TRUE(proposed.endsWith(QStringLiteral("/小白 费用报表.pdf"))) << proposed.toStdString();
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.texts()[0], QStringLiteral("起始日期晚于截止日期，请改正期间。"));
    EXPECT_TRUE(boxes.texts()[1].startsWith(QStringLiteral("报表已保存（共 ")))
        << boxes.texts()[1].toStdString();
    EXPECT_EQ(boxes.boxes()[1].flags, unsigned(platform::MB_OK | platform::MB_ICONINFORMATION));
    const QString text = Squeezed(PdfPages(chosen).join(QString()));
    EXPECT_TRUE(text.contains(QStringLiteral("期间合计￥1560.50")));
    EXPECT_FALSE(text.contains(QStringLiteral("换电瓶")));
}

// A file that cannot be written is told, and cancelling the file dialog
// writes nothing.
TEST_F(ReportActions, TellsAFileThatCannotBeWritten)
{
    QFile plain(folders.data() + QStringLiteral("/plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    chosen = folders.data() + QStringLiteral("/plain/out.pdf");
    auto accept = [](CDlgReport& dialog) {
        choose(dialog, dialog.GoButton());
        return dialog.result();
    };
    RunReportPdf(nullptr, context, accept);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_TRUE(boxes.texts()[0].startsWith(
        QStringLiteral("报表没有保存：无法写入文件 %1：").arg(QDir::toNativeSeparators(chosen))))
        << boxes.texts()[0].toStdString();
    EXPECT_EQ(boxes.boxes()[0].flags, unsigned(platform::MB_OK | platform::MB_ICONERROR));

    boxes.clear();
    chosen.clear();
    RunReportPdf(nullptr, context, accept);
    EXPECT_TRUE(boxes.boxes().empty());
}

// "打印…" → "打印预览…": Qt's preview shows the report's pages.
TEST_F(ReportActions, PreviewShowsTheReportPages)
{
    int pages = 0;
    RunReportPrint(
        nullptr, context,
        [](CDlgReport& dialog) {
            choose(dialog, dialog.PreviewButton());
            return dialog.result();
        },
        [&pages](QDialog& dialog) {
            EXPECT_TRUE(qobject_cast<QPrintPreviewDialog*>(&dialog));
            dialog.show();
            auto* preview = dialog.findChild<QPrintPreviewWidget*>();
            for (int i = 0; i < 200 && preview && preview->pageCount() == 0; ++i)
                QApplication::processEvents(QEventLoop::AllEvents, 50);
            pages = preview ? preview->pageCount() : 0;
            dialog.close();
            return 0;
        });
    EXPECT_EQ(pages, 3); // title, the repairs, the charts
    EXPECT_TRUE(boxes.boxes().empty());
}
