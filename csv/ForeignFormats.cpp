#include "csv/ForeignFormats.h"

#include "csv/ImportCells.h"

#include <QRegularExpression>
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
    bool fullTank = true;
    bool missedBefore = false;
};

QString joined(const QStringList& parts)
{
    QStringList kept;
    for (const QString& part : parts)
        if (!part.trimmed().isEmpty())
            kept << part.trimmed();
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
        r.amount = amount;
        if (litres > 0)
            r.price = amount / litres;
        else if (v.unitPrice)
            r.price = *v.unitPrice / litresPer;
        if (litres > 0)
            row.litres = litres;
        row.fullTank = v.fullTank;
        row.missedBefore = v.missedBefore;
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
    case LedgerKind::Accessory:
        r.name = v.content;
        r.provider = v.provider;
        r.count = v.quantity && quantity > 0 ? quantity : 1;
        r.price = v.unitPrice ? *v.unitPrice : amount / r.count;
        r.mark = joined(v.notes);
        break;
    case LedgerKind::CarLog:
        r.mark = joined(QStringList{v.content, v.provider} + v.notes);
        break;
    }
    flagNumbers(row);
    return row;
}

// The cells of some columns in every data row, to tell the file's number and date style.
std::vector<QString> cellsOf(const std::vector<CsvRecord>& records, size_t first, size_t last,
                             const std::vector<int>& columns)
{
    std::vector<QString> cells;
    for (size_t i = first; i < last && i < records.size(); ++i)
        for (int c : columns)
            if (c >= 0 && c < records[i].fields.size())
                cells.push_back(records[i].fields[c]);
    return cells;
}

void setUnits(const ImportOptions& options, std::optional<DistanceUnit> fileDistance,
              std::optional<VolumeUnit> fileVolume, ImportPlan& plan)
{
    plan.hasUnits = true;
    plan.distance = options.distance.value_or(fileDistance.value_or(DistanceUnit::Kilometres));
    plan.volume = options.volume.value_or(fileVolume.value_or(VolumeUnit::Litres));
}

void noteDateOrder(int source, const std::vector<QString>& dates, ImportPlan& plan,
                   DateOrder& order)
{
    bool certain = false;
    order = GuessDateOrder(dates, certain);
    static const QRegularExpression slashed(QStringLiteral("^\\d{1,2}/\\d{1,2}/\\d{4}"));
    const bool ambiguous = std::any_of(dates.begin(), dates.end(), [](const QString& d) {
        return slashed.match(d.trimmed()).hasMatch();
    });
    if (!certain && ambiguous)
        plan.notes << QStringLiteral("%1 的日期看不出是“月/日/年”还是“日/月/年”，按“月/日/年”导入，"
                                     "请核对预览里的日期。")
                          .arg(plan.sourceName(source));
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

// --- LubeLogger -----------------------------------------------------------------------

enum class LubeKind
{
    Fuel,
    Service,
    Tax,
    Odometer,
    Supply,
};

} // namespace

