#pragma once
// The facade of the hosted numeric edit: its value and display settings.

#include "controls/CSgGraph.h"

namespace SG {

class CSgNumEdit : public CSgControl {
  SG_FACADE_CLASS(CSgNumEdit)
  SG_DECLARE_SLOTS(SG_NUMEDIT_SLOTS)

  // Minimum, then maximum.
  void SetRange(double minimum, double maximum) const;
  void Method54(const char* text) const;
  void Method55(const char* text) const;
  CSgPicture GetControlImage() const;
  CSgPicture GetControlImage(LONG width, LONG height) const;
  void Method57() const;
};

class CSgButton : public CSgControl {
  SG_FACADE_CLASS(CSgButton)
  SG_DECLARE_SLOTS(SG_BUTTON_SLOTS)

  void Method3(LONG value) const;
  void Method44(LONG value) const;
  void Method45() const;
  void Method46(const CString& text) const;
  void Method47(const CString& text) const;
  CSgImage GetImage(const CString& name) const;
  CSgImage GetImage(int index) const;
  CSgImage GetImage2(const CString& name) const;
  CSgImage GetImage2(int index) const;
  CSgPicture GetControlImage() const;
  CSgPicture GetControlImage(LONG width, LONG height) const;
  void Method51() const;
  void Method54() const;
};

}  // namespace SG
