#ifndef PCIZ_KIT_NATIVE_TEXT_VIEW_STATE_H
#define PCIZ_KIT_NATIVE_TEXT_VIEW_STATE_H

#include <SupportDefs.h>

#include <QObject>

#include <bitset>
#include <climits>
#include <set>
#include <string>

namespace kit {

struct TextViewState {
    // Filters mostly name ASCII: those live in a bitset, so a field that disallows every
    // character below 127 costs no allocation; the rest of Unicode in a set.
    std::bitset<128> disallowedAscii;
    std::set<uint32> disallowedOthers;

    bool IsDisallowed(uint32 c) const
    {
        return c < disallowedAscii.size() ? disallowedAscii[c] : disallowedOthers.count(c) != 0;
    }
    void SetDisallowed(uint32 c, bool disallowed)
    {
        if (c < disallowedAscii.size())
            disallowedAscii[c] = disallowed;
        else if (disallowed)
            disallowedOthers.insert(c);
        else
            disallowedOthers.erase(c);
    }
    int32 maxBytes = INT32_MAX;
    bool editable = true;
    bool selectable = true;
    bool resizable = false;
    // The line's text as last set or read. While isSettled, the line still shows exactly that
    // with the caret at its end and nothing selected (as setText leaves it): any change of
    // text, caret or selection, by a person or by code, clears it.
    mutable std::string text;
    bool isSettled = false;
    // The context of the view's connections to its line's signals: they end with this state,
    // while the line, which outlives it, keeps Qt's own connections (its accessibility
    // cache's among them, which forgets the line once it is destroyed).
    QObject lineSignalsContext;
};

} // namespace kit

#endif
