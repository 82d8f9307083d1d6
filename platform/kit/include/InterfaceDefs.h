#ifndef PCIZ_KIT_INTERFACE_DEFS_H
#define PCIZ_KIT_INTERFACE_DEFS_H

#include <SupportDefs.h>

// Resizing modes: how a view follows its parent. The kit's windows are never resized by a
// person, so views take no notice of them.
enum : uint32 {
    B_FOLLOW_NONE = 0,
    B_FOLLOW_LEFT = 0x1000,
    B_FOLLOW_TOP = 0x0010,
    B_FOLLOW_RIGHT = 0x2000,
    B_FOLLOW_BOTTOM = 0x0020,
};

// View flags. Only B_NAVIGABLE changes anything: a control given it takes the focus from the
// keyboard. Every view draws, and none is pulsed.
enum : uint32 {
    B_WILL_DRAW = 0x20000000,
    B_PULSE_NEEDED = 0x10000000,
    B_NAVIGABLE = 0x02000000,
};

enum window_type : int32 {
    B_UNTYPED_WINDOW = 0,
    B_TITLED_WINDOW = 1,
};

// Window flags.
enum : uint32 {
    B_NOT_RESIZABLE = 0x00000002,
    B_NOT_ZOOMABLE = 0x00000040,
};

enum : uint32 {
    B_CURRENT_WORKSPACE = 0,
};

enum alignment : int32 {
    B_ALIGN_LEFT = 0,
    B_ALIGN_RIGHT = 1,
    B_ALIGN_CENTER = 2,
};

enum list_view_type : int32 {
    B_SINGLE_SELECTION_LIST = 0,
    B_MULTIPLE_SELECTION_LIST = 1,
};

enum menu_layout : int32 {
    B_ITEMS_IN_ROW = 0,
    B_ITEMS_IN_COLUMN = 1,
};

// Which attributes SetFont takes from the font it is given.
enum : uint32 {
    B_FONT_FAMILY_AND_STYLE = 0x00000001,
    B_FONT_SIZE = 0x00000002,
    B_FONT_FACE = 0x00000100,
    B_FONT_ALL = 0x000000FF,
};

enum : uint16 {
    B_REGULAR_FACE = 0x0040,
    B_BOLD_FACE = 0x0020,
};

// Key codes as KeyDown receives them; printable keys arrive as their UTF-8 bytes.
enum : uchar {
    B_HOME = 0x01,
    B_END = 0x04,
    B_BACKSPACE = 0x08,
    B_TAB = 0x09,
    B_ENTER = 0x0A,
    B_PAGE_UP = 0x0B,
    B_PAGE_DOWN = 0x0C,
    B_ESCAPE = 0x1B,
    B_LEFT_ARROW = 0x1C,
    B_RIGHT_ARROW = 0x1D,
    B_UP_ARROW = 0x1E,
    B_DOWN_ARROW = 0x1F,
    B_DELETE = 0x7F,
};

// Modifier keys, as modifiers() reports them.
enum : uint32 {
    B_SHIFT_KEY = 0x00000001,
    // The key of shortcuts: Ctrl here.
    B_COMMAND_KEY = 0x00000002,
};

// The modifier keys held down; in KeyDown, those held with the key: Shift+Tab reaches KeyDown
// as B_TAB with B_SHIFT_KEY.
uint32 modifiers();

enum : int32 {
    B_CONTROL_OFF = 0,
    B_CONTROL_ON = 1,
};

#endif
