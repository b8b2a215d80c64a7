#include "app/MainFrame.h"
#include "app/OrvynView.h"
#include "app/PageTable.h"
#include "controls/ExtStatic.h"
#include "controls/GridCtrl.h"
#include "controls/ReadableColours.h"
#include "settings/SettingsSheet.h"
#include "settings/TreePropSheet.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QLabel>
#include <QProxyStyle>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

QPalette DarkPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(53, 53, 53));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 30));
    p.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(40, 40, 40));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Light, QColor(80, 80, 80));
    p.setColor(QPalette::Dark, QColor(20, 20, 20));
    p.setColor(QPalette::ToolTipBase, QColor(60, 60, 60));
    p.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    return p;
}

// A style whose own palette is dark too, as a dark platform theme makes it.
class DarkThemeStyle : public QProxyStyle
{
public:
    DarkThemeStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    QPalette standardPalette() const override { return DarkPalette(); }
};

// Sets a style on the application for the lifetime of the object.
class ScopedStyle
{
public:
    explicit ScopedStyle(QStyle* style) : m_saved(QApplication::style()->name())
    {
        if (style)
            QApplication::setStyle(style);
    }
    ~ScopedStyle() { QApplication::setStyle(m_saved); }

private:
    QString m_saved;
};

// Sets a palette on the application for the lifetime of the object.
class ScopedPalette
{
public:
    explicit ScopedPalette(const QPalette& p) : m_saved(QApplication::palette())
    {
        QApplication::setPalette(p);
    }
    ~ScopedPalette() { QApplication::setPalette(m_saved); }

private:
    QPalette m_saved;
};

// Every text a page shows that is unreadable on what it is drawn on.
QStringList Unreadable(QWidget* page)
{
    QStringList faults;
    const auto check = [&](const QString& where, const QColor& text, const QColor& back) {
        const double ratio = ContrastRatio(text, back);
        if (ratio < 4.5)
            faults << QStringLiteral("%1: %2 on %3 (%4:1)")
                          .arg(where, text.name(), back.name())
                          .arg(ratio, 0, 'f', 2);
    };
    for (CGridCtrl* grid : page->findChildren<CGridCtrl*>()) {
        if (!grid->isVisibleTo(page))
            continue;
        for (int r = 0; r < grid->GetRowCount(); ++r)
            for (int c = 0; c < grid->GetColumnCount(); ++c) {
                const QString text = grid->GetItemText(r, c);
                if (text.trimmed().isEmpty())
                    continue;
                const CCellColours colours = grid->GetCellColours(r, c);
                check(text, colours.text, colours.back);
            }
    }
    for (CExtStatic* caption : page->findChildren<CExtStatic*>())
        if (caption->isVisibleTo(page) && !caption->Text().isEmpty())
            check(caption->Text(), caption->TextColour(), caption->BackColour());
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(page) || label->text().trimmed().isEmpty())
            continue;
        const QPalette& p = label->palette();
        check(label->text(), p.color(label->foregroundRole()), p.color(label->backgroundRole()));
    }
    return faults;
}

struct PaletteCase
{
    const char* name;
    QPalette (*palette)();
    bool darkTheme = false; // the style's own palette dark as well
};

// A main window with a current car (its pages, not the first-start welcome):
// check is called on each of the nine pages, shown by its navigation button,
// with the page's number, then on the settings sheet at each of its pages
// (number -1); name says which for a failure.
using PageCheck = std::function<void(QWidget* where, int page, const std::string& name)>;
void ForEveryPage(const PageCheck& check)
{
    CMainFrame frame;
    frame.Context().m_database.NewCar("小白");
    frame.Context().m_database.SetCurrentCar("CAR0001");
    frame.View()->UpdateWelcome();
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    for (int i = 0; i < kPageCount; ++i) {
        const QPoint button = frame.View()->NavigationPanel().Buttons()[size_t(i)].rect.center();
        QTest::mouseClick(frame.View(), Qt::LeftButton, {}, button);
        ASSERT_EQ(frame.View()->ShownPage(), i);
        QWidget* page = frame.View()->Page(i);
        ASSERT_TRUE(page);
        QApplication::processEvents();
        check(page, i, PageCaption(i).toStdString());
    }
    const auto sheet =
        CreateSettingsSheet(&frame, settingscommand::CarManage, frame.Context(), nullptr);
    sheet->show();
    for (int i = 0; i < settingspage::Count; ++i) {
        ASSERT_TRUE(sheet->SetActivePage(i));
        QApplication::processEvents();
        check(sheet.get(), -1, "settings page " + std::to_string(i));
    }
}

