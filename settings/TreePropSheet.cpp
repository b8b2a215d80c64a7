#include "settings/TreePropSheet.h"

#include "settings/PropPageFrameDefault.h"
#include "settings/PropertyPage.h"
#include "settings/TreePath.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kPageRole = Qt::UserRole;
constexpr int kNoPage = -1;
constexpr int kTreeGap = 5; // between the tree and the page frame

int pageIndexOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kPageRole).toInt() : kNoPage;
}

QTreeWidgetItem* nextSiblingOf(QTreeWidgetItem* item)
{
    QTreeWidgetItem* parent = item->parent();
    if (parent) {
        const int index = parent->indexOfChild(item);
        return index + 1 < parent->childCount() ? parent->child(index + 1) : nullptr;
    }
    QTreeWidget* tree = item->treeWidget();
    const int index = tree->indexOfTopLevelItem(item);
    return index + 1 < tree->topLevelItemCount() ? tree->topLevelItem(index + 1) : nullptr;
}

QTreeWidgetItem* previousSiblingOf(QTreeWidgetItem* item)
{
    QTreeWidgetItem* parent = item->parent();
    if (parent) {
        const int index = parent->indexOfChild(item);
        return index > 0 ? parent->child(index - 1) : nullptr;
    }
    QTreeWidget* tree = item->treeWidget();
    const int index = tree->indexOfTopLevelItem(item);
    return index > 0 ? tree->topLevelItem(index - 1) : nullptr;
}

QTreeWidgetItem* deepestLast(QTreeWidgetItem* item)
{
    while (item && item->childCount() > 0)
        item = item->child(item->childCount() - 1);
    return item;
}

// Depth first: first child, else next sibling, else the next sibling of the
// nearest ancestor that has one; after the last item, the first root item.
QTreeWidgetItem* nextItem(QTreeWidget* tree, QTreeWidgetItem* item)
{
    if (!item)
        return tree->topLevelItem(0);
    if (item->childCount() > 0)
        return item->child(0);
    for (QTreeWidgetItem* up = item; up; up = up->parent()) {
        if (QTreeWidgetItem* sibling = nextSiblingOf(up))
            return sibling;
    }
    return tree->topLevelItem(0);
}

// The previous sibling's deepest last descendant, else the parent; before the
// first item, the deepest last item of the tree.
QTreeWidgetItem* previousItem(QTreeWidget* tree, QTreeWidgetItem* item)
{
    const auto lastOfTree = [tree] {
        const int count = tree->topLevelItemCount();
        return count > 0 ? deepestLast(tree->topLevelItem(count - 1)) : nullptr;
    };
    if (!item)
        return lastOfTree();
    if (QTreeWidgetItem* sibling = previousSiblingOf(item))
        return deepestLast(sibling);
    if (item->parent())
        return item->parent();
    return lastOfTree();
}

} // namespace

CTreePropSheet::CTreePropSheet(const QString& caption, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(false);
}

CTreePropSheet::~CTreePropSheet()
{
    qApp->removeEventFilter(this);
    // Pages of a sheet that was never shown have no parent yet.
    if (!m_created)
        qDeleteAll(m_pages);
    // A frame that is not its own window is not deleted with the children.
    if (m_frame && dynamic_cast<QWidget*>(m_frame) != m_frame->GetWnd())
        delete m_frame;
}

bool CTreePropSheet::SetTreeViewMode(bool treeViewMode, bool pageCaption, bool treeImages)
{
    if (m_created)
        return false;
    m_treeViewMode = treeViewMode;
    m_pageCaption = pageCaption;
    m_treeImages = treeImages;
    return true;
}

bool CTreePropSheet::SetTreeWidth(int width)
{
    if (m_created || width <= kTreeGap)
        return false;
    m_treeWidth = width;
    return true;
}

bool CTreePropSheet::SetTreeDefaultImages(const QList<QPixmap>& images)
{
    if (images.size() != 2)
        return false;
    m_defaultImages = images;
    if (m_tree) {
        fillTree();
        selectActiveItem();
    }
    return true;
}

