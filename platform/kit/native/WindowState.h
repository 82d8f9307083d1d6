#ifndef PCIZ_KIT_NATIVE_WINDOW_STATE_H
#define PCIZ_KIT_NATIVE_WINDOW_STATE_H

#include <Window.h>

#include <QPointer>
#include <QWidget>

#include <string>
#include <vector>

namespace kit {

class TextLabel;

// The Qt window of a BWindow. Its close button posts B_QUIT_REQUESTED, so the window's own
// QuitRequested decides whether it closes. A click on its background, where no view takes the
// click, takes the focus away from the focused view; a context menu there copies the text of
// the label under the pointer.
class WindowWidget : public QWidget {
public:
    explicit WindowWidget(BWindow* window);

    // The label whose text lies under point, of those that overlap there; null for none.
    TextLabel* LabelShowingTextAt(QPoint point) const;

protected:
    // A tooltip asked for where views overlap goes to the one whose text is there.
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Keys that reach the window itself go to it as messages, as do requests for a context
    // menu, from the window or from a view that has none of its own.
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    BWindow* fWindow;
};

struct WindowState {
    static WindowState& Of(const BWindow* window) { return *window->fWindowState; }

    QPointer<WindowWidget> widget;
    std::vector<BView*> children;
    std::string title;
    uint32 flags = 0;
};

} // namespace kit

#endif
