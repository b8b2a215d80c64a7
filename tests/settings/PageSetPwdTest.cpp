#include "SettingsFixture.h"

#include "database/BackupPoints.h"
#include "database/LedgerFile.h"
#include "platform/PasswordScramble.h"
#include "platform/Profile.h"
#include "settings/PageSetPwd.h"
#include "settings/PageSys.h"
#include "settings/SettingsSheet.h"
#include "settings/TreePropSheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>

using namespace platform;

namespace {

const QString kWrong = "密码输入错误！";
const QString kTooMany = "对不起，您尝试次数过多，对话框将自动关闭！";

class PasswordPageTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        db().NewCar("高尔夫6");
        db().SetCurrentCar("CAR0001");
    }
    QString profileFile() const { return folders.config() + "/OrvynSoft/Orvyn.conf"; }
    // The profile as written by hand or by another program.
    void writeProfile(const QByteArray& userSection)
    {
        ASSERT_TRUE(QDir().mkpath(folders.config() + "/OrvynSoft"));
        QFile file(profileFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[User]\n" + userSection);
    }
    void setPin(const QString& clear)
    {
        WriteProfileString("User", "Pin", ScramblePassword(clear));
    }
    // The entry as the file holds it, read without the program's profile.
    QVariant storedPin() const
    {
        return QSettings(profileFile(), QSettings::IniFormat).value("User/Pin");
    }

    void open()
    {
        sheet = createSheet(settingscommand::SetPwd);
        sheet->show();
        QApplication::setActiveWindow(sheet.get());
        page = dynamic_cast<CPageSetPwd*>(sheet->GetActivePage());
        ASSERT_NE(page, nullptr);
    }
    void type(QLineEdit* edit, const QString& text, bool enter = true)
    {
        edit->setFocus();
        for (const QChar c : text) // typed as an input method delivers it
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        if (enter)
            QTest::keyClick(edit, Qt::Key_Return);
    }
    // What the user sees of a red label: its text, or nothing while hidden.
    static QString shown(const QLabel* label)
    {
        return label->isVisible() ? label->text() : QString();
    }
    bool newPasswordEnabled() const
    {
        return page->newPasswordEdit()->isEnabled() && page->confirmEdit()->isEnabled() &&
               page->applyButton()->isEnabled();
    }

    std::unique_ptr<CTreePropSheet> sheet;
    CPageSetPwd* page = nullptr;
};

} // namespace

TEST_F(PasswordPageTest, WithoutAPasswordANewOneIsSetWithEnterAndStoredScrambled)
{
    open();
    EXPECT_EQ(shown(page->oldPasswordLabel()), "未设置密码！");
    EXPECT_EQ(shown(page->hintLabel()), "请在这里设置您的密码！");
    EXPECT_FALSE(page->oldPasswordEdit()->isEnabled());
    EXPECT_FALSE(page->checkButton()->isEnabled());
    EXPECT_FALSE(page->clearButton()->isVisible());
    EXPECT_TRUE(page->newPasswordEdit()->echoMode() == QLineEdit::Password);

    type(page->newPasswordEdit(), "abc");
    EXPECT_TRUE(page->confirmEdit()->hasFocus());
    EXPECT_EQ(shown(page->hintLabel()), ""); // typing hides the hint
    type(page->confirmEdit(), "abc");
    EXPECT_EQ(shown(page->hintLabel()), "密码已设置，请牢记！");
    EXPECT_EQ(shown(page->oldPasswordLabel()), "");
    EXPECT_FALSE(newPasswordEnabled());
    EXPECT_EQ(storedPin(), "def");
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(PasswordPageTest, MismatchedAndEmptyPasswordsAreRefusedAndNothingIsWritten)
{
    setPin("abc");
    open();
    EXPECT_FALSE(newPasswordEnabled());
    type(page->oldPasswordEdit(), "abc");
    ASSERT_TRUE(newPasswordEnabled());
    EXPECT_TRUE(page->clearButton()->isVisible());
    EXPECT_EQ(shown(page->hintLabel()), "请在这里设置您的密码！");

    type(page->newPasswordEdit(), "x'y中", false);
    type(page->confirmEdit(), "x'y");
    EXPECT_EQ(shown(page->hintLabel()), "密码两次输入不一致，请重新设置！");
    EXPECT_TRUE(page->newPasswordEdit()->text().isEmpty());
    EXPECT_TRUE(page->confirmEdit()->text().isEmpty());
    EXPECT_TRUE(page->newPasswordEdit()->hasFocus());
    page->applyButton()->click();
    EXPECT_EQ(shown(page->hintLabel()), "密码不能为空，请重新设置！");
    EXPECT_EQ(storedPin(), "def");
    EXPECT_TRUE(newPasswordEnabled());
}

TEST_F(PasswordPageTest, WrongOldPasswordsAreCountedAndTheFifthClosesTheSheetUnapplied)
{
    setPin("abc");
    open();
    // A changed page that OK or Apply would store.
    ASSERT_TRUE(sheet->SetActivePage(settingspage::Sys));
    auto* sys = dynamic_cast<CPageSys*>(sheet->GetActivePage());
    sys->odometerCheck(0x01)->click();
    ASSERT_TRUE(sheet->SetActivePage(page));

    for (int attempt = 1; attempt <= 4; ++attempt) {
        type(page->oldPasswordEdit(), "ABC");
        EXPECT_EQ(shown(page->oldPasswordLabel()), kWrong) << attempt;
        EXPECT_TRUE(page->oldPasswordEdit()->text().isEmpty());
        EXPECT_FALSE(newPasswordEnabled());
    }
    QTest::keyClicks(page->oldPasswordEdit(), "a");
    EXPECT_EQ(shown(page->oldPasswordLabel()), ""); // typing hides the error
    EXPECT_TRUE(boxes.boxes().empty());
    page->checkButton()->click();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, kTooMany);
    EXPECT_EQ(boxes.boxes()[0].caption, "Qinmo");
    EXPECT_EQ(boxes.boxes()[0].flags, MB_OK);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !sheet->isVisible(); }, 10000));
    EXPECT_EQ(sheet->result(), QDialog::Rejected);
    EXPECT_EQ(context.OdometerColumnMask, 0x3F);
    EXPECT_EQ(storedPin(), "def");
}

