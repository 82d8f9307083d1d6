#ifndef PCIZ_KIT_STRING_ITEM_H
#define PCIZ_KIT_STRING_ITEM_H

#include <ListItem.h>

#include <string>

// A list entry that shows a text, copied when it is made.
class BStringItem : public BListItem {
public:
    explicit BStringItem(const char* text);

    const char* Text() const override;

private:
    std::string fText;
};

#endif
