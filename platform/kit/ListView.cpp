#include "ListView.h"

#include "native/ViewState.h"

#include <ListItem.h>

#include <QListWidget>

namespace {

QListWidget* ListOf(const BView* view)
{
    return static_cast<QListWidget*>(kit::ViewState::Of(view).Widget());
}

} // namespace

BListView::BListView(BRect frame, const char* name, list_view_type type, uint32 resizingMode,
                     uint32 flags)
    : BView(frame, name, resizingMode, flags)
{
    auto* list = new QListWidget;
    list->setSelectionMode(type == B_MULTIPLE_SELECTION_LIST ? QAbstractItemView::ExtendedSelection
                                                             : QAbstractItemView::SingleSelection);
    list->setFocusPolicy(Qt::StrongFocus);
    kit::ViewState::Of(this).SetWidget(list);
}

BListView::~BListView() = default;

bool BListView::AddItem(BListItem* item)
{
    if (item == nullptr)
        return false;
    fItems.emplace_back(item);
    ListOf(this)->addItem(QString::fromUtf8(item->Text()));
    return true;
}

void BListView::MakeEmpty()
{
    ListOf(this)->clear();
    fItems.clear();
}

int32 BListView::CountItems() const { return static_cast<int32>(fItems.size()); }

int32 BListView::CurrentSelection(int32 n) const
{
    QListWidget* list = ListOf(this);
    for (int32 index = 0; index < CountItems(); ++index)
        if (list->item(index)->isSelected() && n-- == 0)
            return index;
    return -1;
}
