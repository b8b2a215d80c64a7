#include "csv/CsvDialogs.h"

#include "csv/CsvExport.h"
#include "csv/CsvImport.h"
#include "csv/CsvText.h"
#include "csv/ImportSummary.h"
#include "database/MyDatabase.h"
#include "platform/FileDialog.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/MessageCodes.h"
#include "platform/Profile.h"
#include "platform/ProgressBar.h"
#include "platform/StoreFailure.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace platform;

namespace {

// The car box's first item when the file names its cars, and the encoding
// box's first item.
QString fromFileText()
{
    return QCoreApplication::translate("CDlgImportPreview", "按文件所写");
}
QString fromContentText()
{
    return QCoreApplication::translate("CDlgImportPreview", "按文件内容判断");
}

QLabel* labelFor(QWidget* control, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(control);
    control->setAccessibleName(QString(text)
                                   .remove(QLatin1Char('&'))
                                   .remove(QStringLiteral("："))
                                   .remove(QLatin1Char(':'))
                                   .trimmed());
    return label;
}

QTableWidget* makeTable(const QStringList& header, QWidget* parent, const QString& name)
{
    auto* table = new QTableWidget(0, int(header.size()), parent);
    table->setHorizontalHeaderLabels(header);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setVisible(false);
    table->setTabKeyNavigation(false); // Tab leaves the table for the next control
    table->setAccessibleName(name);
    return table;
}

void addRow(QTableWidget* table, const QStringList& cells)
{
    const int row = table->rowCount();
    table->insertRow(row);
    for (int c = 0; c < cells.size(); ++c)
        table->setItem(row, c, new QTableWidgetItem(cells[c]));
}

} // namespace

// --- export -----------------------------------------------------------------------

