#pragma once

#include <QIcon>
#include <QRect>
#include <QString>

class QPainter;
class QWidget;

// The frame that holds a sheet's pages: an optional caption band at its top
// and a message shown where no page covers it. The state lives here; a
// concrete frame provides the window and the drawing of the caption band.
class CPropPageFrame
{
public:
    CPropPageFrame() = default;
    virtual ~CPropPageFrame();
    CPropPageFrame(const CPropPageFrame&) = delete;
    CPropPageFrame& operator=(const CPropPageFrame&) = delete;

    // Creates the frame window as a child of parent at rect.
    virtual bool Create(QWidget* parent, const QRect& rect) = 0;
    virtual QWidget* GetWnd() = 0;

    virtual void ShowCaption(bool show);
    bool GetShowCaption() const { return m_showCaption; }
    virtual void SetCaptionHeight(int height);
    int GetCaptionHeight() const { return m_captionHeight; }
    virtual void SetCaption(const QString& text, const QIcon& icon = QIcon());
    QString GetCaptionText() const { return m_captionText; }
    QIcon GetCaptionIcon() const { return m_captionIcon; }
    virtual void SetMsgText(const QString& text);
    QString GetMsgText() const { return m_msgText; }
    // Qt::Alignment flags of the message; centred on one line at first.
    virtual void SetMsgFormat(int format);
    int GetMsgFormat() const { return m_msgFormat; }

    // Paints the caption band (when shown), then the message.
    virtual void Draw(QPainter& painter);
    // The client rectangle below the caption band.
    virtual QRect CalcMsgArea();
    virtual void DrawMsg(QPainter& painter, const QRect& rect, const QString& text, int format);
    // The caption band: the top of the client rectangle, caption height high
    // when the caption is shown, else empty.
    virtual QRect CalcCaptionArea();
    virtual void DrawCaption(QPainter& painter, const QRect& rect, const QString& text,
                             const QIcon& icon);

protected:
    void invalidate(const QRect& rect);

private:
    bool m_showCaption = false;
    int m_captionHeight = 0;
    QString m_captionText;
    QIcon m_captionIcon;
    QString m_msgText;
    int m_msgFormat = Qt::AlignCenter | Qt::TextSingleLine;
};
