#pragma once

#include "controls/RibbonFrame.h"

#include <QWidget>

class CGridCtrl;

// A content page made of a title band across the top and a grid below it.
// The ledger pages and the summary page are built on it.
class CGridDialog : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kGridId = 1013;

    explicit CGridDialog(const QString& caption, QWidget* parent = nullptr);

    CGridCtrl* Grid() const { return m_grid; }
    QString Caption() const { return m_titleBand.Title(); }

protected:
    // Sets the title band's text (and what assistive technology reads) and
    // redraws the band.
    void SetCaption(const QString& caption);
    // A remark shown after the caption (empty for none), kept when the caption
    // changes.
    void SetCaptionNote(const QString& note);
    // Places the grid under the title band; pages add their column widths.
    virtual void Layout();

    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    CRibbonFrame m_titleBand;
    CGridCtrl* m_grid;

private:
    QString m_caption;
    QString m_captionNote;
};
