#include "csv/ForeignFormats.h"

#include "csv/ImportCells.h"
#include "database/Figures.h"
#include "database/Schema.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>
#include <map>

namespace {

// The values a row of another program's file gives, in the file's units.
struct ForeignValues
{
    QDate date;
    double odometer = 0;
    std::optional<double> amount;    // money paid
    std::optional<double> unitPrice; // per volume unit (fuel) or per piece
    std::optional<double> quantity;  // volume units (fuel) or pieces
    QString content;
    QString provider;
    QStringList notes;
    QString time; // of day, "HH:mm:ss"; empty when the file gives none
    bool fullTank = true;
    bool missedBefore = false;
    bool secondTank = false;
};

// The parts that are not blank, each as the file writes it (a note may begin
// with a tab or blanks on purpose).
QString joined(const QStringList& parts)
{
    QStringList kept;
    for (const QString& part : parts)
        if (!part.trimmed().isEmpty())
            kept << part;
    return kept.join(QStringLiteral("；"));
}

// Makes the ledger record of the values, converted to kilometres and litres.
ImportRow buildRow(int source, int line, LedgerKind ledger, const ForeignValues& v,
                   const ImportPlan& plan)
{
    const double km = KilometresPer(plan.distance);
    const double litresPer = LitresPer(plan.volume);
    ImportRow row;
    row.source = source;
    row.line = line;
    row.ledger = ledger;
    row.time = v.time;
    row.foreign = true;
    LedgerRecord& r = row.record;
    r.date = StoredDate(v.date);
    r.miles = v.odometer * km;
    const double quantity = v.quantity.value_or(0);
    const double amount = v.amount                    ? *v.amount
                          : v.unitPrice && v.quantity ? *v.unitPrice * quantity
                                                      : 0;
    switch (ledger) {
    case LedgerKind::Refuel: {
        const double litres = quantity * litresPer;
        // The page shows amount / price as the litres: the price is worked out
        // from the amount as the ledger stores it, to the digits it keeps.
        r.amount = ShownNumber(amount, 2);
        if (litres > 0)
            r.price = r.amount / litres;
        else if (v.unitPrice)
            r.price = *v.unitPrice / litresPer;
        if (litres > 0)
            row.litres = litres;
        row.fullTank = v.fullTank;
        row.missedBefore = v.missedBefore;
        row.secondTank = v.secondTank;
        // Known only once derived from a chain of full tanks.
        SetMark(r, RefuelMark::GaugesUnknown, true);
        SetMark(r, RefuelMark::MissedBefore, v.missedBefore);
        r.mark = joined(QStringList{v.provider, v.content} + v.notes);
        break;
    }
    case LedgerKind::Repair:
    case LedgerKind::Maintain:
        r.amount = amount;
        r.content = v.content;
        r.provider = v.provider;
        r.mark = joined(v.notes);
        break;
    case LedgerKind::Accident:
    case LedgerKind::DailyCost:
        r.amount = amount;
        r.content = v.content.isEmpty() ? v.provider : v.content;
        r.mark = joined(QStringList{v.content.isEmpty() ? QString() : v.provider} + v.notes);
        break;
    case LedgerKind::Accessory: {
        r.name = v.content;
        r.provider = v.provider;
        const double count = v.quantity && quantity > 0 ? quantity : 1;
        const double price = v.unitPrice ? *v.unitPrice : amount / count;
        const double total = v.amount ? *v.amount : price * count;
        // The page totals count × price: a whole count whose price in cents
        // gives the file's cost is kept; otherwise the line is one piece at the
        // whole cost and the note tells the file's count and price.
        if (count == std::round(count) &&
            Hundredths(ShownNumber(price, 2) * count) == Hundredths(total)) {
            r.count = count;
            r.price = price;
            r.mark = joined(v.notes);
        } else {
            r.count = 1;
            r.price = total;
            r.mark = joined(
                QStringList{QStringLiteral("数量 %1，单价 %2")
                                .arg(PlainNumber(count), PlainNumber(ShownNumber(price, 4)))} +
                v.notes);
        }
        break;
    }
    case LedgerKind::CarLog:
        r.mark = joined(QStringList{v.content, v.provider} + v.notes);
        break;
    case LedgerKind::InputHistory:
        break; // no file of another program holds remembered entries
    }
    RoundAsStored(ledger, r);
    flagNumbers(row);
    return row;
}

// Adds the cells of the number columns and of the date column of the data
// rows [first, end) to the guesses of the file's number and date style.
void guessStyle(const CsvTable& records, size_t first, size_t end, const std::vector<int>& numbers,
                int date, DecimalMarkGuess* mark, DateOrderGuesser* dates)
{
    for (size_t i = first; i < end && i < records.size(); ++i) {
        const QStringList fields = records[i].fields;
        if (mark)
            for (int c : numbers)
                if (c >= 0 && c < fields.size())
                    mark->add(fields[c]);
        if (dates && date >= 0 && date < fields.size())
            dates->add(fields[date]);
    }
}

// The units of a file's rows: those the file states, else those chosen,
// else kilometres and litres. A choice that a file's own units overrule is
// noted.
void setUnits(int source, const ImportOptions& options, std::optional<DistanceUnit> fileDistance,
              std::optional<VolumeUnit> fileVolume, ImportPlan& plan)
{
    plan.hasUnits = true;
    plan.distanceChosen = plan.distanceChosen || !fileDistance;
    plan.volumeChosen = plan.volumeChosen || !fileVolume;
    plan.distance = fileDistance.value_or(options.distance.value_or(DistanceUnit::Kilometres));
    plan.volume = fileVolume.value_or(options.volume.value_or(VolumeUnit::Litres));
    if ((fileDistance && options.distance && *options.distance != *fileDistance) ||
        (fileVolume && options.volume && *options.volume != *fileVolume))
        plan.notes << QCoreApplication::translate("CsvImport",
                                                  "%1 写明了单位：里程按%2、油量按%3换算，"
                                                  "选择的单位只用于不写单位的文件。")
                          .arg(plan.sourceName(source), UnitName(plan.distance),
                               UnitName(plan.volume));
}

// Tells the file's date order and, for dates written "1/5/2024", says in
// the preview what was decided and why.
void noteDateOrder(int source, const DateOrderGuess& guess, ImportPlan& plan, DateOrder& order)
{
    order = guess.order;
    if (!guess.slashed)
        return;
    const QString chosen = order == DateOrder::DayFirst
                               ? QCoreApplication::translate("CsvImport", "日/月/年")
                               : QCoreApplication::translate("CsvImport", "月/日/年");
    const QString other = order == DateOrder::DayFirst
                              ? QCoreApplication::translate("CsvImport", "月/日/年")
                              : QCoreApplication::translate("CsvImport", "日/月/年");
    const QString file = plan.sourceName(source);
    if (guess.decidedBy.isEmpty())
        plan.notes << QCoreApplication::translate(
                          "CsvImport",
                          "%1 的日期看不出是“月/日/年”还是“日/月/年”，按“月/日/年”导入，"
                          "请核对预览里的日期。")
                          .arg(file);
    else if (guess.against.isEmpty())
        plan.notes << QCoreApplication::translate("CsvImport",
                                                  "%1 的日期按“%2”导入：“%3”只能这样读。")
                          .arg(file, chosen, guess.decidedBy);
    else
        plan.notes << QCoreApplication::translate(
                          "CsvImport", "%1 的日期有的只能按“%2”读（如“%3”），有的只能按“%4”读"
                                       "（如“%5”）；按多数的“%2”导入，请核对预览里的日期。")
                          .arg(file, chosen, guess.decidedBy, other, guess.against);
}

// A column by its folded header name; -1 when there is none.
class Columns
{
public:
    explicit Columns(const QStringList& header)
    {
        for (int i = 0; i < header.size(); ++i)
            m_folded << foldHeader(header[i]);
    }
    int of(const QString& name) const { return int(m_folded.indexOf(name)); }
    // The first column whose folded name starts with the prefix (and is none of the others).
    int startingWith(const QString& prefix, const QStringList& not_ = {}) const
    {
        for (int i = 0; i < m_folded.size(); ++i)
            if (m_folded[i].startsWith(prefix) && !not_.contains(m_folded[i]))
                return i;
        return -1;
    }
    bool has(const QString& name) const { return of(name) >= 0; }
    const QStringList& folded() const { return m_folded; }

private:
    QStringList m_folded;
};

QString cell(const CsvRecord& record, int column)
{
    return column >= 0 && column < record.fields.size() ? record.fields[column] : QString();
}

// Reads a number cell into the optional when it is not empty.
bool optionalNumber(const CsvRecord& record, int column, const QString& caption, DecimalMark mark,
                    std::optional<double>& value, QString& problem)
{
    const QString text = cell(record, column);
    if (text.trimmed().isEmpty())
        return true;
    double number = 0;
    if (!readForeignNumber(text, caption, mark, number, problem))
        return false;
    value = number;
    return true;
}

// Reads the data records [first, end) of one table in file order: blank records
// are skipped, one whose fields do not fit the header is rejected as malformed,
// and every other goes to read, which adds its row to the plan (or counts it)
// and answers false, with the reason, when its values do not read.
template <class ReadRecord>
void readRecords(int source, const CsvTable& records, size_t first, size_t end,
                 int headerSize, ImportPlan& plan, ReadRecord read)
{
    for (size_t i = first; i < end; ++i) {
        const CsvRecord& record = records[i];
        if (allEmpty(record.fields) || !wellFormed(source, record, headerSize, plan))
            continue;
        QString problem;
        if (!read(record, problem))
            plan.rejected.push_back({source, record.line, problem});
    }
}

// --- LubeLogger -----------------------------------------------------------------------

enum class LubeKind
{
    Fuel,
    Service,
    Tax,
    Odometer,
    Supply,
};

// The kind of a LubeLogger export, told by its header names; none when the
// file is not one.
std::optional<LubeKind> lubeKindOf(const Columns& columns)
{
    auto has = [&](const char* name) { return columns.has(QLatin1String(name)); };
    if (!has("date"))
        return std::nullopt;
    if (has("fuelconsumed") && has("cost"))
        return LubeKind::Fuel;
    if (has("initialodometer") && has("odometer"))
        return LubeKind::Odometer;
    if ((has("partnumber") || has("partsupplier") || has("partquantity")) && has("cost"))
        return LubeKind::Supply;
    if (has("description") && has("cost"))
        return has("odometer") ? LubeKind::Service : LubeKind::Tax;
    // Its odometer records as the export writes them: Date, Odometer, Notes.
    if (has("odometer") && has("notes") && !has("cost"))
        return LubeKind::Odometer;
    return std::nullopt;
}

// The ledger the records of a kind go to.
LedgerKind lubeLedger(LubeKind kind, const ImportOptions& options, ImportPlan& plan)
{
    switch (kind) {
    case LubeKind::Fuel:
        return LedgerKind::Refuel;
    case LubeKind::Odometer:
        return LedgerKind::CarLog;
    case LubeKind::Supply:
        return LedgerKind::Accessory;
    case LubeKind::Service:
    case LubeKind::Tax:
        break;
    }
    // The file does not tell service, repair and upgrade records apart.
    plan.asksForLedger = true;
    plan.ledger = options.ledger.value_or(kind == LubeKind::Service ? LedgerKind::Maintain
                                                                    : LedgerKind::DailyCost);
    return plan.ledger;
}

// The columns of a LubeLogger export (-1 for those it lacks).
struct LubeColumns
{
    explicit LubeColumns(const QStringList& names) : header(names)
    {
        const Columns columns(header);
        auto of = [&](const char* name) { return columns.of(QLatin1String(name)); };
        date = of("date");
        odometer = of("odometer");
        fuel = of("fuelconsumed");
        cost = of("cost");
        price = of("price");
        full = of("isfilltofull");
        partial = of("partialfuelup");
        missed = of("missedfuelup");
        description = of("description");
        notes = of("notes");
        tags = of("tags");
        partNumber = of("partnumber");
        supplier = of("partsupplier");
        quantity = of("partquantity");
        for (int i = 0; i < header.size(); ++i)
            if (columns.folded()[i].startsWith(QLatin1String("extrafield")))
                extras.push_back(i);
    }

