#ifndef PCIZ_TESTS_KIT_TEST_SUPPORT_H
#define PCIZ_TESTS_KIT_TEST_SUPPORT_H

// Drives the interface kit in tests as a person would, with no display: deliver what was
// posted, find views, click, type, choose menu items, close windows, take screenshots.

#include <Window.h>

#include <string>
#include <vector>

class BMenu;
class BMenuField;
class BMenuItem;

namespace kittest {

// Starts the kit headless (offscreen unless told otherwise); the test main and the fuzzers
// call it once before anything else.
void StartKit();

// Delivers every posted message, and those that handling them posts, waiting for what the
// loopers' threads are doing too, then destroys the windows that quit meanwhile.
void DeliverPostedMessages();
// The same for windows alone, while a looper's thread may be held up: what was posted to
// windows, and what handling it posts, without waiting for any looper thread.
void DeliverWindowMessages();

// The application's windows whose titles start with title, oldest first.
std::vector<BWindow*> WindowsTitled(const char* title);

template <typename ViewType>
ViewType* FindView(const BWindow* window, const char* name)
{
    return dynamic_cast<ViewType*>(window->FindView(name));
}

// A left click in the middle of the view.
void Click(BView* view);

// Keys as a person types them into whatever view of the window has the focus: text as
// UTF-8, one key per character, and single keys by their kit codes (B_ENTER, B_BACKSPACE ...).
void Type(BWindow* window, const char* text);
void PressKey(BWindow* window, uchar key);
// The same keys sent straight to one view, focused or not.
void TypeInto(BView* view, const char* text);
void PressKeyIn(BView* view, uchar key);
// A shortcut chord such as Ctrl+V, sent to the view.
void PressShortcut(BView* view, char letter);
// Ctrl and letter pressed in the window, made the active one, wherever its focus is.
void PressChord(BWindow* window, char letter);
// Shift+Tab as the desktop sends it, to the focused view; the keypad's Enter, to the view.
void PressShiftTab(BWindow* window);
void PressKeypadEnter(BView* view);
// A left click at a point of the window, on whatever view lies there or on its background.
void ClickAt(BWindow* window, float x, float y);
// What a right click at a point of the window and "Copy" in the menu that opens put on the
// clipboard; empty when no menu opened.
std::string CopyWithContextMenuAt(BWindow* window, float x, float y);
std::string ClipboardText();
// Whether the view is drawn on the window's own colour, as a field that takes no typing is.
bool DrawnOnWindowColour(BView* view);

// The window's minimize button, and whether the window is minimized.
void Minimize(BWindow* window);
bool IsMinimized(const BWindow* window);

// Registers the view with Qt's accessibility, as a screen reader's first look does, and
// returns its id there; AccessibilityKnows(id) stays true until Qt forgets the view.
unsigned RegisterWithAccessibility(BView* view);
bool AccessibilityKnows(unsigned id);

// Opens the field's menu with a click and clicks the item at index.
void ChooseMenuItem(BMenuField* field, int32 index);

// Presses key (' ', B_ENTER, B_DOWN_ARROW ...) on the field as a person who tabbed to it, and
// returns the index of the item highlighted in the menu that opened (-1 when none opened),
// closing the menu again.
int32 OpenMenuWithKey(BMenuField* field, uchar key);

// Whether the item is drawn with a box beside it, ticked or empty.
bool ShowsCheckBox(const BMenuItem* item);

// The tooltip that shows where a person's pointer rests at (x, y) of the window; empty for none.
std::string ToolTipAt(BWindow* window, float x, float y);
// A person asks for a context menu at (x, y) of the window: the texts of the menu that opens.
std::vector<std::string> ContextMenuAt(BWindow* window, float x, float y);
void ChooseFromOpenMenu(size_t index);
// The texts a person reads in the menu once it is open.
std::vector<std::string> MenuTexts(BMenu* menu);
// Whether the view is marked with a colour of its own.
bool IsMarked(BView* view);
// A click on a line of a list view, as a person chooses it.
void ClickLine(BView* list, int32 line);

// What the window's close button does.
void CloseWindow(BWindow* window);

// Shows the windows and writes one PNG of them under the build folder, where they stand on the
// screen, each under a plain title bar, later windows over earlier ones; returns its path.
std::string SaveScreenshot(const std::vector<BWindow*>& windows, const char* name);

// Paints the whole window now, as once its texts have changed.
void Repaint(BWindow* window);

} // namespace kittest

// One step as a person takes it, then the delivery of everything handling it posts.
template <typename Action>
void Step(Action action)
{
    action();
    kittest::DeliverPostedMessages();
}

#endif
