#pragma once

#include "database/CostSums.h"
#include "database/Expected.h"
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

// What opening the ledger came to: the step that failed (with its status),
// and the columns an old or damaged file lacked.
struct LedgerOpening
{
    enum Step
    {
        Opened,
        CreateFailed, // no file could be made
        OpenFailed,   // the file would not open with the key
        TablesFailed, // the missing tables could not be made (none was)
    };
    Step step = Opened;
    SqlStatus status;
    // With TablesFailed, the first missing table.
    QString failedTable;
    // Columns ("Table.Column") the file lacked: added (empty), or, when they
    // could not be added, read as empty and refused on write.
    QStringList addedColumns;
    QStringList lostColumns;
};

// Whether an insert wrote its record or found one with that identifier.
enum class InsertOutcome
{
    Inserted,
    Duplicate,
};

// The ledger database: one encrypted file with eleven tables, its shared
// connection, and every car, record and aggregate operation of the program.
// Every operation that can fail answers its status (or its value and the
// status of a failure) and shows nothing; on a closed ledger the status code
// is store::kClosed.
class CMyDatabase
{
public:
    static inline const QString kDatabasePassword = QStringLiteral("vorpa");

    CMyDatabase();
    // Closes the connection while the figures its hooks report to still exist.
    ~CMyDatabase();

    // --- file and schema ---------------------------------------------------
    void SetFilePath(const QString& path);
    void SetOpenPassword(const QString& password);
    QString FilePath() const { return m_filePath; }
    // The key the ledger is opened with: the fixed key, or the owner's password.
    const QString& LedgerKey() const { return m_openPassword; }
    // Gives the ledger a new key (the fixed key or the owner's password): the
    // connection is closed, the file re-keyed in one transaction (a kill
    // leaves it with the old key) and opened again with the key it then has.
    SqlStatus ChangeLedgerKeyTo(const QString& newKey);

    // Finishes or undoes an interrupted creation or key change of the file,
    // creates the file when it is missing, opens it and creates every missing
    // table in one transaction.
    LedgerOpening CreateOrOpen();
    bool Open();
    void Close();
    bool IsOpen() const { return m_connection.IsOpen(); }
    // Whether the open ledger cannot be written: the file was opened read-only,
    // the connection is set to query only, or the file or its folder (where the
    // journal of every write is made) is not writable. False while closed.
    bool IsReadOnly() const;
    bool TableExists(const QString& name);
    // Builds a complete new ledger (keyed, all eleven tables) under a temporary
    // name and renames it to path; fails when a file exists there.
    SqlStatus CreateDatabaseFile(const QString& path);
    // Changes the key of the (closed) file at path; an empty old password means
    // the file is not encrypted yet, an empty new one removes the encryption.
    // A missing file is left alone.
    SqlStatus SetDatabasePassword(const QString& oldPassword, const QString& newPassword,
                                  const QString& path);
    CAdoConnection& Connection() { return m_connection; }