    QStringList header;
    int date, odometer, fuel, cost, price, full, partial, missed, description, notes, tags,
        partNumber, supplier, quantity;
    std::vector<int> extras; // "ExtraField_<name>"
};

// The values of one LubeLogger record; false, with the reason, when one does not read.
bool readLubeRecord(const CsvRecord& record, const LubeColumns& c, LubeKind kind, DecimalMark mark,
                    DateOrder order, ForeignValues& v, QString& problem)
{
    const bool read =
        readForeignDate(cell(record, c.date), order, v.date, problem) &&
        readForeignNumber(cell(record, c.odometer), QStringLiteral("Odometer"), mark, v.odometer,
                          problem) &&
        optionalNumber(record, c.cost, QStringLiteral("Cost"), mark, v.amount, problem) &&
        optionalNumber(record, c.fuel, QStringLiteral("FuelConsumed"), mark, v.quantity, problem) &&
        optionalNumber(record, c.price, QStringLiteral("Price"), mark, v.unitPrice, problem) &&
        optionalNumber(record, c.quantity, QStringLiteral("PartQuantity"), mark, v.quantity,
                       problem);
    if (!read)
        return false;
    v.time = readTimeOfDay(cell(record, c.date));
    if (kind == LubeKind::Fuel && !v.quantity && v.amount && v.unitPrice && *v.unitPrice > 0)
        v.quantity = *v.amount / *v.unitPrice;
    if (kind == LubeKind::Supply && v.quantity && *v.quantity > 0 && v.amount)
        v.unitPrice = *v.amount / *v.quantity; // Cost is what all the parts cost
    v.fullTank = c.full >= 0      ? readFlag(cell(record, c.full))
                 : c.partial >= 0 ? !readFlag(cell(record, c.partial))
                                  : true;
    v.missedBefore = c.missed >= 0 && readFlag(cell(record, c.missed));
    v.content = cell(record, c.description).trimmed();
    if (c.partNumber >= 0 && !cell(record, c.partNumber).trimmed().isEmpty())
        v.content = joined({v.content, cell(record, c.partNumber)});
    v.provider = cell(record, c.supplier).trimmed();
    v.notes << cell(record, c.notes);
    if (!cell(record, c.tags).trimmed().isEmpty())
        v.notes << QStringLiteral("标签：") + cell(record, c.tags).trimmed();
    for (int e : c.extras)
        if (!cell(record, e).trimmed().isEmpty())
            v.notes << c.header[e].trimmed().mid(int(qstrlen("extrafield_"))) +
                           QStringLiteral("：") + cell(record, e).trimmed();
    return true;
}

} // namespace

