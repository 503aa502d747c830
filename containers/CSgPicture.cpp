#include "containers/CSgPicture.h"

#include "containers/SgInterfaceIds.h"

namespace SG {

namespace {
// Property ids of the standard picture object.
constexpr DISPID kHandle = 0, kHPal = 2, kType = 3, kWidth = 4, kHeight = 5;
}  // namespace

CSgPicture::CSgPicture(IUnknown* p, bool takeOwnership) : CSgDispatch(p, IID_IPictureDisp, 0, takeOwnership) {}

IDispatch* CSgPicture::GetPictureDisp() {
  bool mustRelease = false;
  return static_cast<IDispatch*>(GetInterface(true, &mustRelease));
}

LONG CSgPicture::GetHandle() {
  LONG value = 0;
  GetProperty(kHandle, VT_I4, &value);
  return value;
}

LONG CSgPicture::GetHPal() {
  LONG value = 0;
  GetProperty(kHPal, VT_I4, &value);
  return value;
}

void CSgPicture::SetHPal(LONG palette) { SetProperty(kHPal, VT_I4, palette); }

SHORT CSgPicture::GetType() {
  SHORT value = 0;
  GetProperty(kType, VT_I2, &value);
  return value;
}

LONG CSgPicture::GetWidth() {
  LONG value = 0;
  GetProperty(kWidth, VT_I4, &value);
  return value;
}

LONG CSgPicture::GetHeight() {
  LONG value = 0;
  GetProperty(kHeight, VT_I4, &value);
  return value;
}

}  // namespace SG
