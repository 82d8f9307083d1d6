#include "TextView.h"

#include "native/Frames.h"
#include "native/TextLine.h"
#include "native/TextViewState.h"
#include "native/ViewState.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHash>
#include <QPalette>
#include <QPointer>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace {

kit::TextLine* LineOf(const BView* view)
{
    return static_cast<kit::TextLine*>(kit::ViewState::Of(view).Widget());
}

// Room a line edit without a frame keeps around its text: two pixels a side and the caret.
constexpr int kTextPadding = 2 * 2 + 1;

int32 Utf8Length(const QString& text) { return static_cast<int32>(text.toUtf8().size()); }

// Widths already measured, by font and text: measuring a text shapes it, and a grid of cells
// shows the same few texts in one font again and again. The table goes with the application,
// as no font may outlive it; the bound only keeps an unusual program from growing it without
// end.
class TextWidths : public QObject {
public:
    using QObject::QObject;

    int Of(const QFont& font, const QString& text)
    {
        constexpr qsizetype kMostRemembered = 4096;
        const std::pair key(font, text);
        if (const auto known = fWidths.constFind(key); known != fWidths.constEnd())
            return *known;
        if (fWidths.size() >= kMostRemembered)
            fWidths.clear();
        const int width = QFontMetrics(font).horizontalAdvance(text);
        fWidths.insert(key, width);
        return width;
    }

private:
    QHash<std::pair<QFont, QString>, int> fWidths;
};

int TextWidth(const QFont& font, const QString& text)
{
    static QPointer<TextWidths> widths;
    if (widths.isNull())
        widths = new TextWidths(QCoreApplication::instance());
    return widths->Of(font, text);
}

} // namespace

BTextView::BTextView(BRect frame, const char* name, BRect, uint32 resizingMode, uint32 flags)
    : BView(frame, name, resizingMode, flags),
      fTextViewState(std::make_unique<kit::TextViewState>())
{
    Construct(nullptr);
}

BTextView::BTextView(BRect frame, const char* name, BRect, const BFont* font,
                     const rgb_color* color, uint32 resizingMode, uint32 flags)
    : BView(frame, name, resizingMode, flags),
      fTextViewState(std::make_unique<kit::TextViewState>())
{
    Construct(color);
    SetFont(font);
}

BTextView::~BTextView() = default;

void BTextView::Construct(const rgb_color* color)
{
    auto* line = new kit::TextLine(this);
    kit::ViewState::Of(this).SetWidget(line);
    kit::TextViewState* state = fTextViewState.get();
    const auto unsettle = [state] { state->isSettled = false; };
    QObject* context = &state->lineSignalsContext;
    QObject::connect(line, &QLineEdit::textChanged, context, unsettle);
    QObject::connect(line, &QLineEdit::cursorPositionChanged, context, unsettle);
    QObject::connect(line, &QLineEdit::selectionChanged, context, unsettle);
    if (color != nullptr)
        SetHighColor(*color);
}

void BTextView::SetText(const char* text)
{
    const char* replacement = text != nullptr ? text : "";
    kit::TextViewState& state = *fTextViewState;
    // Qt would lay out, refit and repaint the same text again. Known without asking the line,
    // whose state is spread over several objects: a grid sets 256 cells right after 256 bus
    // reads, which leave the caches cold when each one traps to a hypervisor.
    if (state.isSettled && state.text == replacement)
        return;
    LineOf(this)->setText(QString::fromUtf8(replacement));
    state.text = replacement;
    state.isSettled = true;
    FitToText();
}

const char* BTextView::Text() const
{
    fTextViewState->text = LineOf(this)->text().toStdString();
    return fTextViewState->text.c_str();
}

int32 BTextView::TextLength() const { return static_cast<int32>(std::strlen(Text())); }

void BTextView::GetText(int32 offset, int32 length, char* buffer) const
{
    if (buffer == nullptr)
        return;
    Text();
    const std::string& text = fTextViewState->text;
    int32 size = static_cast<int32>(text.size());
    int32 start = std::clamp(offset, 0, size);
    int32 count = std::clamp(length, 0, size - start);
    std::memcpy(buffer, text.data() + start, count);
    buffer[count] = '\0';
}

