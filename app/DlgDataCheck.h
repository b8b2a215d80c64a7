#pragma once

#include "database/DataCheck.h"

#include <QDialog>
#include <functional>
#include <vector>

class LedgerContext;
class QLabel;
class QTreeWidget;

// "数据检查": the findings of the consistency check of the whole ledger, one
// row each. Activating a row (click, Enter) asks the owner to show its record;
// the answer, when not empty, says why it cannot be shown. The check changes
// nothing; "重新检查" runs it again.
class CDlgDataCheck : public QDialog
{
    Q_OBJECT
public:
    enum Column : int
    {
        ColCar,
        ColLedger,
        ColRecord,
        ColDate,
        ColProblem,
        ColumnCount
    };
    using ShowRecord = std::function<QString(const CheckFinding&)>;

    CDlgDataCheck(LedgerContext& context, ShowRecord showRecord, QWidget* parent = nullptr);

    // Runs the check and lists what it found.
    void Check();
    // Shows the record of the finding at index.
    void Activate(int index);

    QTreeWidget* List() const { return m_list; }
    QLabel* Summary() const { return m_summary; }
    // Why the last finding activated could not be shown; empty when it was.
    QLabel* Note() const { return m_note; }
    const std::vector<CheckFinding>& Findings() const { return m_findings; }

private:
    LedgerContext& m_context;
    ShowRecord m_showRecord;
    std::vector<CheckFinding> m_findings;
    QTreeWidget* m_list;
    QLabel* m_summary;
    QLabel* m_note;
};
