#include "controls/ContextMenu.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <memory>
#include <vector>

namespace {

// The open context menus a widget owns, in creation order.
QList<CContextMenu*> OpenMenus(QWidget* owner)
{
    QList<CContextMenu*> open;
    if (!owner)
        return open;
    for (CContextMenu* menu : owner->findChildren<CContextMenu*>(Qt::FindDirectChildrenOnly))
        if (menu->isVisible())
            open << menu;
    return open;
}

// One item of a context menu (a separator too, as the menu bar's menus have).
class CMenuItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    CMenuItemAccessible(QMenu* menu, QAction* action) : m_menu(menu), m_action(action) {}

    bool isValid() const override { return m_menu && m_action; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_menu ? m_menu->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return m_menu ? QAccessible::queryAccessibleInterface(m_menu) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || t != QAccessible::Name)
            return {};
        return QString(m_action->text()).remove(QLatin1Char('&'));
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = m_menu->actionGeometry(m_action);
        return QRect(m_menu->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override
    {
        return m_action && m_action->isSeparator() ? QAccessible::Separator
                                                   : QAccessible::MenuItem;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.disabled = !m_action->isEnabled();
        s.invisible = !m_menu->isVisible() || !m_action->isVisible();
        s.focusable = !m_action->isSeparator();
        s.focused = m_menu->activeAction() == m_action;
        s.hotTracked = s.focused;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override
    {
        return isValid() && !m_action->isSeparator() && m_action->isEnabled()
                   ? QStringList{pressAction()}
                   : QStringList{};
    }
    void doAction(const QString& name) override
    {
        if (name != pressAction() || !isValid() || m_action->isSeparator())
            return;
        QPointer<QMenu> menu = m_menu;
        m_action->activate(QAction::Trigger);
        if (menu)
            menu->hide();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    QAction* action() const { return m_action; }

private:
    QPointer<QMenu> m_menu;
    QPointer<QAction> m_action;
};

// The menu: a popup menu whose parent is the widget that opened it.
class CContextMenuAccessible : public QAccessibleWidget
{
public:
    explicit CContextMenuAccessible(CContextMenu* menu)
        : QAccessibleWidget(menu, QAccessible::PopupMenu)
    {
    }
    ~CContextMenuAccessible() override
    {
        for (const auto& [action, id] : m_items)
            QAccessible::deleteAccessibleInterface(id);
    }

    QAccessibleInterface* parent() const override
    {
        QWidget* owner = widget()->parentWidget();
        return owner ? QAccessible::queryAccessibleInterface(owner) : nullptr;
    }
    int childCount() const override { return int(widget()->actions().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QAction*> actions = widget()->actions();
        if (index < 0 || index >= actions.size())
            return nullptr;
        QAction* action = actions.at(index);
        for (const auto& [known, id] : m_items)
            if (known == action)
                return QAccessible::accessibleInterface(id);
        auto* item = new CMenuItemAccessible(static_cast<QMenu*>(widget()), action);
        m_items.emplace_back(action, QAccessible::registerAccessibleInterface(item));
        return item;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child && (child->role() == QAccessible::MenuItem ||
                      child->role() == QAccessible::Separator))
            return int(widget()->actions().indexOf(
                static_cast<const CMenuItemAccessible*>(child)->action()));
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        const auto* menu = static_cast<const QMenu*>(widget());
        const int index = int(menu->actions().indexOf(menu->activeAction()));
        return index >= 0 ? child(index) : nullptr;
    }

private:
    mutable std::vector<std::pair<QAction*, QAccessible::Id>> m_items;
};

// Any plain widget: as Qt's own description of it, with its open context
// menus as further children.
class CMenuOwnerAccessible : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override
    {
        return QAccessibleWidget::childCount() + int(OpenMenus(widget()).size());
    }
    QAccessibleInterface* child(int index) const override
    {
        const int own = QAccessibleWidget::childCount();
        if (index < own)
            return QAccessibleWidget::child(index);
        const QList<CContextMenu*> menus = OpenMenus(widget());
        index -= own;
        return index < menus.size() ? QAccessible::queryAccessibleInterface(menus.at(index))
                                    : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child && child->role() == QAccessible::PopupMenu) {
            const int index = int(OpenMenus(widget()).indexOf(
                qobject_cast<CContextMenu*>(child->object())));
            return index >= 0 ? QAccessibleWidget::childCount() + index : -1;
        }
        return QAccessibleWidget::indexOfChild(child);
    }
};

QAccessibleInterface* ContextMenuFactory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("CContextMenu"))
        return new CContextMenuAccessible(static_cast<CContextMenu*>(widget));
    // Asked for the plain widget only when no more special description
    // matched the widget's own classes.
    if (className == QLatin1String("QWidget"))
        return new CMenuOwnerAccessible(widget);
    return nullptr;
}

} // namespace

CContextMenu::CContextMenu(QWidget* owner) : QMenu(owner)
{
    InstallAccessibility();
}

void CContextMenu::InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(ContextMenuFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
