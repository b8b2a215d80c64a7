#include "csv/ImportSummary.h"

#include "database/Figures.h"
#include "ledgers/LedgerFormat.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <map>

std::vector<ImportBatch> ImportBatches(const ImportPlan& plan, int firstRows)
{
    std::map<std::pair<int, int>, ImportBatch> batches;
    for (size_t i = 0; i < plan.rows.size(); ++i) {
        const ImportRows::Key row = plan.rows.key(i);
        ImportBatch& batch = batches[{row.target, int(row.ledger)}];
        batch.target = row.target;
        batch.ledger = row.ledger;
        ++batch.rows;
        batch.duplicates += row.duplicate;
        if (int(batch.first.size()) < firstRows && !(row.duplicate && plan.skipDuplicates))
            batch.first.push_back(plan.rows[i]);
    }
    std::vector<ImportBatch> list;
    for (auto& [key, batch] : batches)
        list.push_back(std::move(batch));
    return list;
}

QString TargetText(const ImportPlan& plan, int target)
{
    if (target < 0 || target >= int(plan.targets.size()))
        return QString();
    const ImportTarget& t = plan.targets[size_t(target)];
    return t.name + (t.carId.isEmpty()
                         ? QCoreApplication::translate("CsvImport", "（新建）")
                         : QCoreApplication::translate("CsvImport", "（%1）").arg(t.carId));
}

QString LineText(const ImportPlan& plan, int source, int line)
{
    return QCoreApplication::translate("CsvImport", "%1 第 %2 行")
        .arg(plan.sourceName(source))
        .arg(line);
}

QString MoreLinesText(qsizetype more)
{
    return QCoreApplication::translate("CsvImport", "  ……另有 %1 行").arg(more);
}

QString PreviewCell(const QString& text, int width)
{
    // Only the beginning is copied: a cell may hold millions of characters.
    qsizetype end = std::min<qsizetype>(text.size(), width);
    if (end < text.size() && text[end - 1].isHighSurrogate())
        --end;
    QString cell = text.left(end);
    cell.replace(QLatin1String("\r\n"), QLatin1String(" "));
    cell.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    return end < text.size() ? cell + QStringLiteral("…") : cell;
}

QStringList RowTexts(const ImportRow& row)
{
    QStringList texts;
    for (const LedgerColumn& column : ExportColumns(row.ledger)) {
        if (column.kind == CellKind::Quantity) {
            const std::optional<double> quantity = FuelQuantity(row.record);
            texts << (quantity ? QuantityText(*quantity) : QStringLiteral("--"));
        } else if (column.kind == CellKind::DerivedMoney && row.ledger == LedgerKind::Accessory)
            texts << MoneyText(AccessoryCost(row.record));
        else if (column.field == LedgerField::None)
            texts << QString(); // the estimates need the records before it
        else if (column.field == LedgerField::Date)
            texts << row.record.date;
        else
            texts << PreviewCell(FieldText(column, row.record));
    }
    return texts;
}