bool ReadLubeLogger(int source, const CsvTable& records, const ImportOptions& options,
                    ImportPlan& plan)
{
    const QStringList header = records.front().fields;
    const std::optional<LubeKind> kind = lubeKindOf(Columns(header));
    if (!kind)
        return false;
    const std::map<LubeKind, QString> formats = {
        {LubeKind::Fuel, QCoreApplication::translate("CsvImport", "LubeLogger 加油记录")},
        {LubeKind::Service,
         QCoreApplication::translate("CsvImport", "LubeLogger 服务/维修/改装记录")},
        {LubeKind::Tax, QCoreApplication::translate("CsvImport", "LubeLogger 税费记录")},
        {LubeKind::Odometer, QCoreApplication::translate("CsvImport", "LubeLogger 里程记录")},
        {LubeKind::Supply, QCoreApplication::translate("CsvImport", "LubeLogger 配件记录")},
    };
    plan.sources[size_t(source)].format = formats.at(*kind);
    const LedgerKind ledger = lubeLedger(*kind, options, plan);
    setUnits(source, options, std::nullopt, std::nullopt, plan);
    if (!options.distance)
        plan.notes << QCoreApplication::translate(
                          "CsvImport",
                          "LubeLogger 的文件不写单位：里程按%1、油量按%2导入；"
                          "如果是英里或加仑，请在预览里选择（命令行用 --distance、--volume）。")
                          .arg(UnitName(plan.distance), UnitName(plan.volume));

    const LubeColumns c(header);
    DecimalMarkGuess marks;
    DateOrderGuesser dates;
    guessStyle(records, 1, records.size(), {c.odometer, c.fuel, c.cost, c.price}, c.date, &marks,
               &dates);
    const DecimalMark mark = marks.mark();
    DateOrder order;
    noteDateOrder(source, dates.guess(), plan, order);
    readRecords(source, records, 1, records.size(), int(header.size()), plan,
                [&](const CsvRecord& record, QString& problem) {
                    ForeignValues v;
                    if (!readLubeRecord(record, c, *kind, mark, order, v, problem))
                        return false;
                    plan.addRow(buildRow(source, record.line, ledger, v, plan));
                    return true;
                });
    return true;
}

