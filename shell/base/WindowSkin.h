#pragma once
// The window skin: one light-blue look for every window of the program,
// given at creation by a hook that subclasses each window by its class name.
// Start-up installs it before the first window; the main frame's close
// removes it.

#include "platform/window/WinUser.h"

#include <memory>
#include <vector>

class CDrawButton;
class CDrawHeader;
class CDrawCombo;

// Colours as the platform's 0x00BBGGRR values.
inline constexpr COLORREF kSkinColor = 0xF3DFD4;
inline constexpr COLORREF kSkinHoverColor = 0xD9FFF1;
inline constexpr COLORREF kSkinPushedColor = 0xA0A0A0;
inline constexpr COLORREF kSkinDisabledFace = 0xEAF4F5;
inline constexpr COLORREF kSkinButtonBorder = 0x787878;
inline constexpr COLORREF kSkinPushedBorder = 0x646464;
inline constexpr COLORREF kSkinButtonText = 0x323232;
inline constexpr COLORREF kSkinPushedText = 0xFA3232;
inline constexpr COLORREF kSkinDisabledText = 0x92A1A1;
inline constexpr COLORREF kSkinComboFrame = 0xBD9E7B;
inline constexpr COLORREF kSkinComboArrow = 0x84614A;

inline constexpr const char* kSkinProperty = "_HWND_Skin_Prop_";

// One record per skinned window, attached as its "_HWND_Skin_Prop_" property.
struct SkinData {
  HWND hwnd = nullptr;
  WNDPROC previous = nullptr;  // null for windows that were not subclassed
  std::unique_ptr<CDrawButton> button;
  std::unique_ptr<CDrawHeader> header;
  std::unique_ptr<CDrawCombo> combo;
  SkinData();
  ~SkinData();
};

extern HBRUSH g_SkinBrush;
extern HHOOK g_SkinHook;
extern std::vector<SkinData*> g_SkinWindows;

void SkinStart();
// -1 without a hook; the platform's error code when the hook cannot be
// removed (then nothing else changes); 0 otherwise.
int SkinStop();
int SkinUnhook();
void SetMenuBackground(HWND window, HMENU menu, COLORREF color);

// The hook and the skin's window procedures.
LRESULT SkinCreateHook(int code, WPARAM wParam, LPARAM lParam);
LRESULT SkinWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT SkinButtonProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT SkinComboProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT SkinStatusBarProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT SkinScrollBarProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The record of a window, or null.
SkinData* SkinDataOf(HWND hWnd);
// Frees a window's record when the window goes (its list entry, property
// and painter), so records do not pile up until the skin stops.
void SkinForget(HWND hWnd);
// What a skin procedure does for a window without a record: a window whose
// skin procedure another procedure had subclassed when the skin stopped
// keeps it in its chain, passing every message on to the procedure before it.
LRESULT SkinPassOn(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Gives the window's class the skin brush as background, remembering the old one.
void SkinClassBackground(HWND hWnd);
