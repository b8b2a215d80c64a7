#pragma once

#include <QIcon>
#include <QWidget>

class CTreePropSheet;

// One page of a CTreePropSheet. The sheet initialises a page the first time it
// shows it (OnInitDialog), tells it when it becomes active or is left, and on
// Apply or OK runs OnApply of every page shown at least once. Its push buttons
// act only when clicked (or pressed with Space), never on Enter.
class CPropertyPage : public QWidget
{
    Q_OBJECT
public:
    explicit CPropertyPage(const QString& title, QWidget* parent = nullptr);

    // The tree and caption text.
    QString GetTitle() const { return m_title; }
    void SetTitle(const QString& title) { m_title = title; }
    // The page's own icon (null when it has none).
    QIcon GetIcon() const { return m_icon; }
    void SetIcon(const QIcon& icon) { m_icon = icon; }

    // The sheet holding the page; nullptr before it is added to one.
    CTreePropSheet* GetSheet() const { return m_sheet; }

    // A modified page enables the sheet's Apply button.
    void SetModified(bool modified = true);
    bool IsModified() const { return m_modified; }

    // True once the page has been initialised (shown at least once).
    bool IsCreated() const { return m_created; }
    // Runs OnInitDialog once; the sheet calls it before showing the page.
    void EnsureCreated();

    // Called once, before the page is first shown.
    virtual void OnInitDialog() {}
    // The page becomes the active one; false keeps the previous page.
    virtual bool OnSetActive() { return true; }
    // The page is about to be left; false keeps it active.
    virtual bool OnKillActive() { return true; }
    // Apply and OK; false keeps the sheet open on this page. The default runs OnOK.
    virtual bool OnApply();
    virtual void OnOK() {}
    // Cancel and the close box.
    virtual void OnCancel() {}

protected:
    void showEvent(QShowEvent* event) override;

private:
    friend class CTreePropSheet;

    // Enter goes to the focused control of a page, never to a dialog button:
    // none of the page's push buttons is a default or auto-default button.
    void clearDefaultButtons();

    QString m_title;
    QIcon m_icon;
    CTreePropSheet* m_sheet = nullptr;
    bool m_modified = false;
    bool m_created = false;
};
