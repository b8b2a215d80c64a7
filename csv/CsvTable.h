#pragma once

#include "csv/CsvReader.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QFile;

// The records of a CSV text, read one at a time from where they stand: the
// table keeps only where each record begins and on which line, so a file of
// a million lines is read without holding it (or its fields) in memory.
// Records come out as ParseCsv reads them; a quote that is never closed ends
// the table before the record it opens in, and `error` names its line.
class CsvTable
{
public:
    CsvTable();
    // A text held in memory, as UTF-8.
    explicit CsvTable(QByteArray utf8);
    explicit CsvTable(const QString& text);
    CsvTable(CsvTable&&) noexcept;
    CsvTable& operator=(CsvTable&&) noexcept;
    ~CsvTable();

    size_t size() const { return m_stopped ? 0 : m_lines.size(); }
    bool empty() const { return size() == 0; }
    // The record at an index below size(), with the line it starts on; an
    // empty record once the reading is stopped.
    CsvRecord operator[](size_t index) const;

    // Told, every few thousand records read, the index read and the count;
    // answering false stops the reading: the table seems to end there.
    void SetProgress(std::function<bool(qint64 read, qint64 total)> progress);
    bool stopped() const { return m_stopped; }
    CsvRecord front() const { return (*this)[0]; }
    QChar delimiter() const { return m_delimiter; }

    bool ok() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    int errorLine() const { return m_errorLine; }

private:
    friend class CsvIndexer;
    friend struct CsvFile ReadCsvFile(const QString& path, const QString& encoding);

    QByteArrayView bytesOf(qint64 begin, qint64 end) const;

    QByteArray m_text;             // the UTF-8 text, when held in memory
    std::unique_ptr<QFile> m_file; // else the UTF-8 file it is read from
    std::vector<qint64> m_starts;  // where each record begins, and where the last ends
    std::vector<int> m_lines;      // the line each record begins on
    QChar m_delimiter = QLatin1Char(',');
    QString m_error;
    int m_errorLine = 0;
    // The piece of the file read last: records are mostly read in order.
    mutable QByteArray m_window;
    mutable qint64 m_windowStart = 0;
    std::function<bool(qint64, qint64)> m_progress;
    mutable bool m_stopped = false;
};

// A file read for an import: its records, or the sentence that says why it
// cannot be read (naming the file), and what was told about its bytes.
struct CsvFile
{
    QString error;
    QByteArray digest; // SHA-256 of the file's bytes
    QString encoding;  // one of CsvEncodings()
    QString note;      // see DecodedText::note
    CsvTable table;

    bool ok() const { return error.isEmpty(); }
};

// Reads a file in the given encoding, or in the one told from its bytes
// (see DecodeCsvBytes). A large file in UTF-8 is read in pieces and its
// records are read from the file when asked for; any other is decoded whole.
CsvFile ReadCsvFile(const QString& path, const QString& encoding = {});

// The SHA-256 of a file's bytes, read in pieces; a null array when the file
// cannot be read.
QByteArray FileDigest(const QString& path);
