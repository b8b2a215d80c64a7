#pragma once

#include "controls/RibbonFrame.h"

#include <QPixmap>
#include <QtGlobal>
#include <vector>

// One image button of a CRibbonTools panel.
struct RibbonButton
{
    enum : quint32
    {
        Selected = 0x10000,
        Pressed = 0x20000,
        Disabled = 0x40000,
    };

    QRect rect;
    int image = 0; // column in the image strip
    int id = 0;
    quint32 state = 0;
};

// Positions of `count` buttons of w x h in a panel: `columns` per row (0: as
// many as fit, at least one), spread with equal gaps, the first row one row
// down to leave room for the title.
std::vector<QRect> LayoutButtonGrid(const QRect& panel, int w, int h, int columns, int count);

// Where a button's image is drawn: centred in its cell as the strip's cells are
// laid out, which may stick out of the cell.
QRect ButtonImageRect(const QRect& button, const QSize& image);

// A titled panel with a grid of image buttons. The images come from one strip:
// one column per button, rows normal, hot, selected/pressed. Releasing the
// mouse on an enabled button selects it and sends WM_PAGE_SELECT with the
// button's id to the owner.
class CRibbonTools : public CRibbonFrame
{
public:
    CRibbonTools();
    ~CRibbonTools() override;

    void Draw(QPainter& painter) override;
    void MouseMove(const QPoint& point) override;
    void LButtonUp(const QPoint& point) override;
    void LButtonDown(const QPoint& point) override;

    // Hot-tracking: the cursor over the panel and the hot button.
    virtual void HotTrack(const QPoint& point);
    // A press (pressed true) or release at a point.
    virtual void Click(const QPoint& point, bool pressed);

    // Makes `count` button records with ids base, base + 1, ... and lays them out.
    void CreateButtons(unsigned count, int baseId);
    void LayoutButtons();
    void SetButtonSize(int width, int height);
    void SetImageSize(int width, int height);
    void SetColumns(int columns) { m_columns = columns; }
    // The strip as drawn, white being transparent.
    void SetImageStrip(const QPixmap& strip);

    const std::vector<RibbonButton>& Buttons() const { return m_buttons; }
    std::vector<RibbonButton>& Buttons() { return m_buttons; }
    int HotButton() const { return m_hotButton; }
    int BaseId() const { return m_baseId; }
    // Id of the button under the point, -1 for none.
    int ButtonAt(const QPoint& point) const;
    QSize ButtonSize() const { return {m_buttonWidth, m_buttonHeight}; }
    QSize ImageSize() const { return {m_imageWidth, m_imageHeight}; }

protected:
    // What has to be repainted when the button's state changes.
    virtual QRect StateRect(const RibbonButton& button) const;
    void DrawButtonImage(QPainter& painter, const RibbonButton& button) const;
    RibbonButton* ButtonById(int id);

    std::vector<RibbonButton> m_buttons;
    int m_hotButton = -1;
    int m_baseId = 0;
    QPixmap m_strip;
    int m_buttonWidth = 20;
    int m_buttonHeight = 20;
    int m_imageWidth = 16;
    int m_imageHeight = 16;
    int m_columns = 0;

private:
    // The button that was selected when a press began, restored when the
    // mouse is released outside every button.
    int m_selectedBeforePress = -1;
};