CDlgCsvExport::CDlgCsvExport(const QString& currentCarName, const QString& folder, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("导出为 CSV"));
    auto* layout = new QVBoxLayout(this);

    auto* which = new QGroupBox(tr("导出哪些车辆的记录"), this);
    auto* whichLayout = new QVBoxLayout(which);
    m_currentCar =
        new QRadioButton(currentCarName.isEmpty() ? tr("当前车辆（没有选择当前车辆）")
                                                  : tr("当前车辆：%1").arg(currentCarName),
                         which);
    m_allCars = new QRadioButton(tr("所有车辆"), which);
    m_currentCar->setEnabled(!currentCarName.isEmpty());
    (currentCarName.isEmpty() ? m_allCars : m_currentCar)->setChecked(true);
    whichLayout->addWidget(m_currentCar);
    whichLayout->addWidget(m_allCars);
    layout->addWidget(which);

    auto* folderRow = new QHBoxLayout;
    m_folder = new QLineEdit(QDir::toNativeSeparators(folder), this);
    m_browse = new QPushButton(tr("浏览(&B)…"), this);
    m_browse->setAccessibleName(tr("选择文件夹"));
    folderRow->addWidget(labelFor(m_folder, tr("保存到文件夹(&F)："), this));
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(m_browse);
    layout->addLayout(folderRow);

    auto* hint = new QLabel(tr("每类记录导出为一个 CSV 文件，文件名写明车辆和记录类型，"
                               "另有一个“车辆信息.csv”。文件是带 BOM 的 UTF-8，"
                               "表格程序可以直接打开和求和。同名的旧文件会被替换。"),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("导出"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
    layout->addWidget(m_buttons);

    connect(m_browse, &QPushButton::clicked, this, &CDlgCsvExport::browse);
    connect(m_folder, &QLineEdit::textChanged, this, &CDlgCsvExport::updateButtons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateButtons();
    resize(520, sizeHint().height());
}

bool CDlgCsvExport::AllCars() const
{
    return m_allCars->isChecked();
}

QString CDlgCsvExport::Folder() const
{
    return QDir::fromNativeSeparators(m_folder->text().trimmed());
}

void CDlgCsvExport::browse()
{
    const QString chosen = GetExistingDirectory(this, {tr("选择导出到哪个文件夹"), Folder()});
    if (!chosen.isEmpty())
        m_folder->setText(QDir::toNativeSeparators(chosen));
}

void CDlgCsvExport::updateButtons()
{
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!Folder().isEmpty());
}

void RunCsvExport(QWidget* parent, CMyDatabase& db, const std::function<int(CDlgCsvExport&)>& run)
{
    const QString remembered =
        GetProfileString(QStringLiteral("Csv"), QStringLiteral("ExportFolder"));
    const QString folder =
        remembered.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                                   QCoreApplication::translate("CsvDialogs", "/Orvyn 导出")
                             : remembered;
    CDlgCsvExport dialog(ValueOrShow(db.GetCurrentCarName(), parent), folder, parent);
    if ((run ? run(dialog) : dialog.exec()) != QDialog::Accepted)
        return;
    WriteProfileString(QStringLiteral("Csv"), QStringLiteral("ExportFolder"), dialog.Folder());

    CsvExportResult result;
    {
        ProgressBar progress(parent, QCoreApplication::translate("CsvDialogs", "正在导出……"));
        result =
            ExportCsv(db,
                      {dialog.Folder(),
                       dialog.AllCars() ? QString()
                                        : RightTrimmed(ValueOrShow(db.GetCurrentCarID(), parent))},
                      progress.report());
    }
    switch (result.outcome) {
    case CsvExportResult::Done:
        MessageBox(parent,
                   QCoreApplication::translate("CsvDialogs",
                                               "已导出 %1 条记录，共 %2 个文件，保存在：\n%3")
                       .arg(result.records)
                       .arg(result.files.size())
                       .arg(QDir::toNativeSeparators(dialog.Folder())),
                   kCaption, MB_OK | MB_ICONINFORMATION);
        break;
    case CsvExportResult::Cancelled:
        MessageBox(parent,
                   QCoreApplication::translate("CsvDialogs", "导出已取消，没有留下任何文件。"),
                   kCaption, MB_OK | MB_ICONINFORMATION);
        break;
    case CsvExportResult::Failed:
        MessageBox(parent, QCoreApplication::translate("CsvDialogs", "导出失败：") + result.error,
                   kCaption, MB_OK | MB_ICONERROR);
        break;
    }
}

// --- import -----------------------------------------------------------------------

CDlgImportPreview::CDlgImportPreview(CMyDatabase& db, const QStringList& files, QWidget* parent)
    : QDialog(parent), m_db(db), m_files(files)
{
    setWindowTitle(tr("导入预览"));
    auto* layout = new QVBoxLayout(this);

    auto* choices = new QFormLayout;
    m_car = new QComboBox(this);
    m_car->setEditable(true);
    m_car->setInsertPolicy(QComboBox::NoInsert);
    choices->addRow(labelFor(m_car, tr("导入到车辆(&C)："), this), m_car);
    m_ledger = new QComboBox(this);
    for (const auto& kind : LedgerKinds())
        m_ledger->addItem(kind.shownName(), int(kind.kind));
    m_ledgerLabel = labelFor(m_ledger, tr("记录类型(&L)："), this);
    choices->addRow(m_ledgerLabel, m_ledger);
    m_distance = new QComboBox(this);
    for (DistanceUnit unit : {DistanceUnit::Kilometres, DistanceUnit::Miles})
        m_distance->addItem(UnitName(unit), int(unit));
    m_distanceLabel = labelFor(m_distance, tr("文件里的里程单位(&D)："), this);
    choices->addRow(m_distanceLabel, m_distance);
    m_volume = new QComboBox(this);
    for (VolumeUnit unit : {VolumeUnit::Litres, VolumeUnit::UsGallons, VolumeUnit::ImperialGallons})
        m_volume->addItem(UnitName(unit), int(unit));
    m_volumeLabel = labelFor(m_volume, tr("文件里的油量单位(&V)："), this);
    choices->addRow(m_volumeLabel, m_volume);
    m_encoding = new QComboBox(this);
    m_encoding->addItem(fromContentText(), QString());
    for (const QString& encoding : CsvEncodings())
        m_encoding->addItem(encoding, encoding);
    choices->addRow(labelFor(m_encoding, tr("文件编码(&E)："), this), m_encoding);
    m_skipDuplicates =
        new QCheckBox(tr("跳过与账本里已有记录相同的行（日期、里程表、金额都一样）(&S)"), this);
    m_skipDuplicates->setChecked(true);
    choices->addRow(m_skipDuplicates);
    m_cutLongTexts = new QCheckBox(
        tr("超过 %1 字的文字只导入前 %1 字（不选时不导入那一行）(&T)").arg(kLongestText), this);
    choices->addRow(m_cutLongTexts);
    layout->addLayout(choices);

    m_mappingBox = new QGroupBox(tr("各栏对应的内容"), this);
    m_mappingGrid = new QGridLayout(m_mappingBox);
    layout->addWidget(m_mappingBox);

    m_tabs = new QTabWidget(this);
    m_tabs->setAccessibleName(tr("预览"));
    m_summary = new QPlainTextEdit(this);
    m_summary->setReadOnly(true);
    m_summary->setTabChangesFocus(true);
    m_summary->setAccessibleName(tr("导入概要"));
    layout->addWidget(m_tabs, 1);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    m_plan = planned(parent);
    if (m_plan.cancelled)
        return; // the caller asks nothing more
    // The car list: as the file says (when it names cars), then the ledger's cars.
    bool fileNamesCars = !m_plan.cars.empty();
    for (size_t i = 0; i < m_plan.rows.size() && !fileNamesCars; ++i)
        fileNamesCars = !m_plan.rows.car(i).isEmpty();
    if (fileNamesCars)
        m_car->addItem(fromFileText(), QString());
    std::vector<CARLIST> cars = ValueOrShow(m_db.GetCarList(), this);
    std::reverse(cars.begin(), cars.end());
    const QString current = RightTrimmed(ValueOrShow(m_db.GetCurrentCarID(), this));
    for (const CARLIST& car : cars) {
        m_car->addItem(car.name, car.carId);
        if (!fileNamesCars && car.carId == current)
            m_car->setCurrentIndex(m_car->count() - 1);
    }
    m_car->setToolTip(tr("可以输入一个新名字：导入时新建这辆车"));
    // The choices show what the file says before they are read back.
    buildMapping();
    showPlan();
    if (!fileNamesCars)
        replan(); // into the car shown: the current one, or one the user picks
    else
        m_plannedCar = m_car->currentText();
    // A listed car at once, a typed name when the typing is done.
    // Leaving the car box (for the import button, say) reads nothing again.
    const auto carChosen = [this] {
        if (m_car->currentText() != m_plannedCar)
            replan();
    };
    connect(m_car, &QComboBox::activated, this, carChosen);
    connect(m_car->lineEdit(), &QLineEdit::editingFinished, this, carChosen);
    for (QComboBox* box : {m_ledger, m_distance, m_volume, m_encoding})
        connect(box, &QComboBox::currentIndexChanged, this, &CDlgImportPreview::replan);
    connect(m_skipDuplicates, &QCheckBox::toggled, this, &CDlgImportPreview::replan);
    connect(m_cutLongTexts, &QCheckBox::toggled, this, &CDlgImportPreview::replan);
    resize(860, 600);
}

QComboBox* CDlgImportPreview::MappingBox(int column) const
{
    return column >= 0 && column < int(m_mapping.size()) ? m_mapping[size_t(column)] : nullptr;
}

QPushButton* CDlgImportPreview::ImportButton() const
{
    return m_buttons->button(QDialogButtonBox::Ok);
}

void CDlgImportPreview::readChoices()
{
    // A car of the list by its identifier (names may repeat), a typed name as it is.
    const QString car = m_car->currentText().trimmed();
    const int item = m_car->findText(car);
    if (car == fromFileText())
        m_options.car.clear();
    else
        m_options.car = item >= 0 ? m_car->itemData(item).toString() : car;
    m_options.ledger.reset();
    if (m_plan.asksForLedger)
        m_options.ledger = LedgerKind(m_ledger->currentData().toInt());
    m_options.distance.reset();
    m_options.volume.reset();
    if (m_plan.hasUnits) {
        m_options.distance = DistanceUnit(m_distance->currentData().toInt());
        m_options.volume = VolumeUnit(m_volume->currentData().toInt());
    }
    m_options.encoding = m_encoding->currentData().toString();
    m_options.skipDuplicates = m_skipDuplicates->isChecked();
    m_options.cutLongTexts = m_cutLongTexts->isChecked();
    m_options.mapping.clear();
    for (QComboBox* box : m_mapping)
        m_options.mapping.push_back(GenericField(box->currentData().toInt()));
}

void CDlgImportPreview::replan()
{
    if (m_updating)
        return;
    readChoices();
    m_plannedCar = m_car->currentText();
    ImportPlan plan = planned(this);
    if (plan.cancelled) {
        // Nothing to import; the choices stay as the last plan showed them.
        ImportPlan kept = std::move(m_plan);
        kept.rows.clear();
        kept.sources.clear();
        kept.rejected.clear();
        kept.cars.clear();
        kept.targets.clear();
        kept.notes.clear();
        kept.longTexts = 0;
        kept.cancelled = true;
        kept.refusal = plan.refusal;
        plan = std::move(kept);
    }
    m_plan = std::move(plan);
    showPlan();
}

ImportPlan CDlgImportPreview::planned(QWidget* progressParent)
{
    ProgressBar progress(progressParent, tr("正在读取文件……"));
    return PlanImport(m_db, m_files, m_options, progress.report());
}

void CDlgImportPreview::accept()
{
    if (m_car->currentText() != m_plannedCar) {
        replan();
        return;
    }
    QDialog::accept();
}

void CDlgImportPreview::buildMapping()
{
    m_mappingBox->setVisible(m_plan.generic);
    if (!m_plan.generic)
        return;
    for (int c = 0; c < int(m_plan.genericHeader.size()); ++c) {
        auto* box = new QComboBox(m_mappingBox);
        for (GenericField field : GenericFields())
            box->addItem(GenericFieldName(field), int(field));
        const GenericField field =
            c < int(m_plan.mapping.size()) ? m_plan.mapping[size_t(c)] : GenericField::Ignore;
        box->setCurrentIndex(box->findData(int(field)));
        const QString header =
            m_plan.genericHeader[c].isEmpty() ? tr("第 %1 栏").arg(c + 1) : m_plan.genericHeader[c];
        m_mappingGrid->addWidget(labelFor(box, header + tr("："), m_mappingBox), c / 3,
                                 (c % 3) * 2);
        m_mappingGrid->addWidget(box, c / 3, (c % 3) * 2 + 1);
        connect(box, &QComboBox::currentIndexChanged, this, &CDlgImportPreview::replan);
        m_mapping.push_back(box);
    }
}

void CDlgImportPreview::showPlan()
{
    m_updating = true;
    m_ledgerLabel->setVisible(m_plan.asksForLedger);
    m_ledger->setVisible(m_plan.asksForLedger);
    m_ledger->setCurrentIndex(m_ledger->findData(int(m_plan.ledger)));
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_distanceLabel, m_distance, m_volumeLabel, m_volume})
        w->setVisible(m_plan.hasUnits);
    m_distance->setCurrentIndex(m_distance->findData(int(m_plan.distance)));
    m_volume->setCurrentIndex(m_volume->findData(int(m_plan.volume)));
    // Units a file states are its own; only those of the others are chosen.
    const QString stated = tr("文件写明了单位，按文件所写换算");
    m_distance->setEnabled(m_plan.distanceChosen);
    m_distance->setToolTip(m_plan.distanceChosen ? QString() : stated);
    m_volume->setEnabled(m_plan.volumeChosen);
    m_volume->setToolTip(m_plan.volumeChosen ? QString() : stated);
    if (m_options.encoding.isEmpty()) { // the guess names the encodings it took
        QStringList used;
        for (const ImportSource& source : m_plan.sources)
            if (!used.contains(source.encoding))
                used << source.encoding;
        m_encoding->setItemText(
            0, used.isEmpty() ? fromContentText()
                              : tr("%1（%2）").arg(fromContentText(), used.join(tr("、"))));
    }
    m_cutLongTexts->setVisible(m_plan.longTexts > 0);
    m_updating = false;

    const int shownTab = m_tabs->currentIndex();
    while (m_tabs->count() > 0) {
        QWidget* page = m_tabs->widget(0);
        m_tabs->removeTab(0);
        if (page != m_summary)
            page->deleteLater();
    }
    m_summary->setPlainText(ImportSummaryText(m_plan));
    m_tabs->addTab(m_summary, tr("概要"));
    for (const ImportBatch& batch : ImportBatches(m_plan, 50)) {
        QStringList header;
        for (const LedgerColumn& column : ExportColumns(batch.ledger))
            header << ShownFileCaption(column.header);
        const QString title = QStringLiteral("%1 %2").arg(TargetText(m_plan, batch.target),
                                                          InfoOf(batch.ledger).shownName());
        QTableWidget* table = makeTable(header, m_tabs, title);
        for (const ImportRow& row : batch.first)
            addRow(table, RowTexts(row));
        const int written = batch.rows - (m_plan.skipDuplicates ? batch.duplicates : 0);
        m_tabs->addTab(table, tr("%1（%2 条）").arg(title).arg(written));
    }
    if (!m_plan.rejected.empty()) {
        QTableWidget* table =
            makeTable({tr("文件"), tr("行"), tr("不能导入的原因")}, m_tabs, tr("不能导入的行"));
        for (size_t i = 0; i < m_plan.rejected.size() && i < size_t(kListedLines); ++i) {
            const ImportProblem& problem = m_plan.rejected[i];
            addRow(table, {m_plan.sourceName(problem.source), QString::number(problem.line),
                           PreviewCell(problem.reason, kReasonWidth)});
        }
        if (m_plan.rejected.size() > size_t(kListedLines))
            addRow(table,
                   {QString(), QString(),
                    MoreLinesText(qsizetype(m_plan.rejected.size()) - kListedLines).trimmed()});
        m_tabs->addTab(table, tr("不能导入的行（%1）").arg(m_plan.rejected.size()));
    }
    m_tabs->setCurrentIndex(std::clamp(shownTab, 0, m_tabs->count() - 1));

    bool newCars = false;
    for (const ImportTarget& target : m_plan.targets)
        newCars = newCars || target.carId.isEmpty();
    const int count = m_plan.refused() ? 0 : m_plan.writtenCount();
    QPushButton* ok = ImportButton();
    ok->setEnabled(!m_plan.refused() && (count > 0 || newCars));
    ok->setText(m_plan.rejected.empty() ? tr("导入 %1 条记录").arg(count)
                                        : tr("导入其余 %1 条记录").arg(count));
}

