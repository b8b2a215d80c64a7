#include "controls/GridCellDateTime.h"

#include "controls/InPlaceDateTime.h"

void CGridCellDateTime::SetTime(const QDateTime& time)
{
    const QDateTime local = time.toLocalTime();
    m_date = local.date();
    m_clock = local.time();
    CGridCell::SetText(FormatDate(m_date));
}

void CGridCellDateTime::SetTime(qint64 secondsSinceEpoch)
{
    SetTime(QDateTime::fromSecsSinceEpoch(secondsSinceEpoch));
}

void CGridCellDateTime::SetText(const QString& text)
{
    CGridCell::SetText(text);
    const QDate date = ParseDate(text);
    if (date.isValid())
        m_date = date;
}

QWidget* CGridCellDateTime::Edit(QWidget* parent, int row, int col, QObject* notify,
                                 EditStart start)
{
    auto* editor = new CInPlaceDateTime(parent, row, col, notify, GetText(), GetDate(), start);
    editor->setFont(GetEffectiveFont());
    SetEditWnd(editor);
    return editor;
}

void CGridCellDateTime::CopyAttributes(const CGridCellBase& other)
{
    CGridCell::CopyAttributes(other);
    if (auto* date = dynamic_cast<const CGridCellDateTime*>(&other)) {
        m_date = date->m_date;
        m_clock = date->m_clock;
    }
}

QString CGridCellDateTime::FormatDate(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy/MM/dd"));
}

QDate CGridCellDateTime::ParseDate(const QString& text)
{
    // Three groups of digits separated by single '/', nothing else.
    int parts[3] = {0, 0, 0};
    int part = 0;
    int digits = 0;
    for (const QChar ch : text) {
        if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) {
            if (++digits > 4)
                return {};
            parts[part] = parts[part] * 10 + (ch.unicode() - '0');
        } else if (ch == QLatin1Char('/') && digits > 0 && part < 2) {
            ++part;
            digits = 0;
        } else {
            return {};
        }
    }
    if (part != 2 || digits == 0)
        return {};
    const QDate date(parts[0], parts[1], parts[2]);
    if (date < FirstDate() || date > LastDate())
        return {};
    return date;
}
