#pragma once

#include "controls/InPlaceEditor.h"

#include <QAbstractSpinBox>
#include <QDate>

// The up-down date editor of a date cell, showing "%Y/%m/%d". The text is
// read as a whole when the edit ends, never section by section while typing:
// "2026/02/15", "2026/2/15" and "20260215" all give that day. Up and Down (and
// the buttons and the wheel) step the year, month or day under the caret. A
// text that is no day of 1901 to 2098 ends the edit on that text as typed; the
// cell then keeps its date.
class CInPlaceDateTime : public QAbstractSpinBox, public CInPlaceEditorBase
{
    Q_OBJECT

public:
    enum class Section
    {
        Year,
        Month,
        Day,
    };

    // text: the cell's text, which Escape puts back (it may be empty or no
    // date); date: the cell's date, shown at first.
    CInPlaceDateTime(QWidget* parent, int row, int col, QObject* notify, const QString& text,
                     const QDate& date, EditStart start);

    // The day the text stands for; invalid while it stands for none.
    QDate Date() const { return ParseTypedDate(text()); }
    // Shows a day ("%Y/%m/%d") and selects its year, month or day.
    void SetDate(const QDate& date, Section section = Section::Day);

    QString EditorText() const override;
    void RestoreInitialText() override;

    QValidator::State validate(QString& input, int& pos) const override;
    void stepBy(int steps) override;

    // The day of a typed "yyyy/m/d", "yyyy/mm/dd" or "yyyymmdd" between 1901
    // and 2098; invalid for any other text.
    static QDate ParseTypedDate(const QString& text);

protected:
    StepEnabled stepEnabled() const override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    Section SectionAtCaret() const;
    // The day that steps start from: the typed one, else the one shown at first.
    QDate StepBase() const;

    QDate m_shownDate;
};
