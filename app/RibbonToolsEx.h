#pragma once

#include "app/RibbonTools.h"

// A CRibbonTools whose selected button is drawn joined to the page area: a
// rounded tab around the button runs into the page area's rounded frame.
class CRibbonToolsEx : public CRibbonTools
{
public:
    CRibbonToolsEx();
    ~CRibbonToolsEx() override;

    void Draw(QPainter& painter) override;
    void Click(const QPoint& point, bool pressed) override;

    void SetPageArea(const QRect& area) { m_pageArea = area; }
    QRect PageArea() const { return m_pageArea; }
    // The tab drawn around the selected button (empty while none is selected).
    QRect SelectionRect() const { return m_selectionRect; }

    // The tab around a button: 5 pixels left, above and below, 26 to the right.
    static QRect HighlightRect(const QRect& button);

protected:
    QRect StateRect(const RibbonButton& button) const override;

private:
    // The page area's frame, joined with the tab of the selected button if any.
    void DrawSelection(QPainter& painter, const RibbonButton* selected) const;
    void UpdateSelectionRect();

    QRect m_pageArea;
    QRect m_selectionRect;
};
