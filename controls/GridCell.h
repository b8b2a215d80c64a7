#pragma once

#include "controls/GridCellBase.h"

#include <QPointer>
#include <QSize>
#include <QWidget>
#include <optional>

// A plain cell: text, image, user data, state, format, colours, font and
// margin; edited with CInPlaceEdit.
class CGridCell : public CGridCellBase
{
public:
    CGridCell() = default;

    void SetText(const QString& text) override;
    void SetImage(int image) override { m_image = image; }
    void SetData(qintptr data) override { m_data = data; }
    void SetState(quint32 state) override { m_state = state; }
    void SetFormat(quint32 format) override { m_format = format; }
    void SetTextClr(COLORREF colour) override { m_textClr = colour; }
    void SetBackClr(COLORREF colour) override { m_backClr = colour; }
    void SetFont(const QFont* font) override;
    void SetMargin(int margin) override { m_margin = margin; }
    void SetGrid(CGridCtrl* grid) override { m_grid = grid; }

    QString GetText() const override { return m_text; }
    int GetImage() const override { return m_image; }
    qintptr GetData() const override { return m_data; }
    quint32 GetState() const override { return m_state; }
    quint32 GetFormat() const override;
    COLORREF GetTextClr() const override { return m_textClr; }
    COLORREF GetBackClr() const override { return m_backClr; }
    const QFont* GetFont() const override { return m_font ? &*m_font : nullptr; }
    int GetMargin() const override;
    CGridCtrl* GetGrid() const override { return m_grid; }
    QWidget* GetEditWnd() const override { return m_editor.data(); }

    QWidget* Edit(QWidget* parent, int row, int col, QObject* notify, EditStart start) override;
    void OnEndEdit() override { m_editor.clear(); }

protected:
    // Remembers the editor the cell opened.
    void SetEditWnd(QWidget* editor) { m_editor = editor; }

private:
    QString m_text;
    quint32 m_state = 0;
    quint32 m_format = GV_FORMAT_DEFAULT;
    COLORREF m_textClr = CLR_DEFAULT;
    COLORREF m_backClr = CLR_DEFAULT;
    int m_image = -1;
    int m_margin = -1; // -1: the default cell's margin
    qintptr m_data = 0;
    std::optional<QFont> m_font;
    CGridCtrl* m_grid = nullptr;
    QPointer<QWidget> m_editor;
};

// Holds the defaults of a group of cells (ordinary, fixed-row, fixed-column or
// both); never shown itself. Its font decides the default cell size.
class CGridDefaultCell : public CGridCell
{
public:
    CGridDefaultCell();

    void SetFont(const QFont* font) override;
    const QFont* GetFont() const override { return &m_defaultFont; }
    quint32 GetFormat() const override { return m_defaultFormat; }
    void SetFormat(quint32 format) override { m_defaultFormat = format; }
    int GetMargin() const override { return m_defaultMargin; }
    void SetMargin(int margin) override { m_defaultMargin = margin; }

    int GetWidth() const { return m_size.width(); }
    int GetHeight() const { return m_size.height(); }
    QSize GetSize() const { return m_size; }
    void SetWidth(int width) { m_size.setWidth(width); }
    void SetHeight(int height) { m_size.setHeight(height); }

    QWidget* Edit(QWidget*, int, int, QObject*, EditStart) override { return nullptr; }

    // The default font: "宋体", 12 pixels, normal weight.
    static QFont StandardFont();
    // Cell size for a font: the width of " 中" and 1.8 times the text height.
    static QSize MeasureCellSize(const QFont& font);

private:
    QFont m_defaultFont;
    quint32 m_defaultFormat = DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER;
    int m_defaultMargin = 3;
    QSize m_size{30, 10};
};