bool ReadLubeLogger(int source, const std::vector<CsvRecord>& records, const ImportOptions& options,
                    ImportPlan& plan)
{
    const QStringList& header = records.front().fields;
    const Columns columns(header);
    auto has = [&](const char* name) { return columns.has(QLatin1String(name)); };
    if (!has("date"))
        return false;
    LubeKind kind;
    if (has("fuelconsumed") && has("cost"))
        kind = LubeKind::Fuel;
    else if (has("initialodometer") && has("odometer"))
        kind = LubeKind::Odometer;
    else if ((has("partnumber") || has("partsupplier") || has("partquantity")) && has("cost"))
        kind = LubeKind::Supply;
    else if (has("description") && has("cost"))
        kind = has("odometer") ? LubeKind::Service : LubeKind::Tax;
    else
        return false;

    static const std::map<LubeKind, QString> formats = {
        {LubeKind::Fuel, QStringLiteral("LubeLogger 加油记录")},
        {LubeKind::Service, QStringLiteral("LubeLogger 服务/维修/改装记录")},
        {LubeKind::Tax, QStringLiteral("LubeLogger 税费记录")},
        {LubeKind::Odometer, QStringLiteral("LubeLogger 里程记录")},
        {LubeKind::Supply, QStringLiteral("LubeLogger 配件记录")},
    };
    plan.sources[size_t(source)].format = formats.at(kind);
    LedgerKind ledger = LedgerKind::Refuel;
    switch (kind) {
    case LubeKind::Fuel:
        break;
    case LubeKind::Odometer:
        ledger = LedgerKind::CarLog;
        break;
    case LubeKind::Supply:
        ledger = LedgerKind::Accessory;
        break;
    case LubeKind::Service:
    case LubeKind::Tax:
        // The file does not tell service, repair and upgrade records apart.
        plan.asksForLedger = true;
        ledger = options.ledger.value_or(kind == LubeKind::Service ? LedgerKind::Maintain
                                                                   : LedgerKind::DailyCost);
        plan.ledger = ledger;
        break;
    }
    setUnits(options, std::nullopt, std::nullopt, plan);
    if (!options.distance)
        plan.notes << QStringLiteral(
                          "LubeLogger 的文件不写单位：里程按%1、油量按%2导入；"
                          "如果是英里或加仑，请在预览里选择（命令行用 --distance、--volume）。")
                          .arg(UnitName(plan.distance), UnitName(plan.volume));

    const int date = columns.of(QStringLiteral("date"));
    const int odometer = columns.of(QStringLiteral("odometer"));
    const int fuel = columns.of(QStringLiteral("fuelconsumed"));
    const int cost = columns.of(QStringLiteral("cost"));
    const int price = columns.of(QStringLiteral("price"));
    const int full = columns.of(QStringLiteral("isfilltofull"));
    const int partial = columns.of(QStringLiteral("partialfuelup"));
    const int missed = columns.of(QStringLiteral("missedfuelup"));
    const int description = columns.of(QStringLiteral("description"));
    const int notes = columns.of(QStringLiteral("notes"));
    const int tags = columns.of(QStringLiteral("tags"));
    const int partNumber = columns.of(QStringLiteral("partnumber"));
    const int supplier = columns.of(QStringLiteral("partsupplier"));
    const int quantity = columns.of(QStringLiteral("partquantity"));
    std::vector<int> extras;
    for (int i = 0; i < header.size(); ++i)
        if (columns.folded()[i].startsWith(QLatin1String("extrafield")))
            extras.push_back(i);

    const DecimalMark mark =
        GuessDecimalMark(cellsOf(records, 1, records.size(), {odometer, fuel, cost, price}));
    DateOrder order;
    noteDateOrder(source, cellsOf(records, 1, records.size(), {date}), plan, order);

    for (size_t i = 1; i < records.size(); ++i) {
        const CsvRecord& record = records[i];
        if (allEmpty(record.fields) || !wellFormed(source, record, int(header.size()), plan))
            continue;
        ForeignValues v;
        QString problem;
        double odo = 0;
        const bool read =
            readForeignDate(cell(record, date), order, v.date, problem) &&
            readForeignNumber(cell(record, odometer), QStringLiteral("Odometer"), mark, odo,
                              problem) &&
            optionalNumber(record, cost, QStringLiteral("Cost"), mark, v.amount, problem) &&
            optionalNumber(record, fuel, QStringLiteral("FuelConsumed"), mark, v.quantity,
                           problem) &&
            optionalNumber(record, price, QStringLiteral("Price"), mark, v.unitPrice, problem) &&
            optionalNumber(record, quantity, QStringLiteral("PartQuantity"), mark, v.quantity,
                           problem);
        if (!read) {
            plan.rejected.push_back({source, record.line, problem});
            continue;
        }
        v.odometer = odo;
        if (kind == LubeKind::Fuel && !v.quantity && v.amount && v.unitPrice && *v.unitPrice > 0)
            v.quantity = *v.amount / *v.unitPrice;
        if (kind == LubeKind::Supply && v.quantity && *v.quantity > 0 && v.amount)
            v.unitPrice = *v.amount / *v.quantity; // Cost is what all the parts cost
        v.fullTank = full >= 0      ? readFlag(cell(record, full))
                     : partial >= 0 ? !readFlag(cell(record, partial))
                                    : true;
        v.missedBefore = missed >= 0 && readFlag(cell(record, missed));
        v.content = cell(record, description).trimmed();
        if (partNumber >= 0 && !cell(record, partNumber).trimmed().isEmpty())
            v.content = joined({v.content, cell(record, partNumber)});
        v.provider = cell(record, supplier).trimmed();
        v.notes << cell(record, notes);
        if (!cell(record, tags).trimmed().isEmpty())
            v.notes << QStringLiteral("标签：") + cell(record, tags).trimmed();
        for (int e : extras)
            if (!cell(record, e).trimmed().isEmpty())
                v.notes << header[e].trimmed().mid(int(qstrlen("extrafield_"))) +
                               QStringLiteral("：") + cell(record, e).trimmed();
        plan.rows.push_back(buildRow(source, record.line, ledger, v, plan));
    }
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
std::map<QString, Section> sectionsOf(const std::vector<CsvRecord>& records)
{
    std::map<QString, Section> sections;
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

// Fuelio's own categories, for files without a category section.
QString defaultCategory(int id)
{
    switch (id) {
    case 1:
        return QStringLiteral("Service");
    case 2:
        return QStringLiteral("Maintenance");
    case 9:
        return QStringLiteral("Tuning");
    default:
        return QString();
    }
}

} // namespace

bool ReadFuelio(int source, const std::vector<CsvRecord>& records, const ImportOptions& options,
                ImportPlan& plan)
{
    const std::map<QString, Section> sections = sectionsOf(records);
    const auto log = sections.find(QStringLiteral("log"));
    const auto costs = sections.find(QStringLiteral("costs"));
    if (log == sections.end() && costs == sections.end())
        return false;
    plan.sources[size_t(source)].format = QStringLiteral("Fuelio 备份");
    auto headerOf = [&](const Section& s) {
        return s.header < records.size() ? records[s.header].fields : QStringList();
    };

    // The vehicle: its name, units and tank.
    QString carName;
    std::optional<DistanceUnit> fileDistance;
    std::optional<VolumeUnit> fileVolume;
    ImportCarRow car;
    if (const auto vehicle = sections.find(QStringLiteral("vehicle"));
        vehicle != sections.end() && vehicle->second.header + 1 < vehicle->second.end) {
        const QStringList header = headerOf(vehicle->second);
        const Columns columns(header);
        const CsvRecord& row = records[vehicle->second.header + 1];
        auto value = [&](const char* name) {
            return cell(row, columns.of(QLatin1String(name))).trimmed();
        };
        carName = value("name");
        const QString dist = value("distunit"), vol = value("fuelunit");
        if (dist == QLatin1String("1"))
            fileDistance = DistanceUnit::Miles;
        else if (dist == QLatin1String("0"))
            fileDistance = DistanceUnit::Kilometres;
        if (vol == QLatin1String("1"))
            fileVolume = VolumeUnit::UsGallons;
        else if (vol == QLatin1String("2"))
            fileVolume = VolumeUnit::ImperialGallons;
        else if (vol == QLatin1String("0"))
            fileVolume = VolumeUnit::Litres;
        car.source = source;
        car.line = row.line;
        car.name = carName;
        CARPROPERTY property;
        property.manufacture = value("make");
        property.carType = joined({value("model"), value("year")})
                               .replace(QStringLiteral("；"), QStringLiteral(" "));
        property.vin = value("vin");
        property.carNo = value("plate");
        double tank = 0;
        QString ignored;
        if (readNumber(value("tank1capacity"), QString(), tank, ignored) && tank > 0)
            car.property = property; // the volume is set once the units are known
        else if (!property.manufacture.isEmpty() || !property.carType.isEmpty() ||
                 !property.vin.isEmpty() || !property.carNo.isEmpty())
            car.property = property;
        if (car.property)
            car.property->fuelVolume = tank;
    }
    // Without a vehicle section the log's headers may name the units.
    if (log != sections.end()) {
        const Columns columns(headerOf(log->second));
        for (const QString& folded : columns.folded()) {
            if (!fileDistance && folded.startsWith(QLatin1String("odo")))
                fileDistance = distanceIn(folded);
            if (!fileVolume && folded.startsWith(QLatin1String("fuel(")))
                fileVolume = volumeIn(folded);
        }
    }
    setUnits(options, fileDistance, fileVolume, plan);
    if (car.property)
        car.property->fuelVolume *= LitresPer(plan.volume);
    if (!car.name.isEmpty())
        plan.cars.push_back(car);

    std::vector<QString> dates;
    for (const auto& [name, s] : sections) {
        const Columns columns(headerOf(s));
        for (const char* d : {"data", "date"})
            for (const QString& c :
                 cellsOf(records, s.header + 1, s.end, {columns.of(QLatin1String(d))}))
                dates.push_back(c);
    }
    DateOrder order;
    noteDateOrder(source, dates, plan, order);

    if (log != sections.end()) {
        const QStringList header = headerOf(log->second);
        const Columns columns(header);
        const int date = columns.of(QStringLiteral("data"));
        const int odo = columns.startingWith(QStringLiteral("odo"));
        const int fuel = columns.startingWith(QStringLiteral("fuel("));
        const int full = columns.of(QStringLiteral("full"));
        const int price = columns.startingWith(QStringLiteral("price"));
        const int volumePrice = columns.of(QStringLiteral("volumeprice"));
        const int city = columns.startingWith(QStringLiteral("city"));
        const int notes = columns.startingWith(QStringLiteral("notes"));
        const int missed = columns.of(QStringLiteral("missed"));
        const DecimalMark mark = GuessDecimalMark(
            cellsOf(records, log->second.header + 1, log->second.end, {odo, fuel, price}));
        for (size_t i = log->second.header + 1; i < log->second.end; ++i) {
            const CsvRecord& record = records[i];
            if (allEmpty(record.fields) || !wellFormed(source, record, int(header.size()), plan))
                continue;
            ForeignValues v;
            QString problem;
            const bool read =
                readForeignDate(cell(record, date), order, v.date, problem) &&
                readForeignNumber(cell(record, odo), QStringLiteral("Odo"), mark, v.odometer,
                                  problem) &&
                optionalNumber(record, fuel, QStringLiteral("Fuel"), mark, v.quantity, problem) &&
                optionalNumber(record, price, QStringLiteral("Price"), mark, v.amount, problem) &&
                optionalNumber(record, volumePrice, QStringLiteral("VolumePrice"), mark,
                               v.unitPrice, problem);
            if (!read) {
                plan.rejected.push_back({source, record.line, problem});
                continue;
            }
            v.fullTank = full < 0 || readFlag(cell(record, full));
            v.missedBefore = readFlag(cell(record, missed));
            v.provider = cell(record, city).trimmed();
            v.notes << cell(record, notes);
            ImportRow row = buildRow(source, record.line, LedgerKind::Refuel, v, plan);
            row.car = carName;
            plan.rows.push_back(std::move(row));
        }
    }

    if (costs != sections.end()) {
        std::map<int, QString> categories;
        if (const auto c = sections.find(QStringLiteral("costcategories")); c != sections.end()) {
            const Columns columns(headerOf(c->second));
            const int id = columns.of(QStringLiteral("costtypeid"));
            const int name = columns.of(QStringLiteral("name"));
            for (size_t i = c->second.header + 1; i < c->second.end; ++i)
                categories[cell(records[i], id).trimmed().toInt()] =
                    cell(records[i], name).trimmed();
        }
        const QStringList header = headerOf(costs->second);
        const Columns columns(header);
        const int title = columns.of(QStringLiteral("costtitle"));
        const int date = columns.of(QStringLiteral("date"));
        const int odo = columns.of(QStringLiteral("odo"));
        const int type = columns.of(QStringLiteral("costtypeid"));
        const int notes = columns.of(QStringLiteral("notes"));
        const int cost = columns.of(QStringLiteral("cost"));
        const int templ = columns.of(QStringLiteral("istemplate"));
        const int income = columns.of(QStringLiteral("isincome"));
        const DecimalMark mark = GuessDecimalMark(
            cellsOf(records, costs->second.header + 1, costs->second.end, {odo, cost}));
        int templates = 0, incomes = 0;
        for (size_t i = costs->second.header + 1; i < costs->second.end; ++i) {
            const CsvRecord& record = records[i];
            if (allEmpty(record.fields) || !wellFormed(source, record, int(header.size()), plan))
                continue;
            if (readFlag(cell(record, templ))) {
                ++templates; // a reminder, no cost
                continue;
            }
            if (readFlag(cell(record, income))) {
                ++incomes;
                continue;
            }
            ForeignValues v;
            QString problem;
            const bool read =
                readForeignDate(cell(record, date), order, v.date, problem) &&
                readForeignNumber(cell(record, odo), QStringLiteral("Odo"), mark, v.odometer,
                                  problem) &&
                optionalNumber(record, cost, QStringLiteral("Cost"), mark, v.amount, problem);
            if (!read) {
                plan.rejected.push_back({source, record.line, problem});
                continue;
            }
            const int id = cell(record, type).trimmed().toInt();
            const QString category = categories.count(id) ? categories[id] : defaultCategory(id);
            v.content = cell(record, title).trimmed();
            v.notes << cell(record, notes);
            if (costLedger(category) == LedgerKind::DailyCost && !category.isEmpty())
                v.notes.prepend(category);
            ImportRow row = buildRow(source, record.line, costLedger(category), v, plan);
            row.car = carName;
            plan.rows.push_back(std::move(row));
        }
        if (templates || incomes)
            plan.notes << QStringLiteral("%1 里的 %2 条提醒和 %3 条收入不是费用，没有导入。")
                              .arg(plan.sourceName(source))
                              .arg(templates)
                              .arg(incomes);
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

} // namespace

void ReadGeneric(int source, const std::vector<CsvRecord>& records, const ImportOptions& options,
                 ImportPlan& plan)
{
    const QStringList& header = records.front().fields;
    plan.sources[size_t(source)].format = QStringLiteral("通用 CSV");
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
    }
    plan.mapping = mapping;
    setUnits(options, std::nullopt, std::nullopt, plan);
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
        plan.refusal = QStringLiteral("%1：请在“各栏对应的内容”里指定哪一栏是日期。")
                           .arg(plan.sourceName(source));
        return;
    }
    if (ledger == LedgerKind::Refuel && !options.distance)
        plan.notes << QStringLiteral(
                          "里程按%1、油量按%2导入；如果文件用的是英里或加仑，请在上面选择。")
                          .arg(UnitName(plan.distance), UnitName(plan.volume));
    const DecimalMark mark =
        GuessDecimalMark(cellsOf(records, 1, records.size(), {odometer, amount, price, quantity}));
    DateOrder order;
    noteDateOrder(source, cellsOf(records, 1, records.size(), {date}), plan, order);
    for (size_t i = 1; i < records.size(); ++i) {
        const CsvRecord& record = records[i];
        if (allEmpty(record.fields) || !wellFormed(source, record, int(header.size()), plan))
            continue;
        ForeignValues v;
        QString problem;
        const bool read =
            readForeignDate(cell(record, date), order, v.date, problem) &&
            readForeignNumber(cell(record, odometer), header.value(odometer), mark, v.odometer,
                              problem) &&
            optionalNumber(record, amount, header.value(amount), mark, v.amount, problem) &&
            optionalNumber(record, price, header.value(price), mark, v.unitPrice, problem) &&
            optionalNumber(record, quantity, header.value(quantity), mark, v.quantity, problem);
        if (!read) {
            plan.rejected.push_back({source, record.line, problem});
            continue;
        }
        v.content = cell(record, content).trimmed();
        v.provider = cell(record, provider).trimmed();
        v.notes << cell(record, note);
        plan.rows.push_back(buildRow(source, record.line, ledger, v, plan));
    }
}
