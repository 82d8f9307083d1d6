#include "Window.h"

#include "native/Frames.h"
#include "native/KeyTranslation.h"
#include "native/KitRuntime.h"
#include "native/LooperState.h"
#include "native/TextLabel.h"
#include "native/TextLine.h"
#include "native/ViewState.h"
#include "native/WindowState.h"

#include <AppDefs.h>
#include <Message.h>
#include <TypeConstants.h>
#include <View.h>

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>

#include <algorithm>
#include <cstring>
#include <memory>

namespace kit {

WindowWidget::WindowWidget(BWindow* window) : fWindow(window) {}

void WindowWidget::closeEvent(QCloseEvent* event)
{
    event->ignore();
    fWindow->PostMessage(B_QUIT_REQUESTED);
}

// Views overlap (a name over its row's value), their texts do not: the one under the pointer
// is the one meant, whichever view lies on top.
TextLabel* WindowWidget::LabelShowingTextAt(QPoint point) const
{
    const QObjectList& views = children();
    for (auto view = views.rbegin(); view != views.rend(); ++view) {
        auto* label = dynamic_cast<TextLabel*>(*view);
        if (label != nullptr && label->ShowsTextAt(label->mapFrom(this, point)))
            return label;
    }
    return nullptr;
}

bool WindowWidget::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    TextLabel* label = LabelShowingTextAt(help->pos());
    if (label == nullptr)
        return QWidget::event(event);
    QHelpEvent inLabel(QEvent::ToolTip, label->mapFrom(this, help->pos()), help->globalPos());
    return ShowToolTip(label->View(), label, &inLabel);
}

void WindowWidget::contextMenuEvent(QContextMenuEvent* event)
{
    if (TextLabel* label = LabelShowingTextAt(event->pos())) {
        label->PopUpCopyMenu(event->globalPos());
        return;
    }
    // Anywhere else the window offers a menu of its own, if it has one.
    BMessage message(B_CONTEXT_MENU_REQUESTED);
    message.AddPoint("where", BPoint(event->globalPos().x(), event->globalPos().y()));
    fWindow->PostMessage(&message);
}

void WindowWidget::keyPressEvent(QKeyEvent* event)
{
    const std::vector<std::string> keys = KeysOf(*event);
    if (keys.empty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    for (const std::string& key : keys) {
        BMessage message(B_KEY_DOWN);
        message.AddData("bytes", B_RAW_TYPE, key.data(), ssize_t(key.size()));
        fWindow->PostMessage(&message);
    }
}

void WindowWidget::mousePressEvent(QMouseEvent* event)
{
    // A click on the background takes the focus away from the view that has it, which hears
    // of it through MakeFocus(false), as a click on another view would make it.
    if (QWidget* focus = focusWidget())
        focus->clearFocus();
    QWidget::mousePressEvent(event);
}

namespace {

Qt::WindowFlags QtFlagsFor(uint32 flags)
{
    Qt::WindowFlags result = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                             | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint;
    if (!(flags & B_NOT_ZOOMABLE))
        result |= Qt::WindowMaximizeButtonHint;
    return result;
}

} // namespace

} // namespace kit

BWindow::BWindow(BRect frame, const char* title, window_type, uint32 flags, uint32)
    : fWindowState(std::make_unique<kit::WindowState>())
{
    kit::EnsureApplication();
    kit::LooperState::Of(this).ServeOnGuiThread();
    kit::WindowState& state = *fWindowState;
    state.title = title != nullptr ? title : "";
    state.flags = flags;
    state.widget = new kit::WindowWidget(this);
    state.widget->setWindowFlags(kit::QtFlagsFor(flags));
    state.widget->setWindowTitle(QString::fromStdString(state.title));
    state.widget->setGeometry(kit::ToQRect(frame));
    kit::PinTextColor(state.widget, kit::kDefaultHighColor);
    if (flags & B_NOT_RESIZABLE)
        state.widget->setFixedSize(state.widget->size());
    kit::LiveWindows().push_back(this);
}

BWindow::~BWindow()
{
    std::erase(kit::LiveWindows(), this);
    // Views go first: each one deletes its own widget, which the window's widget would
    // otherwise delete a second time.
    for (auto view = fWindowState->children.rbegin(); view != fWindowState->children.rend(); ++view)
        delete *view;
    delete fWindowState->widget.data();
}

void BWindow::AddChild(BView* view)
{
    if (view == nullptr || view->Window() != nullptr)
        return;
    kit::ViewState& viewState = kit::ViewState::Of(view);
    viewState.window = this;
    viewState.Widget()->setParent(fWindowState->widget);
    viewState.ApplyPending();
    viewState.ApplyGeometry();
    if (!viewState.hidden)
        viewState.Widget()->show();
    fWindowState->children.push_back(view);
}

int32 BWindow::CountChildren() const { return static_cast<int32>(fWindowState->children.size()); }

BView* BWindow::ChildAt(int32 index) const
{
    if (index < 0 || index >= CountChildren())
        return nullptr;
    return fWindowState->children[index];
}

BView* BWindow::FindView(const char* name) const
{
    if (name == nullptr)
        return nullptr;
    for (BView* view : fWindowState->children)
        if (std::strcmp(view->Name(), name) == 0)
            return view;
    return nullptr;
}

// Asked after every reload of a grid: answered from the focus widget, without touching the
// views that do not have the focus.
BView* BWindow::CurrentFocus() const
{
    QWidget* focus = fWindowState->widget->focusWidget();
    if (focus == nullptr)
        return nullptr;
    if (auto* line = dynamic_cast<kit::TextLine*>(focus))
        return line->View();
    for (BView* view : fWindowState->children)
        if (view->IsFocus())
            return view;
    return nullptr;
}

void BWindow::Show()
{
    if (!IsQuitting())
        fWindowState->widget->show();
}

void BWindow::Activate(bool active)
{
    QWidget* widget = fWindowState->widget;
    if (!active || widget->isHidden())
        return;
    // Raising a minimized window leaves it hidden: it is restored first.
    if (widget->isMinimized())
        widget->setWindowState(widget->windowState() & ~Qt::WindowMinimized);
    widget->raise();
    widget->activateWindow();
}

void BWindow::AddShortcut(uint32 key, uint32 modifiers, BMessage* message)
{
    const std::shared_ptr<BMessage> posted(message);
    QKeyCombination chord(Qt::ControlModifier, Qt::Key(QChar(char16_t(key)).toUpper().unicode()));
    if (modifiers & B_SHIFT_KEY)
        chord = QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, chord.key());
    auto* shortcut = new QShortcut(QKeySequence(chord), fWindowState->widget);
    QObject::connect(shortcut, &QShortcut::activated, shortcut, [this, posted] {
        if (posted != nullptr)
            PostMessage(posted.get());
    });
}

void BWindow::ResizeBy(float dx, float dy)
{
    BRect bounds = Bounds();
    QSize size(kit::Pixels(bounds.Width() + dx), kit::Pixels(bounds.Height() + dy));
    if (fWindowState->flags & B_NOT_RESIZABLE)
        fWindowState->widget->setFixedSize(size);
    else
        fWindowState->widget->resize(size);
}

BRect BWindow::Frame() const { return kit::ToBRect(fWindowState->widget->geometry()); }

BRect BWindow::Bounds() const { return Frame().OffsetToCopy(0, 0); }

const char* BWindow::Title() const { return fWindowState->title.c_str(); }

void BWindow::Quit()
{
    if (IsQuitting())
        return;
    BLooper::Quit();
    fWindowState->widget->hide();
    std::erase(kit::LiveWindows(), this);
    kit::DestroyLater(this);
}