// --- Fuelio ---------------------------------------------------------------------------

namespace {

struct Section
{
    size_t header = 0; // index of the header record
    size_t end = 0;    // one past the last data record
};

// The sections of a Fuelio file by name ("vehicle", "log", ...): a record whose
// first field begins with "##" names the section of the records below it.
// Fuelio begins its files with a section; a file that does not has none.
std::map<QString, Section> sectionsOf(const CsvTable& records)
{
    std::map<QString, Section> sections;
    if (!records.front().fields.value(0).trimmed().startsWith(QLatin1String("##")))
        return sections;
    QString name;
    for (size_t i = 0; i < records.size(); ++i) {
        const QString first = records[i].fields.value(0).trimmed();
        if (first.startsWith(QLatin1String("##"))) {
            name = foldHeader(first.mid(2));
            sections[name] = {i + 1, i + 1};
            continue;
        }
        if (!name.isEmpty())
            sections[name].end = i + 1;
    }
    return sections;
}

// "Odo (mi)", "Fuel (us gallons)": the unit a Fuelio header names.
std::optional<DistanceUnit> distanceIn(const QString& folded)
{
    if (folded.contains(QLatin1String("(mi")))
        return DistanceUnit::Miles;
    if (folded.contains(QLatin1String("(km")))
        return DistanceUnit::Kilometres;
    return std::nullopt;
}
std::optional<VolumeUnit> volumeIn(const QString& folded)
{
    if (folded.contains(QLatin1String("litre")) || folded.contains(QLatin1String("liter")))
        return VolumeUnit::Litres;
    if (folded.contains(QLatin1String("imp")) || folded.contains(QLatin1String("uk")))
        return VolumeUnit::ImperialGallons;
    if (folded.contains(QLatin1String("gal")))
        return VolumeUnit::UsGallons;
    return std::nullopt;
}

// The ledger of a Fuelio cost category, by its name.
LedgerKind costLedger(const QString& category)
{
    const QString name = category.toLower();
    auto any = [&](std::initializer_list<const char*> words) {
        for (const char* word : words)
            if (name.contains(QString::fromUtf8(word)))
                return true;
        return false;
    };
    if (any({"repair", "维修"}))
        return LedgerKind::Repair;
    if (any({"service", "maintenance", "mot", "inspection", "保养"}))
        return LedgerKind::Maintain;
    if (any({"accessor", "tuning", "用品", "改装"}))
        return LedgerKind::Accessory;
    if (any({"accident", "collision", "事故"}))
        return LedgerKind::Accident;
    return LedgerKind::DailyCost;
}

// Fuelio's built-in categories by their number, the same in every language
// the app writes the names in; empty for the user's own categories.
QString builtInCategory(int id)
{
    switch (id) {
    case 1:
        return QStringLiteral("Service");
    case 2:
        return QStringLiteral("Maintenance");
    case 4:
        return QStringLiteral("Registration");
    case 5:
        return QStringLiteral("Parking");
    case 6:
        return QStringLiteral("Wash");
    case 7:
        return QStringLiteral("Tolls");
    case 8:
        return QStringLiteral("Tickets/Fines");
    case 9:
        return QStringLiteral("Tuning");
    case 31:
        return QStringLiteral("Insurance");
    default:
        return QString();
    }
}

QStringList headerOf(const CsvTable& records, const Section& section)
{
    return section.header < records.size() ? records[section.header].fields : QStringList();
}

// A log whose "## Log" line is missing: a header with the log's columns (Data,
// Odo, Fuel or kg, Full) and the records below it, up to the next section. A
// file without sections has it on its first line.
std::optional<Section> unnamedLog(const CsvTable& records,
                                  const std::map<QString, Section>& sections)
{
    const size_t searched = sections.empty() ? 1 : records.size();
    for (size_t i = 0; i < searched; ++i) {
        const Columns columns(records[i].fields);
        if (!columns.has(QStringLiteral("data")) || !columns.has(QStringLiteral("full")) ||
            columns.startingWith(QStringLiteral("odo")) < 0 ||
            (columns.startingWith(QStringLiteral("fuel(")) < 0 &&
             !columns.has(QStringLiteral("kg"))))
            continue;
        Section log{i, i + 1};
        while (log.end < records.size() &&
               !records[log.end].fields.value(0).trimmed().startsWith(QLatin1String("##")))
            ++log.end;
        return log;
    }
    return std::nullopt;
}

// The car of a Fuelio file and the units its records are in.
struct FuelioVehicle
{
    ImportCarRow car; // without a name when the file has no vehicle section
    std::optional<DistanceUnit> distance;
    std::optional<VolumeUnit> volume;
    // Per tank: Fuelio's fuel type (100 petrol, 200 diesel, 400 LPG, 500 CNG, ...)
    // and capacity in the tank's unit; the second tank's volume unit.
    int tankTypes[2] = {0, 0};
    double capacities[2] = {0, 0};
    std::optional<VolumeUnit> secondVolume;
    bool firstInKilograms = false; // the log's fuel column is headed "kg"

