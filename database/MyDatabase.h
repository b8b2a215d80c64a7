#pragma once

#include "database/ExtAdo.h"
#include "database/LedgerKind.h"
#include "database/Records.h"
#include "database/Schema.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

// One column of a car's profile or purchase row to read, as a number or a text.
struct CarColumnRead
{
    const char* column;
    bool number;
};

// One column of a car's profile or purchase row with the value to write:
// a text, a number or a picture (a BMP file image).
struct CarColumnValue
{
    const char* column;
    std::variant<QString, double, QByteArray> value;
};

// The columns an Apply changes in a car's profile or purchase row.
// AppendChangedAssignment decides whether a field changed and takes its new
// text into the record's text; the value to write is kept beside it.
class CCarRowChanges
{
public:
    // A text field, written as typed.
    bool Text(QString& stored, const QString& typed, const char* column);
    // A number field: its typed text decides whether it changed; the value
    // read from it is written.
    bool Number(QString& stored, const QString& typed, double value, const char* column);

    const std::vector<CarColumnValue>& Values() const { return m_values; }
    bool IsEmpty() const { return m_values.empty(); }

private:
    QString m_assignments;
    std::vector<CarColumnValue> m_values;
};

// The ledger database: one encrypted file with eleven tables, its shared
// connection, and every car, record and aggregate operation of the program.
// Operations on a closed connection do nothing and answer false, 0 or empty.
class CMyDatabase
{
public:
    // The status code of a bulk operation its caller stopped (SQLITE_INTERRUPT).
    static constexpr int kStopped = 9;
    // The status code of an insert that would number records beyond 9999999
    // (no SQLite result code, so never taken for a full disk).
    static constexpr int kIdsExhausted = -2;
    static inline const QString kDatabasePassword = QStringLiteral("vorpa");

    CMyDatabase();

    // --- file and schema ---------------------------------------------------
    void SetFilePath(const QString& path);
    void SetOpenPassword(const QString& password);
    QString FilePath() const { return m_filePath; }

    // Finishes or undoes an interrupted creation or key change of the file,
    // creates the file when it is missing, opens it and creates every missing
    // table in one transaction; reports its own failure in one message.
    void CreateOrOpen();
    bool Open();
    void Close() { m_connection.Close(); }
    bool IsOpen() const { return m_connection.IsOpen(); }
    // Whether the open ledger cannot be written: the file was opened read-only,
    // the connection is set to query only, or the file or its folder (where the
    // journal of every write is made) is not writable. False while closed.
    bool IsReadOnly() const;
    bool TableExists(const QString& name);
    bool EnsureTable(const TableDefinition& definition);
    // Builds a complete new ledger (keyed, all eleven tables) under a temporary
    // name and renames it to path; false when a file exists there or it fails.
    bool CreateDatabaseFile(const QString& path);
    // Changes the key of the (closed) file at path; an empty old password means
    // the file is not encrypted yet, an empty new one removes the encryption.
    void SetDatabasePassword(const QString& oldPassword, const QString& newPassword,
                             const QString& path);
    CAdoConnection& Connection() { return m_connection; }

    // --- cars ----------------------------------------------------------------
    // Adds a car numbered one above the highest car number; true when its row was written.
    bool NewCar(const QString& name);
    void GetCarList(std::vector<CARLIST>& cars);
    void RenameCar(const QString& newName, const QString& carId);
    // Marks the car as the only current one, all or nothing.
    void SetCurrentCar(const QString& carId);
    QString GetCurrentCarID();
    QString GetCurrentCarName();
    bool GetCarProperty(const QString& carId, CARPROPERTY& property);
    bool GetPurchaseInfo(const QString& carId, PURCHASEINFO& info);
    void SetCurMiles(const QString& carId, double miles);
    // Stores a BMP file image as the car's picture (an empty array removes it).
    // A car without a profile row keeps nothing.
    bool SetCarPicture(const QString& carId, const QByteArray& bitmapFile);
    // Whether the car has a row in the table (CarProperty or PurchaseInfo);
    // no answer when the query failed (reported).
    std::optional<bool> HasCarRow(const char* table, const QString& carId);
    // Insert the car's profile or purchase row from the record: texts as they
    // are, numbers rounded to two decimals, the purchase date as its text. The
    // profile row gets the picture when one is given, else 0.
    bool InsertCarProperty(const QString& carId, const CARPROPERTY& property,
                           const QByteArray& picture = {});
    bool InsertPurchaseInfo(const QString& carId, const PURCHASEINFO& info);
    // Writes the changed columns of the car's row in the table with one bound
    // statement (numbers rounded to two decimals); no change writes nothing.
    bool UpdateCarRow(const char* table, const QString& carId, const CCarRowChanges& changes);
    // Removes the car with its rows of every table in one transaction; true
    // only when all of it was committed. The current car is refused.
    bool DeleteCar(const QString& carId);
    bool DeleteCarRows(const char* table, const QString& carId);

    // Adds "column=value" to a comma-separated assignment list when the
    // value differs from the stored one, and takes it as the stored value.
    static bool AppendChangedAssignment(QString& assignments, QString& stored, const QString& value,
                                        const char* column, bool isText, int decimals);
    // A stored purchase date, "yyyy/m/d" or "yyyy-m-d" (months and days with
    // one or two digits, years 1901..2098); none for any other text.
    static std::optional<QDate> ReadPurchaseDate(const QString& text);
    // That date as seconds since 1970, local time; the current time for
    // anything else.
    static qint64 ParsePurchaseDate(const QString& text);

