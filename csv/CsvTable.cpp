#include "csv/CsvTable.h"

#include "csv/CsvText.h"
#include "csv/Sha256.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr qint64 kPiece = 1 << 20; // bytes read at a time
// Files up to this size are decoded whole, with every rule of DecodeCsvBytes.
constexpr qint64 kDecodedWhole = 16 << 20;

const QString kUtf8 = QStringLiteral("UTF-8");

QChar delimiterOf(QByteArrayView head)
{
    return GuessCsvDelimiter(QString::fromUtf8(head.first(std::min<qsizetype>(head.size(), 65536))));
}

} // namespace

// Finds where the records of a text begin, fed the text's bytes piece by
// piece. It follows the reading rules of ParseCsv: a quote opens a quoted
// field only at the field's start, a doubled quote inside one is a quote,
// lines end with CRLF, LF or CR, and empty lines are no records.
class CsvIndexer
{
public:
    CsvIndexer(CsvTable& table, qint64 start) : m_table(table), m_offset(start) {}

    void feed(QByteArrayView bytes)
    {
        for (const char c : bytes) {
            step(c);
            if (c == '\r' || (c == '\n' && !m_afterCr))
                ++m_line;
            m_afterCr = c == '\r';
            ++m_offset;
        }
    }

    void finish()
    {
        if (m_state == State::Quoted) {
            // The record the open quote is in, and everything after it, are no
            // records: where that record begins, the table ends.
            m_table.m_error = UnclosedQuoteError(m_quoteLine);
            m_table.m_errorLine = m_quoteLine;
            m_table.m_lines.pop_back();
            return;
        }
        m_table.m_starts.push_back(m_offset);
    }

private:
    enum class State
    {
        Between,    // before a record (empty lines are skipped)
        FieldStart, // after a delimiter
        Plain,
        Quoted,
        QuoteSeen, // a quote inside a quoted field: doubled or closing
    };

    void step(char c)
    {
        switch (m_state) {
        case State::Between:
            if (c == '\r' || c == '\n')
                return;
            m_table.m_starts.push_back(m_offset);
            m_table.m_lines.push_back(m_line);
            fieldStart(c);
            return;
        case State::FieldStart:
            fieldStart(c);
            return;
        case State::Plain:
            plain(c);
            return;
        case State::Quoted:
            if (c == '"')
                m_state = State::QuoteSeen;
            return;
        case State::QuoteSeen:
            if (c == '"')
                m_state = State::Quoted; // a doubled quote
            else
                plain(c); // after the closing quote: the field goes on as plain text
            return;
        }
    }

    void fieldStart(char c)
    {
        if (c == '"') {
            m_state = State::Quoted;
            m_quoteLine = m_line;
            return;
        }
        plain(c);
    }

    void plain(char c)
    {
        if (c == m_table.m_delimiter.toLatin1())
            m_state = State::FieldStart;
        else if (c == '\r' || c == '\n')
            m_state = State::Between;
        else
            m_state = State::Plain;
    }

    CsvTable& m_table;
    qint64 m_offset;
    State m_state = State::Between;
    int m_line = 1;
    bool m_afterCr = false;
    int m_quoteLine = 0;
};

CsvTable::CsvTable() = default;
CsvTable::CsvTable(CsvTable&&) noexcept = default;
CsvTable& CsvTable::operator=(CsvTable&&) noexcept = default;
CsvTable::~CsvTable() = default;

CsvTable::CsvTable(QByteArray utf8) : m_text(std::move(utf8))
{
    m_delimiter = delimiterOf(m_text);
    CsvIndexer indexer(*this, 0);
    indexer.feed(m_text);
    indexer.finish();
}

CsvTable::CsvTable(const QString& text)
    : CsvTable([&] {
          QByteArray utf8 = text.toUtf8();
          utf8.squeeze(); // the conversion reserves room for three bytes a character
          return utf8;
      }())
{
}

QByteArrayView CsvTable::bytesOf(qint64 begin, qint64 end) const
{
    if (!m_file)
        return QByteArrayView(m_text).sliced(begin, end - begin);
    if (begin < m_windowStart || end > m_windowStart + m_window.size()) {
        m_windowStart = begin;
        m_window.clear();
        if (m_file->seek(begin))
            m_window = m_file->read(std::max(end - begin, kPiece));
    }
    return QByteArrayView(m_window).sliced(
        begin - m_windowStart, std::min(end - begin, m_window.size() - (begin - m_windowStart)));
}

void CsvTable::SetProgress(std::function<bool(qint64, qint64)> progress)
{
    m_progress = std::move(progress);
}

CsvRecord CsvTable::operator[](size_t index) const
{
    if (index % 8192 == 0 && m_progress && !m_stopped)
        m_stopped = !m_progress(qint64(index), qint64(m_lines.size()));
    if (m_stopped)
        return {};
    const QByteArrayView bytes = bytesOf(m_starts[index], m_starts[index + 1]);
    CsvRecord record;
    if (bytes.contains('"')) {
        CsvParseResult parsed = ParseCsv(QString::fromUtf8(bytes), m_delimiter);
        if (!parsed.records.empty())
            record = std::move(parsed.records.front());
    } else {
        // Without quotes the record is its first line, split at each delimiter.
        qsizetype end = 0;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        const char delimiter = m_delimiter.toLatin1();
        for (qsizetype start = 0;;) {
            qsizetype stop = start;
            while (stop < end && bytes[stop] != delimiter)
                ++stop;
            record.fields << QString::fromUtf8(bytes.sliced(start, stop - start));
            if (stop == end)
                break;
            start = stop + 1;
        }
    }
    record.line = m_lines[index];
    return record;
}