    // --- cars ----------------------------------------------------------------
    // Adds a car numbered one above the highest car number; its identifier.
    Expected<QString> NewCar(const QString& name);
    Expected<std::vector<CARLIST>> GetCarList();
    SqlStatus RenameCar(const QString& newName, const QString& carId);
    // Marks the car as the only current one, all or nothing.
    SqlStatus SetCurrentCar(const QString& carId);
    // As stored, trailing blanks included; empty without a current car.
    Expected<QString> GetCurrentCarID();
    Expected<QString> GetCurrentCarName();
    // Fill the record from the car's row; without a row it is left as it was.
    SqlStatus GetCarProperty(const QString& carId, CARPROPERTY& property);
    SqlStatus GetPurchaseInfo(const QString& carId, PURCHASEINFO& info);
    SqlStatus SetCurMiles(const QString& carId, double miles);
    // Stores a BMP file image as the car's picture (an empty array removes it).
    // A car without a profile row keeps nothing.
    SqlStatus SetCarPicture(const QString& carId, const QByteArray& bitmapFile);
    // Whether the car has a row in the table.
    Expected<bool> HasCarRow(CarTable table, const QString& carId);
    // Insert the car's profile or purchase row from the record: texts as they
    // are, numbers rounded to two decimals, the purchase date as its text. The
    // profile row gets the picture when one is given, else 0.
    SqlStatus InsertCarProperty(const QString& carId, const CARPROPERTY& property,
                                const QByteArray& picture = {});
    SqlStatus InsertPurchaseInfo(const QString& carId, const PURCHASEINFO& info);
    // Writes the changed columns of the car's row in the table with one bound
    // statement (numbers rounded to two decimals); no change writes nothing.
    SqlStatus UpdateCarRow(CarTable table, const QString& carId, const CCarRowChanges& changes);
    // One row of a car's profile or purchase table read by the given columns,
    // numbers as numbers and texts as stored; `values` stays empty when the
    // car has no row there.
    SqlStatus ReadCarColumns(CarTable table, const QString& carId,
                             const std::vector<CarColumnRead>& columns,
                             std::vector<QVariant>& values);
    // Removes the car with its rows of every table in one transaction. The
    // current car is refused (store::kCurrentCar).
    SqlStatus DeleteCar(const QString& carId);

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
    // Inserts the record unless the car already has one with its identifier.
    Expected<InsertOutcome> InsertRecord(LedgerKind kind, const LedgerRecord& r);
    // Inserts many records of one ledger inside the caller's transaction,
    // numbered on from the ledger's next record identifier in the order
    // given (their identifiers are filled in). `progress`, when given, hears
    // the count inserted every 1000 records and may stop the run by answering
    // false: the status code is then store::kStopped. Records that would be
    // numbered beyond 9999999 insert none (store::kIdsExhausted).
    SqlStatus InsertRecords(LedgerKind kind, std::vector<LedgerRecord>& records,
                            const std::function<bool(qint64 inserted)>& progress = {});
    // The same for `count` records that `next` hands one at a time (each
    // is read before the next is asked for).
    SqlStatus InsertRecords(LedgerKind kind, qint64 count,
                            const std::function<LedgerRecord&()>& next,
                            const std::function<bool(qint64 inserted)>& progress = {});
    // Remembers a typed entry unless the car has it already under its class.
    Expected<InsertOutcome> InsertInputHistory(const InputHistoryEntry& e);
    // The car's records of a table, by date (or by the given columns), read by
    // their stored types; texts as the pages show them: right-trimmed, and
    // one longer than kLongestText by its beginning (marked in LedgerRecord::cut).
    SqlStatus LoadRecords(LedgerKind kind, const QString& carId, std::vector<LedgerRecord>& records,
                          const QByteArray& orderBy = "\"DateTimee\"");
    // Hands the car's records of a table by date one at a time, texts exactly
    // as stored; `each` answering false stops the read (store::kStopped).
    SqlStatus ReadRecords(LedgerKind kind, const QString& carId,
                          const std::function<bool(const LedgerRecord&)>& each);
    // Reads the car's record with the identifier, texts exactly as stored;
    // `found` tells whether there is one (r is left as it was without). With
    // rowNumber, also the row's place in its table, which orders the records
    // of one date.
    SqlStatus ReadStoredRecord(LedgerKind kind, const QString& carId, const QString& recId,
                               LedgerRecord& r, bool& found, qint64* rowNumber = nullptr);
    // Moves the record to that place in its table, unless another row holds it.
    SqlStatus MoveRecordToRow(LedgerKind kind, const QString& carId, const QString& recId,
                              qint64 rowNumber);
    // Writes one field of the record (r.carId, r.recId) with one bound
    // statement. With `keptAfter`, the field's text replaces only the stored
    // text's first keptAfter characters and the rest is kept.
    SqlStatus UpdateRecordField(LedgerKind kind, const LedgerRecord& r, LedgerField field,
                                int keptAfter = 0);
    // Removes the row of (car, record identifier); an empty identifier sends nothing.
    SqlStatus DeleteRecord(LedgerKind kind, const QString& carId, const QString& recId);
    // Whether the car has a record with the identifier.
    Expected<bool> HasRecord(LedgerKind kind, const QString& carId, const QString& recId)
    {
        return hasRecord(kind, carId, recId);
    }
    // The identifier after the table's highest one, seven digits ("0000001" first).
    Expected<QString> GetNextRecID(LedgerKind kind);

