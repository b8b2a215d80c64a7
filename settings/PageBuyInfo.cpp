#include "settings/PageBuyInfo.h"

#include "database/MyDatabase.h"
#include "database/Names.h"
#include "ledgers/LedgerFormat.h"
#include "platform/Clock.h"
#include "platform/StoreFailure.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <optional>

using platform::ShowStoreFailure;

namespace {

// The purchase date control. A date is typed as it is shown, "2021/05/08":
// a section that fills up moves on to the next by itself, so a "/" typed
// where a section begins has been passed already and must not skip the next
// one. A date typed right after the control is reached, by the keyboard or by
// a click anywhere in it, starts at the year; a later click picks a section
// to change on its own.
class CPurchaseDateEdit : public QDateEdit
{
public:
    CPurchaseDateEdit(const QDate& date, QWidget* parent) : QDateEdit(date, parent)
    {
        lineEdit()->installEventFilter(this);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool digit = event->text().size() == 1 && event->text().at(0).isDigit();
        if (m_fromStart && digit)
            setSelectedSection(QDateTimeEdit::YearSection);
        if (!event->text().isEmpty())
            m_fromStart = false;
        const QLineEdit* line = lineEdit();
        const int pos = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
        if (event->text() == QLatin1String("/") && pos > 0 &&
            text().at(pos - 1) == QLatin1Char('/')) {
            event->accept();
            return;
        }
        QDateEdit::keyPressEvent(event);
    }
    void focusInEvent(QFocusEvent* event) override
    {
        QDateEdit::focusInEvent(event);
        m_fromStart = true;
        m_focusedByClick = event->reason() == Qt::MouseFocusReason;
        if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
            setSelectedSection(QDateTimeEdit::YearSection);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The click that brought the focus keeps the start at the year.
        if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress) {
            if (!m_focusedByClick)
                m_fromStart = false;
            m_focusedByClick = false;
        }
        return QDateEdit::eventFilter(watched, event);
    }

private:
    bool m_fromStart = false;
    bool m_focusedByClick = false;
};

QString twoDecimals(double value)
{
    return QString::asprintf("%.2f", value);
}

} // namespace

// In the order they are shown.
const std::array<CPageBuyInfo::Field, 13> CPageBuyInfo::kFields = {{
    {col::BuyMiles, QT_TRANSLATE_NOOP("CPageBuyInfo", "购买时里程(KM)"),
     &PURCHASEINFO::buyMilesText, &PURCHASEINFO::buyMiles},
    {col::CarPrice, QT_TRANSLATE_NOOP("CPageBuyInfo", "裸车总价格"), &PURCHASEINFO::carPriceText,
     &PURCHASEINFO::carPrice},
    {col::CarTax, QT_TRANSLATE_NOOP("CPageBuyInfo", "购置税"), &PURCHASEINFO::carTaxText,
     &PURCHASEINFO::carTax},
    {col::InsuAmount, QT_TRANSLATE_NOOP("CPageBuyInfo", "首次保险费用总计"),
     &PURCHASEINFO::insuAmountText, &PURCHASEINFO::insuAmount},
    {col::CarLicense, QT_TRANSLATE_NOOP("CPageBuyInfo", "上牌费"), &PURCHASEINFO::carLicenseText,
     &PURCHASEINFO::carLicense},
    {col::InsuCompany, QT_TRANSLATE_NOOP("CPageBuyInfo", "保险公司"), &PURCHASEINFO::insuCompany,
     nullptr},
    {col::InsuNote, QT_TRANSLATE_NOOP("CPageBuyInfo", "主要内容摘要"), &PURCHASEINFO::insuNote,
     nullptr},
    {col::InsuTouchInfo, QT_TRANSLATE_NOOP("CPageBuyInfo", "保险联系信息"),
     &PURCHASEINFO::insuTouchInfo, nullptr},
    {col::LoanBank, QT_TRANSLATE_NOOP("CPageBuyInfo", "贷款银行"), &PURCHASEINFO::loanBank,
     nullptr},
    {col::LoanAmount, QT_TRANSLATE_NOOP("CPageBuyInfo", "贷款总金额"),
     &PURCHASEINFO::loanAmountText, &PURCHASEINFO::loanAmount},
    {col::LoanYears, QT_TRANSLATE_NOOP("CPageBuyInfo", "贷款年限"), &PURCHASEINFO::loanYearsText,
     &PURCHASEINFO::loanYears},
    {col::LoanInterest, QT_TRANSLATE_NOOP("CPageBuyInfo", "还贷总利息"),
     &PURCHASEINFO::loanInterestText, &PURCHASEINFO::loanInterest},
    {col::LoanTouchInfo, QT_TRANSLATE_NOOP("CPageBuyInfo", "贷款联系信息"),
     &PURCHASEINFO::loanTouchInfo, nullptr},
}};

