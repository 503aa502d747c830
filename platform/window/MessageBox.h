#pragma once
// Message boxes, and the seam through which tests answer them: with a
// handler installed, no box appears and the handler's answer is returned.

#include "platform/window/WinUser.h"

#include <functional>
#include <string>

int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

struct MessageBoxCall {
  std::string text;
  std::string caption;
  UINT type = MB_OK;
};

namespace UiScript {
using MessageBoxHandler = std::function<int(const MessageBoxCall&)>;
// Returns the previous handler; an empty handler shows real boxes.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
// The caption of boxes that name none (the application's title).
void SetDefaultCaption(const std::string& caption);
const std::string& DefaultCaption();
}  // namespace UiScript
