#pragma once

#include "controls/GridCell.h"

#include <QStringList>

// A cell edited with a combo box (CInPlaceList) offering a list of options.
class CGridCellCombo : public CGridCell
{
public:
    CGridCellCombo() = default;

    void SetOptions(const QStringList& options) { m_options = options; }
    const QStringList& GetOptions() const { return m_options; }
    // CBS_DROPDOWN (editable, the default), CBS_DROPDOWNLIST or CBS_SIMPLE.
    void SetStyle(quint32 style) { m_style = style; }
    quint32 GetStyle() const { return m_style; }

    QWidget* Edit(QWidget* parent, int row, int col, QObject* notify, EditStart start) override;
    // A drop-down list accepts only its options (and an empty text).
    bool ValidateEdit(const QString& text) override;
    void CopyAttributes(const CGridCellBase& other) override;

private:
    QStringList m_options;
    quint32 m_style = CBS_DROPDOWN;
};
