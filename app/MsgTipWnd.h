#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

class CHoverButton;
class QPropertyAnimation;
struct CRemindUnit;

// Where the tip's three texts go in a client area of `client`: the caption
// band left of the confirm button, the footer along the bottom and the body
// between them.
struct TipTextRects
{
    QRect caption;
    QRect footer;
    QRect body;
};
TipTextRects LayoutTipTexts(const QSize& client, int captionHeight, int footerHeight,
                            bool hasFooter);
// The distance between two body lines: 1.2 em, as classic CJK screen fonts
// space their lines (the installed CJK families would leave 1.45 em, and the
// small tip would hold a line less), or the font's own spacing when smaller.
int TipLineStep(const QFont& font);
// The body as drawn: word-wrapped lines no wider than `width`, as many as fit
// into `height` at TipLineStep; the last one ends in an ellipsis when text is
// left over.
QStringList WrapTipBody(const QString& body, const QFont& font, int width, int height);

// The pop-up tip window: 193 x 107 pixels above the bottom-right corner of the
// work area, shown without taking the focus. It slides up (or fades in),
// stays for its display time (longer while the mouse is over it) and slides
// down (or fades out). Its button "我知道啦!" sends WM_USER + 2 with the shown
// reminder to its owner and closes the tip.
//
// Timers: 10 slides in by one pixel every 20 ms, 11 slides out the same way,
// 12 ends the display time.
class CMsgTipWnd : public QWidget
{
    Q_OBJECT
public:
    enum Mode
    {
        Fade = 1,  // show mode: fade in and out
        Slide = 2, // show mode: slide in and out; close mode: slide out at the end
    };
    static constexpr QSize kSize{193, 107};
    static constexpr int kSlideStepMs = 20;

    explicit CMsgTipWnd(QWidget* owner);
    ~CMsgTipWnd() override;

    void SetShowMode(int mode) { m_showMode = mode; }
    void SetCloseMode(int mode) { m_closeMode = mode; }
    // Takes the entry and the texts, places the window over the work area of
    // the owner's screen and shows it in the show mode.
    void ShowTip(CRemindUnit* entry, const QString& caption, const QString& body,
                 const QString& footer);
    // Hides the tip; in fade mode after fading out.
    void CloseTip();
    bool IsOnScreen() const { return isVisible(); }

    // A step of timer 10, 11 or 12.
    void OnTimer(int id);
    const QTimer& Timer(int id) const;

    QString Caption() const { return m_caption; }
    QString Body() const { return m_body; }
    QString Footer() const { return m_footer; }
    CRemindUnit* Entry() const { return m_entry; }
    int SlideOffset() const { return m_offset; }
    // x and the bottom edge the window rises from.
    QPoint BasePosition() const { return {m_x, m_baseY}; }
    CHoverButton* ConfirmButton() const { return m_confirm; }

    static QFont CaptionFont();
    // The caption font for a caption in a band `width` pixels wide: smaller by
    // whole points, down to the footer's size, while the caption is wider.
    static QFont CaptionFontFor(const QString& caption, int width);
    static QFont FooterFont();
    static QFont BodyFont();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void onConfirm();
    void mouseInside();
    void startDisplayTimer(int ms);
    void moveToOffset();
    void fade(qreal to, const std::function<void()>& done);
    void finishClose();

    CHoverButton* m_confirm = nullptr;
    QString m_body = QStringLiteral("MSG");
    QString m_caption = QStringLiteral("INFORMATION");
    QString m_footer = QStringLiteral("QUILLTIP");
    int m_showMode = Fade;
    int m_closeMode = 0;
    int m_offset = 0;
    int m_x = 0;
    int m_baseY = 0;
    bool m_mouseInside = false;
    CRemindUnit* m_entry = nullptr;
    QTimer m_slideIn;  // 10
    QTimer m_slideOut; // 11
    QTimer m_display;  // 12
    QPropertyAnimation* m_fade = nullptr;
};
