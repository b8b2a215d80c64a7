#pragma once

#include "app/PageTable.h"
#include "app/RibbonToolsEx.h"
#include "controls/RibbonFrame.h"
#include "database/LedgerKind.h"

#include <QWidget>
#include <array>

class IWindowRequests;
class LedgerContext;
class QPushButton;

// The main view: the navigation column on the left (the car photo panel
// "爱车靓照" and the panel "功能管理区" with one button per page) and the page
// area on the right, where exactly one of the nine content pages is shown.
//
// Pages are child widgets made by the factories of the page table, all given
// the same rectangle. Selecting page i shows it and hides the others; every
// page then receives WM_PAGE_SHOW (a platform::CMessageEvent) with lParam 1
// when it is the shown page and 0 when it is hidden.
//
// While the ledger has no current car a welcome covers the page area, with the
// one button "添加第一辆车" that opens car management ready to add a car.
class COrvynView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kBaseId = 1000;  // id of navigation button 0
    static constexpr int kPageLeft = 168; // page rectangle: left 168, top 6,
    static constexpr int kPageMargin = 6; // right W - 6, bottom H - 6
    static const QColor kBackground;      // behind panels and child controls

    // The car photo is drawn from the context's ledger; the settings sheet
    // gets the context and the window.
    COrvynView(LedgerContext& context, IWindowRequests* window, const PageFactories& factories,
               QWidget* parent = nullptr);
    ~COrvynView() override;

    // Start-up: selects button 0 as if it had been clicked, so the summary
    // page is shown. The frame calls it once the ledger is open.
    void OnInitialUpdate();

    // The settings menu commands (32782, 32783, 32784, 32773, 32789, 32785,
    // 32787). When the settings sheet has closed, the shown page is told it is
    // still shown (it reloads if the current car changed) and the photo is
    // redrawn.
    // With readyToAdd the car management page opens with its name box ready.
    void OnSettingsCommand(int commandId, bool readyToAdd = false);
    // Selects page index as a click on its navigation button does (Ctrl+1 …
    // Ctrl+9).
    void SelectPageByIndex(int index);
    // Shows the ledger page of the kind with the record's row selected; false
    // when the page car has no such record.
    bool ShowRecord(LedgerKind kind, const QString& recId);
    // Shows the welcome while there is no current car, hides it otherwise.
    void UpdateWelcome();
    QWidget* Welcome() const { return m_welcome; }
    QPushButton* AddFirstCarButton() const { return m_addFirstCar; }
    // Closes every open cell editor of the pages, which saves what it holds.
    void EndCellEditing();

    // Repaints the car photo now.
    void RedrawCarPhoto();

    QWidget* Page(int index) const;
    // Index of the shown page, -1 before the first selection.
    int ShownPage() const { return m_shownPage; }

    const CRibbonFrame& PhotoPanel() const { return m_photoPanel; }
    const CRibbonToolsEx& NavigationPanel() const { return m_navigationPanel; }
    CRibbonToolsEx& NavigationPanel() { return m_navigationPanel; }
    // Where the car photo is drawn inside the photo panel.
    QRect PhotoArea() const;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Layout();
    void SelectPage(int buttonId);

    LedgerContext& m_context;
    IWindowRequests* m_window;
    CRibbonFrame m_photoPanel;
    CRibbonToolsEx m_navigationPanel;
    std::array<QWidget*, kPageCount> m_pages{};
    int m_shownPage = -1;
    QWidget* m_welcome = nullptr;
    QPushButton* m_addFirstCar = nullptr;
};
