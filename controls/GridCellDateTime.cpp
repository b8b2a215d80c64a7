#include "controls/GridCellDateTime.h"

#include "controls/InPlaceDateTime.h"

#include <QStringList>
#include <QTimeZone>

CGridCellDateTime::CGridCellDateTime()
{
    SetTime(QDateTime::currentDateTime());
}

void CGridCellDateTime::SetTime(const QDateTime& time)
{
    m_time = time.toSecsSinceEpoch();
    CGridCell::SetText(FormatDate(time.date()));
}

void CGridCellDateTime::SetTime(qint64 secondsSinceEpoch)
{
    SetTime(QDateTime::fromSecsSinceEpoch(secondsSinceEpoch));
}

QDateTime CGridCellDateTime::GetTimeValue() const
{
    return QDateTime::fromSecsSinceEpoch(m_time);
}

void CGridCellDateTime::SetText(const QString& text)
{
    CGridCell::SetText(text);
    const QDate date = ParseDate(text);
    if (date.isValid())
        m_time = QDateTime(date, GetTimeValue().time()).toSecsSinceEpoch();
}

QWidget* CGridCellDateTime::Edit(QWidget* parent, int row, int col, QObject* notify,
                                 EditStart start)
{
    auto* editor = new CInPlaceDateTime(parent, row, col, notify, GetTimeValue().date(), start);
    editor->setFont(GetEffectiveFont());
    SetEditWnd(editor);
    return editor;
}

void CGridCellDateTime::CopyAttributes(const CGridCellBase& other)
{
    const qint64 time = m_time;
    CGridCell::CopyAttributes(other);
    if (auto* date = dynamic_cast<const CGridCellDateTime*>(&other))
        m_time = date->m_time;
    else if (!ParseDate(GetText()).isValid())
        m_time = time;
}

QString CGridCellDateTime::FormatDate(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy/MM/dd"));
}

QDate CGridCellDateTime::ParseDate(const QString& text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('/'));
    if (parts.size() != 3)
        return {};
    bool okY = false, okM = false, okD = false;
    const int y = parts[0].toInt(&okY);
    const int m = parts[1].toInt(&okM);
    const int d = parts[2].toInt(&okD);
    if (!okY || !okM || !okD)
        return {};
    return QDate(y, m, d);
}