TEST_F(PasswordPageTest, LeavingThePageResetsTheAttemptsAndAsksForTheOldPasswordAgain)
{
    setPin("秘");
    open();
    for (int attempt = 1; attempt <= 4; ++attempt)
        type(page->oldPasswordEdit(), "x");
    ASSERT_TRUE(sheet->SetActivePage(settingspage::Sys));
    ASSERT_TRUE(sheet->SetActivePage(page));
    EXPECT_EQ(page->attempts(), 0);
    EXPECT_EQ(shown(page->oldPasswordLabel()), "");
    type(page->oldPasswordEdit(), "x");
    EXPECT_TRUE(boxes.boxes().empty());

    type(page->oldPasswordEdit(), "秘");
    type(page->newPasswordEdit(), "新", false);
    ASSERT_TRUE(sheet->SetActivePage(settingspage::Sys));
    ASSERT_TRUE(sheet->SetActivePage(page));
    EXPECT_FALSE(newPasswordEnabled());
    EXPECT_TRUE(page->oldPasswordEdit()->isEnabled());
    EXPECT_TRUE(page->newPasswordEdit()->text().isEmpty());
    EXPECT_FALSE(page->clearButton()->isVisible());
}

TEST_F(PasswordPageTest, ClearingStoresAnEmptyTextAndANewPasswordCanFollow)
{
    setPin("abc");
    open();
    type(page->oldPasswordEdit(), "abc");
    page->clearButton()->click();
    EXPECT_EQ(storedPin(), "");
    EXPECT_EQ(shown(page->oldPasswordLabel()), "未设置密码！");
    EXPECT_FALSE(page->clearButton()->isVisible());
    ASSERT_TRUE(newPasswordEnabled());
    type(page->newPasswordEdit(), "z");
    type(page->confirmEdit(), "z");
    EXPECT_EQ(storedPin(), ScramblePassword("z"));
}

TEST_F(PasswordPageTest, EnterNeverClosesTheSheetNorPressesAButton)
{
    setPin("abc");
    open();
    for (QWidget* target :
         std::initializer_list<QWidget*>{page->checkButton(), page, sheet->okButton()}) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
    }
    type(page->oldPasswordEdit(), "wrong");
    EXPECT_EQ(page->attempts(), 1);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(PasswordPageTest, AStoredValueThatIsNoTextIsAPasswordNothingMatches)
{
    writeProfile("Pin=@Rect(1 2 3 4)\n");
    open();
    EXPECT_FALSE(newPasswordEnabled());
    EXPECT_EQ(shown(page->oldPasswordLabel()), "");
    for (const char* typed : {"", "@Rect(1 2 3 4)", "1 2 3 4"}) {
        type(page->oldPasswordEdit(), QString::fromUtf8(typed));
        EXPECT_EQ(shown(page->oldPasswordLabel()), kWrong);
    }
    EXPECT_FALSE(newPasswordEnabled());
}

// A profile that cannot be read may hold a password: the page does not offer
// to set one as if none were set, and says which file it could not read.
TEST_F(PasswordPageTest, AProfileThatCannotBeReadOffersNoNewPassword)
{
    ASSERT_TRUE(QDir().mkpath(profileFile()));
    open();
    EXPECT_FALSE(newPasswordEnabled());
    EXPECT_EQ(shown(page->oldPasswordLabel()), "");
    EXPECT_EQ(shown(page->hintLabel()),
              "无法读取设置文件 " + profileFile() + "，不能核对或更改密码。");
    type(page->oldPasswordEdit(), "");
    EXPECT_EQ(shown(page->oldPasswordLabel()), kWrong);
    EXPECT_FALSE(newPasswordEnabled());
}