    // Gas sold by weight (CNG) cannot be litres of the refuelling ledger.
    bool byWeight(int tank) const
    {
        return tankTypes[tank == 2 ? 1 : 0] / 100 == 5 || (tank != 2 && firstInKilograms);
    }
    // The tank the refuelling ledger and its gauge follow: the first one
    // filled by volume.
    int ledgerTank() const { return byWeight(1) ? 2 : 1; }
};

std::optional<VolumeUnit> fuelioVolumeUnit(const QString& code)
{
    if (code == QLatin1String("0"))
        return VolumeUnit::Litres;
    if (code == QLatin1String("1"))
        return VolumeUnit::UsGallons;
    if (code == QLatin1String("2"))
        return VolumeUnit::ImperialGallons;
    return std::nullopt;
}

// The vehicle section: the car's name, details and tank, and the file's units.
FuelioVehicle readFuelioVehicle(int source, const CsvTable& records,
                                const Section& section)
{
    FuelioVehicle vehicle;
    if (section.header + 1 >= section.end)
        return vehicle;
    const Columns columns(headerOf(records, section));
    const CsvRecord& row = records[section.header + 1];
    auto value = [&](const char* name) {
        return cell(row, columns.of(QLatin1String(name))).trimmed();
    };
    const QString dist = value("distunit"), vol = value("fuelunit");
    if (dist == QLatin1String("1"))
        vehicle.distance = DistanceUnit::Miles;
    else if (dist == QLatin1String("0"))
        vehicle.distance = DistanceUnit::Kilometres;
    vehicle.volume = fuelioVolumeUnit(vol);
    vehicle.secondVolume = fuelioVolumeUnit(value("fuelunittank2"));
    ImportCarRow& car = vehicle.car;
    car.source = source;
    car.line = row.line;
    car.name = value("name");
    CARPROPERTY property;
    property.manufacture = value("make");
    property.carType =
        joined({value("model"), value("year")}).replace(QStringLiteral("；"), QStringLiteral(" "));
    property.vin = value("vin");
    property.carNo = value("plate");
    for (int t = 0; t < 2; ++t) {
        QString ignored;
        if (!readNumber(value(t ? "tank2capacity" : "tank1capacity"), QString(),
                        vehicle.capacities[t], ignored))
            vehicle.capacities[t] = 0;
        vehicle.tankTypes[t] = value(t ? "tank2type" : "tank1type").toInt();
    }
    // The tank's volume is set once the units and the ledger's tank are known.
    if (vehicle.capacities[0] > 0 || vehicle.capacities[1] > 0 || !property.manufacture.isEmpty() ||
        !property.carType.isEmpty() || !property.vin.isEmpty() || !property.carNo.isEmpty())
        car.property = property;
    return vehicle;
}

// Units the log's headers name ("Odo (mi)", "Fuel (litres)"), where the vehicle
// section did not tell them.
void unitsOfLog(const QStringList& header, FuelioVehicle& vehicle)
{
    const Columns columns(header);
    for (const QString& folded : columns.folded()) {
        if (!vehicle.distance && folded.startsWith(QLatin1String("odo")))
            vehicle.distance = distanceIn(folded);
        if (!vehicle.volume && folded.startsWith(QLatin1String("fuel(")))
            vehicle.volume = volumeIn(folded);
        if (folded == QLatin1String("kg"))
            vehicle.firstInKilograms = true;
    }
}

// A Fuelio file being read into the plan.
struct FuelioFile
{
    int source;
    const CsvTable& records;
    ImportPlan& plan;
    QString car; // the vehicle's name, on every row
    const FuelioVehicle& vehicle;
    DateOrder order = DateOrder::MonthFirst;

