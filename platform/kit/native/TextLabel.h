#ifndef PCIZ_KIT_NATIVE_TEXT_LABEL_H
#define PCIZ_KIT_NATIVE_TEXT_LABEL_H

#include <QString>
#include <QWidget>

class BView;

namespace kit {

// The Qt widget behind a BStringView: one line of text shown as typed (never read as markup),
// left-aligned and centred vertically, drawn as the desktop style draws a label's text. The
// device window shows about a hundred of these, so it keeps nothing else a QLabel keeps, and
// an empty one paints nothing. A menu offers its text to copy.
class TextLabel : public QWidget {
public:
    explicit TextLabel(BView* view);

    void SetText(const QString& text);
    // The size the text takes, as a label of the desktop's style reports it.
    QSize sizeHint() const override;
    // Whether its text is drawn at point, in its own coordinates.
    bool ShowsTextAt(QPoint point) const;
    BView* View() const { return fView; }
    // A menu at globalPoint whose one entry, "Copy", puts the text on the clipboard.
    void PopUpCopyMenu(QPoint globalPoint);

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
