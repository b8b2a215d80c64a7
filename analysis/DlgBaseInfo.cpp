#include "analysis/DlgBaseInfo.h"

#include "analysis/MileageEntry.h"
#include "analysis/SummaryRows.h"
#include "controls/DigitStatic.h"
#include "controls/ExtStatic.h"
#include "controls/GridCtrl.h"
#include "controls/HoverButton.h"
#include "database/CareReminders.h"
#include "database/LedgerContext.h"
#include "database/Names.h"
#include "database/StoredValue.h"
#include "database/SummaryFigures.h"
#include "ledgers/LedgerFormat.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/MessageEvent.h"
#include "platform/StoreFailure.h"
#include "res/Resources.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <cmath>

using namespace platform;

namespace {

constexpr quint32 kLabelFormat = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
constexpr quint32 kValueFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
constexpr COLORREF kBlue = RGB(0, 0, 255);
// Dark enough to be read on the pale-yellow and the grey cells.
constexpr COLORREF kRed = RGB(192, 0, 0);
constexpr COLORREF kGroupBack = RGB(192, 192, 192);
constexpr COLORREF kCellBack = RGB(255, 255, 224);

constexpr int kTotalRow = summaryrows::kTotalRow;
// What a row adds to the line height of its face: a pixel above, one below.
constexpr int kRowPadding = 2;

QFont boldSong(int pixels)
{
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(pixels);
    font.setWeight(QFont::Bold);
    font.setStyleHint(QFont::Serif);
    return font;
}

} // namespace

int CDlgBaseInfo::OdometerScheme(double reading)
{
    return reading < 10000 ? 4 : reading < 50000 ? 6 : 5;
}

CDlgBaseInfo::CDlgBaseInfo(LedgerContext& context, QWidget* parent)
    : CGridDialog(tr("基本信息"), parent), m_context(context),
      m_caption(new CExtStatic(tr("当前里程(KM)"), this)), m_display(new CDigitStatic(this)),
      m_edit(new CHoverButton(this)), m_newMilesLabel(new QLabel(tr("输入新里程："), this)),
      m_newMiles(new QLineEdit(this)), m_apply(new CHoverButton(this)), m_nextDue(new QLabel(this))
{
    m_caption->SetFontHeight(16);
    m_caption->SetBold(true);
    m_caption->SetTextColour(QColor(105, 105, 105));
    m_caption->RebuildFont();
    // Texts longer than their place (in a wordier language) widen it.
    const int captionWidth = std::max(104, m_caption->sizeHint().width());
    m_caption->setGeometry(8, 28, captionWidth, 24);

    m_display->SetScheme(4);
    m_display->SetCellCount(8);
    m_display->SetDecimals(0);
    m_display->SetText(QStringLiteral("--------"));
    m_display->setGeometry(8 + captionWidth + 4, 26, m_display->sizeHint().width(),
                           m_display->sizeHint().height());

    const int afterDisplay = m_display->geometry().right() + 8;
    const int labelWidth = std::max(86, m_newMilesLabel->sizeHint().width());
    const int afterLabel = afterDisplay + labelWidth + 2;
    m_newMilesLabel->setGeometry(afterDisplay, 28, labelWidth, 24);
    m_newMilesLabel->setStyleSheet(
        QStringLiteral("color: rgb(0,0,255); background: rgb(201,216,235);"));
    m_newMiles->setGeometry(afterLabel, 28, 100, 24);
    m_newMiles->setAccessibleName(tr("新里程"));

    const auto setUpButton = [](CHoverButton* button, int normal, int hover, const QString& name) {
        button->SetIcons(normal, hover, 16, 16);
        button->SetBold(true);
        button->SetHoverCursor(res::Cursor(res::IDC_HAND));
        button->setAccessibleName(name);
        button->setToolTip(name);
        button->setFocusPolicy(Qt::StrongFocus);
    };
    setUpButton(m_edit, 336, 335, tr("修改里程"));
    setUpButton(m_apply, 332, 338, tr("保存新里程"));
    m_edit->setGeometry(afterDisplay, 28, 24, 24);
    m_apply->setGeometry(afterLabel + 104, 28, 24, 24);
    // Drawn in the palette's own text colour on the page: readable in light
    // and dark palettes alike.
    m_nextDue->setAccessibleName(tr("下次到期的保养提醒"));
    m_nextDue->setGeometry(afterLabel + 136, 28, 400, 24);
    connect(m_edit, &QAbstractButton::clicked, this, &CDlgBaseInfo::OnEditMiles);
    connect(m_apply, &QAbstractButton::clicked, this, &CDlgBaseInfo::OnApplyMiles);
    m_newMiles->installEventFilter(this);
    ShowEntry(false);

    BuildGrid();
    RefreshPage();
}