    void add(ImportRow row)
    {
        row.car = car;
        plan.addRow(std::move(row));
    }
};

// The file's date order, told from the date cells of every section.
DateOrderGuess fuelioDates(const CsvTable& records, const std::map<QString, Section>& sections)
{
    DateOrderGuesser dates;
    for (const auto& [name, s] : sections) {
        const Columns columns(headerOf(records, s));
        for (const char* d : {"data", "date"})
            guessStyle(records, s.header + 1, s.end, {}, columns.of(QLatin1String(d)), nullptr,
                       &dates);
    }
    return dates.guess();
}

// The log section: fillings.
void readFuelioLog(FuelioFile& file, const Section& log)
{
    const QStringList header = headerOf(file.records, log);
    const Columns columns(header);
    const int date = columns.of(QStringLiteral("data"));
    const int odo = columns.startingWith(QStringLiteral("odo"));
    int fuel = columns.startingWith(QStringLiteral("fuel("));
    if (fuel < 0)
        fuel = columns.of(QStringLiteral("kg"));
    const int tankColumn = columns.of(QStringLiteral("tanknumber"));
    const int fuelType = columns.of(QStringLiteral("fueltype"));
    const int full = columns.of(QStringLiteral("full"));
    const int price = columns.startingWith(QStringLiteral("price"));
    const int volumePrice = columns.of(QStringLiteral("volumeprice"));
    const int city = columns.startingWith(QStringLiteral("city"));
    const int notes = columns.startingWith(QStringLiteral("notes"));
    const int missed = columns.of(QStringLiteral("missed"));
    DecimalMarkGuess marks;
    guessStyle(file.records, log.header + 1, log.end, {odo, fuel, price}, -1, &marks, nullptr);
    const DecimalMark mark = marks.mark();
    const FuelioVehicle& vehicle = file.vehicle;
    int byWeight = 0, secondTank = 0;
    readRecords(
        file.source, file.records, log.header + 1, log.end, int(header.size()), file.plan,
        [&](const CsvRecord& record, QString& problem) {
            ForeignValues v;
            const bool read =
                readForeignDate(cell(record, date), file.order, v.date, problem) &&
                readForeignNumber(cell(record, odo), QStringLiteral("Odo"), mark, v.odometer,
                                  problem) &&
                optionalNumber(record, fuel, QStringLiteral("Fuel"), mark, v.quantity, problem) &&
                optionalNumber(record, price, QStringLiteral("Price"), mark, v.amount, problem) &&
                optionalNumber(record, volumePrice, QStringLiteral("VolumePrice"), mark,
                               v.unitPrice, problem);
            if (!read)
                return false;
            v.time = readTimeOfDay(cell(record, date));
            v.fullTank = full < 0 || readFlag(cell(record, full));
            v.missedBefore = readFlag(cell(record, missed));
            v.provider = cell(record, city).trimmed();
            const int tank = cell(record, tankColumn).trimmed() == QLatin1String("2") ? 2 : 1;
            if (vehicle.byWeight(tank) || cell(record, fuelType).trimmed().toInt() / 100 == 5) {
                // Kilograms of gas: the money is a cost, the weight a note.
                ++byWeight;
                v.content = QStringLiteral("天然气");
                v.notes << (v.quantity ? PlainNumber(*v.quantity) + QStringLiteral(" kg")
                                       : QString());
                v.notes << cell(record, notes);
                v.quantity.reset();
                file.add(buildRow(file.source, record.line, LedgerKind::DailyCost, v, file.plan));
                return true;
            }
            v.notes << cell(record, notes);
            if (tank == 2 && v.quantity && vehicle.secondVolume)
                *v.quantity *= LitresPer(*vehicle.secondVolume) / LitresPer(file.plan.volume);
            v.secondTank = tank != vehicle.ledgerTank();
            secondTank += v.secondTank;
            file.add(buildRow(file.source, record.line, LedgerKind::Refuel, v, file.plan));
            return true;
        });
    const QString name = file.plan.sourceName(file.source);
    if (byWeight)
        file.plan.notes << QCoreApplication::translate(
                               "CsvImport",
                               "%1 里有 %2 条加天然气的记录按千克计，不能当作升记入"
                               "加油记录：作为日常杂费导入，金额照旧，千克数写在备注里。")
                               .arg(name)
                               .arg(byWeight);
    if (secondTank)
        file.plan.notes << QCoreApplication::translate(
                               "CsvImport", "%1 的车有两个油箱：另一个油箱的 %2 条加油记录也记入"
                                            "加油记录，但不推算它们的油表读数，油耗估算显示“--”。")
                               .arg(name)
                               .arg(secondTank);
}

// The cost category section: category names by their id.
std::map<int, QString> readFuelioCategories(const CsvTable& records,
                                            const Section& section)
{
    std::map<int, QString> categories;
    const Columns columns(headerOf(records, section));
    const int id = columns.of(QStringLiteral("costtypeid"));
    const int name = columns.of(QStringLiteral("name"));
    for (size_t i = section.header + 1; i < section.end; ++i)
        categories[cell(records[i], id).trimmed().toInt()] = cell(records[i], name).trimmed();
    return categories;
}

// The costs section: each cost to the ledger of its category. Reminders and
// incomes are no costs; a note counts them.
void readFuelioCosts(FuelioFile& file, const Section& costs,
                     const std::map<int, QString>& categories)
{
    const QStringList header = headerOf(file.records, costs);
    const Columns columns(header);
    const int title = columns.of(QStringLiteral("costtitle"));
    const int date = columns.of(QStringLiteral("date"));
    const int odo = columns.of(QStringLiteral("odo"));
    const int type = columns.of(QStringLiteral("costtypeid"));
    const int notes = columns.of(QStringLiteral("notes"));
    const int cost = columns.of(QStringLiteral("cost"));
    const int templ = columns.of(QStringLiteral("istemplate"));
    const int income = columns.of(QStringLiteral("isincome"));
    DecimalMarkGuess marks;
    guessStyle(file.records, costs.header + 1, costs.end, {odo, cost}, -1, &marks, nullptr);
    const DecimalMark mark = marks.mark();
    int templates = 0, incomes = 0;
    readRecords(file.source, file.records, costs.header + 1, costs.end, int(header.size()),
                file.plan, [&](const CsvRecord& record, QString& problem) {
                    if (readFlag(cell(record, templ))) {
                        ++templates; // a reminder, no cost
                        return true;
                    }
                    if (readFlag(cell(record, income))) {
                        ++incomes;
                        return true;
                    }
                    ForeignValues v;
                    const bool read =
                        readForeignDate(cell(record, date), file.order, v.date, problem) &&
                        readForeignNumber(cell(record, odo), QStringLiteral("Odo"), mark,
                                          v.odometer, problem) &&
                        optionalNumber(record, cost, QStringLiteral("Cost"), mark, v.amount,
                                       problem);
                    if (!read)
                        return false;
                    v.time = readTimeOfDay(cell(record, date));
                    // A built-in category is told by its number (its name is in the
                    // app's language), the user's own by its name.
                    const int id = cell(record, type).trimmed().toInt();
                    const auto named = categories.find(id);
                    const QString builtIn = builtInCategory(id);
                    const QString shown = named != categories.end() ? named->second : builtIn;
                    const LedgerKind ledger = costLedger(builtIn.isEmpty() ? shown : builtIn);
                    v.content = cell(record, title).trimmed();
                    v.notes << cell(record, notes);
                    if (ledger == LedgerKind::DailyCost && !shown.isEmpty())
                        v.notes.prepend(shown);
                    file.add(buildRow(file.source, record.line, ledger, v, file.plan));
                    return true;
                });
    if (templates || incomes)
        file.plan.notes << QCoreApplication::translate(
                               "CsvImport", "%1 里的 %2 条提醒和 %3 条收入不是费用，没有导入。")
                               .arg(file.plan.sourceName(file.source))
                               .arg(templates)
                               .arg(incomes);
}

} // namespace

