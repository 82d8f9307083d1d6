#include <Message.h>
#include <TypeConstants.h>

#include <gtest/gtest.h>

TEST(Message, FindFailsOnMissingNameWrongTypeOrIndexAndLeavesTheOutputAlone)
{
    BMessage message(1);
    message.AddInt8("bus", 3);
    message.AddInt8("bus", static_cast<int8>(0xFF));
    int32 asInt32 = 77;
    int8 asInt8 = 77;
    EXPECT_EQ(message.FindInt32("bus", &asInt32), B_BAD_TYPE);
    EXPECT_EQ(message.FindInt8("Bus", &asInt8), B_NAME_NOT_FOUND);
    EXPECT_EQ(message.FindInt8("bus", 2, &asInt8), B_BAD_INDEX);
    EXPECT_EQ(asInt32, 77);
    EXPECT_EQ(asInt8, 77);

    // A name keeps one type; adding appends.
    EXPECT_EQ(message.AddInt32("bus", 5), B_BAD_TYPE);
    ASSERT_EQ(message.FindInt8("bus", 1, &asInt8), B_OK);
    EXPECT_EQ(static_cast<uint8>(asInt8), 0xFF);
}

TEST(Message, ACopyIsIndependentOfItsOriginal)
{
    BMessage original(FourCharCode("RITE"));
    original.AddInt32("ID", 60);
    BMessage copy(original);
    copy.AddInt8("DAtA", 1);
    copy.what = 7;
    EXPECT_EQ(original.what, FourCharCode("RITE"));
    EXPECT_EQ(original.GetInfo("DAtA", nullptr, nullptr), B_NAME_NOT_FOUND);
    int32 id = 0;
    EXPECT_EQ(copy.FindInt32("ID", &id), B_OK);
    EXPECT_EQ(id, 60);
}
