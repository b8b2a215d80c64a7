#include "controls/InPlaceDateTime.h"

#include "controls/GridCellDateTime.h"

#include <QLineEdit>
#include <QList>
#include <QStringView>
#include <algorithm>

namespace {

// '/' or the full-width '／' a Chinese input method gives.
bool IsSeparator(QChar ch)
{
    return ch == u'/' || ch == u'\uFF0F';
}

// The value of a run of decimal digits (full-width ones included); -1 when the
// run is empty or holds anything else.
int DigitsValue(QStringView digits)
{
    if (digits.isEmpty())
        return -1;
    int value = 0;
    for (const QChar ch : digits) {
        if (!ch.isDigit())
            return -1;
        value = value * 10 + ch.digitValue();
    }
    return value;
}

} // namespace

CInPlaceDateTime::CInPlaceDateTime(QWidget* parent, int row, int col, QObject* notify,
                                   const QString& text, const QDate& date, EditStart)
    : QAbstractSpinBox(parent), CInPlaceEditorBase(this, row, col, notify, text),
      m_shownDate(std::clamp(date.isValid() ? date : QDate::currentDate(),
                             CGridCellDateTime::FirstDate(), CGridCellDateTime::LastDate()))
{
    setObjectName(QStringLiteral("CInPlaceDateTime"));
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    // However the edit began, the whole date is selected: a date typed now
    // replaces it, and Up and Down step its day.
    lineEdit()->setText(CGridCellDateTime::FormatDate(m_shownDate));
    lineEdit()->selectAll();
    WatchChild(lineEdit());
}

void CInPlaceDateTime::SetDate(const QDate& date, Section section)
{
    static constexpr int kStart[] = {0, 5, 8};
    static constexpr int kLength[] = {4, 2, 2};
    lineEdit()->setText(CGridCellDateTime::FormatDate(date));
    const auto index = static_cast<int>(section);
    lineEdit()->setSelection(kStart[index], kLength[index]);
    update(); // the buttons follow stepEnabled()
}

QString CInPlaceDateTime::EditorText() const
{
    // A text that is no day goes to the cell as typed: the cell keeps its date,
    // and its owner can tell the user what was not a date.
    const QDate date = Date();
    return date.isValid() ? CGridCellDateTime::FormatDate(date) : text();
}

void CInPlaceDateTime::RestoreInitialText()
{
    lineEdit()->setText(InitialText());
}

QValidator::State CInPlaceDateTime::validate(QString& input, int&) const
{
    // Only characters a date is written with get in; what they mean is
    // decided when the edit ends, so a keystroke never moves on by itself.
    for (const QChar ch : input)
        if (!ch.isDigit() && !IsSeparator(ch) && !ch.isSpace())
            return QValidator::Invalid;
    return ParseTypedDate(input).isValid() ? QValidator::Acceptable : QValidator::Intermediate;
}

void CInPlaceDateTime::stepBy(int steps)
{
    const Section section = SectionAtCaret();
    QDate date = StepBase();
    switch (section) {
    case Section::Year:
        date = date.addYears(steps);
        break;
    case Section::Month:
        date = date.addMonths(steps);
        break;
    case Section::Day:
        date = date.addDays(steps);
        break;
    }
    SetDate(std::clamp(date, CGridCellDateTime::FirstDate(), CGridCellDateTime::LastDate()),
            section);
}

QAbstractSpinBox::StepEnabled CInPlaceDateTime::stepEnabled() const
{
    if (isReadOnly())
        return StepNone;
    const QDate base = StepBase();
    StepEnabled enabled = StepNone;
    if (base < CGridCellDateTime::LastDate())
        enabled |= StepUpEnabled;
    if (base > CGridCellDateTime::FirstDate())
        enabled |= StepDownEnabled;
    return enabled;
}

QDate CInPlaceDateTime::ParseTypedDate(const QString& text)
{
    const QString trimmed = text.trimmed();
    QList<QStringView> parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= trimmed.size(); ++i) {
        if (i == trimmed.size() || IsSeparator(trimmed.at(i))) {
            parts.append(QStringView(trimmed).sliced(start, i - start));
            start = i + 1;
        }
    }
    if (parts.size() == 1 && parts.front().size() == 8) {
        const QStringView digits = parts.front();
        parts = {digits.first(4), digits.sliced(4, 2), digits.sliced(6)};
    }
    if (parts.size() != 3 || parts[0].size() != 4 || parts[1].size() > 2 || parts[2].size() > 2)
        return {};
    const int year = DigitsValue(parts[0]);
    const int month = DigitsValue(parts[1]);
    const int day = DigitsValue(parts[2]);
    if (year < 0 || month < 0 || day < 0)
        return {};
    const QDate date(year, month, day);
    if (!date.isValid() || date < CGridCellDateTime::FirstDate() ||
        date > CGridCellDateTime::LastDate())
        return {};
    return date;
}

CInPlaceDateTime::Section CInPlaceDateTime::SectionAtCaret() const
{
    const QString shown = text();
    const qsizetype caret = std::min<qsizetype>(lineEdit()->cursorPosition(), shown.size());
    if (std::any_of(shown.begin(), shown.end(), IsSeparator)) {
        const auto before = std::count_if(shown.begin(), shown.begin() + caret, IsSeparator);
        return before == 0 ? Section::Year : before == 1 ? Section::Month : Section::Day;
    }
    // "yyyymmdd"
    return caret <= 4 ? Section::Year : caret <= 6 ? Section::Month : Section::Day;
}

QDate CInPlaceDateTime::StepBase() const
{
    const QDate typed = Date();
    return typed.isValid() ? typed : m_shownDate;
}

bool CInPlaceDateTime::event(QEvent* e)
{
    if (FilterEditorEvent(e))
        return true;
    return QAbstractSpinBox::event(e);
}

bool CInPlaceDateTime::eventFilter(QObject* watched, QEvent* e)
{
    if (FilterEditorEvent(e))
        return true;
    return QAbstractSpinBox::eventFilter(watched, e);
}
