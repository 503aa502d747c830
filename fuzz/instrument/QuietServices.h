#pragma once
// Services for the instrument fuzz targets: boxes answered OK without a
// word, no texts, and a clock that moves on by every pause instead of
// sleeping, so that polls bounded by time end at once.

#include "platform/services/BasicServices.h"

namespace instrumentfuzz {

class QuietServices final : public services::BasicServices {
 public:
  int MessageBox(HWND, const MessageBoxCall&) override { return IDOK; }
  void Sleep(DWORD milliseconds) override { now_ += milliseconds; }
  ULONGLONG TickCount() override { return now_; }

 private:
  ULONGLONG now_ = 0;
};

}  // namespace instrumentfuzz
