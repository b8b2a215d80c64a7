#pragma once

#include "csv/ImportPlan.h"

#include <QDialog>
#include <functional>

class CMyDatabase;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// "导出为 CSV…": which cars and which folder.
class CDlgCsvExport : public QDialog
{
    Q_OBJECT
public:
    CDlgCsvExport(const QString& currentCarName, const QString& folder, QWidget* parent = nullptr);

    bool AllCars() const;
    QString Folder() const;

    QRadioButton* CurrentCarButton() const { return m_currentCar; }
    QRadioButton* AllCarsButton() const { return m_allCars; }
    QLineEdit* FolderEdit() const { return m_folder; }
    QPushButton* BrowseButton() const { return m_browse; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

private:
    void browse();
    void updateButtons();

    QRadioButton* m_currentCar;
    QRadioButton* m_allCars;
    QLineEdit* m_folder;
    QPushButton* m_browse;
    QDialogButtonBox* m_buttons;
};

// The preview of an import: what goes where, the lines that cannot be read,
// the records already in the ledger, and the choices (car, ledger, units,
// duplicates, the columns of a generic file). Every change of a choice reads
// the files again; "导入" is offered only for a plan that writes something.
class CDlgImportPreview : public QDialog
{
    Q_OBJECT
public:
    CDlgImportPreview(CMyDatabase& db, const QStringList& files, QWidget* parent = nullptr);

    const ImportPlan& Plan() const { return m_plan; }
    const ImportOptions& Options() const { return m_options; }

    QComboBox* CarBox() const { return m_car; }
    QComboBox* LedgerBox() const { return m_ledger; }
    QComboBox* DistanceBox() const { return m_distance; }
    QComboBox* VolumeBox() const { return m_volume; }
    QComboBox* EncodingBox() const { return m_encoding; }
    QCheckBox* SkipDuplicatesBox() const { return m_skipDuplicates; }
    QCheckBox* CutLongTextsBox() const { return m_cutLongTexts; }
    QComboBox* MappingBox(int column) const;
    QTabWidget* Tabs() const { return m_tabs; }
    QPlainTextEdit* SummaryView() const { return m_summary; }
    QPushButton* ImportButton() const;

    // Imports only what the preview shows: a choice changed since (a car
    // name typed and Enter pressed) is shown first.
    void accept() override;

private:
    void replan();
    // The plan of the current choices, with a progress bar that may cancel it.
    ImportPlan planned(QWidget* progressParent);
    void readChoices();
    void showPlan();
    void buildMapping();

    CMyDatabase& m_db;
    QStringList m_files;
    ImportOptions m_options;
    ImportPlan m_plan;
    QString m_plannedCar; // the car text the plan was made for
    bool m_updating = false;

    QComboBox* m_car;
    QLabel* m_ledgerLabel;
    QComboBox* m_ledger;
    QLabel* m_distanceLabel;
    QComboBox* m_distance;
    QLabel* m_volumeLabel;
    QComboBox* m_volume;
    QComboBox* m_encoding;
    QCheckBox* m_skipDuplicates;
    QCheckBox* m_cutLongTexts;
    QGroupBox* m_mappingBox;
    QGridLayout* m_mappingGrid;
    std::vector<QComboBox*> m_mapping;
    QTabWidget* m_tabs;
    QPlainTextEdit* m_summary;
    QDialogButtonBox* m_buttons;
};

// The menu commands, from question to result message. A test may run the
// dialog itself through the runner (it answers as exec() would).
void RunCsvExport(QWidget* parent, CMyDatabase& db,
                  const std::function<int(CDlgCsvExport&)>& run = {});
// True when records or cars were written (the pages then read the ledger again).
bool RunCsvImport(QWidget* parent, CMyDatabase& db,
                  const std::function<int(CDlgImportPreview&)>& run = {});
