#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

// A label that opens an address in the browser when clicked. It is drawn in
// the link colour, in the visited colour after it opened its address, and in
// the hover colour while the mouse is over it; the hand cursor shows over it
// and a tooltip names the address.
class CXHyperLink : public QLabel
{
    Q_OBJECT
public:
    enum Underline
    {
        UnderlineHover = -1, // underlined while the mouse is over it
        UnderlineNever = 0,
        UnderlineAlways = 1,
    };

    // An empty address is taken from the text and an empty text from the
    // address; an empty address stays empty and follows the text.
    explicit CXHyperLink(const QString& text = {}, QWidget* parent = nullptr,
                         const QString& url = {});

    // The event type of the message "WM_XHYPERLINK_CLICKED" that a click sends
    // to the parent when the notify-parent flag is set (wParam: the control id).
    static int ClickedMessage();

    void SetURL(const QString& url);
    // The address, or the text while the address is empty.
    QString GetURL() const { return m_url.isEmpty() ? text() : m_url; }

    void SetColours(const QColor& link, const QColor& visited, const QColor& hover);
    QColor GetLinkColour() const { return m_linkColour; }
    QColor GetVisitedColour() const { return m_visitedColour; }
    QColor GetHoverColour() const { return m_hoverColour; }
    // An invalid colour leaves the parent's pixels behind the text.
    void SetBackgroundColour(const QColor& colour);

    void SetVisited(bool visited);
    bool GetVisited() const { return m_visited; }
    void SetUnderline(int mode);
    int GetUnderline() const { return m_underline; }
    void SetNotifyParent(bool notify) { m_notifyParent = notify; }
    void SetControlId(int id) { m_controlId = id; }
    void EnableTooltip(bool enable);
    // Whether a new address resizes the label to its text.
    void SetAutoSize(bool autoSize) { m_adjustSize = autoSize; }

    bool IsHovering() const { return m_hovering; }
    // The colour the text is drawn in now.
    QColor CurrentColour() const;

    // Opens the address; a success marks the link visited, a failure beeps.
    bool GotoURL();

signals:
    // After every click, once the address was opened (or not).
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void click();
    void setHovering(bool hovering);
    // Colour, underline and background of the current state.
    void applyLook();
    // Resizes to the text, keeping the edge or centre the alignment anchors.
    void fitToText();
    void updateTooltip();

    QColor m_linkColour{0, 0, 238};
    QColor m_visitedColour{85, 26, 139};
    QColor m_hoverColour{255, 0, 0};
    QColor m_backgroundColour;
    QString m_url;
    bool m_hovering = false;
    bool m_visited = false;
    bool m_pressed = false;
    int m_underline = UnderlineHover;
    bool m_notifyParent = false;
    bool m_tooltip = true;
    bool m_adjustSize = true;
    int m_controlId = 0;
};
