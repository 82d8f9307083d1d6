#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {
BClipboard sClipboard;
}

BClipboard* const be_clipboard = &sClipboard;

void BClipboard::SetText(const char* text)
{
    // Without an application there is no desktop to hand the text to.
    if (text != nullptr && QGuiApplication::instance() != nullptr)
        QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
}
