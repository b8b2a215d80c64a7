#pragma once

#include "controls/RibbonFrame.h"
#include "database/Expected.h"

#include <QColor>
#include <QWidget>

class CBarChart;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QFrame;
class QRadioButton;
class LedgerContext;
struct ChartOptions;

// The analysis page "分析统计": one of eight cost analyses of the current car
// — the total cost by kind, or twelve months of all costs or of one kind — as
// bars or as a pie. Its four chart options live in the ledger context, which
// keeps them in "chart.cfg".
class CDlgSysSetting : public QWidget
{
    Q_OBJECT
public:
    // The analyses, in the selector's order.
    enum Analysis : int
    {
        TotalCost = 0,
        AllMonthly,
        RefuelMonthly,
        RepairMonthly,
        AccidentMonthly,
        MaintainMonthly,
        DailyCostMonthly,
        AccessoryMonthly,
        AnalysisCount
    };

    explicit CDlgSysSetting(LedgerContext& context, QWidget* parent = nullptr);

    QString Caption() const { return m_band.Title(); }
    CBarChart* Chart() const { return m_chart; }
    QComboBox* Selector() const { return m_selector; }
    QRadioButton* BarButton() const { return m_bar; }
    QRadioButton* PieButton() const { return m_pie; }
    QCheckBox* GridBox() const { return m_gridBox; }
    QCheckBox* TipsBox() const { return m_tipsBox; }
    QCheckBox* GradientBox() const { return m_gradientBox; }

    // Draws the analysis chosen in the selector from the current car's
    // records as the file holds them (nothing before the page was first shown).
    void BuildAnalysis();
    // The month value of the analysis for the current car ("yyyy/mm/01" to
    // "yyyy/mm/31", text order).
    Expected<double> MonthValue(int analysis, int year, int month) const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FirstShowing();
    // Builds the analysis when the selector's index changed without a pick.
    void BuildPending();
    void OnChartType(int type);
    void OnOptionBox();
    void AddMonthlyBars(int analysis);

    LedgerContext& m_context;
    CRibbonFrame m_band;
    // Created in the order they stand, left to right, which is the tab order.
    QRadioButton* m_bar;
    QRadioButton* m_pie;
    QCheckBox* m_gridBox;
    QCheckBox* m_tipsBox;
    QCheckBox* m_gradientBox;
    QComboBox* m_selector;
    QGroupBox* m_selectorFrame = nullptr;
    int m_selectorLeft = 450; // the selector's frame follows the option boxes
    QFrame* m_container;
    CBarChart* m_chart;
    int m_grid = 1;
    int m_tips = 1;
    int m_gradient = 1;
    int m_chartType = 1;
    ChartOptions* m_options = nullptr; // the context's, from the first showing on
    bool m_buildPending = false;       // the index changed; no pick has built it yet
};