void CTreePropSheet::AddPage(CPropertyPage* page)
{
    page->m_sheet = this;
    page->clearDefaultButtons();
    m_pages.push_back(page);
    if (!m_created) {
        // Parented when the window is built (see Create), which sets the Tab order.
        page->setParent(nullptr);
        return;
    }
    page->setParent(m_frame->GetWnd());
    page->hide();
    updateFrameMinimum();
    if (m_tree) {
        fillTree();
        selectActiveItem();
    } else if (m_tabs) {
        m_tabs->addTab(page->GetIcon(), page->GetTitle());
    }
    if (m_activeIndex < 0 && m_pages.size() == 1)
        SetActivePage(0);
}

CPropertyPage* CTreePropSheet::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

int CTreePropSheet::GetPageIndex(const CPropertyPage* page) const
{
    for (int i = 0; i < GetPageCount(); ++i) {
        if (m_pages[static_cast<size_t>(i)] == page)
            return i;
    }
    return -1;
}

CPropertyPage* CTreePropSheet::GetActivePage() const
{
    return GetPage(m_activeIndex);
}

bool CTreePropSheet::SetActivePage(CPropertyPage* page)
{
    return SetActivePage(GetPageIndex(page));
}

bool CTreePropSheet::SetActivePage(int index)
{
    if (index < 0 || index >= GetPageCount())
        return false;
    if (!m_created) {
        m_startIndex = index;
        return true;
    }
    if (!activatePage(index))
        return false;
    selectActiveItem();
    updateCaption();
    return true;
}

bool CTreePropSheet::activatePage(int index)
{
    if (index == m_activeIndex)
        return true;
    CPropertyPage* old = GetActivePage();
    if (old && !old->OnKillActive())
        return false;
    CPropertyPage* page = GetPage(index);
    page->EnsureCreated();
    if (!page->OnSetActive())
        return false;
    if (old)
        old->hide();
    m_activeIndex = index;
    placeActivePage();
    page->show();
    return true;
}

void CTreePropSheet::placeActivePage()
{
    if (CPropertyPage* page = GetActivePage())
        page->setGeometry(m_frame->CalcMsgArea());
}

bool CTreePropSheet::Create()
{
    if (m_created)
        return true;
    m_created = true;

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(kTreeGap);

    m_frame = CreatePageFrame();
    QWidget* frameWnd = m_frame->GetWnd();
    m_frame->Create(this, QRect());
    frameWnd->setAccessibleName(windowTitle());
    m_frame->ShowCaption(m_treeViewMode && m_pageCaption);
    m_frame->SetCaptionHeight(captionHeight());
    frameWnd->installEventFilter(this);

    if (m_treeViewMode) {
        m_tree = CreatePageTreeObject();
        m_tree->setParent(this);
        m_tree->setFixedWidth(m_treeWidth - kTreeGap);
        grid->addWidget(m_tree, 0, 0);
        grid->addWidget(frameWnd, 0, 1);
    } else {
        auto* column = new QVBoxLayout;
        column->setSpacing(0);
        m_tabs = new QTabBar(this);
        m_tabs->setAccessibleName(tr("页面"));
        column->addWidget(m_tabs);
        column->addWidget(frameWnd, 1);
        grid->addLayout(column, 0, 0, 1, 2);
    }

    // Parented after the tree and before the buttons exist, so Tab runs tree,
    // page, buttons.
    for (CPropertyPage* page : m_pages) {
        page->setParent(frameWnd);
        page->hide();
    }
    updateFrameMinimum();

    m_ok = new QPushButton(tr("确定"), this);
    m_cancel = new QPushButton(tr("取消"), this);
    m_apply = new QPushButton(tr("应用(&A)"), this);
    m_apply->setAccessibleName(tr("应用"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {m_ok, m_cancel, m_apply}) {
        // Enter is never a dialog key of the sheet.
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    grid->addLayout(buttons, 1, 0, 1, 2);
    connect(m_ok, &QPushButton::clicked, this, &CTreePropSheet::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CTreePropSheet::reject);
    connect(m_apply, &QPushButton::clicked, this, &CTreePropSheet::Apply);

    qApp->installEventFilter(this);

    if (m_tree) {
        fillTree();
        connect(m_tree, &QTreeWidget::currentItemChanged, this,
                &CTreePropSheet::onTreeSelectionChanged);
    } else {
        for (CPropertyPage* page : m_pages)
            m_tabs->addTab(page->GetIcon(), page->GetTitle());
        connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
            if (m_selectionGuard || index < 0)
                return;
            QScopedValueRollback guard(m_selectionGuard, true);
            if (!activatePage(index))
                m_tabs->setCurrentIndex(m_activeIndex);
            updateCaption();
        });
    }

    if (!m_pages.empty()) {
        const int start = m_startIndex < GetPageCount() ? m_startIndex : 0;
        if (!activatePage(start))
            activatePage(0);
    }
    selectActiveItem();
    updateCaption();
    UpdateApplyButton();
    adjustSize();
    return true;
}

