#include <Message.h>
#include <TypeConstants.h>

#include <gtest/gtest.h>

TEST(Message, FieldsComeBackWithTheTypeTheyWereAddedWith)
{
    BMessage message(FourCharCode("RITE"));
    ASSERT_EQ(message.AddInt8("DAtA", static_cast<int8>(0xFF)), B_OK);
    ASSERT_EQ(message.AddInt32("ID", 255), B_OK);
    ASSERT_EQ(message.AddString("name", "cell"), B_OK);

    int8 data = 0;
    int32 id = 0;
    const char* name = nullptr;
    EXPECT_EQ(message.FindInt8("DAtA", &data), B_OK);
    EXPECT_EQ(static_cast<uint8>(data), 0xFF);
    EXPECT_EQ(message.FindInt32("ID", &id), B_OK);
    EXPECT_EQ(id, 255);
    EXPECT_EQ(message.FindString("name", &name), B_OK);
    EXPECT_STREQ(name, "cell");
}

TEST(Message, FindFailsOnMissingNameWrongTypeOrIndexAndLeavesTheOutputAlone)
{
    BMessage message(1);
    message.AddInt8("bus", 3);
    int32 asInt32 = 77;
    int8 asInt8 = 77;

    EXPECT_EQ(message.FindInt32("bus", &asInt32), B_BAD_TYPE);
    EXPECT_EQ(message.FindInt8("Bus", &asInt8), B_NAME_NOT_FOUND);
    EXPECT_EQ(message.FindInt8("bus", 1, &asInt8), B_BAD_INDEX);
    EXPECT_EQ(message.FindInt8("bus", -1, &asInt8), B_BAD_INDEX);
    EXPECT_EQ(message.FindInt8(nullptr, &asInt8), B_BAD_VALUE);
    EXPECT_EQ(asInt32, 77);
    EXPECT_EQ(asInt8, 77);
}

TEST(Message, AddingAppendsAndANameKeepsOneType)
{
    BMessage message(1);
    message.AddInt8("DAtA", 0x12);
    message.AddInt8("DAtA", 0x34);
    EXPECT_EQ(message.AddInt32("DAtA", 5), B_BAD_TYPE);

    type_code type = 0;
    int32 count = 0;
    ASSERT_EQ(message.GetInfo("DAtA", &type, &count), B_OK);
    EXPECT_EQ(type, B_INT8_TYPE);
    EXPECT_EQ(count, 2);
    int8 second = 0;
    EXPECT_EQ(message.FindInt8("DAtA", 1, &second), B_OK);
    EXPECT_EQ(second, 0x34);
    EXPECT_EQ(message.GetInfo("absent", &type, &count), B_NAME_NOT_FOUND);
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

    EXPECT_EQ(copy.RemoveName("DAtA"), B_OK);
    EXPECT_EQ(copy.RemoveName("DAtA"), B_NAME_NOT_FOUND);
    EXPECT_EQ(copy.GetInfo("DAtA", nullptr, nullptr), B_NAME_NOT_FOUND);
    copy = original;
    EXPECT_EQ(copy.CountNames(), 1);
    copy.MakeEmpty();
    EXPECT_TRUE(copy.IsEmpty());
    EXPECT_FALSE(original.IsEmpty());
}

TEST(Message, EveryByteSurvivesAnInt8FieldAsAnUnsignedByte)
{
    for (int value = 0; value < 256; ++value) {
        BMessage message(1);
        message.AddInt8("b", static_cast<int8>(value));
        int8 back = 0;
        ASSERT_EQ(message.FindInt8("b", &back), B_OK);
        EXPECT_EQ(static_cast<uint8>(back), value);
    }
}
