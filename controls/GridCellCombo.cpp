#include "controls/GridCellCombo.h"

#include "controls/InPlaceList.h"

QWidget* CGridCellCombo::Edit(QWidget* parent, int row, int col, QObject* notify, EditStart start)
{
    auto* editor = new CInPlaceList(parent, row, col, notify, GetText(), m_options, m_style, start);
    editor->setFont(GetEffectiveFont());
    SetEditWnd(editor);
    return editor;
}

bool CGridCellCombo::ValidateEdit(const QString& text)
{
    return m_style != CBS_DROPDOWNLIST || text.isEmpty() || m_options.contains(text);
}

void CGridCellCombo::CopyAttributes(const CGridCellBase& other)
{
    CGridCell::CopyAttributes(other);
    if (auto* combo = dynamic_cast<const CGridCellCombo*>(&other)) {
        m_options = combo->m_options;
        m_style = combo->m_style;
    }
}
