#pragma once

#include "controls/GridCtrl.h"

#include <QLineEdit>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

// Stands in for a page: records every grid notification with the cell text
// at that moment and answers through a test-supplied function.
class NotifyRecorder : public QWidget
{
public:
    struct Note
    {
        qintptr code;
        int row;
        int col;
        QString text;
    };

    std::vector<Note> notes;
    std::function<qintptr(const Note&, CGridCtrl&)> answer;

    // Only the begin/end edit notifications, in order.
    std::vector<Note> Edits() const;
    void Clear() { notes.clear(); }

protected:
    bool event(QEvent* e) override;
};

// A shown grid of 6 rows x 5 columns with a fixed header row and column:
// headers "H1".."H4", row numbers "1".."5", cell (r, c) holding "r,c".
class GridTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    QPoint CellCentre(int row, int col) const;
    void Click(int row, int col, Qt::KeyboardModifiers modifiers = {});
    void DoubleClick(int row, int col);
    void Key(int key, Qt::KeyboardModifiers modifiers = {});
    // Sends a key to the widget that has the focus (the editor while editing).
    void KeyToFocus(int key, Qt::KeyboardModifiers modifiers = {});
    void TypeToFocus(const QString& text);
    QString EditorText() const;

    NotifyRecorder m_owner;
    CGridCtrl* m_grid = nullptr;
    QLineEdit* m_other = nullptr;
};
