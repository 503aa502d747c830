#pragma once
// Qt key events as the platform's virtual keys and typed characters.

#include "platform/window/WindowSide.h"

#include "platform/window/WinUser.h"

class QKeyEvent;

namespace KeyCodes {
int VirtualKeyOf(const QKeyEvent& e);
// The character the platform's translation would produce (control letters
// become 1..26), or 0 when the key types none.
int CharacterOf(const QKeyEvent& e);
}  // namespace KeyCodes
