#pragma once

#include "controls/GridCell.h"

#include <QDate>
#include <QDateTime>

// A cell holding a date-time value (local time; GetTime gives seconds since
// 1970); its text is the date written "%Y/%m/%d". A new cell has no text, and
// until a value is set it reads as the current time. Edited with
// CInPlaceDateTime.
class CGridCellDateTime : public CGridCell
{
public:
    CGridCellDateTime() = default;

    // Sets the value and the text.
    void SetTime(const QDateTime& time);
    void SetTime(qint64 secondsSinceEpoch);
    QDateTime GetTimeValue() const { return QDateTime(GetDate(), GetClock()); }
    qint64 GetTime() const { return GetTimeValue().toSecsSinceEpoch(); }
    QDate GetDate() const { return m_date.isValid() ? m_date : QDate::currentDate(); }

    // A text that reads as a date ("2011/7/12") also sets the value (keeping the
    // time of day); any other text leaves the value alone.
    void SetText(const QString& text) override;

    QWidget* Edit(QWidget* parent, int row, int col, QObject* notify, EditStart start) override;
    void CopyAttributes(const CGridCellBase& other) override;

    // The days a date cell takes.
    static QDate FirstDate() { return {1901, 1, 1}; }
    static QDate LastDate() { return {2098, 12, 31}; }
    // "%Y/%m/%d" of a date.
    static QString FormatDate(const QDate& date);
    // The date of a "y/m/d" text from 1901 to 2098; invalid when it is none.
    static QDate ParseDate(const QString& text);

private:
    QTime GetClock() const { return m_clock.isValid() ? m_clock : QTime::currentTime(); }

    // Null until set: the clock is read only when the value is asked for, as
    // most cells get their value right after they are made.
    QDate m_date;
    QTime m_clock;
};
