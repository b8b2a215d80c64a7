#include "platform/PasswordScramble.h"

namespace {
QString shifted(const QString& text, int by)
{
    QString result = text;
    for (QChar& c : result)
        c = QChar(static_cast<char16_t>(c.unicode() + by));
    return result;
}
} // namespace

QString ScramblePassword(const QString& clear)
{
    return shifted(clear, static_cast<int>(clear.size()));
}

QString UnscramblePassword(const QString& stored)
{
    return shifted(stored, -static_cast<int>(stored.size()));
}
