#pragma once
// Services for the instrument fuzz targets: boxes answered OK without a
// word, no texts, and a clock that moves on by every pause instead of
// sleeping, so that polls bounded by time end at once.

#include "instrument/LinkState.h"
#include "platform/services/BasicServices.h"
#include "waveform/WaveGlobals.h"

namespace instrumentfuzz {

class QuietServices final : public services::BasicServices {
 public:
  int MessageBox(HWND, const MessageBoxCall&) override { return IDOK; }
  void Sleep(DWORD milliseconds) override { now_ += milliseconds; }
  ULONGLONG TickCount() override { return now_; }

 private:
  ULONGLONG now_ = 0;
};

// What each input of a link target starts from: the quiet services, the
// link's state as the program starts, and the program's default length.
class LinkInput {
 public:
  LinkInput() : installed_(Quiet()) {
    ResetLinkState();
    g_nPointCount = 16384;
  }

 private:
  static QuietServices& Quiet() {
    static QuietServices quiet;
    return quiet;
  }
  services::Scoped installed_;
};

}  // namespace instrumentfuzz