QTreeWidget* CTreePropSheet::CreatePageTreeObject()
{
    auto* tree = new QTreeWidget;
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setRootIsDecorated(true);
    tree->setFocusPolicy(Qt::StrongFocus);
    tree->setAccessibleName(tr("设置页面"));
    tree->setIconSize(QSize(16, 16));
    tree->setFrameShape(QFrame::StyledPanel);
    return tree;
}

CPropPageFrame* CTreePropSheet::CreatePageFrame()
{
    return new CPropPageFrameDefault;
}

QString CTreePropSheet::GenerateEmptyPageMessage(const QString& format, const QString& nodeText)
{
    QString message = format;
    return message.replace(QLatin1String("%s"), nodeText);
}

// The caption band is exactly one tab row high, so a page sits below it where
// it would sit below the tabs.
int CTreePropSheet::captionHeight()
{
    QTabBar probe(this);
    probe.addTab(QString());
    return probe.tabRect(0).height();
}

void CTreePropSheet::updateFrameMinimum()
{
    QSize size(0, 0);
    for (CPropertyPage* page : m_pages)
        size = size.expandedTo(page->sizeHint()).expandedTo(page->minimumSizeHint());
    const int band = m_frame->GetShowCaption() ? m_frame->GetCaptionHeight() + 1 : 0;
    m_frame->GetWnd()->setMinimumSize(size.width(), size.height() + band);
}

QTreeWidgetItem* CTreePropSheet::findOrCreateItem(const QString& title)
{
    QTreeWidgetItem* parent = nullptr;
    QString path = title;
    while (true) {
        const TreePathStep step = SplitTreePath(path);
        QTreeWidgetItem* found = nullptr;
        const int count = parent ? parent->childCount() : m_tree->topLevelItemCount();
        for (int i = 0; i < count && !found; ++i) {
            QTreeWidgetItem* child = parent ? parent->child(i) : m_tree->topLevelItem(i);
            if (child->text(0) == step.node)
                found = child;
        }
        if (!found) {
            found = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
            found->setText(0, step.node);
            found->setData(0, kPageRole, kNoPage);
            if (m_treeImages && m_defaultImages.size() == 2)
                found->setIcon(0, QIcon(m_defaultImages[0]));
        }
        if (!step.hasRest)
            return found;
        parent = found;
        path = step.rest;
    }
}

void CTreePropSheet::fillTree()
{
    QScopedValueRollback guard(m_selectionGuard, true);
    m_tree->clear();
    for (int i = 0; i < GetPageCount(); ++i) {
        CPropertyPage* page = m_pages[static_cast<size_t>(i)];
        QTreeWidgetItem* item = findOrCreateItem(page->GetTitle());
        item->setData(0, kPageRole, i);
        if (m_treeImages) {
            if (!page->GetIcon().isNull())
                item->setIcon(0, page->GetIcon());
            else if (m_defaultImages.size() == 2)
                item->setIcon(0, QIcon(m_defaultImages[1]));
            else
                item->setIcon(0, QIcon());
        }
    }
    m_tree->expandAll();
    // The tree keeps its width unless an item's text needs more. The tree
    // view's own size hint (indentation, icon and text) is public only
    // through its base class.
    const QAbstractItemView* view = m_tree;
    const int needed = view->sizeHintForColumn(0) + 2 * m_tree->frameWidth();
    m_tree->setFixedWidth(std::max(m_treeWidth - kTreeGap, needed));
}

