#include "platform/com/Picture.h"

#include <cmath>

namespace {

void DefineLong(PropertyTable& table, DISPID id, VARTYPE vt, LONGLONG value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = vt;
  if (vt == VT_I2)
    v.iVal = static_cast<SHORT>(value);
  else if (vt == VT_BOOL)
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  else if (vt == VT_CY)
    v.cyVal.int64 = value;
  else
    v.lVal = static_cast<LONG>(value);
  table.Define(id, v);
}

}  // namespace

PictureObject::PictureObject(SHORT type, LONG handle, LONG width, LONG height) {
  PropertyTable& table = Properties();
  DefineLong(table, DISPID_PICT_HANDLE, VT_I4, handle);
  DefineLong(table, DISPID_PICT_HPAL, VT_I4, 0);
  DefineLong(table, DISPID_PICT_TYPE, VT_I2, type);
  DefineLong(table, DISPID_PICT_WIDTH, VT_I4, width);
  DefineLong(table, DISPID_PICT_HEIGHT, VT_I4, height);
}

FontObject::FontObject(std::string_view name, double points, bool bold) {
  PropertyTable& table = Properties();
  VARIANT text;
  VariantInit(&text);
  text.vt = VT_BSTR;
  text.bstrVal = SysAllocStringFromUtf8(name);
  table.Define(DISPID_FONT_NAME, text);
  VariantClear(&text);
  DefineLong(table, DISPID_FONT_SIZE, VT_CY, std::llround(points * 10000));
  DefineLong(table, DISPID_FONT_BOLD, VT_BOOL, bold);
  DefineLong(table, DISPID_FONT_ITALIC, VT_BOOL, 0);
  DefineLong(table, DISPID_FONT_UNDER, VT_BOOL, 0);
  DefineLong(table, DISPID_FONT_STRIKE, VT_BOOL, 0);
  DefineLong(table, DISPID_FONT_WEIGHT, VT_I2, bold ? 700 : 400);
  DefineLong(table, DISPID_FONT_CHARSET, VT_I2, 0);
}
