#pragma once
// The plain records that cross the services seam (Services.h): what a message
// box or a common dialog is asked and what it answers, with the platform's
// numbers for box types and dialog results. No Qt and no window code, so code
// without windows can ask for a box and a test can answer it.

#include "platform/win/WinTypes.h"

#include <string>

struct HWND__;
using HWND = HWND__*;
using COLORREF = DWORD;

// Dialog results; the buttons of message boxes answer with these.
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

// Message-box types.
enum : UINT {
  MB_OK = 0x0,
  MB_OKCANCEL = 0x1,
  MB_ABORTRETRYIGNORE = 0x2,
  MB_YESNOCANCEL = 0x3,
  MB_YESNO = 0x4,
  MB_RETRYCANCEL = 0x5,
  MB_TYPEMASK = 0xF,
  MB_ICONHAND = 0x10,
  MB_ICONERROR = 0x10,
  MB_ICONSTOP = 0x10,
  MB_ICONQUESTION = 0x20,
  MB_ICONEXCLAMATION = 0x30,
  MB_ICONWARNING = 0x30,
  MB_ICONASTERISK = 0x40,
  MB_ICONINFORMATION = 0x40,
  MB_ICONMASK = 0xF0,
};

// A box closed without a choice answers OK where that is its only button,
// otherwise Cancel.
constexpr int ClosedBoxAnswer(UINT type) { return (type & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL; }

// An empty caption stands for the application's title.
struct MessageBoxCall {
  std::string text;
  std::string caption;
  UINT type = MB_OK;
};

struct LOGFONT {
  LONG lfHeight = 0, lfWidth = 0, lfEscapement = 0, lfOrientation = 0, lfWeight = 400;
  BYTE lfItalic = 0, lfUnderline = 0, lfStrikeOut = 0, lfCharSet = 1;
  BYTE lfOutPrecision = 0, lfClipPrecision = 0, lfQuality = 0, lfPitchAndFamily = 0;
  char lfFaceName[32] = {};
};

// A common dialog's question and answer: the caller fills in the initial
// values, the answer overwrites them; `accepted` false is Cancel.
struct CommonDialogRequest {
  enum class Kind { OpenFile, SaveFile, Color, Font, Print };
  explicit CommonDialogRequest(Kind k) : kind(k) {}
  Kind kind;
  bool accepted = false;
  std::string path;     // files, and the PDF a print goes to
  std::string filter;   // as the caller gave it ("Text (*.txt)|*.txt||")
  int filterIndex = 1;  // the file dialogs' chosen filter, from 1 (the caller's is offered first)
  std::string title;    // the file dialogs' title; empty: the toolkit's own
  COLORREF color = 0;
  LOGFONT font;
};
