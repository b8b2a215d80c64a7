#include "app/OrvynView.h"

#include "app/CarPhoto.h"
#include "app/ViewAccessible.h"
#include "controls/GridCtrl.h"
#include "database/LedgerContext.h"
#include "ledgers/LedgerPage.h"
#include "platform/MessageEvent.h"
#include "res/NavigationStrip.h"
#include "res/Resources.h"
#include "settings/SettingsSheet.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

const QColor COrvynView::kBackground(214, 228, 238);

COrvynView::COrvynView(LedgerContext& context, IWindowRequests* window,
                       const PageFactories& factories, QWidget* parent)
    : QWidget(parent), m_context(context), m_window(window)
{
    InstallViewAccessibility();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Child controls are painted on the panel colour, which is light in any
    // palette: the text on it is dark.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);

    for (int i = 0; i < kPageCount; ++i) {
        QWidget* page =
            factories[static_cast<size_t>(i)] ? factories[static_cast<size_t>(i)](this) : nullptr;
        if (page) {
            page->setParent(this);
            page->hide();
            page->installEventFilter(this);
        }
        m_pages[static_cast<size_t>(i)] = page;
    }

    m_photoPanel.SetTitle(tr("爱车靓照"));
    m_photoPanel.SetOwner(this);
    m_navigationPanel.SetTitle(tr("功能管理区"));
    m_navigationPanel.SetOwner(this);
    m_navigationPanel.SetColumns(1);
    m_navigationPanel.SetButtonSize(120, 36);
    m_navigationPanel.SetImageSize(res::kStripCellWidth, res::kStripCellHeight);
    m_navigationPanel.SetImageStrip(res::Bitmap(res::IDB_NAVIGATION));
    m_navigationPanel.CreateButtons(kPageCount, kBaseId);

    m_welcome = new QWidget(this);
    m_welcome->setAutoFillBackground(true);
    auto* greeting = new QLabel(tr("欢迎使用 Qinmo！"), m_welcome);
    QFont big = greeting->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    greeting->setFont(big);
    auto* hint = new QLabel(tr("账本里还没有车辆。先添加一辆车，"
                               "然后就可以记下它的加油、维修、保养和各项费用。"),
                            m_welcome);
    m_addFirstCar = new QPushButton(tr("添加第一辆车"), m_welcome);
    connect(m_addFirstCar, &QPushButton::clicked, this,
            [this] { OnSettingsCommand(settingscommand::CarManage, true); });
    auto* welcomeLayout = new QVBoxLayout(m_welcome);
    welcomeLayout->addStretch(1);
    welcomeLayout->addWidget(greeting, 0, Qt::AlignCenter);
    welcomeLayout->addSpacing(12);
    // Wrapped where the page is narrower than the sentence.
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignCenter);
    welcomeLayout->addWidget(hint);
    welcomeLayout->addSpacing(20);
    welcomeLayout->addWidget(m_addFirstCar, 0, Qt::AlignCenter);
    welcomeLayout->addStretch(2);
    m_welcome->hide();
    Layout();
}

COrvynView::~COrvynView() = default;

void COrvynView::OnInitialUpdate()
{
    Layout();
    if (m_navigationPanel.Buttons().empty())
        return;
    const QPoint inFirstButton = m_navigationPanel.Buttons().front().rect.topLeft() + QPoint(2, 2);
    m_navigationPanel.LButtonUp(inFirstButton);
    UpdateWelcome();
}

void COrvynView::SelectPageByIndex(int index)
{
    const auto& buttons = m_navigationPanel.Buttons();
    if (index < 0 || index >= static_cast<int>(buttons.size()))
        return;
    const QPoint inButton = buttons[static_cast<size_t>(index)].rect.topLeft() + QPoint(2, 2);
    m_navigationPanel.LButtonUp(inButton);
}

bool COrvynView::ShowRecord(LedgerKind kind, const QString& recId)
{
    // The ledger pages follow the summary page in the order of the kinds.
    const int index = 1 + int(kind);
    SelectPageByIndex(index);
    auto* page = qobject_cast<CLedgerPage*>(Page(index));
    return page && page->SelectRecord(recId);
}

