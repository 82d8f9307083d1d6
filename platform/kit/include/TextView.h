#ifndef PCIZ_KIT_TEXT_VIEW_H
#define PCIZ_KIT_TEXT_VIEW_H

#include <View.h>

#include <memory>

namespace kit {
struct TextViewState;
}

// A single-line text field. Typing goes through KeyDown, so a subclass sees every key first;
// the base KeyDown applies the editing keys, and to inserted characters only the character
// filter and the byte limit. Text set from code is taken as it is.
class BTextView : public BView {
public:
    BTextView(BRect frame, const char* name, BRect textRect, uint32 resizingMode, uint32 flags);
    BTextView(BRect frame, const char* name, BRect textRect, const BFont* font,
              const rgb_color* color, uint32 resizingMode, uint32 flags);
    ~BTextView() override;

    void SetText(const char* text);
    const char* Text() const;
    int32 TextLength() const;
    // Copies at most length bytes from offset into buffer and ends the copy with a NUL, so
    // buffer must hold length + 1 bytes.
    void GetText(int32 offset, int32 length, char* buffer) const;

    // A view colour shows in place of the usual background of an editable or a locked field.
    void SetViewColor(rgb_color color) override;

    void MakeEditable(bool editable = true);
    bool IsEditable() const;
    void MakeSelectable(bool selectable = true);
    bool IsSelectable() const;

    // The most UTF-8 bytes typing can make the text hold.
    void SetMaxBytes(int32 max);
    // A single line never wraps.
    void SetWordWrap(bool) {}
    void AllowChar(uint32 character);
    void DisallowChar(uint32 character);

    // With resize on, the view's width follows its text.
    void MakeResizable(bool resize, BView* resizeView = nullptr);

    void KeyDown(const char* bytes, int32 numBytes) override;

private:
    std::unique_ptr<kit::TextViewState> fTextViewState;

    void Construct(const rgb_color* color);
    void HandleEditingKey(uchar key);
    void InsertTyped(const char* bytes, int32 numBytes);
    void FitToText();
    void ApplyBackground();
};

#endif
