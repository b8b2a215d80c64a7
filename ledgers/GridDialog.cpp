#include "ledgers/GridDialog.h"

#include "controls/GridCtrl.h"

#include <QPainter>

CGridDialog::CGridDialog(const QString& caption, QWidget* parent)
    : QWidget(parent), m_grid(new CGridCtrl(this))
{
    m_titleBand.SetOwner(this);
    m_grid->SetDlgCtrlID(kGridId);
    m_grid->SetOwner(this);
    SetCaption(caption);
}

void CGridDialog::SetCaption(const QString& caption)
{
    m_caption = caption;
    const QString shown = caption + m_captionNote;
    m_titleBand.SetTitle(shown);
    setAccessibleName(shown);
    update(m_titleBand.Rect());
}

void CGridDialog::SetCaptionNote(const QString& note)
{
    m_captionNote = note;
    SetCaption(m_caption);
}

void CGridDialog::Layout()
{
    m_grid->setGeometry(4, 25, width() - 8, height() - 29);
}

void CGridDialog::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_titleBand.SetRect(rect());
    Layout();
}

void CGridDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_titleBand.Draw(painter);
}