bool ReadFuelio(int source, const CsvTable& records, const ImportOptions& options,
                ImportPlan& plan)
{
    const std::map<QString, Section> sections = sectionsOf(records);
    auto section = [&](const char* name) {
        const auto found = sections.find(QLatin1String(name));
        return found == sections.end() ? nullptr : &found->second;
    };
    const Section* log = section("log");
    const Section* costs = section("costs");
    const std::optional<Section> unnamed = log ? std::nullopt : unnamedLog(records, sections);
    if (unnamed)
        log = &*unnamed;
    if (!log && !costs)
        return false;
    plan.sources[size_t(source)].format = QCoreApplication::translate("CsvImport", "Fuelio 备份");

    FuelioVehicle vehicle;
    if (const Section* s = section("vehicle"))
        vehicle = readFuelioVehicle(source, records, *s);
    if (log)
        unitsOfLog(headerOf(records, *log), vehicle);
    setUnits(source, options, vehicle.distance, vehicle.volume, plan);
    if (vehicle.car.property) {
        const int tank = vehicle.ledgerTank();
        const VolumeUnit unit =
            tank == 2 ? vehicle.secondVolume.value_or(plan.volume) : plan.volume;
        vehicle.car.property->fuelVolume = vehicle.capacities[tank - 1] * LitresPer(unit);
    }
    if (!vehicle.car.name.isEmpty())
        plan.cars.push_back(vehicle.car);

    FuelioFile file{source, records, plan, vehicle.car.name, vehicle};
    noteDateOrder(source, fuelioDates(records, sections), plan, file.order);
    if (log)
        readFuelioLog(file, *log);
    if (costs) {
        const Section* categories = section("costcategories");
        readFuelioCosts(file, *costs,
                        categories ? readFuelioCategories(records, *categories)
                                   : std::map<int, QString>());
    }
    return true;
}

// --- generic CSV ----------------------------------------------------------------------

namespace {

GenericField guessField(const QString& header)
{
    const QString h = foldHeader(header);
    auto any = [&](std::initializer_list<const char*> words) {
        for (const char* word : words)
            if (h.contains(QString::fromUtf8(word)))
                return true;
        return false;
    };
    if (any({"日期", "date", "时间", "day", "datum"}))
        return GenericField::Date;
    if (any({"里程", "odometer", "mileage", "odo", "公里", "kilomet", "km", "miles"}))
        return GenericField::Odometer;
    if (any({"单价", "unitprice", "priceper", "volumeprice"}))
        return GenericField::Price;
    if (any({"金额", "总价", "费用", "cost", "amount", "total", "sum", "花费", "price"}))
        return GenericField::Amount;
    if (any({"数量", "加油量", "升", "litre", "liter", "fuel", "quantity", "volume", "gallon",
             "qty"}))
        return GenericField::Quantity;
    if (any({"备注", "note", "comment", "memo", "remark"}))
        return GenericField::Note;
    if (any({"服务商", "商家", "加油站", "地点", "provider", "station", "vendor", "shop",
             "supplier", "store", "location"}))
        return GenericField::Provider;
    if (any({"内容", "项目", "说明", "名称", "description", "item", "name", "title", "category"}))
        return GenericField::Content;
    return GenericField::Ignore;
}

// Sets the fields the user named for columns (by header, else by number
// from 1) over the guess; a field taken so is taken from no other column.
// False, with the plan's refusal, for a column the file does not have.
bool mapColumns(const std::vector<std::pair<QString, GenericField>>& named, int source,
                ImportPlan& plan, std::vector<GenericField>& mapping)
{
    std::vector<bool> byHand(mapping.size(), false);
    for (const auto& [name, field] : named) {
        int column = -1;
        for (int i = 0; i < plan.genericHeader.size() && column < 0; ++i)
            if (plan.genericHeader[i].compare(name.trimmed(), Qt::CaseInsensitive) == 0)
                column = i;
        bool number = false;
        const int position = name.trimmed().toInt(&number);
        if (column < 0 && number && position >= 1 && position <= int(mapping.size()))
            column = position - 1;
        if (column < 0) {
            plan.refusal = QCoreApplication::translate("CsvImport", "%1：没有“%2”这一栏。")
                               .arg(plan.sourceName(source), name);
            return false;
        }
        for (size_t i = 0; i < mapping.size(); ++i)
            if (field != GenericField::Ignore && mapping[i] == field && !byHand[i])
                mapping[i] = GenericField::Ignore;
        mapping[size_t(column)] = field;
        byHand[size_t(column)] = true;
    }
    return true;
}

} // namespace

