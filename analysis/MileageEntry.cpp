#include "analysis/MileageEntry.h"

#include "ledgers/LedgerFormat.h"

#include <algorithm>
#include <cmath>

std::optional<qint64> ReadMileageEntry(const QString& text)
{
    const QString folded = text.normalized(QString::NormalizationForm_KC);
    if (std::none_of(folded.begin(), folded.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    const TypedNumber number = ReadTypedNumber(text);
    if (number.outOfRange)
        return std::nullopt;
    return qint64(std::trunc(number.value));
}
