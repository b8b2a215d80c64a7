#include "app/AboutDlg.h"

#include "app/HelpFile.h"
#include "controls/HoverButton.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/PrivateFiles.h"
#include "platform/Shell.h"
#include "res/Resources.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

// A flat button with its icon above the caption, framed only under the mouse.
CHoverButton* panelButton(QWidget* parent, const QIcon& icon, const QString& text, const QRect& at)
{
    auto* button = new CHoverButton(parent);
    button->setText(text);
    button->SetIcons(icon, icon);
    button->SetLayout(CHoverButton::IconAbove);
    button->SetFlatFrame(true);
    button->SetParentBackground(true);
    button->SetHoverCursor(res::Cursor(res::IDC_HAND));
    button->setGeometry(at);
    return button;
}

} // namespace

CAboutDlg::CAboutDlg(const QString& programVersion, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("关于 %1 ").arg(platform::kCaption));

    auto* icon = new QLabel(this);
    icon->setPixmap(res::Bitmap(res::IDI_PROGRAM));
    icon->setGeometry(20, 20, 48, 48);

    m_name = new QLabel(QStringLiteral("%1 %2 ").arg(platform::kCaption, programVersion), this);
    QFont bold = m_name->font();
    bold.setBold(true);
    m_name->setFont(bold);
    m_name->setGeometry(84, 20, 250, 22);

    auto* purpose = new QLabel(tr("私家车费用管理账本"), this);
    purpose->setGeometry(84, 46, 250, 20);
    auto* copyright = new QLabel(QStringLiteral("Copyright (C) OrvynSoft"), this);
    copyright->setGeometry(84, 70, 250, 20);

    auto* ok = new QPushButton(tr("确定"), this);
    ok->setDefault(true);
    ok->setGeometry(kWidth - 92, 112, 76, 28);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // The lower panel, below the visible part while the box is short.
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    // Fits the box grown by 160 pixels (Ctrl+Alt+F12) with a 10-pixel margin.
    panel->setGeometry(10, 170, kWidth - 20, kFullHeight - 200);
    auto* note = new QLabel(tr("账本与备份所在的文件夹，以及使用帮助："), panel);
    note->setGeometry(12, 10, kWidth - 44, 20);
    CHoverButton* folder = panelButton(panel, style()->standardIcon(QStyle::SP_DirOpenIcon),
                                       tr("数据文件夹"), QRect(40, 40, 110, 70));
    CHoverButton* help = panelButton(panel, style()->standardIcon(QStyle::SP_DialogHelpButton),
                                     tr("使用帮助"), QRect(190, 40, 110, 70));
    connect(folder, &CHoverButton::clicked, this, [] {
        platform::MakeFolder(platform::DataFolder());
        platform::OpenUrl(platform::DataFolder());
    });
    connect(help, &CHoverButton::clicked, this, [this] { OpenHelpFile(this); });

    // Opens 180 pixels shorter than its full height, which hides the panel.
    SetHeight(kFullHeight - 180);
}

void CAboutDlg::SetHeight(int height)
{
    setFixedSize(kWidth, height);
}

void CAboutDlg::keyPressEvent(QKeyEvent* event)
{
    // X servers and Wayland compositors keep Ctrl+Alt+F12 for switching to a
    // text console, so Ctrl+Shift+F12 does the same where that one never arrives.
    const Qt::KeyboardModifiers held = event->modifiers();
    const bool fold = event->key() == Qt::Key_F12 && (held & Qt::ControlModifier) &&
                      (held & (Qt::AltModifier | Qt::ShiftModifier));
    if (fold) {
        SetHeight(height() >= 200 ? height() - 160 : height() + 160);
        return;
    }
    QDialog::keyPressEvent(event);
}
