#pragma once
// How a file read or write ended, for the command that shows it: success, or
// the id of the message text to show with what fills its placeholders.

#include "platform/afx/String.h"

// Ids of the message texts (the language files hold the texts).
namespace WaveFileMessage {
inline constexpr int kTitleHasBlank = 339;  // a file title with a blank
inline constexpr int kNameInUse = 341;      // "##" = a name already open
inline constexpr int kCsvReadFailed = 354;
inline constexpr int kBinReadFailed = 355;
inline constexpr int kDatReadFailed = 356;
#define WAVEFILE_MESSAGE(name, id) inline constexpr int k##name = id;
#include "waveform/files/WaveFileMessages.def"
#undef WAVEFILE_MESSAGE
}  // namespace WaveFileMessage

struct WaveFileStatus {
  // 0 on success, otherwise the id of the message to show.
  int messageId = 0;
  // The 1-based line a reader could not read (0 when the failure is not one
  // line's); it fills "##" (a reader's own message id may carry it as well).
  long long line = 0;
  // Fills "@@": the system's error text, or the extension that was refused.
  CString detail;
  // On success, a message the user should still see once the window is open
  // (0 when there is none), such as a frequency the reader replaced.
  int noticeId = 0;

  bool ok() const { return messageId == 0; }
  static WaveFileStatus Failure(int id, long long line = 0, CString detail = CString());
};

// The message text with its placeholders filled: every "##" becomes the line
// number (or name) and every "@@" the detail. `name` replaces "##" when the
// status carries no line (message 341 shows a waveform name there).
CString FillWaveFileMessage(const CString& text, const WaveFileStatus& status,
                            const CString& name = CString());
