// The hover button, the extended label, the hyperlink label and the images
// they are drawn with.
#include "controls/ExtStatic.h"
#include "controls/HoverButton.h"
#include "controls/XHyperLink.h"
#include "platform/MessageEvent.h"
#include "res/Resources.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

QImage shot(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Whether a pixel is close to the colour: text is drawn antialiased.
bool hasColour(const QImage& image, const QColor& colour, int tolerance = 40)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <=
                tolerance)
                return true;
        }
    return false;
}

// The colours along the outermost ring of pixels.
QSet<QRgb> border(const QImage& image)
{
    QSet<QRgb> colours;
    for (int x = 0; x < image.width(); ++x) {
        colours.insert(image.pixel(x, 0));
        colours.insert(image.pixel(x, image.height() - 1));
    }
    for (int y = 0; y < image.height(); ++y) {
        colours.insert(image.pixel(0, y));
        colours.insert(image.pixel(image.width() - 1, y));
    }
    return colours;
}

void enter(QWidget& widget)
{
    const QPointF at(2, 2);
    QEnterEvent event(at, at, widget.mapToGlobal(at));
    QApplication::sendEvent(&widget, &event);
}

void leave(QWidget& widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

// Receives the addresses the desktop would open, for one scheme.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    explicit UrlRecorder(const QString& scheme) : m_scheme(scheme)
    {
        QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(m_scheme); }
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }

private:
    QString m_scheme;
};

// Counts the click messages a hyperlink sends its parent.
class ClickReceiver : public QWidget
{
public:
    QList<qintptr> ids;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == CXHyperLink::ClickedMessage()) {
            ids.append(static_cast<platform::CMessageEvent*>(e)->wParam());
            return true;
        }
        return QWidget::event(e);
    }
};

} // namespace

TEST(Images, IconsAndImageListsOfTheResourceTable)
{
    for (int id : {328, 329, 331, 332, 335, 336, 338}) {
        SCOPED_TRACE(id);
        const QImage big = res::Bitmap(id).toImage();
        ASSERT_EQ(big.size(), QSize(32, 32));
        EXPECT_EQ(big.pixelColor(0, 31).alpha(), 0); // a transparent corner
        EXPECT_GT(big.pixelColor(16, 16).alpha(), 0);
        const QList<QSize> sizes = res::Icon(id).availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
    }
    // Hover looks differ from the normal ones.
    EXPECT_NE(res::Bitmap(328).toImage(), res::Bitmap(329).toImage());
    EXPECT_NE(res::Bitmap(332).toImage(), res::Bitmap(338).toImage());
    EXPECT_NE(res::Bitmap(336).toImage(), res::Bitmap(335).toImage());

    EXPECT_EQ(res::Bitmap(145).size(), QSize(12 * 16, 16));
    const QList<QPixmap> images = res::ImageList(145, 16);
    ASSERT_EQ(images.size(), 12);
    for (const QPixmap& image : images)
        EXPECT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(res::ImageList(144, 16).size(), 2);
    EXPECT_TRUE(res::ImageList(9999, 16).isEmpty());
    EXPECT_TRUE(res::Icon(9999).isNull());
}

TEST(HoverButton, BitmapModeNeedsBothBitmaps)
{
    QWidget parent;
    CHoverButton button(&parent);
    button.move(7, 9);
    button.resize(60, 30);
    // The green-on-black odometer strip has a black background.
    button.SetBitmaps(res::IDB_DIGITS_GREEN_ON_BLACK, 0, QColor());
    EXPECT_FALSE(button.IsBitmapMode());
    EXPECT_EQ(shot(button).pixel(30, 15), button.palette().color(QPalette::Button).rgb());
    button.SizeToContent(); // nothing to size to
    EXPECT_EQ(button.pos(), QPoint(7, 9));

    button.SetBitmaps(res::IDB_DIGITS_GREEN_ON_BLACK, res::IDB_DIGITS_GREEN_ON_BLACK, QColor());
    EXPECT_TRUE(button.IsBitmapMode());
    button.SizeToContent();
    EXPECT_EQ(button.geometry(), QRect(7, 9, 168, 15));
    // Inside the upper loop of the blank glyph: the strip's black.
    const QPoint black(10 * 12 + 6, 4);
    EXPECT_EQ(shot(button).pixel(black), QColor(Qt::black).rgb());

    // The transparent colour is left out: the button face shows instead.
    button.SetStandardFrame(false);
    button.SetBitmaps(res::IDB_DIGITS_GREEN_ON_BLACK, res::IDB_DIGITS_GREEN_ON_BLACK, Qt::black);
    EXPECT_EQ(shot(button).pixel(black), button.palette().color(QPalette::Button).rgb());
}

TEST(HoverButton, HoverChangesTheCaptionColourAndTheFlatFrame)
{
    CHoverButton button;
    button.setText("MMMM");
    button.SetFontHeight(16);
    button.SetBold(true);
    button.SetTextColours(QColor(255, 0, 0), QColor(0, 0, 255));
    button.SetFlatFrame(true);
    button.resize(80, 30);
    const QColor face = button.palette().color(QPalette::Button);
    const QSet<QRgb> noFrame{face.rgb()};

    QImage image = shot(button);
    EXPECT_TRUE(hasColour(image, QColor(0, 0, 255)));
    EXPECT_FALSE(hasColour(image, QColor(255, 0, 0)));
    EXPECT_EQ(border(image), noFrame);

    enter(button);
    EXPECT_TRUE(button.IsHovering());
    image = shot(button);
    EXPECT_TRUE(hasColour(image, QColor(255, 0, 0)));
    EXPECT_FALSE(hasColour(image, QColor(0, 0, 255)));
    EXPECT_NE(border(image), noFrame); // the thin frame while hovered

    // Disabled, a flat button shows no frame even under the mouse.
    button.setEnabled(false);
    EXPECT_EQ(border(shot(button)), noFrame);
    button.setEnabled(true);

    leave(button);
    EXPECT_FALSE(button.IsHovering());
    image = shot(button);
    EXPECT_TRUE(hasColour(image, QColor(0, 0, 255)));
    EXPECT_EQ(border(image), noFrame);
}

