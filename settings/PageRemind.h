#pragma once

#include "database/CareReminders.h"
#include "settings/PropertyPage.h"

#include <vector>

class CMyDatabase;
class LedgerContext;
class QLabel;
class QPushButton;
class QTreeWidget;

// The settings page "保养提醒": the current car's care reminders with what is
// left before each mark. Adding, editing, deleting, marking done and putting
// off act at once through the page's own buttons.
class CPageRemind : public CPropertyPage
{
    Q_OBJECT
public:
    enum Column : int
    {
        ColTitle,
        ColMark,
        ColRepeat,
        ColLeft,
        ColumnCount
    };

    explicit CPageRemind(LedgerContext& context, QWidget* parent = nullptr);

    void OnInitDialog() override;

    // Reads the current car's reminders into the list.
    void RefreshPage();
    // The buttons' actions on the selected reminder (adding needs none).
    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnDone();
    void OnSnooze(bool byWeek);

    QTreeWidget* List() const { return m_list; }
    QLabel* Note() const { return m_note; }
    const std::vector<CareReminder>& Reminders() const { return m_reminders; }
    // Selects the reminder at index (the list's order).
    void Select(int index);

protected:
    // The dialog that adds or edits a reminder; a test answers it instead.
    virtual bool runDialog(CareReminder& reminder, bool offerSuggestion);

private:
    CMyDatabase* database() const;
    // The selected reminder's index; -1 when none is selected.
    int selected() const;
    // Stores the reminder and shows the list again with it selected.
    bool store(CareReminder& reminder, const QString& note);
    std::optional<CareReminder> suggestion();
    double odometer() const;
    void updateButtons();

    LedgerContext& m_context;
    QString m_car;
    std::vector<CareReminder> m_reminders;
    QTreeWidget* m_list;
    QLabel* m_note;
    QPushButton* m_add;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QPushButton* m_done;
    QPushButton* m_snoozeWeek;
    QPushButton* m_snoozeMiles;
};