    // --- ledger records --------------------------------------------------------
    // Inserts answer 0 (no connection, or the check or the insert failed), 1 (the
    // car already has a row with that identifier) or 2 (inserted); failures and
    // the refused duplicate are reported to the store's message sink.
    int InsertRecord(const char* table, const LedgerRecord& r);
    // Inserts many records of one ledger inside the caller's transaction,
    // numbered on from the ledger's next record identifier in the order
    // given (their identifiers are filled in). `progress`, when given, hears
    // the count inserted every 1000 records and may stop the run by answering
    // false: the status code is then kStopped. Records that would be numbered
    // beyond 9999999 insert none (kIdsExhausted). Reports nothing itself.
    SqlStatus InsertRecords(LedgerKind kind, std::vector<LedgerRecord>& records,
                            const std::function<bool(qint64 inserted)>& progress = {});
    // One row of a car's profile or purchase table (tbl::CarProperty,
    // tbl::PurchaseInfo) read by the given columns, numbers as numbers and
    // texts right-trimmed; `values` stays empty when the car has no row there.
    // Reports nothing itself.
    SqlStatus ReadCarColumns(const char* table, const QString& carId,
                             const std::vector<CarColumnRead>& columns,
                             std::vector<QVariant>& values);
    int InsertRefuel(const RefuelRecord& r) { return InsertRecord("Refuel", r); }
    int InsertRepair(const ServiceRecord& r) { return InsertRecord("Repair", r); }
    int InsertMaintain(const ServiceRecord& r) { return InsertRecord("Maintain", r); }
    int InsertAccident(const CostRecord& r) { return InsertRecord("Accident", r); }
    int InsertDailyCost(const CostRecord& r) { return InsertRecord("DailyCost", r); }
    int InsertCarLog(const CarLogRecord& r) { return InsertRecord("CarLog", r); }
    int InsertAccessory(const AccessoryRecord& r) { return InsertRecord("Accessory", r); }
    int InsertInputHistory(const InputHistoryEntry& e);
    // The car's records of a table, by date (or by the given columns), read by
    // their stored types. Shows nothing; the status tells.
    SqlStatus LoadRecords(const char* table, const QString& carId,
                          std::vector<LedgerRecord>& records,
                          const QByteArray& orderBy = "\"DateTimee\"");
    // Writes one field of the record (r.carId, r.recId) with one bound statement.
    SqlStatus UpdateRecordField(const char* table, const LedgerRecord& r, LedgerField field);
    // Removes the row of (car, record identifier); an empty identifier sends nothing.
    SqlStatus DeleteRecord(const char* table, const QString& carId, const QString& recId);
    void GetNextRecID(const char* table, QString& recId);

    // --- aggregates -------------------------------------------------------------
    int GetRecordCount(const char* table, const QString& carId);
    double SumColumn(const char* table, const char* column, const QString& carId);
    // Sum over the rows of (a op b); op is "+", "-", "*" or "/" (a row with
    // |b| <= 0.0001 adds nothing to a quotient).
    double SumRowResults(const char* table, const char* a, const char* b, const QString& op,
                         const QString& carId);
    double SumColumnInMonth(int year, int month, const char* table, const char* column,
                            const QString& carId);
    double SumRowResultsInMonth(int year, int month, const char* table, const char* a,
                                const char* b, const QString& op, const QString& carId);
    void GetInputHistory(const QString& carId, int classId, QStringList& entries);
    // The cost totals by the figures the ledger pages show (database/Figures.h).
    void LoadCostTotals(const QString& carId, CostTotals& totals);

    // Reports a failed statement as the connection reports its own: the
    // storage fault sentence, or the execute warning.
    void ReportFailure(const SqlStatus& status, bool writing)
    {
        m_connection.ReportFailure(status, writing);
    }

private:
    // Inserts a row of the table for the car: the given columns' values, every
    // other column empty, 0 or (a picture) 0.
    bool insertCarRow(const char* table, const QString& carId,
                      const std::vector<CarColumnValue>& values);
    void createMissingTables();
    // Adds the columns a table of the file lacks (an old or damaged file),
    // all in one transaction, and says once which they were. Those that
    // cannot be added are read as empty; their writes fail and say so.
    void addMissingColumns();
    // Creates the tables all in one transaction; on failure shows the first
    // table's message with the cause and answers false.
    bool createTables(const std::vector<const TableDefinition*>& tables);
    // Runs the duplicate check of an insert; answers 0, 1 or -1 to go on.
    int checkDuplicate(const char* table, const QString& carId, const QString& recId);
    double sumRows(CStatement& rows, const QString& op);
    // Whether a query ran without failing; a failure is reported as the
    // connection reports its own (never while the ledger is closed).
    bool readOk(const CStatement& query);
    // Runs a statement that changes the ledger and reports its failure.
    bool written(CStatement& statement);
    // The number in the first column of the first row; 0 without one.
    double firstNumber(CStatement& query);
    // Creates the lookup indexes of the ledger tables that are missing.
    void ensureIndexes();

    QString m_databasePassword = kDatabasePassword;
    CAdoConnection m_connection;
    QString m_filePath = QStringLiteral("Car.mdb");
    QString m_openPassword = kDatabasePassword;
    // Per table, the columns the file lacks and that could not be added.
    QHash<QString, QStringList> m_missingColumns;
};
