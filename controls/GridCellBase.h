#pragma once

#include "controls/GridTypes.h"

#include <QFont>
#include <QString>

class CGridCtrl;
class CGridDefaultCell;
class QWidget;

// How an edit was started; decides where the editor puts the caret.
enum class EditStart
{
    Mouse, // double click: the text stays, caret at its end
    Key,   // F2 or Enter: likewise
    Typed, // a typed character follows and replaces the text
    Moved, // arrived by Tab or an arrow at the end of an edit: the whole text is
           // selected, so typing replaces it as in a spreadsheet
};

// The abstract cell. A grid stores plain cells compactly and only creates cell
// objects where one is asked for (GetCell) or where a cell needs more than
// text, state, format and colours (another cell class, a font, an image, a
// margin, user data). Attribute getters return what the cell itself holds;
// CLR_DEFAULT colours and a null font mean "take it from the default cell".
class CGridCellBase
{
public:
    CGridCellBase() = default;
    virtual ~CGridCellBase();
    CGridCellBase(const CGridCellBase&) = delete;
    CGridCellBase& operator=(const CGridCellBase&) = delete;

    virtual void SetText(const QString& text) = 0;
    virtual void SetImage(int image) = 0;
    virtual void SetData(qintptr data) = 0;
    virtual void SetState(quint32 state) = 0;
    virtual void SetFormat(quint32 format) = 0;
    virtual void SetTextClr(COLORREF colour) = 0;
    virtual void SetBackClr(COLORREF colour) = 0;
    virtual void SetFont(const QFont* font) = 0; // nullptr: use the default cell's font
    virtual void SetMargin(int margin) = 0;
    virtual void SetGrid(CGridCtrl* grid) = 0;
    virtual void SetCoords(int row, int col);

    virtual QString GetText() const = 0;
    virtual int GetImage() const = 0;
    virtual qintptr GetData() const = 0;
    virtual quint32 GetState() const = 0;
    virtual quint32 GetFormat() const = 0; // own format, else the default cell's
    virtual COLORREF GetTextClr() const = 0;
    virtual COLORREF GetBackClr() const = 0;
    virtual const QFont* GetFont() const = 0; // own font, nullptr when none
    virtual int GetMargin() const = 0;
    virtual CGridCtrl* GetGrid() const = 0;
    virtual QWidget* GetEditWnd() const = 0;

    bool IsReadOnly() const { return GetState() & GVIS_READONLY; }
    bool IsFixed() const { return GetState() & GVIS_FIXED; }
    bool IsFixedRow() const { return GetState() & GVIS_FIXEDROW; }
    bool IsFixedCol() const { return GetState() & GVIS_FIXEDCOL; }
    bool IsModified() const { return GetState() & GVIS_MODIFIED; }
    bool IsEditing() const { return GetEditWnd() != nullptr; }

    // The default cell that stands behind this cell's default attributes.
    const CGridDefaultCell* GetDefaultCell() const;
    // The font the cell is drawn with: its own or its default cell's.
    QFont GetEffectiveFont() const;

    // Takes every attribute of another cell (used when a cell's class changes).
    virtual void CopyAttributes(const CGridCellBase& other);

    // Creates the in-place editor as a child of parent; it reports its end to
    // notify with WM_NOTIFY/LVN_ENDLABELEDITW (editors derive from
    // CInPlaceEditorBase, which does that). Returns nullptr when the cell
    // cannot be edited.
    virtual QWidget* Edit(QWidget* parent, int row, int col, QObject* notify, EditStart start) = 0;
    // Whether an edited text may go into the cell.
    virtual bool ValidateEdit(const QString& text);
    // Called when the edit has ended: the cell forgets its editor.
    virtual void OnEndEdit() = 0;
};
