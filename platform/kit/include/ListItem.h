#ifndef PCIZ_KIT_LIST_ITEM_H
#define PCIZ_KIT_LIST_ITEM_H

// One entry of a list view.
class BListItem {
public:
    BListItem() = default;
    BListItem(const BListItem&) = delete;
    BListItem& operator=(const BListItem&) = delete;
    virtual ~BListItem() = default;

    // The text the list shows for it; it may span several lines.
    virtual const char* Text() const = 0;
};

#endif
