#include "controls/InPlaceList.h"

CComboEdit::CComboEdit(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("CComboEdit"));
    setFrame(false);
}

CInPlaceList::CInPlaceList(QWidget* parent, int row, int col, QObject* notify, const QString& text,
                           const QStringList& options, quint32 style, EditStart start)
    : QComboBox(parent), CInPlaceEditorBase(this, row, col, notify, text)
{
    setObjectName(QStringLiteral("CInPlaceList"));
    const bool editable = style != CBS_DROPDOWNLIST;
    setEditable(editable);
    if (editable) {
        auto* edit = new CComboEdit(this);
        setLineEdit(edit);
        // No completion: the field keeps exactly what is typed (a completer
        // would finish "Fix" as "FixShop" and match letters in any case); the
        // options stay in the drop-down list.
        setCompleter(nullptr);
        WatchChild(edit);
        setInsertPolicy(QComboBox::NoInsert);
    }
    addItems(options);
    const int index = findText(text);
    setCurrentIndex(index);
    if (editable) {
        setEditText(text);
        if (start == EditStart::Typed || start == EditStart::Moved)
            lineEdit()->selectAll();
        else
            lineEdit()->end(false);
    }
}

void CInPlaceList::RestoreInitialText()
{
    const int index = findText(InitialText());
    setCurrentIndex(index);
    if (isEditable())
        setEditText(InitialText());
}

bool CInPlaceList::event(QEvent* e)
{
    if (FilterEditorEvent(e))
        return true;
    return QComboBox::event(e);
}

bool CInPlaceList::eventFilter(QObject* watched, QEvent* e)
{
    if (FilterEditorEvent(e))
        return true;
    return QComboBox::eventFilter(watched, e);
}
