#ifndef PCIZ_KIT_NATIVE_KIT_RUNTIME_H
#define PCIZ_KIT_NATIVE_KIT_RUNTIME_H

#include <vector>

class BLooper;
class BWindow;

namespace kit {

// Creates the process's QApplication if nobody has, and the system fonts. Returns whether
// this call created it (its creator deletes it).
bool EnsureApplication();

// Windows that exist and have not quit, oldest first.
std::vector<BWindow*>& LiveWindows();

// A looper that quit is destroyed once the handler that quit it has returned.
void DestroyLater(BLooper* looper);
void DestroyQuitLoopers();

} // namespace kit

#endif
