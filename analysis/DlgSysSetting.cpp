#include "analysis/DlgSysSetting.h"

#include "analysis/BarChart.h"
#include "database/LedgerContext.h"
#include "database/Names.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/MessageEvent.h"
#include "platform/StoreFailure.h"

#include <QCheckBox>
#include <QComboBox>
#include <algorithm>
#include <QFrame>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

using namespace platform;

namespace {

struct AnalysisText
{
    const char16_t* selector;
    const char16_t* title;
};
constexpr AnalysisText kAnalyses[CDlgSysSetting::AnalysisCount] = {
    {u"汽车总成本分析", u"汽车成本分析"},   {u"费用月度汇总分析", u"月度总费用分析"},
    {u"加油费用月度分析", u"油费消耗分析"}, {u"维修费用月度分析", u"维修费用分析"},
    {u"事故费用月度分析", u"事故费用分析"}, {u"保养费用月度分析", u"保养费用分析"},
    {u"杂费费用月度分析", u"日常费用分析"}, {u"爱车用品费用月度分析", u"汽车日用品费用分析"},
};

// The colour of the n-th monthly bar (bar 1 is the current month).
const QColor kMonthColours[12] = {
    {255, 0, 255}, {255, 255, 0},   {0, 255, 255},   {255, 0, 0},
    {0, 255, 0},   {150, 240, 80},  {128, 128, 128}, {255, 100, 255},
    {0, 0, 255},   {192, 192, 192}, {255, 200, 128}, {128, 128, 255},
};

const QColor kChartBackground(255, 255, 240);

// The ledgers whose month sums an analysis adds up, in the order they are added.
std::vector<LedgerKind> kindsOf(int analysis)
{
    switch (analysis) {
    case CDlgSysSetting::AllMonthly:
        return {LedgerKind::Refuel,   LedgerKind::Repair,    LedgerKind::Accident,
                LedgerKind::Maintain, LedgerKind::DailyCost, LedgerKind::Accessory};
    case CDlgSysSetting::RefuelMonthly:
        return {LedgerKind::Refuel};
    case CDlgSysSetting::RepairMonthly:
        return {LedgerKind::Repair};
    case CDlgSysSetting::AccidentMonthly:
        return {LedgerKind::Accident};
    case CDlgSysSetting::MaintainMonthly:
        return {LedgerKind::Maintain};
    case CDlgSysSetting::DailyCostMonthly:
        return {LedgerKind::DailyCost};
    case CDlgSysSetting::AccessoryMonthly:
        return {LedgerKind::Accessory};
    default:
        return {};
    }
}

QGroupBox* groupBox(QWidget* parent, const QRect& at)
{
    auto* box = new QGroupBox(parent);
    box->setGeometry(at);
    return box;
}

} // namespace