CPageBuyInfo::CPageBuyInfo(LedgerContext& context, QWidget* parent)
    : CCarRowPage(tr("购入信息"), context, parent)
{
    // Created group by group, top to bottom, which is the tab order.
    auto* grid = new QGridLayout(this);
    size_t next = 0;
    auto group = [&](const QString& title, int row, int column) {
        auto* box = new QGroupBox(title, this);
        grid->addWidget(box, row, column);
        return new QFormLayout(box);
    };
    auto addRow = [&](QFormLayout* form, QWidget* control, const QString& label) {
        form->addRow(LabelFor(control, label, form->parentWidget()), control);
    };
    auto addEdits = [&](QFormLayout* form, size_t count) {
        for (size_t end = next + count; next < end; ++next) {
            m_edits[next] = new QLineEdit(form->parentWidget());
            addRow(form, m_edits[next], tr(kFields[next].label));
        }
    };
    auto total = [&](QFormLayout* form, const QString& label) {
        auto* edit = new QLineEdit(form->parentWidget());
        edit->setReadOnly(true);
        // A total is read, not typed: Tab passes it by.
        edit->setFocusPolicy(Qt::ClickFocus);
        addRow(form, edit, label);
        return edit;
    };

    QFormLayout* start = group(tr("初始信息"), 0, 0);
    m_date = new CPurchaseDateEdit(platform::CurrentDate(), this);
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    // The years a stored purchase date is read back in.
    m_date->setDateRange(QDate(1901, 1, 1), QDate(2098, 12, 31));
    addRow(start, m_date, tr("购买日期"));
    addEdits(start, 1);

    QFormLayout* price = group(tr("汽车价格(货币单位：￥)"), 1, 0);
    addEdits(price, 4);
    m_purchaseTotal = total(price, tr("▲汽车总价合计"));

    QFormLayout* insurance = group(tr("保险信息"), 0, 1);
    addEdits(insurance, 3);

    QFormLayout* loan = group(tr("贷款信息(货币单位：￥)"), 1, 1);
    addEdits(loan, 4);
    m_loanTotal = total(loan, tr("还贷总额"));
    addEdits(loan, 1);

    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    for (QLineEdit* edit : m_edits)
        connect(edit, &QLineEdit::textChanged, this, &CPageBuyInfo::FieldChanged);
    connect(m_date, &QDateEdit::dateChanged, this, &CPageBuyInfo::FieldChanged);
}

QLineEdit* CPageBuyInfo::edit(const char* column) const
{
    const size_t i = FieldIndex(kFields, column);
    return i < m_edits.size() ? m_edits[i] : nullptr;
}

void CPageBuyInfo::Load()
{
    m_purchase = PURCHASEINFO();
    if (CMyDatabase* db = Database())
        ShowStoreFailure(db->GetPurchaseInfo(m_car, m_purchase), this);
    m_loading = true;
    for (size_t i = 0; i < kFields.size(); ++i)
        m_edits[i]->setText(m_purchase.*kFields[i].text);
    // Without a stored purchase date the control offers today.
    m_date->setDate(
        CMyDatabase::ReadPurchaseDate(m_purchase.buyDateText).value_or(platform::CurrentDate()));
    m_loadedDate = m_date->date();
    const PURCHASEINFO& p = m_purchase;
    m_purchaseTotal->setText(twoDecimals(p.carPrice + p.carTax + p.carLicense + p.insuAmount));
    m_loanTotal->setText(twoDecimals(p.loanAmount + p.loanInterest));
    m_loading = false;
}

bool CPageBuyInfo::OnApply()
{
    // A page only looked at writes nothing: OK applies every page shown.
    CMyDatabase* db = Database();
    if (m_car.isEmpty() || !db || !IsModified())
        return true;
    // Every number is read (and may be refused) before anything is written.
    PURCHASEINFO typed;
    for (size_t i = 0; i < kFields.size(); ++i) {
        typed.*kFields[i].text = m_edits[i]->text();
        if (!kFields[i].number)
            continue;
        const std::optional<double> number = ReadNumberField(m_edits[i], tr(kFields[i].label));
        if (!number)
            return false;
        typed.*kFields[i].number = *number;
    }
    // A stored date the control still shows stays as it is written
    // ("2020-05-08" is the date the control shows as 2020/05/08).
    typed.buyDateText = m_date->date() == m_loadedDate && !m_purchase.buyDateText.isEmpty()
                            ? m_purchase.buyDateText
                            : DateText(m_date->date());
    const Expected<bool> exists = db->HasCarRow(CarTable::Purchase, m_car);
    if (ShowStoreFailure(exists.status(), this))
        return false;

    SqlStatus saved;
    if (!*exists) {
        saved = db->InsertPurchaseInfo(m_car, typed);
    } else {
        // The changed texts go into a copy: the record changes only by the
        // reload after a successful write.
        PURCHASEINFO updated = m_purchase;
        CCarRowChanges changes;
        for (const char* column :
             {col::BuyMiles, col::CarPrice, col::CarTax, col::CarLicense, col::LoanAmount,
              col::LoanInterest, col::LoanYears, col::InsuAmount}) {
            const Field& f = kFields[FieldIndex(kFields, column)];
            changes.Number(updated.*f.text, typed.*f.text, typed.*f.number, column);
        }
        changes.Text(updated.buyDateText, typed.buyDateText, col::BuyDate);
        for (const char* column : {col::InsuCompany, col::InsuNote, col::InsuTouchInfo,
                                   col::LoanBank, col::LoanTouchInfo}) {
            const Field& f = kFields[FieldIndex(kFields, column)];
            changes.Text(updated.*f.text, typed.*f.text, column);
        }
        saved = db->UpdateCarRow(CarTable::Purchase, m_car, changes);
    }
    if (ShowStoreFailure(saved, this))
        return false; // the typed texts stay for another try
    // The page shows what the file now holds, totals included.
    Load();
    return true;
}
