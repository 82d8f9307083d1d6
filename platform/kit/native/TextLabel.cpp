#include "TextLabel.h"

#include <QPainter>
#include <QStyle>

namespace kit {

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
