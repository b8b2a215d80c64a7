#pragma once

#include "controls/InPlaceEditor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStringList>

// The edit field of an in-place combo box; the combo box watches its keys
// and focus, so the keys that end an edit end it here too.
class CComboEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CComboEdit(QWidget* parent);
};

// The combo box editor of a combo cell: drop-down (CBS_DROPDOWN: any text) or
// drop-down list (CBS_DROPDOWNLIST: only the options). The edit field of a
// drop-down completes nothing by itself: the text typed is the text that ends
// the edit, unless an option is picked from the list.
class CInPlaceList : public QComboBox, public CInPlaceEditorBase
{
    Q_OBJECT

public:
    CInPlaceList(QWidget* parent, int row, int col, QObject* notify, const QString& text,
                 const QStringList& options, quint32 style, EditStart start);

    QString EditorText() const override { return currentText(); }
    void RestoreInitialText() override;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
};
