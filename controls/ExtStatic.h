#pragma once

#include <QBrush>
#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

// A one-line label with its own font and colours, drawn embossed by default
// (a highlight and a shadow copy under the text) and vertically centred, with
// an optional 16 x 16 icon before the text. Its shown text is its accessible
// name.
class CExtStatic : public QWidget
{
    Q_OBJECT
public:
    enum Alignment
    {
        Left = 0,
        Centre = 1,
        Right = 2,
    };

    explicit CExtStatic(const QString& windowText = {}, QWidget* parent = nullptr);

    // The label's own caption, shown while the own text is empty.
    void SetWindowText(const QString& text);
    QString WindowText() const { return m_windowText; }
    void SetText(const QString& text);
    // What is drawn: the own text, else the window text.
    QString Text() const { return m_text.isEmpty() ? m_windowText : m_text; }

    void SetTextColour(const QColor& c);
    void SetBackColour(const QColor& c);
    // Fills the background instead of the colour; a brush of style NoBrush
    // hands the background back to the colour.
    void SetBackBrush(const QBrush& b);
    void SetFaceName(const QString& face);
    void SetFontHeight(int pixels);
    void SetAlignment(int alignment);
    void SetBold(bool on);
    void SetItalic(bool on);
    void SetUnderline(bool on);
    void SetEmbossed(bool on);
    // Draws straight over the parent without filling the background.
    void SetTransparent(bool on);
    void SetIcon(const QPixmap& icon16);
    // Builds the font from face, height, weight, italic and underline; every
    // setter above that changes one of them does it already.
    void RebuildFont();

    QColor TextColour() const { return m_textColour; }
    // The set background, or else the palette's button colour, light when the
    // palette's one would not carry the text colour.
    QColor BackColour() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void textChanged();

    QString m_windowText;
    QString m_text;
    QColor m_textColour{Qt::black};
    QColor m_backColour; // invalid: from the palette
    QBrush m_backBrush;
    QString m_faceName = QStringLiteral("宋体");
    int m_height = 12;
    int m_alignment = Left;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
    bool m_embossed = true;
    bool m_transparent = false;
    QPixmap m_icon;
};
