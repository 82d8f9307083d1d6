#include "KeyTranslation.h"

#include <InterfaceDefs.h>

#include <QKeyEvent>

namespace kit {

namespace {

int EditingKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return B_ENTER;
    case Qt::Key_Backspace:
        return B_BACKSPACE;
    case Qt::Key_Tab:
    // Shift+Tab: the view tells it from Tab by modifiers().
    case Qt::Key_Backtab:
        return B_TAB;
    case Qt::Key_Escape:
        return B_ESCAPE;
    case Qt::Key_Left:
        return B_LEFT_ARROW;
    case Qt::Key_Right:
        return B_RIGHT_ARROW;
    case Qt::Key_Up:
        return B_UP_ARROW;
    case Qt::Key_Down:
        return B_DOWN_ARROW;
    case Qt::Key_Home:
        return B_HOME;
    case Qt::Key_End:
        return B_END;
    case Qt::Key_Delete:
        return B_DELETE;
    case Qt::Key_PageUp:
        return B_PAGE_UP;
    case Qt::Key_PageDown:
        return B_PAGE_DOWN;
    default:
        return -1;
    }
}

bool IsControlCharacter(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

} // namespace

std::vector<std::string> KeysOf(const QKeyEvent& event)
{
    int code = EditingKeyCode(event.key());
    if (code >= 0)
        return {std::string(1, static_cast<char>(code))};
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return {};
    std::vector<std::string> keys;
    for (char32_t c : event.text().toUcs4()) {
        if (!IsControlCharacter(c))
            keys.push_back(QString::fromUcs4(&c, 1).toStdString());
    }
    return keys;
}

} // namespace kit
