#pragma once

#include "controls/InPlaceEditor.h"

#include <QLineEdit>
#include <QRect>

// The line editor of a plain cell. It widens itself, up to the right edge of
// the grid, while the typed text no longer fits. Up, Down, Page Up and Page Down
// end it (a single line has no use for them); with Ctrl every navigation key
// does.
class CInPlaceEdit : public QLineEdit, public CInPlaceEditorBase
{
    Q_OBJECT

public:
    CInPlaceEdit(QWidget* parent, int row, int col, QObject* notify, const QString& text,
                 EditStart start);

    QString EditorText() const override { return text(); }
    void RestoreInitialText() override { setText(InitialText()); }
    // Places the editor on the cell (the grid calls it when it scrolls).
    void SetCellRect(const QRect& rect);

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    bool EndsOnPlainKey(int key) const override;

private:
    void Widen();

    QRect m_cellRect;
};
