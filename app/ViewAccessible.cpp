#include "app/ViewAccessible.h"

#include "app/OrvynView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

namespace {

class CNavigationButtonAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    CNavigationButtonAccessible(COrvynView* view, int index) : m_view(view), m_index(index) {}

    bool isValid() const override { return m_view && button(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override
    {
        return m_view ? QAccessible::queryAccessibleInterface(m_view) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? PageCaption(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        const RibbonButton* b = button();
        if (!b)
            return {};
        return QRect(m_view->mapToGlobal(b->rect.topLeft()), b->rect.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        const RibbonButton* b = button();
        if (!b)
            return s;
        s.checkable = true;
        s.checked = (b->state & RibbonButton::Selected) != 0;
        s.pressed = (b->state & RibbonButton::Pressed) != 0;
        s.disabled = (b->state & RibbonButton::Disabled) != 0;
        s.hotTracked = m_view->NavigationPanel().HotButton() == b->id;
        s.invisible = !m_view->isVisible();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        const RibbonButton* b = button();
        if (name == pressAction() && b)
            m_view->NavigationPanel().LButtonUp(b->rect.center());
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    const RibbonButton* button() const
    {
        if (!m_view)
            return nullptr;
        const auto& buttons = m_view->NavigationPanel().Buttons();
        if (m_index < 0 || m_index >= static_cast<int>(buttons.size()))
            return nullptr;
        return &buttons[static_cast<size_t>(m_index)];
    }

    QPointer<COrvynView> m_view;
    int m_index;
};

// The view: its nine navigation buttons first, then its child widgets (the
// pages, each named by its caption).
class COrvynViewAccessible : public QAccessibleWidget
{
public:
    explicit COrvynViewAccessible(COrvynView* view)
        : QAccessibleWidget(view, QAccessible::Client), m_view(view)
    {
    }

    ~COrvynViewAccessible() override
    {
        for (QAccessible::Id id : m_buttonIds)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return kPageCount + QAccessibleWidget::childCount(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0)
            return nullptr;
        if (index < kPageCount)
            return button(index);
        return QAccessibleWidget::child(index - kPageCount);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < kPageCount; ++i)
            if (m_buttonIds[static_cast<size_t>(i)] &&
                QAccessible::accessibleInterface(m_buttonIds[static_cast<size_t>(i)]) == child)
                return i;
        const int widgetIndex = QAccessibleWidget::indexOfChild(child);
        return widgetIndex < 0 ? -1 : widgetIndex + kPageCount;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < kPageCount; ++i) {
            QAccessibleInterface* b = button(i);
            if (b && b->rect().contains(x, y))
                return b;
        }
        return QAccessibleWidget::childAt(x, y);
    }

private:
    QAccessibleInterface* button(int index) const
    {
        QAccessible::Id& id = m_buttonIds[static_cast<size_t>(index)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(
                new CNavigationButtonAccessible(m_view, index));
        return QAccessible::accessibleInterface(id);
    }

    COrvynView* m_view;
    mutable std::array<QAccessible::Id, kPageCount> m_buttonIds{};
};

QAccessibleInterface* viewFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("COrvynView") && object && object->isWidgetType())
        return new COrvynViewAccessible(static_cast<COrvynView*>(object));
    return nullptr;
}

} // namespace

void InstallViewAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(viewFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void NotifyShownPageChanged(COrvynView* view)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* viewInterface = QAccessible::queryAccessibleInterface(view);
    if (!viewInterface)
        return;
    QAccessible::State changed;
    changed.checked = true;
    for (int i = 0; i < kPageCount; ++i) {
        QAccessibleStateChangeEvent event(viewInterface->child(i), changed);
        QAccessible::updateAccessibility(&event);
    }
}
