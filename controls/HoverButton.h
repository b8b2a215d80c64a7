#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QCursor>
#include <QIcon>
#include <QPixmap>

// A push button that changes its look while the mouse is over it. With both a
// normal and a hover bitmap it shows the bitmap stretched over the whole
// button; otherwise an optional icon and the caption, the caption in the hover
// colour while hovered.
class CHoverButton : public QAbstractButton
{
    Q_OBJECT
public:
    enum Layout
    {
        IconLeft = 0,  // icon at the left margin, caption beside it
        IconAbove = 1, // icon centred at the top margin, caption below it
    };

    explicit CHoverButton(QWidget* parent = nullptr);

    // Bitmap mode, when both bitmaps exist; pixels of the transparent colour
    // are left out (an invalid colour leaves none out).
    void SetBitmaps(int normalId, int hoverId, const QColor& transparent);
    // Icon mode with the icons of the resource table, drawn width x height.
    void SetIcons(int normalId, int hoverId, int width = 32, int height = 32);
    // Icon mode with any icons; the hover one is taken in its active look.
    void SetIcons(const QIcon& normal, const QIcon& hover, int width = 32, int height = 32);
    // With bitmaps the button takes the normal bitmap's size, otherwise the
    // size its icon and caption need; the top-left corner stays.
    void SizeToContent();

    void SetLayout(int layout);
    void SetMargins(int left, int top);
    void SetTextColours(const QColor& hover, const QColor& normal);
    void SetBold(bool bold);
    void SetFontHeight(int pixels);
    void SetItalic(bool italic);
    void SetUnderline(bool underline);
    // The double 3-D frame with the focus marks.
    void SetStandardFrame(bool on);
    // A thin frame only while hovered; it replaces the standard frame.
    void SetFlatFrame(bool on);
    // Leaves the parent's pixels behind the button instead of the button face.
    void SetParentBackground(bool on);
    void SetHoverCursor(const QCursor& cursor);

    bool IsHovering() const { return m_hovering; }
    bool IsBitmapMode() const { return !m_normalBitmap.isNull() && !m_hoverBitmap.isNull(); }
    bool IsIconMode() const { return m_iconMode; }
    // The caption colour of the current state.
    QColor TextColour() const { return m_hovering ? m_hoverText : m_normalText; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setHovering(bool hovering);
    void setIconPixmaps(const QPixmap& normal, const QPixmap& hover, const QSize& size);
    void rebuildFont();
    void paintBitmap(QPainter& painter, bool pressed) const;
    void paintIconAndText(QPainter& painter, bool pressed) const;
    void paintFrame(QPainter& painter, bool pressed) const;
    QSize iconSize() const { return {m_iconWidth, m_iconHeight}; }

    QPixmap m_normalBitmap, m_hoverBitmap;
    QPixmap m_normalIcon, m_hoverIcon;
    int m_iconWidth = 32;
    int m_iconHeight = 32;
    bool m_iconMode = false;
    int m_layout = IconLeft;
    int m_leftMargin = 5;
    int m_topMargin = 5;
    bool m_hovering = false;
    QColor m_hoverText{255, 0, 0};
    QColor m_normalText{Qt::black};
    int m_fontHeight = 12;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
    bool m_standardFrame = true;
    bool m_flatFrame = false;
    bool m_parentBackground = false;
};
