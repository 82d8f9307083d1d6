#include "PCI.h"
#include "PciBus.h"
#include "PciBusSelection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::_;
using testing::Return;
using testing::StrictMock;

namespace {

class MockBus : public PciBus {
public:
    MOCK_METHOD(status_t, GetNthInfo, (int32 index, pci_info* info), (override));
    MOCK_METHOD(uint32, Read, (uint8 bus, uint8 device, uint8 function, int32 offset,
        int32 size), (override));
    MOCK_METHOD(void, Write, (uint8 bus, uint8 device, uint8 function, int32 offset,
        int32 size, uint32 value), (override));
};

class PciCalls : public testing::Test {
protected:
    PciCalls() { InstallPciBus(&fBus); }
    ~PciCalls() override { InstallPciBus(nullptr); }

    StrictMock<MockBus> fBus;
};

}  // namespace

// A strict mock fails the test on any call: refused accesses must not reach the bus.
TEST_F(PciCalls, RefusedAccessesReadAllOnesAndWriteNothing)
{
    struct Access {
        int32 offset;
        int32 size;
        uint32 allOnes;
    };
    const Access refused[] = {{-1, 1, 0xFF}, {256, 1, 0xFF}, {255, 4, 0xFFFFFFFF},
        {256, 4, 0xFFFFFFFF}, {255, 2, 0xFFFF}, {1, 2, 0xFFFF}, {2, 4, 0xFFFFFFFF},
        {0, 0, 0xFFFFFFFF}, {0, 3, 0xFFFFFFFF}, {0, 8, 0xFFFFFFFF}, {INT32_MIN, 1, 0xFF}};
    for (const Access& access : refused) {
        SCOPED_TRACE(testing::Message() << "offset " << access.offset << " size " << access.size);
        EXPECT_EQ(read_pci_config(0, 0, 0, access.offset, access.size), access.allOnes);
        write_pci_config(0, 0, 0, access.offset, access.size, 0);
    }
}

TEST_F(PciCalls, AccessesAtTheEndOfTheSpaceReachTheBusAndNeverComeBackWider)
{
    EXPECT_CALL(fBus, Read(1, 2, 3, 255, 1)).WillOnce(Return(0xABCDEF12));
    EXPECT_CALL(fBus, Read(1, 2, 3, 254, 2)).WillOnce(Return(0xABCDEF12));
    EXPECT_CALL(fBus, Read(1, 2, 3, 252, 4)).WillOnce(Return(0xABCDEF12));
    EXPECT_EQ(read_pci_config(1, 2, 3, 255, 1), 0x12u);
    EXPECT_EQ(read_pci_config(1, 2, 3, 254, 2), 0xEF12u);
    EXPECT_EQ(read_pci_config(1, 2, 3, 252, 4), 0xABCDEF12u);

    EXPECT_CALL(fBus, Write(1, 2, 3, 255, 1, 0xFF));
    EXPECT_CALL(fBus, Write(1, 2, 3, 0, 4, 0x12345678));
    write_pci_config(1, 2, 3, 255, 1, 0x1FF);
    write_pci_config(1, 2, 3, 0, 4, 0x12345678);
}

TEST_F(PciCalls, NegativeIndexOrMissingRecordIsNoFunction)
{
    pci_info info;
    EXPECT_NE(get_nth_pci_info(-1, &info), B_OK);
    EXPECT_NE(get_nth_pci_info(0, nullptr), B_OK);

    EXPECT_CALL(fBus, GetNthInfo(0, &info)).WillOnce(Return(B_OK));
    EXPECT_CALL(fBus, GetNthInfo(1, _)).WillOnce(Return(B_BAD_INDEX));
    EXPECT_EQ(get_nth_pci_info(0, &info), B_OK);
    EXPECT_NE(get_nth_pci_info(1, &info), B_OK);
}
