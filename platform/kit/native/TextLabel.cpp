#include "TextLabel.h"

#include "ViewState.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace kit {

TextLabel::TextLabel(BView* view) : fView(view) {}

bool TextLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
        return ShowToolTip(fView, this, event);
    return QWidget::event(event);
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
