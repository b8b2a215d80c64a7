#pragma once

#include "controls/GridCellBase.h"

#include <QPointer>
#include <QString>

class QEvent;
class QKeyEvent;
class QObject;
class QWidget;

// What every in-place editor shares: it knows its cell and the initial text,
// ends on Enter, Tab, Escape (restoring the initial text first), on the
// navigation keys it does not use itself and when it loses the focus, and then
// sends its notify target WM_NOTIFY / LVN_ENDLABELEDITW with a GV_DISPINFO
// (cell, final text, last key), once.
class CInPlaceEditorBase
{
public:
    CInPlaceEditorBase(QWidget* self, int row, int col, QObject* notify,
                       const QString& initialText);
    virtual ~CInPlaceEditorBase();

    int Row() const { return m_row; }
    int Col() const { return m_col; }
    const QString& InitialText() const { return m_initialText; }
    bool HasEnded() const { return m_ended; }

    // The text the editor would put into the cell now.
    virtual QString EditorText() const = 0;
    // Shows the initial text again (Escape); the edit then ends on exactly
    // that text, whatever the editor can show.
    virtual void RestoreInitialText() = 0;
    // Ends the edit and notifies; later calls do nothing.
    void EndEdit(int lastKey);
    // Ends the edit without a notification (the grid is going away).
    void Detach() { m_ended = true; }

protected:
    // Whether a navigation key without Ctrl ends this editor.
    virtual bool EndsOnPlainKey(int key) const;
    // Shared key and focus handling for the editor and its child widgets;
    // true when the event was consumed.
    bool FilterEditorEvent(QEvent* e);
    // Makes the editor see the key and focus events of a child widget.
    void WatchChild(QWidget* child);

private:
    bool HandleKey(QKeyEvent* e);
    void CheckFocus();

    QWidget* m_self;
    int m_row;
    int m_col;
    QPointer<QObject> m_notify;
    QString m_initialText;
    bool m_ended = false;
    bool m_cancelled = false;
};

// Whether a key moves the focus cell (arrows, paging, Home, End).
bool IsNavigationKey(int key);