QString ImportSummaryText(const ImportPlan& plan)
{
    QString text;
    auto line = [&](const QString& s) { text += s + QLatin1Char('\n'); };
    for (const ImportSource& source : plan.sources)
        line(QCoreApplication::translate("CsvImport", "文件：%1（%2，%3）")
                 .arg(QFileInfo(source.path).fileName(), source.format, source.encoding));
    if (plan.refused()) {
        line(QCoreApplication::translate("CsvImport", "不能导入：") + plan.refusal);
    } else {
        if (plan.hasUnits)
            line(QCoreApplication::translate("CsvImport", "单位：距离按%1，油量按%2换算。")
                     .arg(UnitName(plan.distance), UnitName(plan.volume)));
        const std::vector<ImportBatch> batches = ImportBatches(plan);
        line(QCoreApplication::translate("CsvImport", "将导入 %1 条记录：")
                 .arg(plan.writtenCount()));
        for (const ImportBatch& batch : batches) {
            const int written = batch.rows - (plan.skipDuplicates ? batch.duplicates : 0);
            QString entry =
                QCoreApplication::translate("CsvImport", "  %1  %2  %3 条")
                    .arg(TargetText(plan, batch.target), InfoOf(batch.ledger).shownName())
                    .arg(written);
            if (batch.duplicates)
                entry += plan.skipDuplicates
                             ? QCoreApplication::translate("CsvImport",
                                                           "（另有 %1 条与账本里的记录相同，跳过）")
                                   .arg(batch.duplicates)
                             : QCoreApplication::translate("CsvImport",
                                                           "（其中 %1 条与账本里的记录相同）")
                                   .arg(batch.duplicates);
            line(entry);
        }
        if (!plan.reminders.empty()) {
            const int skipped = int(plan.reminders.size()) - plan.reminderCount();
            line(skipped ? QCoreApplication::translate(
                               "CsvImport", "  保养提醒  %1 条（另有 %2 条账本里已有，跳过）")
                               .arg(plan.reminderCount())
                               .arg(skipped)
                         : QCoreApplication::translate("CsvImport", "  保养提醒  %1 条")
                               .arg(plan.reminderCount()));
        }
        for (const ImportTarget& target : plan.targets)
            if (target.carId.isEmpty())
                line(QCoreApplication::translate("CsvImport", "将新建车辆“%1”。").arg(target.name));
        for (const ImportBatch& batch : batches) {
            if (batch.first.empty())
                continue;
            QStringList header;
            for (const LedgerColumn& column : ExportColumns(batch.ledger))
                header << ShownFileCaption(column.header);
            line(QCoreApplication::translate("CsvImport", "%1 %2 的前 %3 条：")
                     .arg(TargetText(plan, batch.target), InfoOf(batch.ledger).shownName())
                     .arg(batch.first.size()));
            line(QStringLiteral("  ") + header.join(QStringLiteral(" | ")));
            for (const ImportRow& row : batch.first)
                line(QStringLiteral("  ") + RowTexts(row).join(QStringLiteral(" | ")));
        }
    }
    const int duplicates = plan.duplicateCount();
    if (duplicates && plan.skipDuplicates) {
        line(QCoreApplication::translate(
                 "CsvImport", "与账本里已有记录相同（日期、里程表、金额一样）而跳过的 %1 行：")
                 .arg(duplicates));
        int listed = 0;
        for (size_t i = 0; i < plan.rows.size() && listed < kListedLines; ++i)
            if (const ImportRows::Key row = plan.rows.key(i); row.duplicate && ++listed)
                line(QStringLiteral("  ") + LineText(plan, row.source, row.line));
        if (duplicates > listed)
            line(MoreLinesText(duplicates - listed));
    }
    if (!plan.rejected.empty()) {
        line(QCoreApplication::translate("CsvImport", "不能导入的 %1 行：")
                 .arg(plan.rejected.size()));
        for (size_t i = 0; i < plan.rejected.size() && i < size_t(kListedLines); ++i)
            line(QCoreApplication::translate("CsvImport", "  %1：%2")
                     .arg(LineText(plan, plan.rejected[i].source, plan.rejected[i].line),
                          PreviewCell(plan.rejected[i].reason, kReasonWidth)));
        if (plan.rejected.size() > size_t(kListedLines))
            line(MoreLinesText(qsizetype(plan.rejected.size()) - kListedLines));
    }
    QStringList flagged;
    qsizetype unlisted = 0;
    const auto flag = [&](int source, int lineNumber, const QStringList& flags) {
        if (flags.isEmpty())
            return;
        if (flagged.size() == kListedLines) {
            ++unlisted;
            return;
        }
        flagged << QCoreApplication::translate("CsvImport", "  %1：%2")
                       .arg(LineText(plan, source, lineNumber),
                            flags.join(QCoreApplication::translate("CsvImport", "；")));
    };
    for (const ImportCarRow& car : plan.cars)
        flag(car.source, car.line, car.flags);
    for (size_t i = 0; i < plan.rows.size(); ++i)
        if (plan.rows.key(i).flagged) {
            const ImportRow row = plan.rows[i];
            flag(row.source, row.line, row.flags);
        }
    if (!flagged.isEmpty())
        line(QCoreApplication::translate("CsvImport", "请核对这些行："));
    for (const QString& entry : flagged)
        line(entry);
    if (unlisted)
        line(MoreLinesText(unlisted));
    for (const QString& note : plan.notes)
        line(QCoreApplication::translate("CsvImport", "说明：") + note);
    return text;
}