void ReadGeneric(int source, const CsvTable& records, const ImportOptions& options,
                 ImportPlan& plan)
{
    const QStringList header = records.front().fields;
    plan.sources[size_t(source)].format = QCoreApplication::translate("CsvImport", "通用 CSV");
    plan.generic = true;
    plan.asksForLedger = true;
    plan.genericHeader.clear();
    for (const QString& h : header)
        plan.genericHeader << h.trimmed();
    std::vector<GenericField> mapping = options.mapping;
    if (mapping.size() != size_t(header.size())) {
        mapping.clear();
        for (const QString& h : header) {
            GenericField field = guessField(h);
            // Each field from one column only: the first that names it.
            if (std::find(mapping.begin(), mapping.end(), field) != mapping.end())
                field = GenericField::Ignore;
            mapping.push_back(field);
        }
        if (!mapColumns(options.columnFields, source, plan, mapping))
            return;
    }
    plan.mapping = mapping;
    setUnits(source, options, std::nullopt, std::nullopt, plan);
    auto column = [&](GenericField field) {
        const auto it = std::find(mapping.begin(), mapping.end(), field);
        return it == mapping.end() ? -1 : int(it - mapping.begin());
    };
    const int date = column(GenericField::Date);
    const int odometer = column(GenericField::Odometer), amount = column(GenericField::Amount),
              price = column(GenericField::Price), quantity = column(GenericField::Quantity),
              note = column(GenericField::Note), provider = column(GenericField::Provider),
              content = column(GenericField::Content);
    const LedgerKind ledger = options.ledger.value_or(
        quantity >= 0 && content < 0 ? LedgerKind::Refuel : LedgerKind::DailyCost);
    plan.ledger = ledger;
    if (date < 0) {
        plan.refusal =
            QCoreApplication::translate("CsvImport", "%1：请在“各栏对应的内容”里指定哪一栏是日期。")
                .arg(plan.sourceName(source));
        return;
    }
    // Records without what they cost (a log without its odometer) are no records.
    const bool valued = ledger == LedgerKind::CarLog      ? odometer >= 0
                        : ledger == LedgerKind::Accessory ? amount >= 0 || price >= 0
                        : ledger == LedgerKind::Refuel
                            ? amount >= 0 || (price >= 0 && quantity >= 0)
                            : amount >= 0;
    if (!valued) {
        const QString field = GenericFieldName(ledger == LedgerKind::CarLog ? GenericField::Odometer
                                                                            : GenericField::Amount);
        plan.refusal =
            QCoreApplication::translate(
                "CsvImport", "%1：没有哪一栏是%2，导入的%3会没有%2。请在“各栏对应的内容”里"
                             "指定哪一栏是%2（命令行用 --map 栏名=%2）。")
                .arg(plan.sourceName(source), field, InfoOf(ledger).shownName());
        return;
    }
    if (ledger == LedgerKind::Refuel && !options.distance)
        plan.notes << QCoreApplication::translate(
                          "CsvImport",
                          "里程按%1、油量按%2导入；如果文件用的是英里或加仑，请在上面选择。")
                          .arg(UnitName(plan.distance), UnitName(plan.volume));
    DecimalMarkGuess marks;
    DateOrderGuesser dates;
    guessStyle(records, 1, records.size(), {odometer, amount, price, quantity}, date, &marks,
               &dates);
    const DecimalMark mark = marks.mark();
    DateOrder order;
    noteDateOrder(source, dates.guess(), plan, order);
    readRecords(
        source, records, 1, records.size(), int(header.size()), plan,
        [&](const CsvRecord& record, QString& problem) {
            ForeignValues v;
            const bool read =
                readForeignDate(cell(record, date), order, v.date, problem) &&
                readForeignNumber(cell(record, odometer), header.value(odometer), mark, v.odometer,
                                  problem) &&
                optionalNumber(record, amount, header.value(amount), mark, v.amount, problem) &&
                optionalNumber(record, price, header.value(price), mark, v.unitPrice, problem) &&
                optionalNumber(record, quantity, header.value(quantity), mark, v.quantity, problem);
            if (!read)
                return false;
            v.time = readTimeOfDay(cell(record, date));
            v.content = cell(record, content).trimmed();
            v.provider = cell(record, provider).trimmed();
            v.notes << cell(record, note);
            plan.addRow(buildRow(source, record.line, ledger, v, plan));
            return true;
        });
}
