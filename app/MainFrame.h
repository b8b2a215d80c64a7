#pragma once

#include "database/FrameState.h"

#include <QMainWindow>

// The main window. As CFrameState it owns what several pages share for the
// whole run: the ledger database with its one connection, the current car's
// cost totals and the settings.
class CMainFrame : public QMainWindow, public CFrameState
{
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // "Qinmo【name】" from the current car, or "Qinmo【请选择或创建管理车辆】".
    void SetTitle() override;
    void RedrawCarPhoto() override;
    static QString TitleFor(const QString& carName);

private:
    // Folder, ledger file, current car and its totals, title.
    void prepareLedger();
};
