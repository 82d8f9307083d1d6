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

bool BListView::AddItem(BListItem* item) { return AddItem(item, CountItems()); }

bool BListView::AddItem(BListItem* item, int32 index)
{
    if (item == nullptr || index < 0 || index > CountItems())
        return false;
    fItems.emplace(fItems.begin() + index, item);
    ListOf(this)->insertItem(index, QString::fromUtf8(item->Text()));
    return true;
}

void BListView::MakeEmpty()
{
    ListOf(this)->clear();
    fItems.clear();
}

int32 BListView::CountItems() const { return static_cast<int32>(fItems.size()); }

BListItem* BListView::ItemAt(int32 index) const
{
    return index >= 0 && index < CountItems() ? fItems[size_t(index)].get() : nullptr;
}

int32 BListView::CurrentSelection(int32 n) const
{
    QListWidget* list = ListOf(this);
    for (int32 index = 0; index < CountItems(); ++index)
        if (list->item(index)->isSelected() && n-- == 0)
            return index;
    return -1;
}
