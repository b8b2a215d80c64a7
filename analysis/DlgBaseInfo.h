#pragma once

#include "ledgers/GridDialog.h"
#include "ledgers/LedgerGrid.h"

class CDigitStatic;
class CExtStatic;
class CHoverButton;
class CMyDatabase;
class LedgerContext;
class QLabel;
class QLineEdit;

// The vehicle summary page "基本信息": the current car's odometer on the digit
// display, an entry for a new odometer reading, and the statistics grid of
// the car's identity, use, costs and averages.
class CDlgBaseInfo : public CGridDialog
{
    Q_OBJECT
public:
    // Control ids of the page, as the dialog numbers them.
    enum : int
    {
        IDC_MILES_CAPTION = 1007,
        IDC_MILES_DISPLAY = 1008,
        IDC_EDIT_MILES = 1009,
        IDC_NEW_MILES = 1010,
        IDC_NEW_MILES_LABEL = 1011,
        IDC_APPLY_MILES = 1004,
    };
    static constexpr int kRows = 24;

    explicit CDlgBaseInfo(LedgerContext& context, QWidget* parent = nullptr);

    // Reads the current car's profile and purchase details and the shared
    // cost totals, and shows them.
    void RefreshPage();
    // The odometer entry: opened by the edit button, applied by the apply
    // button (or Enter), closed without change by Escape.
    void OnEditMiles();
    void OnApplyMiles();
    void CancelEditMiles();
    // The digit display's colour scheme for a reading: 4 below 10000 km, 6
    // below 50000 km, else 5.
    static int OdometerScheme(double reading);

    double Odometer() const { return m_odometer; }
    CDigitStatic* Display() const { return m_display; }
    CHoverButton* EditButton() const { return m_edit; }
    CHoverButton* ApplyButton() const { return m_apply; }
    QLineEdit* NewMilesEdit() const { return m_newMiles; }
    // The next due care reminders of the car, beside the odometer (elided to
    // the label's width; the whole line is its tool tip).
    QLabel* NextDue() const { return m_nextDue; }

protected:
    void Layout() override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildGrid();
    void ShowEntry(bool shown);
    void SetValue(int row, const QString& text);
    void showNextDue(CMyDatabase* db, const QString& carId, double odometer);
    // Shows as much of the next-due line as the label's width takes.
    void elideNextDue();

    LedgerContext& m_context;
    CExtStatic* m_caption;
    CDigitStatic* m_display;
    CHoverButton* m_edit;
    QLabel* m_newMilesLabel;
    QLineEdit* m_newMiles;
    CHoverButton* m_apply;
    QLabel* m_nextDue;
    QString m_nextDueText;
    double m_odometer = 0;
};
