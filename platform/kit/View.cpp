#include "View.h"

#include "native/Frames.h"
#include "native/KitRuntime.h"
#include "native/NativeFont.h"
#include "native/ViewState.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPalette>
#include <QToolTip>

namespace kit {

ViewState::ViewState(BRect viewFrame, const char* viewName)
    : frame(viewFrame), name(viewName != nullptr ? viewName : ""), font(be_plain_font)
{
}

ViewState::~ViewState() { delete widget.data(); }

void ViewState::SetWidget(QWidget* newWidget)
{
    delete widget.data();
    widget = newWidget;
    widget->setObjectName(QString::fromStdString(name));
    ApplyGeometry();
    ApplyFont();
    ApplyHighColor();
}

QWidget* ViewState::Widget()
{
    if (widget.isNull())
        SetWidget(new QWidget);
    return widget;
}

void ViewState::ApplyGeometry() { Widget()->setGeometry(ToQRect(frame)); }

void ViewState::ApplyFont()
{
    fontPending = window == nullptr;
    if (!fontPending)
        Widget()->setFont(ToQFont(font));
}

void ViewState::ApplyHighColor()
{
    highColorPending = window == nullptr;
    if (!highColorPending)
        SetWidgetHighColor();
}

void ViewState::ApplyPending()
{
    if (fontPending)
        Widget()->setFont(ToQFont(font));
    if (highColorPending)
        SetWidgetHighColor();
    fontPending = false;
    highColorPending = false;
}

void ViewState::SetWidgetHighColor()
{
    // A window pins the default colour for all its views: one that keeps it needs no palette
    // of its own, which would cost each view a palette to resolve against its window's.
    if (highColor == kDefaultHighColor && !Widget()->testAttribute(Qt::WA_SetPalette))
        return;
    PinTextColor(Widget(), highColor);
}

void PinTextColor(QWidget* widget, rgb_color color)
{
    QColor textColor(color.red, color.green, color.blue, color.alpha);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, textColor);
    palette.setColor(QPalette::Text, textColor);
    palette.setColor(QPalette::ButtonText, textColor);
    widget->setPalette(palette);
}

bool ShowToolTip(BView* view, QWidget* widget, QEvent* event)
{
    const auto* help = static_cast<QHelpEvent*>(event);
    std::string text;
    if (view->GetToolTipAt(BPoint(help->pos().x(), help->pos().y()), &text) && !text.empty())
        QToolTip::showText(help->globalPos(), QString::fromStdString(text), widget);
    else
        QToolTip::hideText();
    return true;
}

} // namespace kit

BView::BView(BRect frame, const char* name, uint32, uint32)
{
    kit::EnsureApplication();
    fViewState = std::make_unique<kit::ViewState>(frame, name);
}

BView::~BView() = default;

const char* BView::Name() const { return fViewState->name.c_str(); }

BRect BView::Frame() const { return fViewState->frame; }

BRect BView::Bounds() const { return fViewState->frame.OffsetToCopy(0, 0); }

BWindow* BView::Window() const { return fViewState->window; }

void BView::SetFont(const BFont* font, uint32 mask)
{
    if (font == nullptr)
        return;
    BFont& own = fViewState->font;
    if (mask & B_FONT_FAMILY_AND_STYLE) {
        own.SetFamilyAndStyle(font->Family(), font->Style());
        own.SetFace(font->Face());
        own.SetStretch(font->Stretch());
    }
    if (mask & B_FONT_SIZE)
        own.SetSize(font->Size());
    if (mask & B_FONT_FACE)
        own.SetFace(font->Face());
    fViewState->ApplyFont();
}

void BView::GetFont(BFont* font) const
{
    if (font != nullptr)
        *font = fViewState->font;
}

void BView::SetFontSize(float size)
{
    fViewState->font.SetSize(size);
    fViewState->ApplyFont();
}

void BView::SetHighColor(rgb_color color)
{
    fViewState->highColor = color;
    fViewState->ApplyHighColor();
}

void BView::SetHighColor(uchar red, uchar green, uchar blue, uchar alpha)
{
    SetHighColor(rgb_color{red, green, blue, alpha});
}

rgb_color BView::HighColor() const { return fViewState->highColor; }

void BView::SetViewColor(rgb_color color)
{
    fViewState->viewColor = color;
    QWidget* widget = fViewState->Widget();
    QPalette palette = widget->palette();
    const QPalette usual = QApplication::palette();
    const QColor fill = color.alpha == 0 ? usual.color(QPalette::Window)
                                         : QColor(color.red, color.green, color.blue);
    palette.setColor(QPalette::Window, fill);
    widget->setPalette(palette);
    widget->setAutoFillBackground(color.alpha != 0);
}

rgb_color BView::ViewColor() const { return fViewState->viewColor; }

void BView::SetToolTip(const char* text)
{
    fViewState->toolTip = text != nullptr ? text : "";
    // Widgets of the kit's own ask the view; Qt's own show the text.
    fViewState->Widget()->setToolTip(QString::fromStdString(fViewState->toolTip));
}

bool BView::GetToolTipAt(BPoint, std::string* text)
{
    *text = fViewState->toolTip;
    return !text->empty();
}

void BView::GetPreferredSize(float* width, float* height)
{
    fViewState->ApplyPending();
    QSize hint = fViewState->Widget()->sizeHint();
    if (width != nullptr)
        *width = kit::KitLength(hint.width());
    if (height != nullptr)
        *height = kit::KitLength(hint.height());
}

void BView::ResizeToPreferred()
{
    float width = 0;
    float height = 0;
    GetPreferredSize(&width, &height);
    ResizeTo(width, height);
}

void BView::ResizeTo(float width, float height)
{
    BRect& frame = fViewState->frame;
    // Nothing to lay out or repaint when the size stays.
    if (frame.Width() == width && frame.Height() == height)
        return;
    frame.right = frame.left + width;
    frame.bottom = frame.top + height;
    fViewState->ApplyGeometry();
}

void BView::MoveTo(float left, float top)
{
    BRect& frame = fViewState->frame;
    if (frame.left == left && frame.top == top)
        return;
    frame = frame.OffsetToCopy(left, top);
    fViewState->ApplyGeometry();
}

void BView::ResizeBy(float dWidth, float dHeight)
{
    ResizeTo(fViewState->frame.Width() + dWidth, fViewState->frame.Height() + dHeight);
}

void BView::Hide()
{
    fViewState->hidden = true;
    fViewState->Widget()->hide();
}

void BView::Show()
{
    fViewState->hidden = false;
    if (fViewState->window != nullptr)
        fViewState->Widget()->show();
}

bool BView::IsHidden() const { return fViewState->hidden; }

void BView::MakeFocus(bool focus)
{
    QWidget* widget = fViewState->Widget();
    if (focus)
        widget->setFocus(Qt::OtherFocusReason);
    else if (IsFocus())
        widget->clearFocus();
}

bool BView::IsFocus() const
{
    QWidget* widget = fViewState->Widget();
    return widget->window()->focusWidget() == widget;
}

void BView::KeyDown(const char*, int32) {}