void COrvynView::UpdateWelcome()
{
    const bool noCar =
        m_context.m_database.GetCurrentCarID().value_or(QString()).trimmed().isEmpty();
    m_welcome->setVisible(noCar);
    // The pages under the welcome take no keyboard focus.
    for (QWidget* page : m_pages)
        if (page)
            page->setEnabled(!noCar);
    if (!noCar)
        return;
    m_welcome->raise();
    m_addFirstCar->setFocus(Qt::OtherFocusReason);
}

QWidget* COrvynView::Page(int index) const
{
    if (index < 0 || index >= kPageCount)
        return nullptr;
    return m_pages[static_cast<size_t>(index)];
}

QRect COrvynView::PhotoArea() const
{
    const QRect r = m_photoPanel.Rect();
    return RectLTRB(r.left() + 4, r.top() + 20, r.left() + r.width() - 4, r.top() + r.height() - 4);
}

void COrvynView::Layout()
{
    const int w = width(), h = height();
    m_photoPanel.SetRect(RectLTRB(2, 2, 162, 102));
    m_navigationPanel.SetRect(RectLTRB(2, 104, 162, h - 2));
    m_navigationPanel.LayoutButtons();
    m_navigationPanel.SetPageArea(RectLTRB(164, 2, w - 2, h - 2));
    const QRect pageRect = RectLTRB(kPageLeft, kPageMargin, w - kPageMargin, h - kPageMargin);
    for (QWidget* page : m_pages)
        if (page)
            page->setGeometry(pageRect);
    if (m_welcome)
        m_welcome->setGeometry(pageRect);
    update();
}

void COrvynView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Layout();
}

bool COrvynView::event(QEvent* event)
{
    if (event->type() == platform::WM_PAGE_SELECT) {
        auto* message = static_cast<platform::CMessageEvent*>(event);
        SelectPage(static_cast<int>(message->wParam()));
        message->setResult(0);
        return true;
    }
    return QWidget::event(event);
}

void COrvynView::SelectPage(int buttonId)
{
    EndCellEditing(); // nothing typed stays behind in a hidden page's editor
    int shown = -1;
    for (int i = 0; i < kPageCount; ++i) {
        QWidget* page = m_pages[static_cast<size_t>(i)];
        const bool show = buttonId == kBaseId + i;
        if (show)
            shown = i;
        if (!page)
            continue;
        page->setVisible(show);
        platform::SendMessage(page, platform::WM_PAGE_SHOW, 0, show ? 1 : 0);
    }
    m_shownPage = shown;
    setAccessibleDescription(PageCaption(shown));
    NotifyShownPageChanged(this);
}

void COrvynView::EndCellEditing()
{
    for (QWidget* page : m_pages)
        if (page)
            for (CGridCtrl* grid : page->findChildren<CGridCtrl*>())
                grid->EndEditing();
}

void COrvynView::OnSettingsCommand(int commandId, bool readyToAdd)
{
    EndCellEditing();
    OpenSettingsSheet(this, commandId, m_context, m_window, readyToAdd);
    if (QWidget* page = Page(m_shownPage))
        platform::SendMessage(page, platform::WM_PAGE_SHOW, 0, 1);
    UpdateWelcome();
    RedrawCarPhoto();
}

void COrvynView::RedrawCarPhoto()
{
    repaint(PhotoArea());
}

void COrvynView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), kBackground);
    m_photoPanel.Draw(painter);
    m_navigationPanel.Draw(painter);
    if (event->region().intersects(PhotoArea()))
        DrawCarPhoto(painter, PhotoArea(), m_context.m_database);
}

void COrvynView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    m_navigationPanel.MouseMove(point);
    if (!m_navigationPanel.Rect().contains(point))
        unsetCursor();
}

void COrvynView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_navigationPanel.LButtonDown(event->position().toPoint());
}

void COrvynView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_navigationPanel.LButtonUp(event->position().toPoint());
}

bool COrvynView::eventFilter(QObject* watched, QEvent* event)
{
    // Mouse moves over a page do not reach the view: entering one ends the
    // hot-tracking of the navigation panel.
    if (event->type() == QEvent::Enter)
        m_navigationPanel.MouseMove(QPoint(-1, -1));
    return QWidget::eventFilter(watched, event);
}

void COrvynView::leaveEvent(QEvent* event)
{
    // The mouse left the view: nothing is hot any more.
    m_navigationPanel.MouseMove(QPoint(-1, -1));
    QWidget::leaveEvent(event);
}
