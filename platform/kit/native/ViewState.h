#ifndef PCIZ_KIT_NATIVE_VIEW_STATE_H
#define PCIZ_KIT_NATIVE_VIEW_STATE_H

#include <View.h>

#include <QPointer>
#include <QWidget>

#include <string>

namespace kit {

// Every view draws its text black until told otherwise.
constexpr rgb_color kDefaultHighColor{0, 0, 0, 255};

// Makes color the one widget and its children draw text with, whatever the desktop's theme.
void PinTextColor(QWidget* widget, rgb_color color);

// Shows the view's tooltip for a tooltip event its widget was sent: what widgets that stand
// for views do with QEvent::ToolTip.
bool ShowToolTip(BView* view, QWidget* widget, QEvent* event);

// What the kit keeps of a view: its own record of frame, font and colour, and the Qt widget
// that shows it. The view owns the widget.
struct ViewState {
    ViewState(BRect frame, const char* name);
    ~ViewState();

    static ViewState& Of(const BView* view) { return *view->fViewState; }

    // Puts the widget in place of the view's current one and gives it the view's state.
    void SetWidget(QWidget* newWidget);
    QWidget* Widget();
    void ApplyGeometry();
    // Font and colour reach the widget once the view is in a window, or is measured before:
    // a constructor often sets the font more than once, and what a widget without a parent was
    // given is resolved again when it gets one.
    void ApplyFont();
    void ApplyHighColor();
    void ApplyPending();

    QPointer<QWidget> widget;
    BRect frame;
    std::string name;
    BFont font;
    rgb_color highColor = kDefaultHighColor;
    rgb_color viewColor = B_TRANSPARENT_COLOR;
    std::string toolTip;
    BWindow* window = nullptr;
    bool hidden = false;
    bool fontPending = false;
    bool highColorPending = false;

private:
    void SetWidgetHighColor();
};

} // namespace kit

#endif
