#include "controls/InPlaceEdit.h"

#include <QFontMetrics>

CInPlaceEdit::CInPlaceEdit(QWidget* parent, int row, int col, QObject* notify, const QString& text,
                           EditStart start)
    : QLineEdit(parent), CInPlaceEditorBase(this, row, col, notify, text)
{
    setObjectName(QStringLiteral("CInPlaceEdit"));
    setFrame(false);
    setText(text);
    if (start == EditStart::Typed || start == EditStart::Moved)
        selectAll(); // what is typed next replaces the text
    else
        end(false);
    connect(this, &QLineEdit::textChanged, this, [this] { Widen(); });
}

void CInPlaceEdit::SetCellRect(const QRect& rect)
{
    m_cellRect = rect;
    setGeometry(rect);
    Widen();
}

void CInPlaceEdit::Widen()
{
    if (!m_cellRect.isValid() || !parentWidget())
        return;
    const int wanted = fontMetrics().horizontalAdvance(text() + QStringLiteral("  ")) +
                       textMargins().left() + textMargins().right() + 4;
    const int limit = parentWidget()->width() - m_cellRect.left();
    const int width = std::max(m_cellRect.width(), std::min(wanted, limit));
    if (width != this->width())
        resize(width, m_cellRect.height());
}

bool CInPlaceEdit::EndsOnPlainKey(int key) const
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
           key == Qt::Key_PageDown;
}

bool CInPlaceEdit::event(QEvent* e)
{
    if (FilterEditorEvent(e))
        return true;
    return QLineEdit::event(e);
}

bool CInPlaceEdit::eventFilter(QObject* watched, QEvent* e)
{
    if (FilterEditorEvent(e))
        return true;
    return QLineEdit::eventFilter(watched, e);
}
