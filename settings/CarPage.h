#pragma once

#include "settings/PropertyPage.h"

#include <QString>
#include <array>
#include <cstring>
#include <optional>

class CMyDatabase;
class LedgerContext;
class QLabel;
class QLineEdit;

// A settings page that edits one row of the current car (its profile or its
// purchase) and writes it on Apply or OK. It shows the car that was current
// when it last loaded and loads again when another car has become current;
// without a current car it says so and keeps its controls disabled.
class CCarRowPage : public CPropertyPage
{
    Q_OBJECT
public:
    void OnInitDialog() override;
    bool OnSetActive() override;

    QString carId() const { return m_car; }
    bool controlsDisabled() const { return m_controlsDisabled; }

protected:
    CCarRowPage(const QString& title, LedgerContext& context, QWidget* parent);

    // Reads the car's row and shows it; texts set while m_loading is true do
    // not mark the page modified.
    virtual void Load() = 0;
    // The page becomes active again for the same car.
    virtual void Refresh() {}
    // A control's text changed: the page is modified unless it is loading.
    void FieldChanged();

    // The open ledger; nullptr without one.
    CMyDatabase* Database() const;
    // A label naming a control: its buddy, and its text the control's accessible name.
    static QLabel* LabelFor(QWidget* control, const QString& text, QWidget* parent);
    // The number typed into a field, read as the ledgers read typed numbers (a
    // text without a number is 0). A number out of range is refused with a
    // message naming the field, which then gets the focus; no value then.
    std::optional<double> ReadNumberField(QLineEdit* edit, const QString& label);

    // The position of the field of a column in a page's field table; the
    // table's size for a column it does not hold.
    template <class Field, size_t N>
    static size_t FieldIndex(const std::array<Field, N>& fields, const char* column)
    {
        size_t i = 0;
        while (i < N && std::strcmp(fields[i].column, column) != 0)
            ++i;
        return i;
    }

    QString m_car;
    bool m_loading = false;

private:
    // The current car's identifier; empty without a ledger or a current car.
    QString currentCarId() const;
    void enableControls(bool enabled);
    // Asks whether the unapplied edits of the car shown so far are to be
    // saved, and saves them when so; false when saving them failed.
    bool saveEditsOf(const QString& carId);

    LedgerContext& m_context;
    bool m_controlsDisabled = false;
};
