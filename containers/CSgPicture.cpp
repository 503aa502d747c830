#include "containers/CSgPicture.h"

#include "platform/com/Picture.h"

namespace SG {

namespace {
// Property ids of the standard picture object.
constexpr DISPID kHandle = 0, kHPal = 2, kType = 3, kWidth = 4, kHeight = 5;
}  // namespace

CSgPicture::CSgPicture(IUnknown* p, bool takeOwnership)
    : CSgDispatch(p, IID_IPictureDisp, 0, takeOwnership) {}

IDispatch* CSgPicture::GetPictureDisp() {
  bool mustRelease = false;
  return static_cast<IDispatch*>(GetInterface(true, &mustRelease));
}

LONG CSgPicture::GetHandle() { return Get<LONG>(kHandle, VT_I4); }
LONG CSgPicture::GetHPal() { return Get<LONG>(kHPal, VT_I4); }
void CSgPicture::SetHPal(LONG palette) { SetProperty(kHPal, VT_I4, palette); }
SHORT CSgPicture::GetType() { return Get<SHORT>(kType, VT_I2); }
LONG CSgPicture::GetWidth() { return Get<LONG>(kWidth, VT_I4); }
LONG CSgPicture::GetHeight() { return Get<LONG>(kHeight, VT_I4); }

}  // namespace SG