void CDlgBaseInfo::BuildGrid()
{
    m_grid->SetImageList(res::ImageList(res::IDB_SMALL_IMAGES, 16));
    m_grid->SetEditable(false);
    m_grid->setFocusPolicy(Qt::ClickFocus); // totals only: Tab passes them by
    m_grid->SetRowCount(kRows);
    m_grid->SetColumnCount(2);
    m_grid->SetFixedRowCount(1);
    m_grid->SetFixedColumnCount(1);
    m_grid->setAccessibleName(tr("基本信息"));
    for (int r = 0; r < kRows; ++r) {
        const bool group = summaryrows::IsGroup(r);
        m_grid->SetItemText(r, 0, summaryrows::Label(r));
        for (int c = 0; c < 2; ++c) {
            m_grid->SetItemState(r, c, m_grid->GetItemState(r, c) | GVIS_READONLY);
            m_grid->SetItemFormat(r, c, c == 0 && r > 0 && !group ? kLabelFormat : kValueFormat);
            if (c == 1 && r > 0)
                m_grid->SetItemBkColour(r, c, group ? kGroupBack : kCellBack);
        }
        if (r == 0) {
            m_grid->SetItemText(0, 1, tr("统计信息"));
            m_grid->SetItemFgColour(0, 0, kBlue);
            m_grid->SetItemFgColour(0, 1, kBlue);
        } else if (group) {
            m_grid->SetItemBkColour(r, 0, kGroupBack);
            m_grid->SetItemFont(r, 0, boldSong(14));
            m_grid->SetItemFgColour(r, 0, kBlue);
        }
    }
    for (int c = 0; c < 2; ++c) {
        m_grid->SetItemFont(kTotalRow, c, boldSong(12));
        m_grid->SetItemFgColour(kTotalRow, c, kRed);
    }
    // Each row is as high as a line of the face it is drawn with, whose own
    // leading already spaces the lines, not the grid's 1.8 lines: with the
    // tall faces that stand in for "宋体" those pushed the last rows, the
    // averages, out of the page in the main window.
    for (int r = 0; r < kRows; ++r) {
        int textHeight = 0;
        for (int c = 0; c < 2; ++c)
            textHeight = std::max(textHeight, QFontMetrics(m_grid->GetItemFont(r, c)).height());
        m_grid->SetRowHeight(r, textHeight + kRowPadding);
    }
}

void CDlgBaseInfo::SetValue(int row, const QString& text)
{
    m_grid->SetItemText(row, 1, text);
}

void CDlgBaseInfo::RefreshPage()
{
    CMyDatabase* db = m_context.OpenDatabase();
    CARPROPERTY car;
    PURCHASEINFO purchase;
    bool bought = false;
    Expected<QString> carId = QString();
    if (db) {
        // The first failed read is said; without the purchase row nothing is bought.
        carId = db->GetCurrentCarID();
        SqlStatus read = carId.status();
        if (read.ok())
            read = db->GetCarProperty(*carId, car);
        if (read.ok()) {
            read = db->GetPurchaseInfo(*carId, purchase);
            bought = read.ok();
        }
        ShowStoreFailure(read, this);
    }
    m_odometer = car.curMiles;
    if (m_context.OdometerSchemeDue) {
        // Moved by a record: coloured as a typed reading would be.
        m_context.OdometerSchemeDue = false;
        m_display->SetScheme(OdometerScheme(m_odometer));
    }
    m_display->SetValue(m_odometer);

    const CostTotals totals = m_context.m_costTotals;
    const SummaryFigures f = ComputeSummary(car, bought ? &purchase : nullptr, totals,
                                            CurrentDateTime().toSecsSinceEpoch());
    const std::array<QString, kRows> values = summaryrows::ValueTexts(car, purchase, totals, f);
    for (int r = 1; r < kRows; ++r)
        if (!summaryrows::IsGroup(r))
            SetValue(r, values[size_t(r)]);
    m_grid->Refresh();
    showNextDue(db, carId.value_or(QString()), m_odometer);
}

