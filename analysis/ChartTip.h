#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

// The pop-up beside the cursor that names the bar or slice under it: a
// rounded 120 x 100 window, shown topmost without taking the focus, hidden
// after 4 seconds or by a click on it. Its first line is the bar's label,
// the second its value, the next ones in grey.
class CChartTip : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kDisplayMs = 4000;

    explicit CChartTip(QWidget* owner = nullptr);

    // The owner's tips flag: while it is 0 the tip never shows.
    void Link(const int* tipsFlag) { m_tipsFlag = tipsFlag; }
    // Shows the text beside the cursor and starts the display timer; nothing
    // when tips are off, the text is empty, the same text is already shown, or
    // the cursor has not moved since the tip was last hidden.
    void Show(const QString& text);
    // Remembers the cursor position, stops the timer and hides the tip.
    void Hide();

    QString Text() const { return m_text; }
    const QTimer& DisplayTimer() const { return m_timer; }

    // Where the cursor is and which screen rectangle the tip must stay on;
    // the system's by default.
    void SetCursorSource(std::function<QPoint()> cursor) { m_cursor = std::move(cursor); }
    void SetScreenSource(std::function<QRect()> screen) { m_screen = std::move(screen); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPoint Cursor() const;
    QRect Screen() const;
    void FollowCursor();

    const int* m_tipsFlag = nullptr;
    QString m_text;
    std::optional<QPoint> m_hiddenAt;
    QTimer m_timer;
    QFont m_boldFont;
    QFont m_normalFont;
    std::function<QPoint()> m_cursor;
    std::function<QRect()> m_screen;
};
