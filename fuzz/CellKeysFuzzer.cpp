// Arbitrary keys of 1 to 4 bytes into one editor cell, locked or unlocked, then Enter; and
// ParseHexByte on the input as text. Checks what a person relies on: a cell holds at most two
// hex digits, a locked one never changes or writes, and Enter posts the byte the text spells.

#include "CellWindow.h"
#include "EditorViews.h"
#include "FuzzCheck.h"

#include <ParseHexByte.h>

#include <fuzzer/FuzzedDataProvider.h>

#include <string_view>

namespace {

constexpr std::string_view kHexDigits = "0123456789abcdefABCDEF";

// The byte the last two characters spell, each one that is not a hex digit counting as 0.
int SpelledByte(std::string_view text)
{
    int value = 0;
    for (char character : text.substr(text.size() > 2 ? text.size() - 2 : 0)) {
        const size_t at = kHexDigits.find(character);
        value = value * 16 + (at == std::string_view::npos ? 0 : at < 16 ? int(at) : int(at) - 6);
    }
    return value;
}

void CheckCell(FuzzedDataProvider& input)
{
    const bool unlocked = input.ConsumeBool();
    auto* window = new CellWindow;
    DataTextView* cell = window->cell;
    // A locked cell shows what the editor read; an unlocked one is typed into from empty.
    const std::string before = unlocked ? "" : HexText(input.ConsumeIntegral<uint8_t>());
    cell->ShowDeviceByte(before.c_str());
    cell->MakeSelectable(unlocked);
    cell->MakeEditable(unlocked);
    std::vector<int> expected;
    auto press = [&](const std::string& key) {
        if (key == "\n" && unlocked)
            expected.push_back(SpelledByte(cell->Text()));
        cell->KeyDown(key.data(), int32(key.size()));
        const std::string_view text = cell->Text();
        Require(text.size() <= 2, "a cell never holds more than two bytes");
        Require(unlocked ? text.find_first_not_of(kHexDigits) == std::string_view::npos
                         : text == before,
                "an unlocked cell holds hex digits only; a locked one never changes");
    };
    while (input.remaining_bytes() > 0)
        press(input.ConsumeBytesAsString(input.ConsumeIntegralInRange<size_t>(1, 4)));
    press("\n");
    Step([] {});
    Require(window->PostedBytes() == expected,
            "each Enter in an unlocked cell posts one write request, "
            "for the cell's offset and the byte its text spells; a locked cell none");
    Step([&] { window->Quit(); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    Require(ParseHexByte(text.c_str()) == SpelledByte(text.c_str()),
            "ParseHexByte gives the byte its last two characters spell");
    FuzzedDataProvider input(data, size);
    CheckCell(input);
    return 0;
}
