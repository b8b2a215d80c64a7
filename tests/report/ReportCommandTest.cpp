#include "tests/report/ReportFixture.h"

#include <QFile>
#include <QFileInfo>

namespace {

struct Outcome
{
    int code;
    QString out;
    QString err;
};

// The built program under a Chinese locale, on the test's data folder.
Outcome runProgram(const QStringList& arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("zh_CN.UTF-8"));
    env.remove(QStringLiteral("LANGUAGE"));
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), qEnvironmentVariable("XDG_CONFIG_HOME"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(ORVYN_PROGRAM), arguments);
    program.closeWriteChannel();
    if (!program.waitForFinished(120000))
        program.kill();
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

struct Refusal
{
    QStringList arguments; // after --report FILE
    int code;
    const char* message;
};

} // namespace

class ReportCommand : public ReportTest
{
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        db.Close(); // the command opens the ledger itself
        pdf = folders.data() + QStringLiteral("/out.pdf");
    }
    QString pdf;
};

// A report of one ledger and a period, without a display: only that
// ledger's records of the period, and the count told.
TEST_F(ReportCommand, WritesTheChosenLedgerAndPeriod)
{
    const Outcome run = runProgram(
        {QStringLiteral("--report"), pdf, QStringLiteral("--car"), QStringLiteral("小白"),
         QStringLiteral("--ledger"), QStringLiteral("repair"), QStringLiteral("--from"),
         QStringLiteral("2026-01-01"), QStringLiteral("--to"), QStringLiteral("2026-06-30")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("已把 2 条记录写进报表")))
        << run.out.toStdString();
    const QString text = Squeezed(PdfPages(pdf).join(QString()));
    EXPECT_TRUE(text.contains(QStringLiteral("换刹车片")));
    EXPECT_TRUE(text.contains(QStringLiteral("补漆")));
    EXPECT_FALSE(text.contains(QStringLiteral("换电瓶")));
    EXPECT_FALSE(text.contains(QStringLiteral("加油备注")));
    EXPECT_TRUE(text.contains(QStringLiteral("期间合计￥1560.50")));
}

// Mistakes in the arguments answer 2, refusals 1, each with one clear line,
// and no file is left behind.
TEST_F(ReportCommand, RefusesWithClearMessages)
{
    const Refusal refusals[] = {
        {{QStringLiteral("--car"), QStringLiteral("大黄")}, 1, "账本里没有车辆“大黄”。"},
        {{QStringLiteral("--from"), QStringLiteral("2026-02-30")},
         2,
         "orvyn: --from 的日期“2026-02-30”不对，请写成 yyyy-mm-dd，例如 2026-03-02。"},
        {{QStringLiteral("--from"), QStringLiteral("2026-05-01"), QStringLiteral("--to"),
          QStringLiteral("2026-04-01")},
         2,
         "orvyn: --from 的日期晚于 --to 的日期。"},
        {{QStringLiteral("--ledger"), QStringLiteral("fuel")}, 2, "orvyn: 不认识的记录类型“fuel”"},
    };
    for (const Refusal& refusal : refusals) {
        const Outcome run =
            runProgram(QStringList{QStringLiteral("--report"), pdf} + refusal.arguments);
        EXPECT_EQ(run.code, refusal.code) << refusal.message;
        EXPECT_TRUE(run.err.startsWith(QString::fromUtf8(refusal.message)))
            << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(pdf));
    }
    // A folder that is a file cannot be written into, whoever runs the test.
    QFile plain(folders.data() + QStringLiteral("/plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString unwritable = folders.data() + QStringLiteral("/plain/out.pdf");
    const Outcome run = runProgram({QStringLiteral("--report"), unwritable});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("报表没有写成：无法写入文件 %1：")
                                       .arg(QDir::toNativeSeparators(unwritable))))
        << run.err.toStdString();
}