TEST(HoverButton, IconLayoutsAndClicks)
{
    CHoverButton button;
    button.setText("OK");
    button.SetIcons(res::IDI_APPLY, res::IDI_APPLY_HOVER, 16, 16);
    EXPECT_TRUE(button.IsIconMode());
    button.SetStandardFrame(false);
    button.resize(button.sizeHint());
    // Layout 0: the icon at the left margin, vertically centred.
    const QImage icon = res::Icon(res::IDI_APPLY).pixmap(16, 16).toImage();
    const int top = (button.height() - 16) / 2;
    QImage image = shot(button);
    EXPECT_EQ(image.pixelColor(5 + 8, top + 8), icon.pixelColor(8, 8));

    // Layout 1: centred at the top margin, the caption below it.
    button.SetLayout(CHoverButton::IconAbove);
    button.resize(button.sizeHint());
    EXPECT_GT(button.height(), 5 + 16 + QFontMetrics(button.font()).height());
    image = shot(button);
    EXPECT_EQ(image.pixelColor((button.width() - 16) / 2 + 8, 5 + 8), icon.pixelColor(8, 8));

    QSignalSpy clicks(&button, &CHoverButton::clicked);
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(button.focusPolicy(), Qt::StrongFocus);
}

TEST(ExtStatic, ShowsItsWindowTextUntilItHasATextOfItsOwn)
{
    QWidget parent;
    parent.setAutoFillBackground(true);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(10, 200, 10));
    parent.setPalette(palette);
    auto* label = new CExtStatic("当前里程(KM)", &parent);
    label->setGeometry(0, 0, 160, 24);
    EXPECT_EQ(label->Text(), "当前里程(KM)");
    EXPECT_EQ(label->accessibleName(), "当前里程(KM)");
    label->SetText("own");
    EXPECT_EQ(label->accessibleName(), "own");
    label->SetText("");
    EXPECT_EQ(label->Text(), "当前里程(KM)");
    EXPECT_EQ(label->accessibleName(), "当前里程(KM)");

    label->SetFontHeight(16);
    label->SetBold(true);
    EXPECT_EQ(label->font().pixelSize(), 16);
    EXPECT_TRUE(label->font().bold());
    label->SetTextColour(QColor(0, 0, 255));
    label->SetBackColour(QColor(201, 216, 235));
    QImage image = shot(*label);
    EXPECT_EQ(image.pixelColor(159, 0), QColor(201, 216, 235));
    EXPECT_TRUE(hasColour(image, QColor(0, 0, 255), 10));
    EXPECT_TRUE(hasColour(image, label->palette().color(QPalette::Dark), 10)); // embossed

    label->SetEmbossed(false);
    EXPECT_FALSE(hasColour(shot(*label), label->palette().color(QPalette::Dark), 10));

    // Transparent: the parent's background stays behind the text.
    label->SetTransparent(true);
    image = parent.grab(label->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.pixelColor(159, 0), QColor(10, 200, 10));
    EXPECT_TRUE(hasColour(image, QColor(0, 0, 255), 10));
}

TEST(XHyperLink, ColoursFollowHoverAndVisit)
{
    UrlRecorder browser("https");
    ClickReceiver parent;
    auto* link = new CXHyperLink({}, &parent);
    link->SetURL("https://example.org/orvyn");
    EXPECT_EQ(link->text(), "https://example.org/orvyn"); // the address as its text
    EXPECT_EQ(link->toolTip(), "https://example.org/orvyn");
    EXPECT_EQ(link->size(), link->sizeHint());
    link->setText("检查更新");
    EXPECT_EQ(link->GetURL(), "https://example.org/orvyn");
    link->SetControlId(1022);
    link->SetNotifyParent(true);
    QSignalSpy clicks(link, &CXHyperLink::clicked);

    EXPECT_EQ(link->CurrentColour(), QColor(0, 0, 238));
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 238));
    EXPECT_FALSE(link->font().underline());
    enter(*link);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(link->font().underline());
    leave(*link);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 238));
    EXPECT_FALSE(link->font().underline());

    parent.show();
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(browser.urls.size(), 1);
    EXPECT_EQ(browser.urls[0], QUrl("https://example.org/orvyn"));
    EXPECT_TRUE(link->GetVisited());
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(85, 26, 139));
    EXPECT_EQ(parent.ids, QList<qintptr>{1022});
    EXPECT_EQ(clicks.count(), 1);

    // Always underlined, also away from the mouse.
    link->SetUnderline(CXHyperLink::UnderlineAlways);
    EXPECT_TRUE(link->font().underline());
    link->SetUnderline(CXHyperLink::UnderlineNever);
    enter(*link);
    EXPECT_FALSE(link->font().underline());
}

#include "SmallControlsTest.moc"
