#pragma once
// The standard OLE picture object (IPictureDisp), read through its
// properties. A picture is always held in plain mode by the thread that made
// it.

#include "containers/CSgDispatch.h"

namespace SG {

class CSgPicture : public CSgDispatch {
 public:
  CSgPicture() = default;
  CSgPicture(IUnknown* p, bool takeOwnership);
  CSgPicture(const CSgInterface& other) : CSgDispatch(other) {}
  CSgPicture& operator=(const CSgInterface& other) {
    CSgDispatch::operator=(other);
    return *this;
  }
  ~CSgPicture() override = default;

  // The held interface with one added reference.
  IDispatch* GetPictureDisp();
  LONG GetHandle();
  LONG GetHPal();
  void SetHPal(LONG palette);
  SHORT GetType();
  LONG GetWidth();
  LONG GetHeight();

 private:
  template <class T>
  T Get(DISPID dispid, VARTYPE type) {
    T value{};
    GetProperty(dispid, type, &value);
    return value;
  }
};

}  // namespace SG
