#pragma once

#include "ledgers/LedgerGrid.h"
#include "ledgers/RecordGrid.h"
#include "settings/PropertyPage.h"

class CGridCtrl;
class CMyDatabase;
class LedgerContext;
class QLabel;

// The settings page "输入记录": the current car's remembered ledger inputs,
// grouped by class and sorted by content. A changed content is written to the
// ledger as soon as its editor closes; entries are deleted from the context
// menu.
class CPageWord : public CPropertyPage, public IRecordGridPage
{
    Q_OBJECT
public:
    static constexpr int kGridId = 1013;

    enum Column : int
    {
        ColNumber = 0,
        ColContent = 1,
        ColClassName = 2,
        ColClassId = 3,
        ColRecId = 4,
        ColumnCount = 5
    };

    explicit CPageWord(LedgerContext& context, QWidget* parent = nullptr);

    void OnInitDialog() override;
    bool OnSetActive() override;

    CGridCtrl* Grid() const { return m_grid; }
    QLabel* Hint() const { return m_hint; }
    QString PageCar() const { return m_records.Car(); }

    // Reads the page car's entries into the grid.
    void RefreshPage();
    void DeleteSelectedRecord();
    // Runs a context-menu command (refresh or delete).
    void OnCommand(int id);
    // Undoes or redoes the page car's last change of its entries in this run
    // (Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z); false when nothing changed.
    bool Undo();
    bool Redo();

    // The grid's begin/end edit notifications.
    void BeginEdit(int row, int col) override;
    void EndEdit(int row, int col) override;

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    CMyDatabase* Database() const; // nullptr when the ledger is not open
    // Reloads when the current car is no longer the page car.
    void OnPageShown() override;
    void setColumnWidths();

    LedgerContext& m_context;
    CGridCtrl* m_grid;
    QLabel* m_hint;
    CRecordGrid m_records;
    QString m_oldText;
};