class PaletteContrastTest : public ::testing::TestWithParam<PaletteCase>
{
protected:
    TestFolders folders;
    MessageBoxRecorder boxes;
};

} // namespace

TEST_P(PaletteContrastTest, EveryPageTextIsReadable)
{
    ScopedStyle style(GetParam().darkTheme ? new DarkThemeStyle : nullptr);
    ScopedPalette palette(GetParam().palette());
    ForEveryPage([](QWidget* where, int, const std::string& name) {
        const QStringList faults = Unreadable(where);
        EXPECT_TRUE(faults.isEmpty()) << name << ": " << faults.join(" | ").toStdString();
    });
}

INSTANTIATE_TEST_SUITE_P(
    Palettes, PaletteContrastTest,
    ::testing::Values(PaletteCase{"Light", [] { return QApplication::style()->standardPalette(); }},
                      PaletteCase{"Dark", DarkPalette},
                      PaletteCase{"DarkTheme", DarkPalette, true}),
    [](const auto& test) { return std::string(test.param.name); });

namespace {

// The widgets of a page that Tab visits, in the order it visits them: the
// focus chain's visible, enabled tab stops, one radio button a group.
QList<QWidget*> TabChain(QWidget* page)
{
    QList<QWidget*> chain;
    for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
        if (!page->isAncestorOf(w) || !w->isVisible() || !w->isEnabled() ||
            !(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (auto* radio = qobject_cast<QRadioButton*>(w); radio && !radio->isChecked())
            continue;
        chain << w;
    }
    return chain;
}

QRect Place(QWidget* w, QWidget* page)
{
    return {w->mapTo(page, QPoint()), w->size()};
}

QString Describe(QWidget* w, QWidget* page)
{
    const QRect at = Place(w, page);
    return QStringLiteral("%1'%2'@%3,%4")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->accessibleName())
        .arg(at.x())
        .arg(at.y());
}

// Where Tab goes back up in a column or back left in a row.
QStringList OutOfReadingOrder(QWidget* page)
{
    QStringList faults;
    const QList<QWidget*> chain = TabChain(page);
    for (qsizetype i = 1; i < chain.size(); ++i) {
        const QRect a = Place(chain[i - 1], page), b = Place(chain[i], page);
        const bool sameColumn = a.left() <= b.right() && b.left() <= a.right();
        const bool sameRow = a.top() <= b.bottom() && b.top() <= a.bottom();
        if ((sameColumn && b.bottom() < a.top()) || (sameRow && b.right() < a.left()))
            faults << QStringLiteral("%1 → %2").arg(Describe(chain[i - 1], page),
                                                    Describe(chain[i], page));
    }
    return faults;
}

} // namespace

TEST(TabOrder, EveryPageTabsInReadingOrderPastReadOnlyTotals)
{
    TestFolders folders;
    MessageBoxRecorder boxes;
    ForEveryPage([](QWidget* where, int page, const std::string& name) {
        EXPECT_EQ(OutOfReadingOrder(where).join(" | ").toStdString(), "") << name;
        if (page < 0)
            return;
        EXPECT_FALSE(TabChain(where).isEmpty()) << name;
        if (page == 0) { // the summary's totals are passed by
            EXPECT_FALSE(TabChain(where).contains(where->findChild<CGridCtrl*>()));
        }
    });
}
