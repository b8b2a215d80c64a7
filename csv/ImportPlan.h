#pragma once

#include "csv/CsvLedgers.h"
#include "csv/ImportRows.h"
#include "database/CareReminders.h"
#include "database/Records.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

// What an import will do, worked out before anything is written: the
// preview shows it, the user (or the command line) chooses, and the import
// writes exactly it or nothing.

enum class DistanceUnit
{
    Kilometres,
    Miles,
};
enum class VolumeUnit
{
    Litres,
    UsGallons,
    ImperialGallons,
};
double KilometresPer(DistanceUnit unit);
double LitresPer(VolumeUnit unit);
QString UnitName(DistanceUnit unit);
QString UnitName(VolumeUnit unit);

// The ledger fields a column of a generic CSV file can be mapped to.
enum class GenericField
{
    Ignore,
    Date,
    Odometer,
    Amount,
    Price,    // per litre (refuelling) or per piece (accessories)
    Quantity, // litres (refuelling) or pieces (accessories)
    Note,
    Provider,
    Content, // what was bought or done
};
QString GenericFieldName(GenericField field);
const std::vector<GenericField>& GenericFields();
// The field a user names: its name ("金额", "数量", "内容") or its English key
// ("amount", "quantity", "content", ...); none for any other text.
std::optional<GenericField> FindGenericField(const QString& name);

// The choices an import is made with.
struct ImportOptions
{
    // The car every record goes to, by name or identifier ("CAR0001"); empty:
    // the car the file names, else the current car.
    QString car;
    // The ledger of files that do not say (a service file, a generic file).
    std::optional<LedgerKind> ledger;
    // Units of the file's distances and volumes; empty: as the file says,
    // else kilometres and litres.
    std::optional<DistanceUnit> distance;
    std::optional<VolumeUnit> volume;
    bool skipDuplicates = true;
    // A text longer than kLongestText: its beginning is imported (true) or
    // its line is refused.
    bool cutLongTexts = false;
    // Generic files: the field of each column; empty: guessed from the header.
    std::vector<GenericField> mapping;
    // Generic files: fields of columns named by their header (or their number
    // from 1), over the guess.
    std::vector<std::pair<QString, GenericField>> columnFields;
    // The encoding the files are read in (one of CsvEncodings()); empty: told
    // from each file's bytes.
    QString encoding;
};

// A line that cannot be imported, and why.
struct ImportProblem
{
    int source = 0;
    int line = 0;
    QString reason;
};

// A car of a car file: its name, profile and purchase data.
struct ImportCarRow
{
    int source = 0;
    int line = 0;
    QString name;
    bool current = false;
    std::optional<CARPROPERTY> property;
    std::optional<PURCHASEINFO> purchase;
    QStringList flags; // what the import changed: shown in the preview
};

// A care reminder of a reminder file, and the car it goes to.
struct ImportReminderRow
{
    int source = 0;
    int line = 0;
    QString car; // as the file names it
    CareReminder reminder;
    int target = -1;        // index into ImportPlan::targets
    bool duplicate = false; // the car has a reminder of that item and marks
};

// A car the records go to: one of the ledger, or one to be made.
struct ImportTarget
{
    QString name;
    QString carId;   // empty: made by the import
    int carRow = -1; // a new car's profile and purchase: index into ImportPlan::cars
};

// A file read for the import.
struct ImportSource
{
    QString path;
    QByteArray digest; // of the bytes read, to notice a change before writing
    QString encoding;
    QString format; // "Orvyn 导出文件", "LubeLogger 加油记录", ...
};

struct ImportPlan
{
    std::vector<ImportSource> sources;
    ImportRows rows;
    std::vector<ImportProblem> rejected;
    std::vector<ImportCarRow> cars;
    std::vector<ImportReminderRow> reminders;
    std::vector<ImportTarget> targets;
    QStringList notes; // what the user should know: units, gauge readings, missing columns
    // Set when nothing at all can be imported: a file that cannot be read.
    QString refusal;
    bool cancelled = false; // the user stopped the preview (the refusal says so)

    // What the files said about themselves, for the choices of the preview.
    bool asksForLedger = false;             // a file that does not say its ledger
    LedgerKind ledger = LedgerKind::Refuel; // the ledger such a file goes to
    bool hasUnits = false;                  // a file from a program that may use miles or gallons
    DistanceUnit distance = DistanceUnit::Kilometres;
    VolumeUnit volume = VolumeUnit::Litres;
    // A file with units that does not state its distance (volume) unit: the
    // choice applies to it. A file that states them is read in its own.
    bool distanceChosen = false;
    bool volumeChosen = false;
    bool generic = false; // a file whose columns the user maps
    QStringList genericHeader;
    std::vector<GenericField> mapping;

    bool skipDuplicates = true;
    bool cutLongTexts = false; // as ImportOptions::cutLongTexts
    int longTexts = 0;         // texts longer than kLongestText, refused or cut

    // Adds a row read from a file, or refuses its line when a text is longer
    // than kLongestText and texts are not cut.
    void addRow(ImportRow row);

    bool refused() const { return !refusal.isEmpty(); }
    int duplicateCount() const;
    // The rows and reminders written (duplicates left out when they are skipped).
    int writtenCount() const;
    // The reminders written.
    int reminderCount() const;
    QString sourceName(int source) const;
};
