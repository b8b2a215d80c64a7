#pragma once

#include "controls/GridCellDateTime.h"
#include "controls/GridCtrl.h"
#include "ledgers/LedgerPage.h"
#include "platform/Clock.h"
#include "platform/MessageEvent.h"
#include "tests/support/PageContext.h"
#include "tests/support/ReadBack.h"
#include "tests/support/TestEnvironment.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

// A ledger with two cars, CAR0001 "甲" current, a fixed "today" of 2024/05/20.
class LedgerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform::SetClock([] { return QDateTime(QDate(2024, 5, 20), QTime(9, 0)); });
        path = folders.data() + "/CAR.mdb";
        ASSERT_TRUE(OpenLedger(context, path));
        context.m_database.NewCar("甲");
        context.m_database.NewCar("乙");
        context.m_database.SetCurrentCar("CAR0001");
    }
    void TearDown() override { platform::SetClock({}); }

    // Shows a page as the main view does: sized, then told it is shown.
    static void show(CLedgerPage& page, int width = 1000)
    {
        page.resize(width, 500);
        page.show();
        platform::SendMessage(&page, platform::WM_PAGE_SHOW, 0, 1);
    }

    // Types a text into a cell through the grid's own editor and closes it.
    static void type(CLedgerPage& page, int row, int col, const QString& text)
    {
        CGridCtrl* grid = page.Grid();
        ASSERT_TRUE(grid->EditCell(row, col)) << row << "," << col;
        QWidget* editor = grid->GetEditor();
        ASSERT_NE(editor, nullptr);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setText(text);
        else if (auto* combo = qobject_cast<QComboBox*>(editor))
            combo->setEditText(text);
        else if (auto* date = qobject_cast<QAbstractSpinBox*>(editor))
            date->findChild<QLineEdit*>()->setText(text);
        else
            FAIL() << "unknown editor";
        grid->EndEditing();
    }

    static QStringList row(CLedgerPage& page, int r)
    {
        QStringList texts;
        for (int c = 0; c < page.Grid()->GetColumnCount(); ++c)
            texts << page.Grid()->GetItemText(r, c);
        return texts;
    }

    std::vector<QStringList> readBack(const QString& sql) { return ReadBack(path, sql); }

    TestFolders folders;
    MessageBoxRecorder boxes;
    QString path;
    LedgerContext context;
};