void CDlgBaseInfo::showNextDue(CMyDatabase* db, const QString& carId, double odometer)
{
    std::vector<CareReminder> reminders;
    if (db && !carId.isEmpty() && db->TableExists(QString::fromLatin1(tbl::CareReminder)))
        ShowStoreFailure(LoadCareReminders(*db, RightTrimmed(carId), reminders), this);
    m_nextDueText = NextDueText(reminders, CurrentDateTime().date(), odometer);
    m_nextDue->setToolTip(m_nextDueText);
    elideNextDue();
}

void CDlgBaseInfo::elideNextDue()
{
    m_nextDue->setText(
        m_nextDue->fontMetrics().elidedText(m_nextDueText, Qt::ElideRight, m_nextDue->width()));
}

void CDlgBaseInfo::ShowEntry(bool shown)
{
    m_newMilesLabel->setVisible(shown);
    m_newMiles->setVisible(shown);
    m_apply->setVisible(shown);
    m_edit->setVisible(!shown);
}

void CDlgBaseInfo::OnEditMiles()
{
    ShowEntry(true);
    m_newMiles->clear();
    m_newMiles->setFocus();
}

void CDlgBaseInfo::CancelEditMiles()
{
    ShowEntry(false);
    m_edit->setFocus();
}

void CDlgBaseInfo::OnApplyMiles()
{
    const std::optional<qint64> reading = ReadMileageEntry(m_newMiles->text());
    if (!reading) {
        // An entry without a number is no reading: nothing is stored.
        MessageBox(this, tr("输入错误！"), QStringLiteral("Error"), MB_OK);
        CancelEditMiles();
        return;
    }
    const double before = m_odometer;
    m_odometer = double(*reading);
    m_display->SetScheme(OdometerScheme(double(*reading)));
    m_display->SetValue(m_odometer);
    CancelEditMiles();
    CMyDatabase* db = m_context.OpenDatabase();
    const QString carId = db ? ValueOrShow(db->GetCurrentCarID(), this) : QString();
    if (carId.isEmpty())
        return; // no car to keep it for: shown only
    const bool stored = !ShowStoreFailure(db->SetCurMiles(carId, m_odometer), this);
    RefreshPage(); // what the file holds from here on
    if (stored && m_odometer > before && m_context.OdometerRaised)
        m_context.OdometerRaised(carId, before, m_odometer);
}

void CDlgBaseInfo::Layout()
{
    const int w = width();
    m_grid->setGeometry(4, 55, w - 8, height() - 59);
    m_nextDue->resize(std::max(0, w - 8 - m_nextDue->x()), m_nextDue->height());
    elideNextDue();
    if (m_grid->GetColumnCount() < 1)
        return;
    if (w - 8 > 500) {
        m_grid->SetColumnWidth(0, 180);
        m_grid->SetColumnWidth(1, (w - 8) - 205);
    } else if (m_grid->GetColumnWidth(0) < 180) {
        // First laid out on a narrow page (a large screen scale): readable
        // columns, and the grid scrolls sideways.
        m_grid->SetColumnWidth(0, 180);
        m_grid->SetColumnWidth(1, 180);
    }
}

bool CDlgBaseInfo::event(QEvent* e)
{
    if (e->type() == WM_PAGE_SHOW) {
        auto* message = static_cast<CMessageEvent*>(e);
        if (message->lParam() != 0)
            RefreshPage();
        message->setResult(0);
        return true;
    }
    return CGridDialog::event(e);
}

bool CDlgBaseInfo::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_newMiles && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OnApplyMiles();
            return true;
        }
        if (key == Qt::Key_Escape) {
            CancelEditMiles();
            return true;
        }
    }
    return CGridDialog::eventFilter(watched, e);
}
