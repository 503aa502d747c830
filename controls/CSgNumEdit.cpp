#include "controls/CSgNumEdit.h"

#include "controls/FacadeDefinitions.h"
#include "controls/SlotNames.h"

namespace SG {

SG_DEFINE_FACADE(CSgNumEdit, "3DC8450E-EA11-4636-A865-5C3310054D05")

#define SG_SLOT_CLASS CSgNumEdit
SG_DEFINE_SLOTS(SG_NUMEDIT_SLOTS)
#undef SG_SLOT_CLASS

void CSgNumEdit::SetRange(double minimum, double maximum) const {
  Frame().Call<void>(NumEditSlots::SetRange, AsVariant{minimum}, AsVariant{maximum});
}
void CSgNumEdit::Method54(const char* text) const {
  Frame().Call<void>(NumEditSlots::Method54, text);
}
void CSgNumEdit::Method55(const char* text) const {
  Frame().Call<void>(NumEditSlots::Method55, text);
}
CSgPicture CSgNumEdit::GetControlImage() const {
  CallFrame frame = Frame();
  const_cast<CSgNumEdit*>(this)->CheckInterfaceThread();
  return frame.Call<CSgPicture>(NumEditSlots::GetControlImage);
}
CSgPicture CSgNumEdit::GetControlImage(LONG width, LONG height) const {
  CallFrame frame = Frame();
  const_cast<CSgNumEdit*>(this)->CheckInterfaceThread();
  return frame.Call<CSgPicture>(NumEditSlots::GetControlImageOfSize, width, height);
}
void CSgNumEdit::Method57() const { Frame().Call<void>(NumEditSlots::Method57); }

SG_DEFINE_FACADE(CSgButton, "D4A6A4E2-89D1-4C6E-A479-2A8A45224DD3")

#define SG_SLOT_CLASS CSgButton
SG_DEFINE_SLOTS(SG_BUTTON_SLOTS)
#undef SG_SLOT_CLASS

void CSgButton::Method3(LONG value) const { Frame().Call<void>(ButtonSlots::Method3, value); }
void CSgButton::Method44(LONG value) const { Frame().Call<void>(ButtonSlots::Method44, value); }
void CSgButton::Method45() const { Frame().Call<void>(ButtonSlots::Method45); }
void CSgButton::Method46(const CString& text) const {
  Frame().Call<void>(ButtonSlots::Method46, text);
}
void CSgButton::Method47(const CString& text) const {
  Frame().Call<void>(ButtonSlots::Method47, text);
}
CSgImage CSgButton::GetImage(const CString& name) const {
  return Frame().Call<CSgImage>(ButtonSlots::GetImage, CSgVariant(name));
}
CSgImage CSgButton::GetImage(int index) const {
  return Frame().Call<CSgImage>(ButtonSlots::GetImage, CSgVariant(index));
}
CSgImage CSgButton::GetImage2(const CString& name) const {
  return Frame().Call<CSgImage>(ButtonSlots::GetImage2, CSgVariant(name));
}
CSgImage CSgButton::GetImage2(int index) const {
  return Frame().Call<CSgImage>(ButtonSlots::GetImage2, CSgVariant(index));
}
CSgPicture CSgButton::GetControlImage() const {
  CallFrame frame = Frame();
  const_cast<CSgButton*>(this)->CheckInterfaceThread();
  return frame.Call<CSgPicture>(ButtonSlots::GetControlImage);
}
CSgPicture CSgButton::GetControlImage(LONG width, LONG height) const {
  CallFrame frame = Frame();
  const_cast<CSgButton*>(this)->CheckInterfaceThread();
  return frame.Call<CSgPicture>(ButtonSlots::GetControlImageOfSize, width, height);
}
void CSgButton::Method51() const { Frame().Call<void>(ButtonSlots::Method51); }
void CSgButton::Method54() const { Frame().Call<void>(ButtonSlots::Method54); }

}  // namespace SG
