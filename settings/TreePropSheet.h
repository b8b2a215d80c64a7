#pragma once

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <vector>

class CPropertyPage;
class CPropPageFrame;
class QPushButton;
class QTabBar;
class QTreeWidget;
class QTreeWidgetItem;

// A property sheet whose tab row is replaced by a tree of its pages on the
// left, with a page frame that shows a caption band above the active page.
// Page titles may name a path of tree nodes ("Group::Page"). OK, Cancel and
// Apply work as in any property sheet; Enter and Escape never close it.
//
// The window is built the first time the sheet is shown (or by Create());
// the tree mode, caption and image options must be chosen before that.
class CTreePropSheet : public QDialog
{
    Q_OBJECT
public:
    explicit CTreePropSheet(const QString& caption, QWidget* parent = nullptr);
    ~CTreePropSheet() override;

    // --- options, before the window exists (false afterwards) ----------------
    bool SetTreeViewMode(bool treeViewMode = true, bool pageCaption = false,
                         bool treeImages = false);
    bool IsTreeViewMode() const { return m_treeViewMode; }
    bool SetTreeWidth(int width);
    int GetTreeWidth() const { return m_treeWidth; }
    // Exactly two images: 0 for nodes without a page, 1 for pages without an
    // icon. Anything else is refused. Rebuilds the tree when it exists.
    bool SetTreeDefaultImages(const QList<QPixmap>& images);
    // Shown in the frame when a node without a page is selected; "%s" stands
    // for the node's text.
    void SetEmptyPageText(const QString& text) { m_emptyPageText = text; }
    QString GetEmptyPageText() const { return m_emptyPageText; }

    // --- pages -------------------------------------------------------------------
    // The sheet takes ownership. Added pages appear in the tree in order.
    void AddPage(CPropertyPage* page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    int GetPageIndex(const CPropertyPage* page) const;
    // The active page; nullptr while a node without a page is selected.
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const { return m_activeIndex; }
    // Before the window exists this chooses the start page. Answers false when
    // the current page refuses to be left or the index is out of range.
    bool SetActivePage(int index);
    bool SetActivePage(CPropertyPage* page);

    void SetTitle(const QString& title) { setWindowTitle(title); }

    // --- the window --------------------------------------------------------------
    bool Create();
    bool IsCreated() const { return m_created; }
    QTreeWidget* GetPageTreeControl() const { return m_tree; }
    CPropPageFrame* GetFrame() const { return m_frame; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* applyButton() const { return m_apply; }

    // Apply: OnApply of every page shown at least once; the sheet stays open.
    bool Apply();
    // Enables Apply while any page is modified.
    void UpdateApplyButton();

    void setVisible(bool visible) override;
    void accept() override;
    void reject() override;

protected:
    virtual QString GenerateEmptyPageMessage(const QString& format, const QString& nodeText);
    virtual QTreeWidget* CreatePageTreeObject();
    virtual CPropPageFrame* CreatePageFrame();

    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillTree();
    QTreeWidgetItem* findOrCreateItem(const QString& title);
    QTreeWidgetItem* itemForPage(int index) const;
    void onTreeSelectionChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    bool activatePage(int index);
    void placeActivePage();
    void selectActiveItem();
    void updateCaption();
    void selectNeighbour(bool next);
    int captionHeight();
    void updateFrameMinimum();

    bool m_treeViewMode = true;
    bool m_pageCaption = false;
    bool m_treeImages = false;
    bool m_created = false;
    bool m_selectionGuard = false;
    int m_treeWidth = 150;
    QString m_emptyPageText;
    QList<QPixmap> m_defaultImages;

    std::vector<CPropertyPage*> m_pages;
    int m_activeIndex = -1;
    int m_startIndex = 0;

    QTreeWidget* m_tree = nullptr;
    QTabBar* m_tabs = nullptr;
    CPropPageFrame* m_frame = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_apply = nullptr;
};
