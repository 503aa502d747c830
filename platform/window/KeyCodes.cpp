#include "platform/window/KeyCodes.h"

#include <QKeyEvent>

namespace KeyCodes {
namespace {
struct KeyPair {
  int qt;
  int vk;
};
constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, VK_BACK},  {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},   {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},    {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},       {Qt::Key_Left, VK_LEFT},     {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},     {Qt::Key_Down, VK_DOWN},     {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_Insert, VK_INSERT},
};
}  // namespace

int VirtualKeyOf(const QKeyEvent& e) {
  int key = e.key();
  if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) return key;
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return VK_F1 + (key - Qt::Key_F1);
  for (const auto& pair : kKeys)
    if (pair.qt == key) return pair.vk;
  return 0;
}

int CharacterOf(const QKeyEvent& e) {
  int key = e.key();
  if ((e.modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
    return key - Qt::Key_A + 1;
  switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    default: break;
  }
  QString text = e.text();
  if (text.isEmpty() || text.at(0).unicode() < 32 || text.at(0).unicode() == 127) return 0;
  return text.at(0).unicode();
}
}  // namespace KeyCodes
