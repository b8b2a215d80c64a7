#include "controls/GridCell.h"

#include "controls/GridCtrl.h"
#include "controls/InPlaceEdit.h"

#include <QFontMetrics>
#include <QGuiApplication>

void CGridCell::SetText(const QString& text)
{
    m_text = text;
}

void CGridCell::SetFont(const QFont* font)
{
    if (font)
        m_font = *font;
    else
        m_font.reset();
}

quint32 CGridCell::GetFormat() const
{
    if (m_format != GV_FORMAT_DEFAULT)
        return m_format;
    if (const CGridDefaultCell* def = GetDefaultCell())
        return def->GetFormat();
    return DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER;
}

int CGridCell::GetMargin() const
{
    if (m_margin >= 0)
        return m_margin;
    if (const CGridDefaultCell* def = GetDefaultCell())
        return def->GetMargin();
    return 3;
}

QWidget* CGridCell::Edit(QWidget* parent, int row, int col, QObject* notify, EditStart start)
{
    auto* editor = new CInPlaceEdit(parent, row, col, notify, GetText(), start);
    editor->setFont(GetEffectiveFont());
    SetEditWnd(editor);
    return editor;
}

CGridDefaultCell::CGridDefaultCell() : m_defaultFont(StandardFont())
{
    m_size = MeasureCellSize(m_defaultFont);
}

void CGridDefaultCell::SetFont(const QFont* font)
{
    m_defaultFont = font ? *font : StandardFont();
    m_size = MeasureCellSize(m_defaultFont);
}

QFont CGridDefaultCell::StandardFont()
{
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::Serif, QFont::PreferDefault);
    return font;
}

QSize CGridDefaultCell::MeasureCellSize(const QFont& font)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return {40, 16};
    const QFontMetrics metrics(font);
    const QString sample = QStringLiteral(" 中国 ").left(2);
    return {metrics.horizontalAdvance(sample), int(metrics.height() * 1.8)};
}
