#ifndef PCIZ_KIT_NATIVE_TEXT_LINE_H
#define PCIZ_KIT_NATIVE_TEXT_LINE_H

#include <QLineEdit>

class BView;

namespace kit {

// The Qt line edit behind a BTextView. Every key press, Tab included, goes to the view's
// KeyDown instead of Qt's own editing, and the ways Qt has of changing the text without a
// key (context menu, drag and drop, middle-button paste, input methods) are closed, so the
// view's lock, filter and byte limit cannot be bypassed; the copy shortcut copies the
// selection. A click or Tab that gives it the focus selects the whole text, so what is typed
// next replaces it, as in a cell of a grid.
class TextLine : public QLineEdit {
public:
    explicit TextLine(BView* view);

    BView* View() const { return fView; }
    void SetSelectable(bool selectable);
    // Moves the focus on to the next view, or back to the one before.
    void MoveFocus(bool forward);

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool AcceptsMouse(const QMouseEvent* event) const;

    BView* fView;
    bool fSelectable = true;
    bool fSelectAllOnRelease = false;
};

} // namespace kit

#endif
