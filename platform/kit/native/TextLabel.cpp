#include "TextLabel.h"

#include "ViewState.h"

#include <Clipboard.h>

#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace kit {

TextLabel::TextLabel(BView* view) : fView(view) {}

bool TextLabel::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    // Over no text of its own, the label may lie over another's: the window finds it.
    if (!ShowsTextAt(static_cast<QHelpEvent*>(event)->pos())) {
        event->ignore();
        return false;
    }
    return ShowToolTip(fView, this, event);
}

void TextLabel::SetText(const QString& text)
{
    if (text == fText)
        return;
    fText = text;
    update();
}

QSize TextLabel::sizeHint() const
{
    return fontMetrics().boundingRect(QRect(0, 0, 2000, 2000), Qt::AlignLeft, fText).size();
}

bool TextLabel::ShowsTextAt(QPoint point) const
{
    const int textWidth = std::min(fontMetrics().horizontalAdvance(fText), width());
    return isVisible() && QRect(0, 0, textWidth, height()).contains(point);
}

void TextLabel::PopUpCopyMenu(QPoint globalPoint)
{
    // Not exec(): a nested event loop would hand windows their messages from inside this one.
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("Copy"), menu,
                    [text = fText.toUtf8()] { be_clipboard->SetText(text.constData()); });
    menu->popup(globalPoint);
}

void TextLabel::paintEvent(QPaintEvent*)
{
    if (fText.isEmpty())
        return;
    QPainter painter(this);
    style()->drawItemText(&painter, rect(),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextForceLeftToRight, palette(),
                          isEnabled(), fText, foregroundRole());
}

} // namespace kit
