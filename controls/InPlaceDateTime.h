#pragma once

#include "controls/InPlaceEditor.h"

#include <QDateEdit>

// The up-down date editor of a date cell, showing "%Y/%m/%d".
class CInPlaceDateTime : public QDateEdit, public CInPlaceEditorBase
{
    Q_OBJECT

public:
    // text: the cell's text, which Escape puts back (it may be empty or no date).
    CInPlaceDateTime(QWidget* parent, int row, int col, QObject* notify, const QString& text,
                     const QDate& date, EditStart start);

    QString EditorText() const override;
    void RestoreInitialText() override { setDate(m_initialDate); }

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QDate m_initialDate;
};
