#include "DatabaseFixture.h"

using namespace platform;

// Without a sink (a program or tool that shows nothing) a refused operation
// still ends at once, with its refusal and the file untouched.
TEST(StoreReport, WithoutASinkTheStoreCarriesOnAlone)
{
    TestFolders folders;
    const QString path = folders.data() + "/CAR.mdb";
    {
        CMyDatabase db;
        db.SetFilePath(path);
        db.CreateOrOpen();
        ASSERT_TRUE(db.IsOpen());
        ASSERT_TRUE(db.NewCar("甲"));
        db.SetCurrentCar("CAR0001");
        EXPECT_FALSE(db.DeleteCar("CAR0001"));
        EXPECT_EQ(db.Connection().Execute("selec 1"), nullptr);
    }
    EXPECT_EQ(ReadBack(path, "select CarID, Name from CarList"),
              (std::vector<QStringList>{{"CAR0001", "甲"}}));
}

// A recorder made inside another takes the messages while it lives and then
// hands them back to the one it replaced.
TEST_F(DatabaseTest, RecordersNest)
{
    db.NewCar("甲");
    db.SetCurrentCar("CAR0001");
    {
        StoreMessageRecorder inner;
        EXPECT_FALSE(db.DeleteCar("CAR0001"));
        db.Connection().Execute("select * from Nowhere");
        ASSERT_EQ(inner.boxes().size(), 2u);
        EXPECT_EQ(inner.boxes()[0].text, "不能删除当前正在使用的车辆！");
        EXPECT_EQ(inner.boxes()[1].caption, "Orvyn"); // a plain box carries the program's name
        EXPECT_EQ(inner.boxes()[1].flags, MB_OK);
    }
    EXPECT_TRUE(boxes.boxes().empty());

    EXPECT_FALSE(db.DeleteCar("CAR0001"));
    EXPECT_EQ(boxes.texts(), QStringList{"不能删除当前正在使用的车辆！"});
    EXPECT_EQ(readBack("select CarID from CarList"), (std::vector<QStringList>{{"CAR0001"}}));
}
