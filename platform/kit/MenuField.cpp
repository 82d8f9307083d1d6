#include "MenuField.h"

#include "native/Frames.h"
#include "native/MenuItemState.h"
#include "native/MenuState.h"
#include "native/ViewState.h"

#include <Menu.h>
#include <MenuItem.h>

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

// The field's button: its text and a small triangle that says a menu pops up from it.
class MenuButton : public QPushButton {
public:
    explicit MenuButton(BMenu* menu) : fMenu(menu) {}

    // Opens the menu under the button with the marked item highlighted (the first one while
    // none is marked), so the keyboard goes on from the choice a person sees.
    void PopUp()
    {
        if (fMenu == nullptr)
            return;
        QMenu* qmenu = kit::MenuState::Of(fMenu).qmenu.get();
        BMenuItem* current = fMenu->FindMarked();
        if (current == nullptr)
            current = fMenu->ItemAt(0);
        qmenu->popup(mapToGlobal(QPoint(0, height())));
        if (current != nullptr)
            qmenu->setActiveAction(kit::MenuItemState::Of(current).action.get());
    }

protected:
    // As a pop-up button: Space, Enter and Down open the menu; inside it Qt's own keys apply.
    void keyPressEvent(QKeyEvent* event) override
    {
        switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Down:
            PopUp();
            break;
        default:
            QPushButton::keyPressEvent(event);
        }
    }

    void paintEvent(QPaintEvent* event) override
    {
        QPushButton::paintEvent(event);
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::ButtonText));
        const qreal right = width() - 5;
        const qreal middle = height() / 2.0;
        painter.drawPolygon(QPolygonF({QPointF(right - 6, middle - 2), QPointF(right, middle - 2),
                                       QPointF(right - 3, middle + 2)}));
    }

private:
    BMenu* fMenu;
};

struct FieldParts {
    QWidget* field;
    QLabel* label;
    MenuButton* button;
};

FieldParts PartsOf(const BView* view)
{
    QWidget* field = kit::ViewState::Of(view).Widget();
    return {field, field->findChild<QLabel*>(), field->findChild<MenuButton*>()};
}

} // namespace

BMenuField::BMenuField(BRect frame, const char* name, const char* label, BMenu* menu,
                       uint32 resizingMode, uint32 flags)
    : BView(frame, name, resizingMode, flags), fMenu(menu), fLabel(label != nullptr ? label : "")
{
    auto* field = new QWidget;
    auto* labelView = new QLabel(QString::fromStdString(fLabel), field);
    labelView->setTextFormat(Qt::PlainText);
    auto* button = new MenuButton(menu);
    button->setParent(field);
    button->setFocusPolicy((flags & B_NAVIGABLE) ? Qt::StrongFocus : Qt::NoFocus);
    kit::ViewState::Of(this).SetWidget(field);

    if (fMenu != nullptr) {
        kit::MenuState& menuState = kit::MenuState::Of(fMenu);
        menuState.owner = this;
        menuState.markChanged = [this] {
            PartsOf(this).button->setText(QString::fromUtf8(MenuLabel()));
        };
        QObject::connect(button, &QPushButton::clicked, button, [button] { button->PopUp(); });
    }
    button->setText(QString::fromUtf8(MenuLabel()));
    PlaceDivider(fLabel.empty() ? 0 : be_plain_font->StringWidth(fLabel.c_str()) + 5);
    SetAlignment(B_ALIGN_LEFT);
}

BMenuField::~BMenuField() { delete fMenu; }

BMenu* BMenuField::Menu() const { return fMenu; }

const char* BMenuField::Label() const { return fLabel.c_str(); }

const char* BMenuField::MenuLabel() const
{
    if (fMenu == nullptr)
        return "";
    BMenuItem* marked = fMenu->FindMarked();
    if (marked != nullptr && kit::MenuState::Of(fMenu).labelFromMarked)
        return marked->Label();
    return fMenu->Name();
}

void BMenuField::SetAlignment(alignment label)
{
    fAlignment = label;
    Qt::Alignment horizontal = label == B_ALIGN_RIGHT    ? Qt::AlignRight
                               : label == B_ALIGN_CENTER ? Qt::AlignHCenter
                                                         : Qt::AlignLeft;
    PartsOf(this).label->setAlignment(horizontal | Qt::AlignVCenter);
}

alignment BMenuField::Alignment() const { return fAlignment; }

void BMenuField::PlaceDivider(float divider)
{
    FieldParts parts = PartsOf(this);
    const int height = kit::Pixels(Bounds().Height());
    const int labelWidth = qRound(divider);
    parts.label->setGeometry(0, 0, labelWidth, height);
    parts.button->setGeometry(labelWidth, 0, kit::Pixels(Bounds().Width()) - labelWidth, height);
}
