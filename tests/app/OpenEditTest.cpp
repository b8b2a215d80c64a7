#include "app/MainFrame.h"
#include "app/OrvynView.h"
#include "controls/GridCtrl.h"
#include "platform/Folders.h"
#include "platform/MessageEvent.h"
#include "tests/support/ReadBack.h"
#include "tests/support/TestEnvironment.h"

#include <QLineEdit>
#include <gtest/gtest.h>

using namespace platform;

// A value still in an open cell editor is saved when the user leaves the page,
// opens the settings or closes the program (even when the close is refused).
TEST(OpenCellEditor, IsSavedBeforeThePageGoesAway)
{
    TestFolders folders;
    MessageBoxRecorder boxes;
    CMainFrame frame;
    frame.Context().m_database.NewCar("甲");
    frame.Context().m_database.SetCurrentCar("CAR0001");
    frame.show();
    COrvynView* view = frame.View();
    ASSERT_NE(view, nullptr);
    SendMessage(view, WM_PAGE_SELECT, 1002); // the repair ledger
    auto* grid = view->Page(2)->findChild<CGridCtrl*>();
    ASSERT_NE(grid, nullptr);

    auto typeWithoutClosing = [&](int row, int col, const QString& text) {
        ASSERT_TRUE(grid->EditCell(row, col));
        auto* editor = qobject_cast<QLineEdit*>(grid->GetEditor());
        ASSERT_NE(editor, nullptr);
        editor->setText(text);
    };

    typeWithoutClosing(1, 3, "88");
    SendMessage(view, WM_PAGE_SELECT, 1000); // another page
    EXPECT_EQ(ReadBack(DatabasePath(), "select Amount from Repair"),
              (std::vector<QStringList>{{"88.00000000"}}));

    SendMessage(view, WM_PAGE_SELECT, 1002);
    typeWithoutClosing(1, 4, "换机油");
    boxes.answer(IDNO);
    EXPECT_FALSE(frame.OnClose());
    EXPECT_EQ(ReadBack(DatabasePath(), "select Amount, Content from Repair"),
              (std::vector<QStringList>{{"88.00000000", "换机油"}}));
    EXPECT_EQ(boxes.texts(), QStringList{"确定要退出程序吗?"});
}
