#include "controls/GridCellBase.h"

#include "controls/GridCell.h"
#include "controls/GridCtrl.h"

CGridCellBase::~CGridCellBase() = default;

void CGridCellBase::SetCoords(int, int) {}

const CGridDefaultCell* CGridCellBase::GetDefaultCell() const
{
    const CGridCtrl* grid = GetGrid();
    return grid ? grid->GetDefaultCell(IsFixedRow(), IsFixedCol()) : nullptr;
}

QFont CGridCellBase::GetEffectiveFont() const
{
    if (const QFont* font = GetFont())
        return *font;
    if (const CGridDefaultCell* def = GetDefaultCell())
        return *def->GetFont();
    return CGridDefaultCell::StandardFont();
}

void CGridCellBase::CopyAttributes(const CGridCellBase& other)
{
    SetText(other.GetText());
    SetImage(other.GetImage());
    SetData(other.GetData());
    SetState(other.GetState());
    SetFormat(other.GetFormat());
    SetTextClr(other.GetTextClr());
    SetBackClr(other.GetBackClr());
    SetFont(other.GetFont());
    SetMargin(other.GetMargin());
    SetGrid(other.GetGrid());
}

bool CGridCellBase::ValidateEdit(const QString&)
{
    return true;
}
