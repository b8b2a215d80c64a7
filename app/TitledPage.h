#pragma once

#include "controls/RibbonFrame.h"

#include <QWidget>

// A content page that is its title band: a CRibbonFrame over the whole page,
// captioned with the page's name. It answers WM_PAGE_SHOW; it has nothing to
// reload when the current car changes.
class CTitledPage : public QWidget
{
    Q_OBJECT
public:
    explicit CTitledPage(const QString& caption, QWidget* parent = nullptr);

    QString Caption() const { return m_band.Title(); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CRibbonFrame m_band;
};
