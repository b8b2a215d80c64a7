#include "DatabaseFixture.h"

TEST_F(DatabaseTest, CreatesEncryptedFile)
{
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
}
