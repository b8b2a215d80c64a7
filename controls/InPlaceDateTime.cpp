#include "controls/InPlaceDateTime.h"

#include "controls/GridCellDateTime.h"

#include <QLineEdit>

CInPlaceDateTime::CInPlaceDateTime(QWidget* parent, int row, int col, QObject* notify,
                                   const QString& text, const QDate& date, EditStart)
    : QDateEdit(parent), CInPlaceEditorBase(this, row, col, notify, text), m_initialDate(date)
{
    setObjectName(QStringLiteral("CInPlaceDateTime"));
    setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    setCalendarPopup(false);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setDateRange(QDate(1901, 1, 1), QDate(2098, 12, 31));
    setDate(date);
    if (QLineEdit* edit = findChild<QLineEdit*>())
        WatchChild(edit);
}

QString CInPlaceDateTime::EditorText() const
{
    return CGridCellDateTime::FormatDate(date());
}

bool CInPlaceDateTime::event(QEvent* e)
{
    if (FilterEditorEvent(e))
        return true;
    return QDateEdit::event(e);
}

bool CInPlaceDateTime::eventFilter(QObject* watched, QEvent* e)
{
    if (FilterEditorEvent(e))
        return true;
    return QDateEdit::eventFilter(watched, e);
}
