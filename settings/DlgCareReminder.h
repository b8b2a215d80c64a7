#pragma once

#include "database/CareReminders.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLineEdit;
class QPushButton;

// Adds or edits one care reminder: its item, its marks by date and odometer,
// how it repeats and how early it is due. OK refuses a reminder that cannot
// be kept and says why; the reminder is only stored by the caller.
class CDlgCareReminder : public QDialog
{
    Q_OBJECT
public:
    // `suggest`, when given, offers "按保养记录建议" and fills the fields from
    // its answer (none: there is nothing to go by, said by the suggester).
    CDlgCareReminder(const CareReminder& reminder, QWidget* parent = nullptr,
                     std::function<std::optional<CareReminder>()> suggest = {});

    // The reminder as accepted (as given until OK succeeds).
    CareReminder Reminder() const { return m_reminder; }
    // Reads the fields into the reminder; the sentence saying what is wrong
    // with them, empty when nothing is.
    QString ReadFields(CareReminder& reminder) const;

    QLineEdit* TitleEdit() const { return m_title; }
    QLineEdit* DueDateEdit() const { return m_dueDate; }
    QLineEdit* DueMilesEdit() const { return m_dueMiles; }
    QLineEdit* RepeatMonthsEdit() const { return m_repeatMonths; }
    QLineEdit* RepeatMilesEdit() const { return m_repeatMiles; }
    QLineEdit* LeadDaysEdit() const { return m_leadDays; }
    QLineEdit* LeadMilesEdit() const { return m_leadMiles; }
    QPushButton* SuggestButton() const { return m_suggest; }

    void accept() override;

private:
    void showReminder(const CareReminder& reminder);

    CareReminder m_reminder;
    QLineEdit* m_title;
    QLineEdit* m_dueDate;
    QLineEdit* m_dueMiles;
    QLineEdit* m_repeatMonths;
    QLineEdit* m_repeatMiles;
    QLineEdit* m_leadDays;
    QLineEdit* m_leadMiles;
    QPushButton* m_suggest = nullptr;
};