TEST_F(PasswordPageTest, AProfileThatCannotBeWrittenIsReportedAndNothingLooksStored)
{
    setPin("abc");
    open();
    type(page->oldPasswordEdit(), "abc");
    // A folder where the file should be: nothing can be written there.
    ASSERT_TRUE(QFile::remove(profileFile()));
    ASSERT_TRUE(QDir().mkpath(profileFile()));
    type(page->newPasswordEdit(), "xyz");
    type(page->confirmEdit(), "xyz");
    page->clearButton()->click();
    ASSERT_EQ(boxes.texts(), (QStringList{"密码保存失败，密码没有更改，请重试！",
                                          "密码清除失败，密码没有更改，请重试！"}));
    EXPECT_EQ(boxes.boxes()[0].flags, MB_OK | MB_ICONERROR);
    EXPECT_EQ(shown(page->hintLabel()), "");
    EXPECT_EQ(shown(page->oldPasswordLabel()), "");
    EXPECT_TRUE(newPasswordEnabled());
    EXPECT_EQ(page->confirmEdit()->text(), "xyz");
    EXPECT_TRUE(page->clearButton()->isVisible());
}

TEST(PasswordPage, WithoutTheMainFrameNothingIsStored)
{
    TestFolders folders;
    MessageBoxRecorder boxes;
    LedgerContext context; // no ledger open yet either
    auto sheet = CreateSettingsSheet(nullptr, settingscommand::SetPwd, context, nullptr);
    sheet->show();
    ASSERT_TRUE(sheet->SetActivePage(settingspage::SetPwd));
    auto* page = dynamic_cast<CPageSetPwd*>(sheet->GetActivePage());
    page->newPasswordEdit()->setText("abc");
    page->confirmEdit()->setText("abc");
    page->applyButton()->click();
    EXPECT_EQ(page->hintLabel()->text(), "Can't get mainframe's point!");
    EXPECT_EQ(GetProfileString("User", "Pin", "absent"), "absent");
}

TEST_F(PasswordPageTest, ALedgerEncryptedWithThePasswordOpensWithItAloneUntilItIsCleared)
{
    LedgerRecord note;
    note.carId = "CAR0001";
    note.recId = "0000001";
    note.date = "2026/03/02";
    note.mark = "车库门口的加油站";
    ASSERT_TRUE(db().InsertRecord(LedgerKind::Refuel, note));
    const auto holdsNote = [&](const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) && f.readAll().contains(note.mark.toUtf8());
    };
    open();
    page->encryptBox()->setChecked(true);
    type(page->newPasswordEdit(), "秘密'1");
    type(page->confirmEdit(), "秘密'1");
    EXPECT_EQ(shown(page->hintLabel()), "密码已设置，请牢记！");
    // The profile keeps no form of the password, only that the ledger has one.
    EXPECT_FALSE(storedPin().isValid() && !storedPin().toString().isEmpty());
    EXPECT_EQ(GetProfileString("User", "OwnerKeyed"), "1");
    EXPECT_FALSE(LedgerOpensWithKey(path, CMyDatabase::kDatabasePassword));
    EXPECT_TRUE(LedgerOpensWithKey(path, "秘密'1"));
    // Still open for the program, and its backup points are keyed the same.
    ASSERT_TRUE(db().GetCarList());
    const QString backups = folders.data() + "/backup";
    ASSERT_TRUE(MakeBackupPoint(path, backups, "CAR20261208-070000.bpt", db().LedgerKey()).ok());
    const QString point = backups + "/CAR20261208-070000.bpt";
    EXPECT_TRUE(LedgerOpensWithKey(point, "秘密'1"));
    for (const QString& file : {path, point})
        EXPECT_FALSE(holdsNote(file)) << file.toStdString();

    // Cleared after the password is confirmed: the fixed key again.
    sheet.reset();
    open();
    EXPECT_FALSE(newPasswordEnabled());
    type(page->oldPasswordEdit(), "秘密'1");
    ASSERT_TRUE(page->clearButton()->isVisible());
    page->clearButton()->click();
    EXPECT_TRUE(LedgerOpensWithKey(path, CMyDatabase::kDatabasePassword));
    EXPECT_EQ(GetProfileString("User", "OwnerKeyed"), "");
    EXPECT_EQ(readBack("select Mark from Refuel"), (std::vector<QStringList>{{note.mark}}));
    EXPECT_TRUE(boxes.boxes().empty());
}
