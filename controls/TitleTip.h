#pragma once

#include <QFont>
#include <QWidget>

// A pop-up over a cell whose text is clipped, showing the whole text. It takes
// no input: clicks and the wheel go to the grid beneath, which hides it.
class CTitleTip : public QWidget
{
    Q_OBJECT

public:
    explicit CTitleTip(QWidget* grid);

    // Shows text over the cell rectangle (global coordinates), as wide as the
    // text needs.
    void Show(const QRect& cellRect, const QString& text, const QFont& font, int margin);
    QString Text() const { return m_text; }
    QRect CellRect() const { return m_cellRect; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString m_text;
    QRect m_cellRect;
    int m_margin = 3;
};
