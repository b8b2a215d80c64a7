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
    m_titleBand.SetTitle(caption);
    setAccessibleName(caption);
    update(m_titleBand.Rect());
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
