#pragma once

#include "database/Records.h"
#include "settings/CarPage.h"

#include <QDate>
#include <array>

class QDateEdit;
class QLineEdit;

// The settings page "购入信息": how the current car was bought (its PurchaseInfo
// row: date and odometer at purchase, prices and fees, first insurance, the
// loan), written by Apply or OK, with the purchase and loan totals as stored.
class CPageBuyInfo : public CCarRowPage
{
    Q_OBJECT
public:
    explicit CPageBuyInfo(LedgerContext& context, QWidget* parent = nullptr);

    bool OnApply() override;

    const PURCHASEINFO& purchase() const { return m_purchase; }
    // The edit of a column of the purchase row (not `BuyDate`); nullptr for any other.
    QLineEdit* edit(const char* column) const;
    QDateEdit* dateEdit() const { return m_date; }
    // "▲汽车总价合计" and "还贷总额", read-only.
    QLineEdit* purchaseTotal() const { return m_purchaseTotal; }
    QLineEdit* loanTotal() const { return m_loanTotal; }

private:
    // One field of the purchase row: its column, label, record text and, for
    // a number, the record's number.
    struct Field
    {
        const char* column;
        const char* label;
        QString PURCHASEINFO::*text;
        double PURCHASEINFO::*number;
    };
    static const std::array<Field, 13> kFields;

    // Reads the car's purchase row and shows it.
    void Load() override;

    PURCHASEINFO m_purchase;
    // The date the control showed when the row was loaded.
    QDate m_loadedDate;
    QDateEdit* m_date;
    std::array<QLineEdit*, 13> m_edits{};
    QLineEdit* m_purchaseTotal;
    QLineEdit* m_loanTotal;
};
