#include "EditorOpenFlag.h"

std::atomic<uint8> gEditorOpen{0};