bool RunCsvImport(QWidget* parent, CMyDatabase& db,
                  const std::function<int(CDlgImportPreview&)>& run)
{
    const QStringList files = GetOpenFileNames(
        parent, {QCoreApplication::translate("CsvDialogs", "从 CSV 导入"),
                 QCoreApplication::translate("CsvDialogs", "CSV 文件 (*.csv *.CSV);;所有文件 (*)"),
                 QStringLiteral("csv")});
    if (files.isEmpty())
        return false;
    CDlgImportPreview preview(db, files, parent);
    const ImportPlan& first = preview.Plan();
    if (first.cancelled)
        return false;
    if (first.refused() && !first.generic && first.rows.empty() && first.cars.empty() &&
        first.reminders.empty()) {
        MessageBox(parent, QCoreApplication::translate("CsvDialogs", "不能导入：") + first.refusal,
                   kCaption, MB_OK | MB_ICONERROR);
        return false;
    }
    if ((run ? run(preview) : preview.exec()) != QDialog::Accepted)
        return false;

    ImportResult result;
    {
        ProgressBar progress(parent, QCoreApplication::translate("CsvDialogs", "正在导入……"));
        result = ApplyImport(db, preview.Plan(), BackupFolder(), progress.report());
    }
    switch (result.outcome) {
    case ImportResult::Done:
        MessageBox(parent,
                   result.backupPoint.isEmpty()
                       ? QCoreApplication::translate("CsvDialogs",
                                                     "没有需要导入的记录：它们都已在账本里。")
                       : QCoreApplication::translate("CsvDialogs",
                                                     "已导入 %1 条记录。\n导入前的账本已备份为 %2，"
                                                     "可以在“备份与恢复”里恢复。")
                             .arg(result.written)
                             .arg(result.backupPoint),
                   kCaption, MB_OK | MB_ICONINFORMATION);
        return result.written > 0 || result.carsMade > 0;
    case ImportResult::Cancelled:
        MessageBox(parent,
                   QCoreApplication::translate("CsvDialogs", "导入已取消，账本没有任何改变。"),
                   kCaption, MB_OK | MB_ICONINFORMATION);
        return false;
    case ImportResult::Failed:
        MessageBox(parent, QCoreApplication::translate("CsvDialogs", "导入失败：") + result.error,
                   kCaption, MB_OK | MB_ICONERROR);
        return false;
    }
    return false;
}
