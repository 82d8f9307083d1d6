// Dump files as people bring them: with and without domains, -v detail, a last line without
// its newline, long names, 4096 bytes, from a pipe; and the files no machine could have made,
// each refused with the line and what is wrong on it.

#include "DumpWriter.h"

#include <DumpFile.h>
#include <SimulatedBus.h>

#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

const std::string kHostBridge = DumpText({{"00:00.0", Image(0x8086, 0x1237, 0, 64)}});

std::string Problem(const std::string& text)
{
    const std::string path = WriteDump("refused.dump", text);
    return DumpFile(path).Problem().substr(path.size());
}

} // namespace

TEST(DumpFile, TakesEveryFormOfLspciOutputAFunctionAtATime)
{
    std::string named = DumpText({{"00:1e.0", Image(0x8086, 0x244E, 1, 64)}});
    named.insert(named.find('\n'), std::string(300, 'x'));
    std::string detail = DumpText({{"0000:00:1f.3", Image(0x8086, 0xA348, 0, 256)}});
    detail.insert(detail.find('\n') + 1, "\tSubsystem: Test\n\tFlags: bus master\n");
    const std::vector<uint8> extended = Image(0x10DE, 0x2330, 0, 4096);
    std::string crlf = DumpText({{"5a7e:00:02.0", extended}});
    for (size_t at = 0; (at = crlf.find('\n', at)) != std::string::npos; at += 2)
        crlf.replace(at, 1, "\r\n");
    std::string unended = DumpText({{"0001:00:00.0", Image(0x1AF4, 0x1041, 0, 64)}});
    unended.erase(unended.find_last_not_of('\n') + 1);

    DumpFile dump(WriteDump("forms.dump", kHostBridge + named + detail + crlf + unended));
    ASSERT_EQ(dump.Problem(), "");
    SimulatedBus bus(dump.TakeFunctions());
    const std::pair<PciLocation, int32> listed[] = {
        {PciAddress{0, 0, 0}, 256},
        {PciAddress{0, 0x1E, 0}, 256},
        {PciAddress{0, 0x1F, 3}, 256},
        {PciLocation(PciAddress{0, 0, 0}, 1), 256},
        {PciLocation(PciAddress{0, 2, 0}, 0x5A7E), 4096}};
    pci_info info;
    for (size_t n = 0; n < std::size(listed); ++n) {
        ASSERT_EQ(bus.GetNthInfo(int32(n), &info), B_OK);
        EXPECT_EQ(bus.Location(info.bus, info.device, info.function), listed[n].first);
        EXPECT_EQ(bus.ConfigSize(info.bus, info.device, info.function), listed[n].second);
    }
    EXPECT_EQ(bus.Read(info.bus, info.device, info.function, 0xFFF, 1), extended[0xFFF]);
}

TEST(DumpFile, RefusesWhatNoMachineCouldHaveDumpedNamingTheLine)
{
    const std::pair<std::string, std::string> refused[] = {
        {kHostBridge.substr(0, kHostBridge.find("\n10:")) + "\n10: 00 zz 00\n",
         ", line 3: \"zz\" is not a byte in hex"},
        {kHostBridge + kHostBridge,
         ", line 7: 0000:00:00.0 is given a second time (first on line 1)"},
        {"00:20.0 Bridge\n00: 86 80\n", ", line 1: 0000:00:20.0 is no PCI address: device numbers "
                                        "end at 1f, function numbers at 7"},
        {"00:00.8 Bridge\n", ", line 1: 0000:00:00.8 is no PCI address: device numbers end at "
                             "1f, function numbers at 7"},
        {"00: 86 80\n", ", line 1: bytes that follow no function line"},
        {"\n\nlspci: nothing here\n", " holds no PCI function in the format of lspci -x"},
    };
    for (const auto& [text, problem] : refused)
        EXPECT_EQ(Problem(text), problem) << text;

    // Larger than any machine's dump, refused before a byte of it is read.
    const std::string huge = WriteDump("huge.dump", kHostBridge);
    std::filesystem::resize_file(huge, DumpFile::kMostBytes + 1);
    EXPECT_EQ(DumpFile(huge).Problem(),
              huge + " is 1024 MiB, more than a dump of any machine can hold (1024 MiB)");
    std::filesystem::remove(huge);
}

// A pipe from a shell works; a FIFO nobody writes to is given up on instead of hanging.
TEST(DumpFile, ReadsAPipeAndGivesUpOnAFifoWithoutAWriter)
{
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    std::thread writer([&] {
        EXPECT_EQ(write(ends[1], kHostBridge.data(), kHostBridge.size()),
                  ssize_t(kHostBridge.size()));
        close(ends[1]);
    });
    DumpFile piped("/dev/fd/" + std::to_string(ends[0]));
    writer.join();
    close(ends[0]);
    EXPECT_EQ(piped.Problem(), "");
    EXPECT_EQ(piped.Functions().size(), 1u);

    const std::string fifo = testing::TempDir() + std::to_string(getpid()) + "-nobody.fifo";
    std::filesystem::remove(fifo);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(DumpFile(fifo, 50ms).Problem(),
              "cannot read " + fifo
                  + ": nothing came through it for 0.05 s; is anything writing "
                    "to it?");
    std::filesystem::remove(fifo);
}