void BTextView::SetViewColor(rgb_color color)
{
    kit::ViewState::Of(this).viewColor = color;
    ApplyBackground();
}

void BTextView::MakeEditable(bool editable)
{
    fTextViewState->editable = editable;
    LineOf(this)->setReadOnly(!editable);
    ApplyBackground();
}

// A field that takes no typing sits on the window's colour, so a person sees the lock.
void BTextView::ApplyBackground()
{
    const rgb_color color = ViewColor();
    const QColor fill = color.alpha != 0
                            ? QColor(color.red, color.green, color.blue)
                            : QApplication::palette().color(
                                fTextViewState->editable ? QPalette::Base : QPalette::Window);
    kit::TextLine* line = LineOf(this);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Base, fill);
    line->setPalette(palette);
}

bool BTextView::IsEditable() const { return fTextViewState->editable; }

void BTextView::MakeSelectable(bool selectable)
{
    fTextViewState->selectable = selectable;
    LineOf(this)->SetSelectable(selectable);
}

bool BTextView::IsSelectable() const { return fTextViewState->selectable; }

void BTextView::SetMaxBytes(int32 max) { fTextViewState->maxBytes = std::max(max, 0); }

void BTextView::AllowChar(uint32 character) { fTextViewState->SetDisallowed(character, false); }

void BTextView::DisallowChar(uint32 character) { fTextViewState->SetDisallowed(character, true); }

void BTextView::MakeResizable(bool resize, BView*)
{
    fTextViewState->resizable = resize;
    FitToText();
}

void BTextView::KeyDown(const char* bytes, int32 numBytes)
{
    if (bytes == nullptr || numBytes <= 0)
        return;
    uchar first = static_cast<uchar>(bytes[0]);
    if (numBytes == 1 && (first < 0x20 || first == B_DELETE))
        HandleEditingKey(first);
    else
        InsertTyped(bytes, numBytes);
}

void BTextView::HandleEditingKey(uchar key)
{
    kit::TextLine* line = LineOf(this);
    bool canMove = fTextViewState->editable || fTextViewState->selectable;
    switch (key) {
    case B_BACKSPACE:
        if (fTextViewState->editable && line->hasSelectedText())
            line->del();
        else if (fTextViewState->editable)
            line->backspace();
        break;
    case B_DELETE:
        if (fTextViewState->editable)
            line->del();
        break;
    case B_LEFT_ARROW:
        if (canMove)
            line->cursorBackward(false);
        break;
    case B_RIGHT_ARROW:
        if (canMove)
            line->cursorForward(false);
        break;
    case B_HOME:
        if (canMove)
            line->home(false);
        break;
    case B_END:
        if (canMove)
            line->end(false);
        break;
    case B_TAB:
        line->MoveFocus((modifiers() & B_SHIFT_KEY) == 0);
        break;
    default:
        // Enter, Escape and the vertical arrows mean nothing in a single line.
        break;
    }
    FitToText();
}

void BTextView::InsertTyped(const char* bytes, int32 numBytes)
{
    if (!fTextViewState->editable)
        return;
    QString typed = QString::fromUtf8(bytes, numBytes);
    // Bytes that are not UTF-8 would come in as U+FFFD, past the filter and the byte limit.
    if (typed.toUtf8() != QByteArray(bytes, numBytes))
        return;
    for (char32_t c : typed.toUcs4())
        if (fTextViewState->IsDisallowed(c))
            return;
    kit::TextLine* line = LineOf(this);
    int32 kept = Utf8Length(line->text()) - Utf8Length(line->selectedText());
    // Typing that would pass the limit is refused whole, never cut to fit.
    if (static_cast<int64>(kept) + numBytes > fTextViewState->maxBytes)
        return;
    line->insert(typed);
    FitToText();
}

void BTextView::FitToText()
{
    if (!fTextViewState->resizable)
        return;
    kit::ViewState::Of(this).ApplyPending();
    kit::TextLine* line = LineOf(this);
    const QFont& font = line->font();
    // An empty field keeps room for one character, so it can still be clicked.
    int textWidth =
        std::max(TextWidth(font, line->text()), QFontMetrics(font).horizontalAdvance('0'));
    ResizeTo(kit::KitLength(textWidth + kTextPadding), Bounds().Height());
}
