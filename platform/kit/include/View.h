#ifndef PCIZ_KIT_VIEW_H
#define PCIZ_KIT_VIEW_H

#include <Font.h>
#include <GraphicsDefs.h>
#include <InterfaceDefs.h>
#include <Point.h>
#include <Rect.h>

#include <memory>
#include <string>

class BWindow;

namespace kit {
struct ViewState;
}

// A rectangle of a window that draws itself. Frames are in the coordinates of the window the
// view is added to; the window owns the view from AddChild on. The resizing mode and the flags
// are taken as the old platform takes them; InterfaceDefs.h says what they change here.
class BView {
public:
    BView(BRect frame, const char* name, uint32 resizingMode, uint32 flags);
    BView(const BView&) = delete;
    BView& operator=(const BView&) = delete;
    virtual ~BView();

    const char* Name() const;
    BRect Frame() const;
    BRect Bounds() const;
    BWindow* Window() const;

    // Takes the attributes of font that mask names; B_FONT_ALL takes every one.
    virtual void SetFont(const BFont* font, uint32 mask = B_FONT_ALL);
    void GetFont(BFont* font) const;
    void SetFontSize(float size);

    // The colour the view draws its text with.
    void SetHighColor(rgb_color color);
    void SetHighColor(uchar red, uchar green, uchar blue, uchar alpha = 255);
    rgb_color HighColor() const;
    // The colour the view fills its background with; B_TRANSPARENT_COLOR for its usual one.
    virtual void SetViewColor(rgb_color color);
    rgb_color ViewColor() const;

    // The text a tooltip shows over the view when the pointer rests on it.
    void SetToolTip(const char* text);
    // Asked each time a tooltip is about to show, with where the pointer rests in the view's
    // coordinates; a view whose explanation changes with what it shows gives it here. The text
    // set with SetToolTip by default; false for none.
    virtual bool GetToolTipAt(BPoint where, std::string* text);

    virtual void GetPreferredSize(float* width, float* height);
    virtual void ResizeToPreferred();
    void ResizeTo(float width, float height);
    // Puts the view's left top corner there, in its window's coordinates.
    void MoveTo(float left, float top);
    void ResizeBy(float dWidth, float dHeight);

    // A hidden view is neither drawn nor reached by the mouse or the keyboard.
    void Hide();
    void Show();
    bool IsHidden() const;

    virtual void MakeFocus(bool focus = true);
    bool IsFocus() const;

    // A key typed while the view has the focus: bytes is the key's UTF-8 text or one of the
    // key codes of InterfaceDefs.h.
    virtual void KeyDown(const char* bytes, int32 numBytes);

private:
    friend struct kit::ViewState;
    std::unique_ptr<kit::ViewState> fViewState;
};

#endif
