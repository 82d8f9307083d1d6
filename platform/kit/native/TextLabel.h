#ifndef PCIZ_KIT_NATIVE_TEXT_LABEL_H
#define PCIZ_KIT_NATIVE_TEXT_LABEL_H

#include <QString>
#include <QWidget>

class BView;

namespace kit {

// The Qt widget behind a BStringView: one line of text shown as typed (never read as markup),
// left-aligned and centred vertically, drawn as the desktop style draws a label's text. The
// device window shows about a hundred of these, so it keeps nothing else a QLabel keeps, and
// an empty one paints nothing.
class TextLabel : public QWidget {
public:
    explicit TextLabel(BView* view);

    void SetText(const QString& text);
    // The size the text takes, as a label of the desktop's style reports it.
    QSize sizeHint() const override;

protected:
    // Tooltips are the view's.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    BView* fView;
    QString fText;
};

} // namespace kit

#endif
