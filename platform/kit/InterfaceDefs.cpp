#include "InterfaceDefs.h"

#include <QGuiApplication>

// Qt keeps the modifiers of the key event being handled, and of the last one otherwise.
uint32 modifiers()
{
    return (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier) ? uint32(B_SHIFT_KEY) : 0;
}