CDlgSysSetting::CDlgSysSetting(LedgerContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_bar(new QRadioButton(QStringLiteral("直方图"), this)),
      m_pie(new QRadioButton(QStringLiteral("饼图"), this)),
      m_gridBox(new QCheckBox(QStringLiteral("栅格"), this)),
      m_tipsBox(new QCheckBox(QStringLiteral("提示"), this)),
      m_gradientBox(new QCheckBox(QStringLiteral("渐变填充"), this)),
      m_selector(new QComboBox(this)), m_container(new QFrame(this)), m_chart(new CBarChart)
{
    m_band.SetTitle(QStringLiteral("分析统计"));
    m_band.SetOwner(this);
    setAccessibleName(m_band.Title());
    setAttribute(Qt::WA_OpaquePaintEvent);

    // The frames around the type buttons, the option boxes and the selector.
    groupBox(this, QRect(10, 28, 170, 54))->lower();
    groupBox(this, QRect(190, 28, 250, 54))->lower();
    m_selectorFrame = groupBox(this, QRect(450, 28, 240, 54));
    m_selectorFrame->lower();
    m_bar->setGeometry(24, 44, 70, 26);
    m_pie->setGeometry(100, 44, 70, 26);
    m_gridBox->setGeometry(204, 44, 60, 26);
    m_tipsBox->setGeometry(270, 44, 60, 26);
    m_gradientBox->setGeometry(336, 44, 96, 26);
    m_selector->setGeometry(464, 44, 212, 26);
    m_selector->setAccessibleName(QStringLiteral("分析项目"));
    auto* settings = new QPushButton(QStringLiteral("设置"), this);
    settings->hide(); // present, and does nothing
    m_container->setFrameShape(QFrame::StyledPanel);
    m_container->setFrameShadow(QFrame::Sunken);

    for (const auto& analysis : kAnalyses)
        m_selector->addItem(QString::fromUtf16(analysis.selector));
    (m_chartType == 0 ? m_bar : m_pie)->setChecked(true);
    m_gridBox->setChecked(m_grid);
    m_tipsBox->setChecked(m_tips);
    m_gradientBox->setChecked(m_gradient);

    if (!m_chart->Create(m_container, QRect(0, 0, 1000, 800), QString())) {
        MessageBox(this, QStringLiteral("Unable to create the chart control"), kCaption,
                   MB_OK | MB_ICONSTOP);
    }
    m_chart->m_stretch = 0;
    m_chart->m_fit = 1;
    m_selector->setCurrentIndex(TotalCost);

    // Every pick reads the file again, the entry already chosen included. A
    // pick changes the index before it is reported as activated; an index set
    // by code is built once the event loop runs.
    connect(m_selector, &QComboBox::activated, this, [this] { BuildAnalysis(); });
    connect(m_selector, &QComboBox::currentIndexChanged, this, [this] {
        m_buildPending = true;
        QMetaObject::invokeMethod(this, &CDlgSysSetting::BuildPending, Qt::QueuedConnection);
    });
    connect(m_bar, &QRadioButton::clicked, this, [this] { OnChartType(0); });
    connect(m_pie, &QRadioButton::clicked, this, [this] { OnChartType(1); });
    for (QCheckBox* box : {m_gridBox, m_tipsBox, m_gradientBox})
        connect(box, &QCheckBox::clicked, this, [this] { OnOptionBox(); });
}

void CDlgSysSetting::FirstShowing()
{
    m_options = &m_context.m_chartOptions;
    m_context.LoadSaveConfig(QStringLiteral("chart.cfg"), false);
    m_chartType = m_options->chartType;
    m_grid = m_options->gridLines;
    m_gradient = m_options->gradientFill;
    m_tips = m_options->tips;
    (m_chartType == 0 ? m_bar : m_pie)->setChecked(true);
    m_gridBox->setChecked(m_grid != 0);
    m_tipsBox->setChecked(m_tips != 0);
    m_gradientBox->setChecked(m_gradient != 0);
    m_chart->m_pie = m_chartType;
    m_chart->m_grid = m_grid;
    m_chart->m_gradient = m_gradient;
    m_chart->m_tips = m_tips;
    m_chart->Redraw();
    BuildAnalysis();
}

void CDlgSysSetting::OnChartType(int type)
{
    m_chartType = type;
    m_chart->m_pie = type;
    m_chart->Redraw(); // the same bars: nothing is read again
    if (m_options)
        m_options->chartType = type;
}

void CDlgSysSetting::OnOptionBox()
{
    const int grid = m_gridBox->isChecked() ? 1 : 0;
    const int gradient = m_gradientBox->isChecked() ? 1 : 0;
    m_tips = m_tipsBox->isChecked() ? 1 : 0;
    m_chart->m_tips = m_tips;
    // Tips show at the next mouse move; grid lines and the fill need a redraw.
    if (grid != m_grid || gradient != m_gradient) {
        m_grid = grid;
        m_gradient = gradient;
        m_chart->m_grid = grid;
        m_chart->m_gradient = gradient;
        m_chart->Redraw();
    }
    if (m_options) {
        m_options->gridLines = m_grid;
        m_options->tips = m_tips;
        m_options->gradientFill = m_gradient;
    }
}

Expected<double> CDlgSysSetting::MonthValue(int analysis, int year, int month) const
{
    CMyDatabase* db = m_context.OpenDatabase();
    if (!db)
        return 0.0;
    const Expected<QString> car = db->GetCurrentCarID();
    if (!car)
        return car.error();
    double total = 0;
    for (const LedgerKind kind : kindsOf(analysis)) {
        // Accessories cost their count times their price.
        const Expected<double> sum =
            kind == LedgerKind::Accessory
                ? db->SumRowResultsInMonth(year, month, kind, col::Countt, col::Price,
                                           QStringLiteral("*"), *car)
                : db->SumColumnInMonth(year, month, kind, col::Amount, *car);
        if (!sum)
            return sum.error();
        total += *sum;
    }
    return total;
}

void CDlgSysSetting::AddMonthlyBars(int analysis)
{
    const QDate today = CurrentDateTime().date();
    int month = today.month();
    int year = today.year();
    bool failed = false;
    for (int bar = 0; bar < 12; ++bar) {
        const QString label = month == 12 ? QString::asprintf("%04d/%02d", year, 12)
                                          : QString::asprintf("%d月", month);
        // A ledger that cannot be read is said once; its bars stay empty.
        const Expected<double> value =
            failed ? Expected<double>(0.0) : MonthValue(analysis, year, month);
        failed = failed || ShowStoreFailure(value.status(), this);
        m_chart->AddBar(label, kMonthColours[bar], value.value_or(0.0));
        if (--month == 0) {
            month = 12;
            --year;
        }
    }
}

void CDlgSysSetting::BuildPending()
{
    if (m_buildPending)
        BuildAnalysis();
}

void CDlgSysSetting::BuildAnalysis()
{
    m_buildPending = false;
    if (!m_options)
        return;
    m_tips = m_tipsBox->isChecked() ? 1 : 0;
    const int analysis = m_selector->currentIndex();
    if (analysis < 0 || analysis >= AnalysisCount)
        return;
    m_chart->RemoveAll();
    m_chart->SetTitle(QString::fromUtf16(kAnalyses[analysis].title));
    m_chart->SetBackground(kChartBackground);
    if (analysis == TotalCost) {
        CostTotals totals;
        if (CMyDatabase* db = m_context.OpenDatabase())
            ShowStoreFailure(db->LoadCurrentCarTotals(totals), this);
        m_chart->AddBar(QStringLiteral("加油费用"), QColor(0, 255, 0), totals.fuelAmount);
        m_chart->AddBar(QStringLiteral("维修费用"), QColor(255, 0, 0), totals.repair);
        m_chart->AddBar(QStringLiteral("事故费用"), QColor(100, 100, 200), totals.accident);
        m_chart->AddBar(QStringLiteral("保养费用"), QColor(255, 255, 255), totals.maintain);
        m_chart->AddBar(QStringLiteral("日常杂费"), QColor(200, 255, 255), totals.dailyCost);
        m_chart->AddBar(QStringLiteral("爱车用品"), QColor(150, 240, 80), totals.accessory, true);
    } else {
        m_chart->m_tips = m_tips;
        AddMonthlyBars(analysis);
        m_chart->FitBars(m_chart->DrawingArea());
    }
    m_chart->Redraw();
}

bool CDlgSysSetting::event(QEvent* e)
{
    if (e->type() == WM_PAGE_SHOW) {
        auto* message = static_cast<CMessageEvent*>(e);
        // Each showing draws the current car as the file holds it now: the
        // car or its records may have changed while the page was hidden.
        if (message->lParam() != 0) {
            if (m_options)
                BuildAnalysis();
            else
                FirstShowing();
        }
        message->setResult(0);
        return true;
    }
    return QWidget::event(e);
}

void CDlgSysSetting::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    // A page narrower than the row of frames (a small or scaled window) narrows
    // the selector, never below what shows its longest entry's start.
    const int frameWidth = std::clamp(width() - 460, 150, 240);
    m_selectorFrame->setGeometry(450, 28, frameWidth, 54);
    m_selector->setGeometry(464, 44, frameWidth - 28, 26);
    m_container->setGeometry(10, 90, width() - 20, height() - 100);
    const QRect inside = m_container->contentsRect().adjusted(2, 2, -2, -2);
    if (inside.width() > 100 && inside.height() > 100)
        m_chart->setGeometry(inside);
}

void CDlgSysSetting::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    m_band.SetRect(rect());
    m_band.Draw(painter);
}
