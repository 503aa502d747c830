#pragma once
// The skin's painters: rounded push buttons, header items, the combo box's
// frame and drop button.

#include "platform/window/WinUser.h"
#include "shell/base/WindowSkin.h"

class CDrawButton {
 public:
  virtual ~CDrawButton() = default;
  void Draw(const DRAWITEMSTRUCT& dis) const;

  int hover = 0;
  COLORREF hoverColor = kSkinHoverColor;
  COLORREF normalColor = kSkinColor;
  COLORREF pushedColor = kSkinPushedColor;
};

class CDrawHeader {
 public:
  virtual ~CDrawHeader() = default;
  void Draw(const DRAWITEMSTRUCT& dis) const;
};

class CDrawCombo {
 public:
  void Draw(HWND combo, HDC dc) const;
  int hover = 0;
};
