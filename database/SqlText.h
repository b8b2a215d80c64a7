#pragma once

#include <QByteArray>
#include <QString>

// Statements are composed from printf-style formats. Table and column names come
// from the constants of Names.h; every text value goes through SqlText(), which
// doubles single quotes so that a value can never end its literal early, and
// writes a NUL character as '||char(0)||' (SQLite's one-character text holding
// U+0000) so that "%s", which stops at a NUL, passes the whole value.
// Numbers are printed in the C locale.

inline QString SqlText(const QString& value)
{
    QString quoted = value;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    quoted.replace(QChar(u'\0'), QLatin1String("'||char(0)||'"));
    return quoted;
}

namespace sqlformat_detail {
inline QByteArray arg(const QString& s)
{
    return s.toUtf8();
}
inline QByteArray arg(const char* s)
{
    return QByteArray(s);
}
inline double arg(double d)
{
    return d;
}
inline int arg(int i)
{
    return i;
}
inline const char* pass(const QByteArray& b)
{
    return b.constData();
}
inline double pass(double d)
{
    return d;
}
inline int pass(int i)
{
    return i;
}
} // namespace sqlformat_detail

template <class... Args> QString SqlFormat(const char* format, const Args&... args)
{
    using namespace sqlformat_detail;
    return QString::asprintf(format, pass(arg(args))...);
}