    // --- aggregates -------------------------------------------------------------
    Expected<int> GetRecordCount(LedgerKind kind, const QString& carId);
    Expected<double> SumColumn(LedgerKind kind, const char* column, const QString& carId);
    // Sum over the rows of (a op b); op is "+", "-", "*" or "/" (a row with
    // |b| <= 0.0001 adds nothing to a quotient).
    Expected<double> SumRowResults(LedgerKind kind, const char* a, const char* b, const QString& op,
                                   const QString& carId);
    Expected<double> SumColumnInMonth(int year, int month, LedgerKind kind, const char* column,
                                      const QString& carId);
    Expected<double> SumRowResultsInMonth(int year, int month, LedgerKind kind, const char* a,
                                          const char* b, const QString& op, const QString& carId);
    SqlStatus GetInputHistory(const QString& carId, int classId, QStringList& entries);
    // The cost totals by the figures the ledger pages show (database/Figures.h).
    SqlStatus LoadCostTotals(const QString& carId, CostTotals& totals);
    // What a cost ledger's records dated in the month add up to in the
    // monthly analyses: their amounts (accessories: count times price), as
    // SumColumnInMonth and SumRowResultsInMonth sum them.
    Expected<double> CostInMonth(LedgerKind kind, const QString& carId, int year, int month);
    // The same for the current car (none when its identifier cannot be read).
    SqlStatus LoadCurrentCarTotals(CostTotals& totals);

private:
    // Inserts a row of the table for the car: the given columns' values, every
    // other column empty, 0 or (a picture) 0.
    SqlStatus insertCarRow(const char* table, const QString& carId,
                           const std::vector<CarColumnValue>& values);
    SqlStatus deleteCarRows(const char* table, const QString& carId);
    // Creates the missing tables, then adds the columns a table of the file
    // lacks (an old or damaged file), each step in one transaction. Columns
    // that cannot be added are read as empty; their writes fail.
    void createMissingTables(LedgerOpening& opening);
    void addMissingColumns(LedgerOpening& opening);
    // Whether the car has a record with the identifier.
    Expected<bool> hasRecord(LedgerKind kind, const QString& carId, const QString& recId);
    Expected<double> sumRows(CStatement& rows, const QString& op);
    // The number in the first column of the first row; 0 without one.
    Expected<double> firstNumber(CStatement& query);
    // Creates the lookup indexes of the ledger tables that are missing.
    void ensureIndexes();
    SqlStatus insertRecords(LedgerKind kind, qint64 count, const std::function<LedgerRecord&()>& next,
                            const std::function<bool(qint64 inserted)>& progress);

    // The kept cost figures of the car's ledger, summed from the file when
    // they are not kept (CostFigures.cpp).
    SqlStatus keptCosts(LedgerKind kind, const QString& carId, LedgerCost*& figures);
    // What the car's records with the identifier add to the figures.
    SqlStatus readRecordCosts(LedgerKind kind, const QString& carId, const QString& recId,
                              std::vector<RecordCost>& costs);
    // Runs one statement that writes the car's record with the identifier in
    // a cost ledger and keeps the car's figures up: the record's share read
    // before and after it (when `figures`: the statement can change them).
    SqlStatus writeKeepingCosts(LedgerKind kind, const QString& carId, const QString& recId,
                                bool figures, const std::function<SqlStatus()>& write);
    // Inserts records with insertRecords and adds the rows it made to the kept figures.
    SqlStatus insertKeepingCosts(LedgerKind kind, const std::function<SqlStatus()>& insert);

    QString m_databasePassword = kDatabasePassword;
    CAdoConnection m_connection;
    QString m_filePath = QStringLiteral("Car.mdb");
    QString m_openPassword = kDatabasePassword;
    // Per table, the columns the file lacks and that could not be added.
    QHash<QString, QStringList> m_missingColumns;
    CCostSums m_costSums;
    // The file's data version when the kept figures were last used: another
    // connection's commit changes it, and the figures are summed again.
    qint64 m_dataVersion = -1;
};
