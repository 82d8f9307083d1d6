#include "StringItem.h"

BStringItem::BStringItem(const char* text) : fText(text != nullptr ? text : "") {}

const char* BStringItem::Text() const { return fText.c_str(); }
