#include "PopUpMenu.h"

#include "native/MenuState.h"

BPopUpMenu::BPopUpMenu(const char* name, bool radioMode, bool labelFromMarked, menu_layout layout)
    : BMenu(name, layout)
{
    kit::MenuState::Of(this).radioMode = radioMode;
    kit::MenuState::Of(this).labelFromMarked = labelFromMarked;
}

void BPopUpMenu::Go(BPoint where)
{
    kit::MenuState::Of(this).qmenu->popup(QPoint(qRound(where.x), qRound(where.y)));
}