// --- files ------------------------------------------------------------------------------

namespace {

// Opens a file for reading; the sentence for the user when it cannot be.
bool openFile(QFile& file, QString& why)
{
    const QString shown = QDir::toNativeSeparators(file.fileName());
    if (!QFileInfo(file.fileName()).isFile()) {
        why = QCoreApplication::translate("CsvImport", "找不到文件 ") + shown;
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        why = QCoreApplication::translate("CsvImport", "无法打开文件 %1：%2")
                  .arg(shown, file.errorString());
        return false;
    }
    return true;
}

QString readFailure(const QFile& file)
{
    return QCoreApplication::translate("CsvImport", "无法读取文件 %1：%2")
        .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
}

// A whole file decoded by DecodeCsvBytes, its text held as UTF-8.
CsvFile decodedWhole(QFile& file, const QString& encoding)
{
    CsvFile result;
    file.seek(0);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = readFailure(file);
        return result;
    }
    result.digest = Sha256::of(bytes);
    DecodedText text = DecodeCsvBytes(bytes, encoding);
    if (!text.ok()) {
        result.error = QFileInfo(file.fileName()).fileName() +
                       QCoreApplication::translate("CsvImport", "：") + text.error;
        return result;
    }
    result.encoding = text.encoding;
    result.note = text.note;
    result.table = CsvTable(text.text);
    return result;
}

// Tells, piece by piece, whether a file's bytes are plain UTF-8 text: valid
// UTF-8 without zero bytes, and no more control characters than
// DecodeCsvBytes lets pass. Anything else is left to DecodeCsvBytes.
class Utf8Check
{
public:
    void feed(QByteArrayView bytes)
    {
        for (const char c : bytes) {
            const auto u = static_cast<unsigned char>(c);
            if (u == 0)
                m_plain = false;
            else if (u < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f')
                ++m_controls;
            else if (u > ' ')
                m_blank = false;
            if ((u & 0xC0) != 0x80)
                ++m_characters;
        }
        // A character cut by the end of the piece is checked with the next.
        QByteArray text = m_rest + bytes.toByteArray();
        qsizetype end = text.size();
        for (qsizetype back = 1; back <= 3 && back <= text.size(); ++back) {
            const auto u = static_cast<unsigned char>(text[text.size() - back]);
            if ((u & 0xC0) == 0x80)
                continue;
            const int length = u >= 0xF0 ? 4 : u >= 0xE0 ? 3 : u >= 0xC0 ? 2 : 1;
            if (length > back)
                end = text.size() - back;
            break;
        }
        m_plain = m_plain && QByteArrayView(text).first(end).isValidUtf8();
        m_rest = text.sliced(end);
    }

    bool plain() const
    {
        return m_plain && m_rest.isEmpty() && !m_blank &&
               !(m_controls > 0 && m_controls * 100 >= m_characters);
    }

private:
    bool m_plain = true;
    bool m_blank = true;
    qint64 m_controls = 0;
    qint64 m_characters = 0;
    QByteArray m_rest;
};

} // namespace

CsvFile ReadCsvFile(const QString& path, const QString& encoding)
{
    CsvFile result;
    auto file = std::make_unique<QFile>(path);
    if (!openFile(*file, result.error))
        return result;
    if (file->size() <= kDecodedWhole ||
        !(encoding.isEmpty() || encoding.compare(kUtf8, Qt::CaseInsensitive) == 0))
        return decodedWhole(*file, encoding);
    QByteArray piece = file->read(kPiece);
    if (piece.startsWith("\xFF\xFE") || piece.startsWith("\xFE\xFF"))
        return decodedWhole(*file, encoding); // UTF-16 or UTF-32
    const qint64 start = piece.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    CsvTable& table = result.table;
    table.m_delimiter = delimiterOf(QByteArrayView(piece).sliced(start));
    Sha256 hash;
    Utf8Check check;
    CsvIndexer indexer(table, start);
    hash.add(QByteArrayView(piece).first(start));
    piece.remove(0, start);
    while (!piece.isEmpty()) {
        hash.add(piece);
        check.feed(piece);
        indexer.feed(piece);
        piece = file->read(kPiece);
    }
    if (file->error() != QFileDevice::NoError) {
        result.error = readFailure(*file);
        return result;
    }
    if (!check.plain())
        return decodedWhole(*file, encoding);
    indexer.finish();
    result.digest = hash.result();
    result.encoding = kUtf8;
    table.m_file = std::move(file);
    return result;
}

QByteArray FileDigest(const QString& path)
{
    QFile file(path);
    QString why;
    if (!openFile(file, why))
        return {};
    Sha256 hash;
    for (QByteArray piece = file.read(kPiece); !piece.isEmpty(); piece = file.read(kPiece))
        hash.add(piece);
    if (file.error() != QFileDevice::NoError)
        return {};
    return hash.result();
}
