#pragma once

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

class QPainter;

// A rectangle given by its left, top, right and bottom edges, right and bottom
// exclusive, the way the panel geometry is written down.
inline QRect RectLTRB(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

// A titled panel drawn into its owner window: a title band over a two-part
// vertical gradient inside a rounded border. It is not a window of its own;
// the owner forwards paint and mouse events to it and is invalidated by it.
// Content pages draw one over their whole area as their title band.
class CRibbonFrame
{
public:
    CRibbonFrame();
    virtual ~CRibbonFrame();
    CRibbonFrame(const CRibbonFrame&) = delete;
    CRibbonFrame& operator=(const CRibbonFrame&) = delete;

    virtual void Draw(QPainter& painter);
    // Tracks whether the mouse is over the panel.
    virtual void MouseMove(const QPoint& point);
    virtual void LButtonUp(const QPoint& point);
    virtual void LButtonDown(const QPoint& point);

    void SetRect(const QRect& rect) { m_rect = rect; }
    QRect Rect() const { return m_rect; }
    void SetTitle(const QString& title) { m_title = title; }
    QString Title() const { return m_title; }
    // Room kept free at the band's right end (for a control placed there); the
    // title is centred in the rest.
    void SetTitleRightMargin(int margin) { m_titleRightMargin = margin; }
    void SetOwner(QWidget* owner) { m_owner = owner; }
    QWidget* Owner() const { return m_owner; }
    bool IsHovered() const { return m_hover; }
    const QFont& Font() const { return m_font; }

    // Bottom edge (exclusive) of the title band.
    int TitleBandBottom() const;

    // Fills rows [top, bottom) between left and right with a vertical gradient:
    // row i of n + 1 rows gets start + i * (end - start) / n per channel; a single
    // row gets the end colour.
    static void FillGradient(QPainter& painter, int left, int right, int top, int bottom,
                             const QColor& start, const QColor& end);

protected:
    // Sets the hover flag; a change repaints the whole panel.
    void SetHover(bool hover);
    void Invalidate(const QRect& rect) const;

    QRect m_rect;
    bool m_hover = false;
    QFont m_font;
    QPointer<QWidget> m_owner;
    QString m_title = QStringLiteral("Toolbox");
    int m_titleRightMargin = 0;
};
