// Feeds arbitrary bytes to the CSV reading of an import: decoding must refuse
// or give text, parsing must give records on rising lines (or an error that
// names a line), and every record written back with the CSV writer must read
// back as the same fields, without a crash or a read past the buffer.
#include "csv/CsvReader.h"
#include "csv/CsvText.h"
#include "csv/CsvWriter.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const DecodedText decoded = DecodeCsvBytes(bytes);
    if (decoded.ok() == decoded.text.isEmpty()) // text exactly when it was read
        __builtin_trap();
    if (!decoded.ok())
        return 0;
    const QChar delimiter = GuessCsvDelimiter(decoded.text);
    const CsvParseResult parsed = ParseCsv(decoded.text, delimiter);
    if (!parsed.ok() && parsed.errorLine < 1)
        __builtin_trap();
    int line = 0;
    for (const CsvRecord& record : parsed.records) {
        if (record.line <= line || record.fields.isEmpty())
            __builtin_trap();
        line = record.line;
        if (delimiter != QLatin1Char(','))
            continue;
        const CsvParseResult back = ParseCsv(CsvLine(record.fields));
        // A record of one empty field is an empty line, which reads as no record.
        const bool emptyLine = record.fields.size() == 1 && record.fields[0].isEmpty();
        if (!back.ok() || back.records.size() != (emptyLine ? 0u : 1u) ||
            (!emptyLine && back.records[0].fields != record.fields))
            __builtin_trap();
    }
    return 0;
}