QTreeWidgetItem* CTreePropSheet::itemForPage(int index) const
{
    if (!m_tree || index < 0)
        return nullptr;
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if (pageIndexOf(*it) == index)
            return *it;
    }
    return nullptr;
}

void CTreePropSheet::selectActiveItem()
{
    QScopedValueRollback guard(m_selectionGuard, true);
    if (m_tree) {
        if (QTreeWidgetItem* item = itemForPage(m_activeIndex))
            m_tree->setCurrentItem(item);
    } else if (m_tabs && m_activeIndex >= 0) {
        m_tabs->setCurrentIndex(m_activeIndex);
    }
}

void CTreePropSheet::onTreeSelectionChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous)
{
    if (m_selectionGuard || !current)
        return;
    QScopedValueRollback guard(m_selectionGuard, true);
    const int index = pageIndexOf(current);
    bool changed = false;
    if (index >= 0) {
        changed = activatePage(index);
    } else {
        CPropertyPage* old = GetActivePage();
        changed = !old || old->OnKillActive();
        if (changed && old) {
            old->hide();
            m_activeIndex = -1;
        }
    }
    if (!changed) {
        m_tree->setCurrentItem(previous);
        return;
    }
    updateCaption();
    m_tree->setFocus();
}

void CTreePropSheet::updateCaption()
{
    if (!m_frame)
        return;
    QString text;
    QIcon icon;
    CPropertyPage* page = GetActivePage();
    QTreeWidgetItem* item = m_tree ? m_tree->currentItem() : nullptr;
    if (item) {
        text = item->text(0);
        if (m_treeImages)
            icon = item->icon(0);
    } else if (page) {
        text = page->GetTitle();
    }
    if (icon.isNull() && page)
        icon = page->GetIcon();
    if (!page)
        m_frame->SetMsgText(GenerateEmptyPageMessage(m_emptyPageText, text));
    m_frame->SetCaption(text, icon);
}

void CTreePropSheet::selectNeighbour(bool next)
{
    if (m_tree) {
        QTreeWidgetItem* current = m_tree->currentItem();
        QTreeWidgetItem* target = next ? nextItem(m_tree, current) : previousItem(m_tree, current);
        if (target)
            m_tree->setCurrentItem(target);
        return;
    }
    const int count = GetPageCount();
    if (count == 0)
        return;
    const int from = m_activeIndex < 0 ? 0 : m_activeIndex;
    SetActivePage(next ? (from + 1) % count : (from + count - 1) % count);
}

bool CTreePropSheet::Apply()
{
    if (CPropertyPage* active = GetActivePage(); active && !active->OnKillActive())
        return false;
    for (int i = 0; i < GetPageCount(); ++i) {
        CPropertyPage* page = m_pages[static_cast<size_t>(i)];
        if (!page->IsCreated())
            continue;
        if (!page->OnApply()) {
            SetActivePage(i);
            return false;
        }
    }
    for (CPropertyPage* page : m_pages)
        page->m_modified = false;
    UpdateApplyButton();
    return true;
}

void CTreePropSheet::UpdateApplyButton()
{
    if (!m_apply)
        return;
    bool modified = false;
    for (const CPropertyPage* page : m_pages)
        modified = modified || page->IsModified();
    m_apply->setEnabled(modified);
}

void CTreePropSheet::accept()
{
    if (Apply())
        QDialog::accept();
}

void CTreePropSheet::reject()
{
    for (CPropertyPage* page : m_pages) {
        if (page->IsCreated())
            page->OnCancel();
    }
    QDialog::reject();
}

void CTreePropSheet::setVisible(bool visible)
{
    // Built before showing, so its children are shown with it.
    if (visible)
        Create();
    QDialog::setVisible(visible);
}

void CTreePropSheet::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        // Not dialog keys here: only the close box, OK and Cancel end the sheet.
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool CTreePropSheet::eventFilter(QObject* watched, QEvent* event)
{
    if (m_frame && watched == m_frame->GetWnd() && event->type() == QEvent::Resize) {
        placeActivePage();
        return false;
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool ctrl = key->modifiers() & Qt::ControlModifier;
        if (ctrl && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            const bool back =
                key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            selectNeighbour(!back);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
