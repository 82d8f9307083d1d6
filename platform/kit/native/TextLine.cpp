#include "TextLine.h"

#include "KeyTranslation.h"
#include "ViewState.h"

#include <Clipboard.h>
#include <View.h>

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>

namespace kit {

TextLine::TextLine(BView* view) : fView(view)
{
    setFrame(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setDragEnabled(false);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void TextLine::SetSelectable(bool selectable)
{
    fSelectable = selectable;
    setFocusPolicy(selectable ? Qt::StrongFocus : Qt::NoFocus);
    if (!selectable)
        deselect();
}

void TextLine::MoveFocus(bool forward) { focusNextPrevChild(forward); }

bool TextLine::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
        return ShowToolTip(fView, this, event);
    if (event->type() == QEvent::ShortcutOverride) {
        // Keys typed here, and the copy chord, are the view's; other chords are the window's.
        const auto* chord = static_cast<QKeyEvent*>(event);
        const bool typed = !(chord->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
        if (typed || chord->matches(QKeySequence::Copy)) {
            event->accept();
            return true;
        }
        return QLineEdit::event(event);
    }
    if (event->type() != QEvent::KeyPress)
        return QLineEdit::event(event);
    const auto& press = *static_cast<QKeyEvent*>(event);
    // The desktop's copy shortcut copies the selection; no other chord reaches the text.
    if (press.matches(QKeySequence::Copy)) {
        if (fSelectable && hasSelectedText())
            be_clipboard->SetText(selectedText().toUtf8().constData());
        return true;
    }
    QPointer<TextLine> alive(this);
    for (const std::string& key : KeysOf(press)) {
        // A key handler may take the view away; the remaining keys then go nowhere.
        if (alive.isNull())
            break;
        fView->KeyDown(key.data(), static_cast<int>(key.size()));
    }
    return true;
}

void TextLine::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // The click that gave the focus would put the caret where it landed: select once it is done.
    fSelectAllOnRelease = event->reason() == Qt::MouseFocusReason;
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        selectAll();
}

void TextLine::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // As on the old kit, a view hears through MakeFocus(false) that the focus moved on; a
    // window going to the back, or a menu opening over it, leaves the focus where it was.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        fView->MakeFocus(false);
}

bool TextLine::AcceptsMouse(const QMouseEvent* event) const
{
    // Middle-button paste would put text in without a key.
    return fSelectable && event->button() != Qt::MiddleButton
           && !(event->buttons() & Qt::MiddleButton);
}

void TextLine::mousePressEvent(QMouseEvent* event)
{
    if (AcceptsMouse(event))
        QLineEdit::mousePressEvent(event);
}

void TextLine::mouseMoveEvent(QMouseEvent* event)
{
    if (AcceptsMouse(event))
        QLineEdit::mouseMoveEvent(event);
}

void TextLine::mouseReleaseEvent(QMouseEvent* event)
{
    if (!AcceptsMouse(event))
        return;
    QLineEdit::mouseReleaseEvent(event);
    if (fSelectAllOnRelease && !hasSelectedText())
        selectAll();
    fSelectAllOnRelease = false;
}

void TextLine::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (AcceptsMouse(event))
        QLineEdit::mouseDoubleClickEvent(event);
}

} // namespace kit
