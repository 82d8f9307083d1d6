// Arbitrary keys of 1 to 4 bytes into one editor cell, locked or unlocked, then Enter; and
// ParseHexByte on the input as text. Checks what a person relies on: a cell holds at most two
// hex digits, a locked one never changes or writes, and Enter posts the byte the text spells.

#include "CellWindow.h"
#include "FuzzCheck.h"
#include "KitTestSupport.h"

#include <ParseHexByte.h>
#include <WindowMessages.h>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr size_t kMaxBytes = 2;
// Lower case first: a digit's position is its value.
constexpr std::string_view kHexDigits = "0123456789abcdefABCDEF";

int HexDigitOrZero(char character)
{
    const size_t at = kHexDigits.find(character);
    if (at == std::string_view::npos)
        return 0;
    return at < 16 ? static_cast<int>(at) : static_cast<int>(at) - 6;
}

// The byte the last two characters spell, each one that is not a hex digit counting as 0.
int SpelledByte(std::string_view text)
{
    const std::string_view last = text.substr(text.size() > 2 ? text.size() - 2 : 0);
    int value = 0;
    for (char character : last)
        value = value * 16 + HexDigitOrZero(character);
    return value;
}

bool IsHexDigits(std::string_view text)
{
    return text.find_first_not_of(kHexDigits) == std::string_view::npos;
}

void CheckParseHexByte(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string_view untilNul(text.c_str());
    Require(ParseHexByte(text.c_str()) == SpelledByte(untilNul),
            "ParseHexByte gives the byte its last two characters spell");
}

bool PostedByte(const BMessage& request, int expected)
{
    int32 offset = -1;
    int8 data = 0;
    return request.what == kWriteRequest && request.FindInt32(kOffsetField, &offset) == B_OK
        && offset == CellWindow::kOffset && request.FindInt8(kDataField, &data) == B_OK
        && static_cast<uint8>(data) == expected;
}

void CheckCell(FuzzedDataProvider& input)
{
    const bool unlocked = input.ConsumeBool();
    auto* window = new CellWindow;
    DataTextView* cell = window->cell;
    // A locked cell shows what the editor read; an unlocked one is typed into from empty.
    char shown[8];
    std::snprintf(shown, sizeof(shown), "%X", unsigned(input.ConsumeIntegral<uint8_t>()));
    const std::string before = unlocked ? "" : shown;
    cell->ShowDeviceByte(before.c_str());
    cell->MakeSelectable(unlocked);
    cell->MakeEditable(unlocked);

    std::vector<int> expected;
    auto press = [&](const std::string& key) {
        if (key == "\n" && unlocked)
            expected.push_back(SpelledByte(cell->Text()));
        cell->KeyDown(key.data(), static_cast<int32>(key.size()));
        const std::string_view text = cell->Text();
        Require(text.size() <= kMaxBytes, "a cell never holds more than two bytes");
        Require(unlocked ? IsHexDigits(text) : text == before,
                "an unlocked cell holds hex digits only; a locked one never changes");
    };
    while (input.remaining_bytes() > 0)
        press(input.ConsumeBytesAsString(input.ConsumeIntegralInRange<size_t>(1, 4)));
    press("\n");

    kittest::DeliverPostedMessages();
    Require(window->requests.size() == expected.size(),
            "each Enter in an unlocked cell posts one write request, a locked cell none");
    for (size_t i = 0; i < expected.size(); ++i)
        Require(PostedByte(window->requests[i], expected[i]),
                "a write request carries the cell's offset and the byte its text spells");
    window->Quit();
    kittest::DeliverPostedMessages();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    kittest::StartKit();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckParseHexByte(data, size);
    FuzzedDataProvider input(data, size);
    CheckCell(input);
    return 0;
}
