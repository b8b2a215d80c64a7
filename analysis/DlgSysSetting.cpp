#include "analysis/DlgSysSetting.h"

#include "analysis/BarChart.h"
#include "analysis/CostAnalysis.h"
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

QGroupBox* groupBox(QWidget* parent, const QRect& at)
{
    auto* box = new QGroupBox(parent);
    box->setGeometry(at);
    return box;
}

} // namespace

CDlgSysSetting::CDlgSysSetting(LedgerContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_bar(new QRadioButton(tr("直方图"), this)),
      m_pie(new QRadioButton(tr("饼图"), this)), m_gridBox(new QCheckBox(tr("栅格"), this)),
      m_tipsBox(new QCheckBox(tr("提示"), this)),
      m_gradientBox(new QCheckBox(tr("渐变填充"), this)), m_selector(new QComboBox(this)),
      m_container(new QFrame(this)), m_chart(new CBarChart)
{
    m_band.SetTitle(tr("分析统计"));
    m_band.SetOwner(this);
    setAccessibleName(m_band.Title());
    setAttribute(Qt::WA_OpaquePaintEvent);

    // The frames around the type buttons, the option boxes and the selector.
    // A button whose text needs more than its place (in a wordier language)
    // widens it, and what follows moves along.
    const auto fitted = [](QWidget* button, int width) {
        return std::max(width, button->sizeHint().width());
    };
    const int barWidth = fitted(m_bar, 70);
    const int pieLeft = 24 + barWidth + 6;
    const int typesRight = pieLeft + fitted(m_pie, 70) + 10;
    const int gridLeft = typesRight + 24;
    const int tipsLeft = gridLeft + fitted(m_gridBox, 60) + 6;
    const int gradientLeft = tipsLeft + fitted(m_tipsBox, 60) + 6;
    const int optionsRight = gradientLeft + fitted(m_gradientBox, 96) + 8;
    m_selectorLeft = optionsRight + 10;
    groupBox(this, QRect(10, 28, typesRight - 10, 54))->lower();
    groupBox(this, QRect(typesRight + 10, 28, optionsRight - typesRight - 10, 54))->lower();
    m_selectorFrame = groupBox(this, QRect(m_selectorLeft, 28, 240, 54));
    m_selectorFrame->lower();
    m_bar->setGeometry(24, 44, barWidth, 26);
    m_pie->setGeometry(pieLeft, 44, fitted(m_pie, 70), 26);
    m_gridBox->setGeometry(gridLeft, 44, fitted(m_gridBox, 60), 26);
    m_tipsBox->setGeometry(tipsLeft, 44, fitted(m_tipsBox, 60), 26);
    m_gradientBox->setGeometry(gradientLeft, 44, fitted(m_gradientBox, 96), 26);
    m_selector->setGeometry(m_selectorLeft + 14, 44, 212, 26);
    m_selector->setAccessibleName(tr("分析项目"));
    auto* settings = new QPushButton(tr("设置"), this);
    settings->hide(); // present, and does nothing
    m_container->setFrameShape(QFrame::StyledPanel);
    m_container->setFrameShadow(QFrame::Sunken);

    for (int analysis = 0; analysis < AnalysisCount; ++analysis)
        m_selector->addItem(costanalysis::AnalysisSelectorText(analysis));
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
    return costanalysis::MonthValue(*db, *car, analysis, year, month);
}

void CDlgSysSetting::AddMonthlyBars(int analysis)
{
    bool failed = false;
    for (const costanalysis::BarMonth& bar : costanalysis::TwelveMonths(CurrentDateTime().date())) {
        // A ledger that cannot be read is said once; its bars stay empty.
        const Expected<double> value =
            failed ? Expected<double>(0.0) : MonthValue(analysis, bar.year, bar.month);
        failed = failed || ShowStoreFailure(value.status(), this);
        m_chart->AddBar(bar.label, bar.colour, value.value_or(0.0));
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
    m_chart->SetTitle(costanalysis::AnalysisTitle(analysis));
    m_chart->SetBackground(costanalysis::kChartBackground);
    if (analysis == TotalCost) {
        CostTotals totals;
        if (CMyDatabase* db = m_context.OpenDatabase())
            ShowStoreFailure(db->LoadCurrentCarTotals(totals), this);
        const std::vector<costanalysis::ChartBar> bars = costanalysis::TotalCostBars(totals);
        for (size_t i = 0; i < bars.size(); ++i)
            m_chart->AddBar(bars[i].label, bars[i].colour, bars[i].value, i + 1 == bars.size());
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
    const int frameWidth = std::clamp(width() - m_selectorLeft - 10, 150, 240);
    m_selectorFrame->setGeometry(m_selectorLeft, 28, frameWidth, 54);
    m_selector->setGeometry(m_selectorLeft + 14, 44, frameWidth - 28, 26);
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
