#ifndef PCIZ_KIT_WINDOW_H
#define PCIZ_KIT_WINDOW_H

#include <InterfaceDefs.h>
#include <Looper.h>
#include <Rect.h>

#include <memory>

class BMessage;
class BView;

namespace kit {
struct WindowState;
}

// A top-level window with its own message queue. The frame is the content area in screen
// coordinates. Closing it asks QuitRequested; a window that agrees quits and is destroyed
// with its views once the current message has been handled.
class BWindow : public BLooper {
public:
    BWindow(BRect frame, const char* title, window_type type, uint32 flags,
            uint32 workspace = B_CURRENT_WORKSPACE);
    ~BWindow() override;

    void AddChild(BView* view);
    int32 CountChildren() const;
    BView* ChildAt(int32 index) const;
    // The first child with that name, or null.
    BView* FindView(const char* name) const;
    BView* CurrentFocus() const;

    void Show();
    // Brings the shown window to the front with the focus, restored first if it was minimized.
    void Activate(bool active = true);

    // The command key (Ctrl), with the other modifiers given, and key post a copy of message to
    // the window wherever its focus is; a text view takes its own editing chords first. Takes
    // ownership of message.
    void AddShortcut(uint32 key, uint32 modifiers, BMessage* message);

    void ResizeBy(float dx, float dy);
    BRect Frame() const;
    BRect Bounds() const;

    const char* Title() const;

    void Quit() override;

private:
    friend struct kit::WindowState;
    std::unique_ptr<kit::WindowState> fWindowState;
};

#endif
