#include "app/AboutDlg.h"
#include "app/CarPhoto.h"
#include "controls/CarPicture.h"
#include "controls/RibbonFrame.h"
#include "database/MyDatabase.h"
#include "res/NavigationStrip.h"
#include "res/Resources.h"
#include "tests/support/TestEnvironment.h"

#include <QBuffer>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QRect kArea(6, 22, 152, 76);
const QColor kUntouched(1, 2, 3);

QByteArray bitmapFile(int w, int h, const QColor& color)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

class CarPhotoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db.SetFilePath(folders.data() + "/CAR.mdb");
        db.CreateOrOpen();
        ASSERT_TRUE(db.IsOpen());
    }

    QImage draw()
    {
        QImage canvas(170, 110, QImage::Format_RGB32);
        canvas.fill(kUntouched);
        QPainter painter(&canvas);
        DrawCarPhoto(painter, kArea, db);
        return canvas;
    }

    TestFolders folders;
    MessageBoxRecorder boxes;
    CMyDatabase db;
};

int countPixels(const QImage& image, const QRect& in, const QColor& color)
{
    int n = 0;
    for (int y = in.top(); y <= in.bottom(); ++y)
        for (int x = in.left(); x <= in.right(); ++x)
            n += image.pixelColor(x, y) == color;
    return n;
}

} // namespace

TEST(CarPhotoFit, UnscaledWhenItFitsElseProportional)
{
    EXPECT_EQ(FitPictureRect({150, 75}, kArea), QRect(7, 22, 150, 75));
    EXPECT_EQ(FitPictureRect({152, 76}, kArea), kArea);
    EXPECT_EQ(FitPictureRect({200, 150}, kArea), QRect(31, 22, 101, 76));
    EXPECT_EQ(FitPictureRect({400, 100}, kArea), QRect(6, 41, 152, 38));
    EXPECT_EQ(FitPictureRect({10, 1000}, kArea), QRect(82, 22, 0, 76));
    EXPECT_TRUE(FitPictureRect({0, 10}, kArea).isNull());
}

TEST_F(CarPhotoTest, NothingWithoutACurrentCar)
{
    const QImage canvas = draw();
    EXPECT_EQ(countPixels(canvas, canvas.rect(), kUntouched), canvas.width() * canvas.height());
}

TEST_F(CarPhotoTest, NameInRedOnWhiteWithoutAPicture)
{
    ASSERT_TRUE(db.NewCar("小白"));
    db.SetCurrentCar("CAR0001");
    const QImage canvas = draw();
    EXPECT_EQ(countPixels(canvas, canvas.rect(), kUntouched),
              canvas.width() * canvas.height() - kArea.width() * kArea.height());
    EXPECT_GT(countPixels(canvas, kArea, Qt::white), 0);
    EXPECT_GT(countPixels(canvas, kArea, QColor(255, 0, 0)), 20);
}

TEST_F(CarPhotoTest, PicturesAreCentredAndScaledToFit)
{
    ASSERT_TRUE(db.NewCar("小白"));
    db.SetCurrentCar("CAR0001");
    db.Connection().Execute("insert into CarProperty (CarID) values ('CAR0001')");
    ASSERT_TRUE(db.SetCarPicture("CAR0001", bitmapFile(150, 75, Qt::green)).ok());
    QImage canvas = draw();
    EXPECT_EQ(countPixels(canvas, canvas.rect(), Qt::green), 150 * 75);
    EXPECT_EQ(countPixels(canvas, QRect(7, 22, 150, 75), Qt::green), 150 * 75);

    ASSERT_TRUE(db.SetCarPicture("CAR0001", bitmapFile(200, 150, Qt::blue)).ok());
    canvas = draw();
    EXPECT_EQ(countPixels(canvas, QRect(31, 22, 101, 76), Qt::blue), 101 * 76);
    EXPECT_EQ(countPixels(canvas, canvas.rect(), Qt::blue), 101 * 76);
}

TEST(RibbonFrame, GradientRowsAndPanelColours)
{
    QImage image(10, 5, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    CRibbonFrame::FillGradient(painter, 0, 10, 0, 5, QColor(0, 100, 200), QColor(40, 0, 200));
    CRibbonFrame::FillGradient(painter, 0, 10, 4, 5, QColor(1, 1, 1), QColor(9, 9, 9));
    painter.end();
    EXPECT_EQ(image.pixelColor(3, 0), QColor(0, 100, 200));
    EXPECT_EQ(image.pixelColor(3, 1), QColor(10, 75, 200));
    EXPECT_EQ(image.pixelColor(3, 3), QColor(30, 25, 200));
    EXPECT_EQ(image.pixelColor(3, 4), QColor(9, 9, 9)); // one row: the end colour

    CRibbonFrame panel;
    EXPECT_EQ(panel.Title(), "Toolbox");
    panel.SetTitle("爱车靓照");
    panel.SetRect(RectLTRB(2, 2, 162, 102));
    EXPECT_EQ(panel.TitleBandBottom(), 20);
    QImage drawn(170, 110, QImage::Format_RGB32);
    drawn.fill(Qt::black);
    QPainter p(&drawn);
    panel.Draw(p);
    p.end();
    EXPECT_EQ(drawn.pixelColor(5, 5), QColor(214, 228, 238));  // title band
    EXPECT_EQ(drawn.pixelColor(5, 20), QColor(199, 216, 235)); // body top
    EXPECT_EQ(drawn.pixelColor(5, 97), QColor(214, 228, 238)); // last six rows
    EXPECT_EQ(drawn.pixelColor(100, 1), QColor(Qt::black));    // outside
}

TEST(Resources, NavigationStripAndCursor)
{
    const QPixmap strip = res::Bitmap(res::IDB_NAVIGATION);
    ASSERT_EQ(strip.size(), QSize(1080, 120));
    const QImage image = strip.toImage();
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 9; ++column) {
            const QRect cell(column * 120, row * 40, 120, 40);
            EXPECT_EQ(image.pixelColor(cell.topLeft()), QColor(Qt::white));
            EXPECT_GT(countPixels(image, cell.adjusted(40, 0, 0, 0), res::StripCaptionColor(row)),
                      15)
                << row << "," << column;
        }
    }
    EXPECT_EQ(res::StripCaptionColor(1), QColor(255, 0, 255));
    EXPECT_EQ(res::NavigationCaptions()[8], "分析统计");
    EXPECT_TRUE(res::Bitmap(9999).isNull());
    EXPECT_EQ(res::Cursor(res::IDC_HAND).pixmap().size(), QSize(32, 32));
    EXPECT_EQ(res::Cursor(4242).shape(), Qt::ArrowCursor);
}

TEST(AboutBox, TitleVersionAndFoldingPanel)
{
    CAboutDlg about("V1.2.08");
    EXPECT_EQ(about.windowTitle(), "关于 Qinmo ");
    EXPECT_EQ(about.NameLabel()->text(), "Qinmo V1.2.08 ");
    EXPECT_EQ(about.height(), CAboutDlg::kFullHeight - 180);

    QTest::keyClick(&about, Qt::Key_F12, Qt::ControlModifier); // Alt missing
    EXPECT_EQ(about.height(), 160);
    QTest::keyClick(&about, Qt::Key_F12, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(about.height(), 320);
    QTest::keyClick(&about, Qt::Key_F12, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(about.height(), 160);
    QTest::keyClick(&about, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(about.height(), 320);
}
