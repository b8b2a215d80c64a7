#include "database/StoredValue.h"

#include <charconv>
#include <cmath>
#include <string>

double TextToNumber(QStringView text)
{
    // Reads [blanks][sign]digits[.digits][e[sign]digits] and converts it in the
    // C locale; stops at the first character that does not fit.
    std::string number;
    qsizetype i = 0;
    auto at = [&](qsizetype k) { return k < text.size() ? text[k].unicode() : char16_t(0); };
    auto digit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (at(i) == u'+' || at(i) == u'-')
        negative = text[i++] == u'-';
    int digits = 0;
    for (; digit(at(i)); ++i, ++digits)
        number += char(at(i));
    if (at(i) == u'.') {
        number += '.';
        for (++i; digit(at(i)); ++i, ++digits)
            number += char(at(i));
    }
    if (digits == 0)
        return 0.0;
    bool negativeExponent = false;
    if ((at(i) == u'e' || at(i) == u'E') &&
        (digit(at(i + 1)) || ((at(i + 1) == u'+' || at(i + 1) == u'-') && digit(at(i + 2))))) {
        number += 'e';
        if (!digit(at(++i))) {
            negativeExponent = at(i) == u'-';
            number += char(at(i++));
        }
        for (; digit(at(i)); ++i)
            number += char(at(i));
    }
    double value = 0.0;
    if (std::from_chars(number.data(), number.data() + number.size(), value).ec ==
        std::errc::result_out_of_range) {
        // Beyond what a double holds: vanishingly small or absurdly large.
        const bool small = number.find('e') != std::string::npos
                               ? negativeExponent
                               : number.find_first_of("123456789") >= number.find('.');
        value = small ? 0.0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

QString StoredText(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::LongLong:
        return QString::number(static_cast<qint32>(static_cast<quint32>(value.toLongLong())));
    case QMetaType::Double:
        return QString::asprintf("%.8f", value.toDouble());
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QByteArray:
        return QStringLiteral("[BLOB]");
    default:
        return QString();
    }
}

double StoredNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::LongLong:
        return static_cast<qint32>(static_cast<quint32>(value.toLongLong()));
    case QMetaType::Double:
        return value.toDouble();
    case QMetaType::QString:
        return TextToNumber(value.toString());
    default:
        return 0.0;
    }
}

double LeadingNumber(const QString& text)
{
    auto isNumberChar = [](QChar c) { return (c >= u'0' && c <= u'9') || c == u'.' || c == u'-'; };
    qsizetype start = 0;
    while (start < text.size() && !isNumberChar(text[start]))
        ++start;
    qsizetype end = start;
    while (end < text.size() && isNumberChar(text[end]))
        ++end;
    return TextToNumber(QStringView(text).mid(start, end - start));
}

QString RightTrimmed(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    return text.left(end);
}
