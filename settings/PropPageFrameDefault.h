#pragma once

#include "settings/PropPageFrame.h"

#include <QColor>
#include <QWidget>

// The page frame of the tree sheet: a plain window in the button-face colour
// whose caption band runs as a gradient from the inactive-caption colour into
// the frame's background, with the page's icon and title.
class CPropPageFrameDefault : public QWidget, public CPropPageFrame
{
    Q_OBJECT
public:
    // Left colour of the caption band's gradient.
    static inline const QColor kInactiveCaption = QColor(191, 205, 219);
    static inline const QColor kCaptionText = QColor(Qt::black);

    explicit CPropPageFrameDefault(QWidget* parent = nullptr);

    bool Create(QWidget* parent, const QRect& rect) override;
    QWidget* GetWnd() override { return this; }

    void SetCaption(const QString& text, const QIcon& icon = QIcon()) override;
    // One pixel below the caption band.
    QRect CalcMsgArea() override;
    void DrawCaption(QPainter& painter, const QRect& rect, const QString& text,
                     const QIcon& icon) override;

    // The caption icon as the band draws it (null when there is none).
    QPixmap CaptionImage() const { return m_captionImage; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_captionImage;
};
