#pragma once
// The program's window services: the real boxes and dialogs, with the UI
// translator behind the texts by id.

#include "platform/window/WindowSide.h"

#include "platform/window/WindowServices.h"

class AppServices : public WindowServices {
 public:
  std::string Text(int id) override;
};
