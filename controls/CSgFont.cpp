#include "controls/CSgFont.h"

#include "platform/com/CodePage.h"
#include "platform/com/Picture.h"

#include <cmath>

namespace SG {

CSgFont::CSgFont(IUnknown* pointer, int threadOption, bool adopt)
    : CSgDispatch(pointer, IID_IFontDisp, threadOption, adopt) {}

CString CSgFont::GetName() {
  CString name;
  GetProperty(DISPID_FONT_NAME, VT_BSTR, &name);
  return name;
}

void CSgFont::SetName(const CString& name) {
  // Code 14 hands the dispatch helper a narrow string.
  SetProperty(DISPID_FONT_NAME, VT_DECIMAL, static_cast<LPCSTR>(name));
}

CY CSgFont::SizeToCurrency(double points) {
  double scaled = std::fabs(points * 10000.0);
  if (!(scaled <= 4294967295.0)) scaled = 4294967295.0;  // also NaN
  CY value{};
  value.int64 = static_cast<LONGLONG>(static_cast<unsigned long long>(std::trunc(scaled)));
  return value;
}

double CSgFont::CurrencyToSize(const CY& value) {
  // The whole currency value: a 9.75-point font reads back as 9.75, not 9.
  return static_cast<double>(value.int64) / 10000.0;
}

double CSgFont::GetSize() {
  CY value{};
  GetProperty(DISPID_FONT_SIZE, VT_CY, &value);
  return CurrencyToSize(value);
}

void CSgFont::SetSize(double points) {
  const CY value = SizeToCurrency(points);
  SetProperty(DISPID_FONT_SIZE, VT_CY, &value);
}

bool CSgFont::GetSwitch(DISPID id) {
  BOOL value = FALSE;
  GetProperty(id, VT_BOOL, &value);
  return value != 0;
}

void CSgFont::SetSwitch(DISPID id, bool value) { SetProperty(id, VT_BOOL, value ? 1 : 0); }

bool CSgFont::GetBold() { return GetSwitch(DISPID_FONT_BOLD); }
void CSgFont::SetBold(bool value) { SetSwitch(DISPID_FONT_BOLD, value); }
bool CSgFont::GetItalic() { return GetSwitch(DISPID_FONT_ITALIC); }
void CSgFont::SetItalic(bool value) { SetSwitch(DISPID_FONT_ITALIC, value); }
bool CSgFont::GetUnderline() { return GetSwitch(DISPID_FONT_UNDER); }
void CSgFont::SetUnderline(bool value) { SetSwitch(DISPID_FONT_UNDER, value); }
bool CSgFont::GetStrikethrough() { return GetSwitch(DISPID_FONT_STRIKE); }
void CSgFont::SetStrikethrough(bool value) { SetSwitch(DISPID_FONT_STRIKE, value); }

SHORT CSgFont::GetWeight() {
  SHORT value = 0;
  GetProperty(DISPID_FONT_WEIGHT, VT_I2, &value);
  return value;
}

void CSgFont::SetWeight(SHORT value) {
  SetProperty(DISPID_FONT_WEIGHT, VT_I2, static_cast<int>(value));
}

}  // namespace SG
