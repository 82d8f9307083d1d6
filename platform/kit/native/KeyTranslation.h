#ifndef PCIZ_KIT_NATIVE_KEY_TRANSLATION_H
#define PCIZ_KIT_NATIVE_KEY_TRANSLATION_H

#include <string>
#include <vector>

class QKeyEvent;

namespace kit {

// The keys one Qt key press stands for, each as KeyDown receives it: an editing key as its
// one-byte code, a typed character as its UTF-8 bytes. Shortcut chords give nothing: they are
// not typing.
std::vector<std::string> KeysOf(const QKeyEvent& event);

} // namespace kit

#endif
