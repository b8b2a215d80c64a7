#pragma once

#include "controls/GridCell.h"

#include <QDate>
#include <QDateTime>

// A cell holding a date-time value (local time; GetTime gives seconds since
// 1970); its text is the date written "%Y/%m/%d". A new cell holds the current
// time and no text until one is set. Edited with CInPlaceDateTime.
class CGridCellDateTime : public CGridCell
{
public:
    CGridCellDateTime();

    // Sets the value and the text.
    void SetTime(const QDateTime& time);
    void SetTime(qint64 secondsSinceEpoch);
    QDateTime GetTimeValue() const { return QDateTime(m_date, m_clock); }
    qint64 GetTime() const { return GetTimeValue().toSecsSinceEpoch(); }
    QDate GetDate() const { return m_date; }

    // A text that reads as a date ("2011/7/12") also sets the value (keeping the
    // time of day); any other text leaves the value alone.
    void SetText(const QString& text) override;

    QWidget* Edit(QWidget* parent, int row, int col, QObject* notify, EditStart start) override;
    void CopyAttributes(const CGridCellBase& other) override;

    // "%Y/%m/%d" of a date.
    static QString FormatDate(const QDate& date);
    // The date of a "y/m/d" text; invalid when it is none.
    static QDate ParseDate(const QString& text);

private:
    QDate m_date;
    QTime m_clock;
};
