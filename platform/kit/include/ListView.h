#ifndef PCIZ_KIT_LIST_VIEW_H
#define PCIZ_KIT_LIST_VIEW_H

#include <View.h>

#include <memory>
#include <vector>

class BListItem;

// A list a person picks entries of, one or, for B_MULTIPLE_SELECTION_LIST, several. It owns
// its items.
class BListView : public BView {
public:
    BListView(BRect frame, const char* name, list_view_type type = B_SINGLE_SELECTION_LIST,
              uint32 resizingMode = B_FOLLOW_LEFT | B_FOLLOW_TOP, uint32 flags = B_WILL_DRAW);
    ~BListView() override;

    // Takes ownership of item, added at the end.
    bool AddItem(BListItem* item);
    void MakeEmpty();
    int32 CountItems() const;

    // The index of the n-th item a person selected, in the list's order; -1 past the last one.
    int32 CurrentSelection(int32 n = 0) const;

private:
    std::vector<std::unique_ptr<BListItem>> fItems;
};

#endif
